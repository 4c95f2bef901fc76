#include "app_fixture.h"

#include "suite/app/host_model_factory.h"
#include "suite/app/module_window.h"
#include "suite/app/script_host.h"
#include "suite/app/suite_session.h"

#include "suite/framework/form_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/tree_view_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/script_object_model.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <QJSEngine>

namespace app_test {
namespace {

class ScriptTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        suite::HostOptions options = headless();
        options.script = dir_.filePath("script.js");
        host_ = start(options);
        script_ = std::make_unique<suite::ScriptHost>(*host_);
    }

    // The script's error, or "" when it ended normally.
    QString run(const QString& source) { return script_->evaluate(source); }

    std::unique_ptr<suite::HostApplication> host_;
    std::unique_ptr<suite::ScriptHost> script_;
};

TEST_F(ScriptTest, AScriptOpensTheConsoleWalksEverySectionAndClosesIt) {
    const QString error = run(R"js(
        var opened = [];
        function bwOpen(name) { opened.push(name); }
        var sections = ["ITMCONFIGVAR", "ITMRAGGRUP", "ITMOPZVAR", "ITMLINGUAVAR", "ITMCLIFORVAR", "ITMPRIELA",
                        "ITMRAGVAR", "ITMCONFIGART", "ITMSUBCOD", "ITMDESLINART", "ITMOBBDOC", "ITMOBBPRO"];
        var panels = [];
        for (var i = 0; i < sections.length; ++i) {
            if (!suite.section(sections[i])) throw new Error("cannot click " + sections[i]);
            if (suite.console.section !== sections[i]) throw new Error("shows " + suite.console.section);
            if (suite.console.message !== "") throw new Error(sections[i] + " is off: " + suite.console.message);
            panels.push(suite.console.panel);
        }
        if (panels.join() !== "0,1,2,3,4,5,6,7,8,9,10,11") throw new Error("panels " + panels.join());
        if (opened.join() !== "FRMMG_BRONDEL") throw new Error("bwOpen ran for " + opened.join());
        if (suite.console.caption !== "Console parametri varianti") throw new Error(suite.console.caption);
        if (suite.close() !== true) throw new Error("the console stayed open");
        if (suite.console !== null) throw new Error("a closed console is still there");
    )js");
    EXPECT_EQ(error, "");
    EXPECT_EQ(host_->module(suite::HostApplication::ConsoleProgram), nullptr);
}

TEST_F(ScriptTest, BwCloseKeepsTheConsoleOpenBySettingTheCancelFlag) {
    const QString error = run(R"js(
        var keep = true;
        function bwClose(name) { suite.cancel = keep; }
        var first = suite.close();
        var stillOpen = suite.console.open;
        keep = false;
        var second = suite.close();
        if (first !== false || !stillOpen || second !== true) throw new Error([first, stillOpen, second].join());
    )js");
    EXPECT_EQ(error, "");
}

TEST_F(ScriptTest, ControlsAreReachedByNameAndDrivenByTheirGestures) {
    const QString error = run(R"js(
        suite.section("ITMCONFIGVAR");
        var natura = suite.control("CBO_NATURA");
        if (!natura.visible || natura.kind !== "combo") throw new Error("CBO_NATURA " + natura.kind);
        if (natura.items.length !== 2 || natura.items[1].text !== "Numerica") throw new Error(JSON.stringify(natura.items));
        natura.selectCode(1);
        if (natura.text !== "1" || natura.selectedIndex !== 1) throw new Error(natura.text);
        if (suite.control("PIC_PARAMETRI", 5).visible) throw new Error("panel 5 shows");
        if (!suite.control("PIC_PARAMETRI(0)").visible) throw new Error("panel 0 is hidden");
        if (suite.console.title !== "Configuratore varianti") throw new Error(suite.console.title);
        suite.control("NONESISTE");
    )js");
    EXPECT_TRUE(error.endsWith("ReferenceError: the console has no control NONESISTE")) << error.toStdString();
}

TEST_F(ScriptTest, GridsShowTheirCellsAndTakeTicksSelectionsAndSelectAll) {
    run("suite.open();");
    suite::ModuleWindow* console = host_->module(suite::HostApplication::ConsoleProgram);
    ASSERT_NE(console, nullptr);
    auto rows = std::make_shared<ado::Recordset>();
    rows->fields().append("DOC", ado::DataType::VarChar, 14);
    rows->fields().append("A0", ado::DataType::TinyInt);
    rows->open();
    for (const auto& [doc, a0] : {std::pair{"BOLLA", 1}, {"FATTURA", 0}}) {
        rows->addNew();
        rows->setValue("DOC", doc);
        rows->setValue("A0", a0);
        rows->update();
    }
    host::ControlDesign design;
    design.kind = host::ControlKind::Grid;
    design.name = "GRD_PROVA";
    design.parent = console->form();
    const auto grid = std::dynamic_pointer_cast<suite::GridModel>(host_->session().factory()->createControl(design));
    const auto layout = host_->session().factory()->createGridLayout();
    layout->initialize(nullptr, nullptr, "DOC", 0);
    layout->addColumn("DOC", "Documento", host::column_kind::Text, 3000, true);
    layout->addCheckColumn("A0", "1 - Colore", "1", "0", false, 1300, true);
    grid->setColumnLayout(layout);
    grid->endColumnDefinition();
    grid->setDataSource(rows);
    grid->DataFormatEXT.connect([](QVariant& value, const QString& field) {
        if (field == "DOC")
            value = value.toString().toLower();
    });
    grid->CustomDrawCell.connect([](const host::GridRow& row, const QString&, qint32& colour) {
        if (row.index == 1)
            colour = 255;
    });
    QStringList allClicks;
    grid->SelectAllClickEXT.connect(
        [&](const QString& field, int state) { allClicks << field + QString::number(state); });
    const QString error = run(R"js(
        var grid = suite.control("GRD_PROVA");
        var seen = [grid.rowCount, grid.cell(0, "DOC"), grid.value(1, "A0"), grid.colour(0), grid.colour(1)];
        grid.tick(1, "A0");
        seen.push(grid.value(1, "A0"), grid.currentRow);
        grid.select(0);
        seen.push(grid.currentRow);
        grid.selectAll("A0", true);
        grid.selectAll("A0", true);
        if (seen.join() !== "2,bolla,0,-1,255,1,1,0") throw new Error(seen.join());
        grid.cell(5, "DOC");
    )js");
    EXPECT_TRUE(error.endsWith("RangeError: GRD_PROVA has no row 5 (it has 2)")) << error.toStdString();
    EXPECT_EQ(allClicks, QStringList({"A0-1"}));
}

TEST_F(ScriptTest, GridsGiveTheirColumnsInOrderHiddenOnesIncluded) {
    const QString error = run(R"js(
        suite.section("ITMCONFIGVAR");
        var columns = suite.control("GRD_CONFIGVAR").columns;
        var first = columns[0], last = columns[columns.length - 1];
        var seen = [columns.length, first.field, first.caption, first.visible, first.width,
                    last.field, last.visible];
        if (seen.join() !== "21,MG5F_CODICEVAR,Progr.,true,1185,MG5F_FLGDESCRVARAUTO,false") throw new Error(seen.join());
    )js");
    EXPECT_EQ(error, "");
}

TEST_F(ScriptTest, TreeViewsGiveTheirNodesAndAreChosenByKeyOrText) {
    run("suite.open();");
    suite::ModuleWindow* console = host_->module(suite::HostApplication::ConsoleProgram);
    ASSERT_NE(console, nullptr);
    host::ControlDesign design;
    design.kind = host::ControlKind::TreeView;
    design.name = "TvProva";
    design.parent = console->form();
    const auto tree =
        std::dynamic_pointer_cast<suite::TreeViewModel>(host_->session().factory()->createControl(design));
    tree->addNode("", "V|A0|", "COLORE", "close", "open");
    tree->addNode("V|A0|", "R|A0|ESTATE|", "ESTATE", "close", "open");
    tree->addNode("V|A0|", "R|A0|CLASSICI|", "CLASSICI", "close", "open");

    const QString error = run(R"js(
        var tree = suite.control("TvProva");
        var root = tree.nodes[0];
        var seen = [tree.nodes.length, root.key, root.text, root.marked, root.children.length,
                    root.children[1].key, root.children[1].children.length];
        tree.choose("ESTATE");
        seen.push(tree.selected);
        tree.choose("V|A0|");
        seen.push(tree.selected);
        if (seen.join() !== "1,V|A0|,COLORE,false,2,R|A0|CLASSICI|,0,R|A0|ESTATE|,V|A0|") throw new Error(seen.join());

        tree.choose("NESSUNO");
    )js");
    EXPECT_TRUE(error.endsWith("TypeError: TvProva (treeView) cannot choose NESSUNO: no such node"))
        << error.toStdString();
}

TEST_F(ScriptTest, DataSectionsAreGlobalsUnderTheirScriptNames) {
    run("suite.open();");
    const auto rows = host_->session().factory()->recordsetFactory()->createRecordset();
    rows->open(
        "SELECT MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 "
        "ORDER BY MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR",
        host_->session().factory()->openConnection(host_->session().connectionString()));
    const auto frame = host_->session().factory()->createVirtualFrame();
    frame->initialize(nullptr, nullptr, rows, QString(), QString(), nullptr, nullptr);
    frame->setScriptName("DTS_Raggruppamenti");
    const auto connection = host_->session().navigator()->InitializeScriptObjectModel.connect(
        [&](std::shared_ptr<host::ScriptObjectModel>& model) {
            std::shared_ptr<host::Object> object = frame;
            model->addObject(frame->scriptName(), object, host::script_kind::DataSection, frame->scriptName());
        });
    host_->session().navigator()->buildScript();
    script_->publishScriptObjects();
    host_->session().navigator()->InitializeScriptObjectModel.disconnect(connection);
    EXPECT_EQ(run(R"js(
        var seen = [DTS_Raggruppamenti.name, DTS_Raggruppamenti.rowCount, DTS_Raggruppamenti.value("MG5G_CODRAGGVAR"),
                    DTS_Raggruppamenti.status, FRMMG_BRONDEL.caption];
        DTS_Raggruppamenti.addNew();
        seen.push(DTS_Raggruppamenti.status);
        DTS_Raggruppamenti.undo();
        seen.push(DTS_Raggruppamenti.status);
        if (seen.join() !== "DTS_Raggruppamenti,4,CLASSICI,0,Console parametri varianti,2,0") throw new Error(seen.join());
    )js")
                  .toStdString(),
              "");
}

TEST_F(ScriptTest, AQuestionWithNoAnswerQueuedFailsTheScriptEvenWhenTheConsoleWentOn) {
    suite::ScriptedMessages& messages = *host_->scriptedMessages();
    const bool done = script_->gesture([&] {
        try {
            messages.showMessage("Salvare le modifiche?", 36, "Console");
        } catch (const automation::Error&) {
        }
    });
    EXPECT_FALSE(done);
    EXPECT_EQ(script_->engine().catchError().toString(),
              "Error: a message appeared with no answer queued: Salvare le modifiche?");
    messages.answer(7);
    EXPECT_TRUE(script_->gesture([&] { EXPECT_EQ(messages.showMessage("Salvare le modifiche?", 36, "Console"), 7); }));
    EXPECT_EQ(
        run("var m = suite.messages; if (m.length !== 2 || m[1].style !== 36) throw new Error(JSON.stringify(m));"),
        "");
}

TEST_F(ScriptTest, TheDatabaseIsReachedOnAConnectionOfItsOwn) {
    const QString error = run(R"js(
        var changed = suite.db.exec("UPDATE MG36_DOCUMENTI SET MG36_DESCR = 'Bolla' WHERE MG36_CODDOCUM = 'DDT'");
        var rows = suite.db.query("SELECT MG36_CODDOCUM, MG36_DESCR FROM MG36_DOCUMENTI WHERE MG36_CODDOCUM LIKE 'D%'");
        if (changed !== 1 || rows.length !== 1 || rows[0].MG36_DESCR !== "Bolla") throw new Error(changed + JSON.stringify(rows));
        suite.db.query("SELECT NOPE FROM MG36_DOCUMENTI");
    )js");
    EXPECT_TRUE(error.contains("NOPE")) << error.toStdString();
}

TEST_F(ScriptTest, ALateBoundPrioritiesObjectRebuildsACompanysDefaultListsOnTheScriptsConnection) {
    const QString error = run(R"js(
        var priorities = suite.createObject("MGUO_BRONDEL.CLSMG_PRIORLETT");
        priorities.Ditta = 2;
        priorities.connessione = suite.db.connection();
        if (priorities.CONNESSIONE.state !== 1) throw new Error("no connection kept");
        if (priorities.PrioritaPredefinite() !== undefined) throw new Error("a result");
        priorities.connessione = null;
        if (priorities.connessione !== null) throw new Error("still connected");
        var rows = suite.db.query("SELECT MG5L_INDELEMENTO AS E, MG5L_PRIORITA AS P, MG5L_FLGPOSVAR1 AS F " +
                                  "FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = 2 ORDER BY 1, 2");
        var lists = rows.map(function (r) { return r.E + "." + r.P + "=" + r.F; }).join(" ");
        if (lists !== "0.1=1 0.2=1 0.3=0 0.4=0 1.1=1 1.2=1 1.3=0 1.4=0 2.1=1 2.2=1 2.3=0 2.4=0 3.1=1 3.2=1 3.3=0 3.4=0")
            throw new Error(lists);

        var reader = suite.createObject("mguo_brondel.clsmg_priorlett");
        reader.Ditta = 1;
        reader.connessione = suite.db.connection();
        var variants = reader.VariantiConfigurate_Descrizioni();
        if (variants.recordCount !== 6 || variants.rows().length !== 6) throw new Error(variants.recordCount);
    )js");
    EXPECT_EQ(error, "") << error.toStdString();
}

TEST_F(ScriptTest, ALateBoundObjectRefusesWhatItsTypeLibraryDoesNotAllow) {
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"p.connessione = 5;", "error 13: Type mismatch"},
        {"p.connessione = suite.createObject('MGUO_BRONDEL.CLSMG_PRIORLETT');", "error 13: Type mismatch"},
        {"var d = p.Ditta;", "error 438: Object doesn't support this property or method"},
        {"p.PrioritaPredefinite();", "error 91: Object variable or With block variable not set"},
        {"suite.createObject('MGUO_BRONDEL.CLSMG_NESSUNA');", "error 429: ActiveX component can't create object"},
    };
    for (const Case& c : cases) {
        const QString error =
            run(QStringLiteral("var p = suite.createObject('MGUO_BRONDEL.CLSMG_PRIORLETT'); ") + c.script);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << c.script << ": " << error.toStdString();
    }
}

}  // namespace
}  // namespace app_test
