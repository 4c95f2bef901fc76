#include "app_fixture.h"

#include "suite/app/component_loader.h"
#include "suite/app/control_finder.h"
#include "suite/app/main_window.h"
#include "suite/app/module_window.h"
#include "suite/app/suite_session.h"

#include "suite/widgets/view_binding.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/form_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/status_bar_model.h"
#include "suite/framework/virtual_frame_model.h"

#include "ado/recordset.h"
#include "automation/dispatch.h"
#include "automation/error.h"
#include "automation/registry.h"
#include "brondel/console/host_components/cinterface.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace app_test {
namespace {

using suite::CommandLine;
using suite::HostApplication;

TEST(CommandLineTest, ReadsEveryOption) {
    const suite::HostOptions options = CommandLine::parse(
        {"suite-host", "--db",   "/tmp/s.db",    "--company", "2",           "--lang",     "eng",      "--caption",
         "Varianti",   "--call", "var.ragvar",   "--variant", "A0",          "--grouping", "CLASSICI", "--modal",
         "--script",   "a.js",   "--screenshot", "a.png",     "--trace-sql", "a.sql"});
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.database, "/tmp/s.db");
    EXPECT_EQ(options.company, 2);
    EXPECT_EQ(options.language, "ENG");
    EXPECT_EQ(options.caption, "Varianti");
    EXPECT_EQ(options.call, "VAR.RagVar");
    EXPECT_EQ(options.variant, "A0");
    EXPECT_EQ(options.grouping, "CLASSICI");
    EXPECT_TRUE(options.modal);
    EXPECT_EQ(options.script, "a.js");
    EXPECT_EQ(options.screenshot, "a.png");
    EXPECT_EQ(options.traceSql, "a.sql");
}

TEST(CommandLineTest, RefusesWhatItCannotDo) {
    const QList<std::pair<QStringList, QString>> cases = {
        {{"--call", "XYZ"}, "--call wants one of VAR, ART, VAR.RagVar, not \"XYZ\""},
        {{"--company", "uno"}, "--company wants a positive company code, not \"uno\""},
        {{"--variant", "A0"}, "--variant and --grouping go with --call VAR.RagVar"},
        {{"--call", "VAR", "--grouping", "X"}, "--variant and --grouping go with --call VAR.RagVar"},
        {{"extra"}, "Unexpected argument: extra"},
        {{"--colour"}, "Unknown option 'colour'."},
    };
    for (const auto& [arguments, error] : cases)
        EXPECT_EQ(CommandLine::parse(QStringList("suite-host") + arguments).error, error)
            << arguments.join(' ').toStdString();
    EXPECT_TRUE(CommandLine::parse({"suite-host", "--help"}).help);
}

TEST(ProgIdTest, AProgramIsServedByItsModulesClass) {
    EXPECT_EQ(HostApplication::progIdOf("MGUO_BRONDEL"), "MGUO_BRONDEL.CLSMG_BRONDEL");
    EXPECT_EQ(HostApplication::progIdOf("DOUO_DOCUMENTI"), "DOUO_DOCUMENTI.CLSDO_DOCUMENTI");
}

TEST_F(AppTest, TheLoaderRegistersTheComponentOnFirstUseAndCreatesItsClassByProgId) {
    const QString registry = dir_.filePath("components.json");
    QFile stale(registry);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(
        R"({"classes": {"MGUO_BRONDEL.CLSMG_BRONDEL": {"library": "/nowhere/libMGUO_BRONDEL.so", "version": "1.2"}}})");
    stale.close();
    suite::ComponentLoader loader(registry, HostApplication::librarySearchFolders());
    const auto instance = loader.create("MGUO_BRONDEL.CLSMG_BRONDEL");
    EXPECT_NE(std::dynamic_pointer_cast<host::Cinterface>(instance), nullptr);
    EXPECT_EQ(instance->classInfo().name(), "CLSMG_BRONDEL");
    EXPECT_EQ(automation::ComponentRegistry(registry).progIds(),
              QStringList({"MGUO_BRONDEL.CLSMG_BRONDEL", "MGUO_BRONDEL.CLSMG_PRIORLETT"}));
    EXPECT_TRUE(automation::ComponentRegistry(registry)
                    .libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL")
                    ->endsWith("/libMGUO_BRONDEL.so"));
    EXPECT_NE(*automation::ComponentRegistry(registry).libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL"),
              "/nowhere/libMGUO_BRONDEL.so");
    try {
        loader.create("DOUO_DOCUMENTI.CLSDO_DOCUMENTI");
        FAIL() << "created a class nobody serves";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::CannotCreateObject);
        EXPECT_TRUE(
            error.description().startsWith("ActiveX component can't create object: DOUO_DOCUMENTI.CLSDO_DOCUMENTI"));
    }
}

TEST_F(AppTest, TheConsoleOpensInTheMdiAreaAtItsSizeWithTheHostsMembersFilled) {
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    ASSERT_NE(console.subWindow(), nullptr);
    EXPECT_EQ(console.subWindow()->widget()->size(), QSize(844, 582));
    EXPECT_EQ(console.subWindow()->pos(), QPoint(0, 0));
    EXPECT_EQ(console.subWindow()->windowTitle(), "Console parametri varianti");
    EXPECT_TRUE(console.module()->isActive());
    EXPECT_FALSE(console.module()->isCalled());
    EXPECT_EQ(host->mainWindow().statusText(1), "Ditta 1 - Demo Abbigliamento S.p.A.");
}

TEST_F(AppTest, ResizingTheWindowStretchesTheConsoleAsItsAnchoringSays) {
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    suite::ControlFinder find(*console.form());
    const host::Geometry panel = find.byName("PIC_PARAMETRI", 0)->geometry();
    const host::Geometry sidebar = find.byName("SDB_PARAMETRI")->geometry();
    console.subWindow()->resize(console.subWindow()->size() + QSize(150, 100));
    console.hub().syncAll();
    EXPECT_EQ(console.form()->width(), 12660 + 2250);
    EXPECT_EQ(console.form()->height(), 8730 + 1500);
    EXPECT_EQ(find.byName("PIC_PARAMETRI", 0)->width(), panel.width + 2250);
    EXPECT_EQ(find.byName("PIC_PARAMETRI", 0)->height(), panel.height + 1500);
    EXPECT_EQ(find.byName("SDB_PARAMETRI")->width(), sidebar.width);
    EXPECT_EQ(find.byName("SDB_PARAMETRI")->height(), sidebar.height + 1500);
    EXPECT_EQ(console.view()->size(), QSize(844 + 150, 582 + 100));
}

TEST_F(AppTest, AMaximisedConsoleFollowsTheMainWindowWithoutFeedingItsSizeBack) {
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    QMainWindow& main = host->mainWindow();
    main.show();
    console.subWindow()->showMaximized();
    for (const QSize size : {QSize(1400, 900), QSize(900, 600), QSize(1600, 1000)}) {
        main.resize(size);
        QApplication::processEvents();
        console.hub().syncAll();
        const QSize area = host->mainWindow().mdiArea().viewport()->size();
        EXPECT_LE(console.view()->width(), area.width()) << size.width();
        EXPECT_EQ(console.form()->width(), console.view()->width() * 15) << size.width();
    }
    console.subWindow()->showNormal();
    QApplication::processEvents();
    console.hub().syncAll();
    EXPECT_EQ(console.form()->width(), console.view()->width() * 15);
    EXPECT_LE(console.subWindow()->width(), host->mainWindow().mdiArea().width());
}

TEST_F(AppTest, CascadingTheWindowsKeepsTheConsoleAtItsSize) {
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    host->mainWindow().resize(1400, 900);
    host->mainWindow().show();
    QApplication::processEvents();
    const QSize before = console.subWindow()->widget()->size();
    host->mainWindow().mdiArea().cascadeSubWindows();
    QApplication::processEvents();
    console.hub().syncAll();
    EXPECT_EQ(console.subWindow()->widget()->size(), before);
    EXPECT_EQ(console.form()->width(), before.width() * 15);
}

TEST_F(AppTest, TheToolbarsCommandsDoNotActOnAMinimisedConsole) {
    suite::HostOptions options = headless();
    options.call = "VAR";
    const auto host = start(options);
    suite::ModuleWindow& console = openConsole(*host);
    host->mainWindow().show();
    const auto frame = std::dynamic_pointer_cast<suite::VirtualFrameModel>(console.module()->activeFrame());
    ASSERT_NE(frame, nullptr);
    QAction* add = nullptr;
    for (QAction* action : host->mainWindow().findChildren<QAction*>())
        if (action->text() == "Nuovo")
            add = action;
    ASSERT_NE(add, nullptr);
    ASSERT_TRUE(add->isEnabled());
    console.subWindow()->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(add->isEnabled());
    add->trigger();
    console.subWindow()->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(add->isEnabled());
    EXPECT_EQ(frame->status(), 0);
}

TEST_F(AppTest, TheNavigatorsCommandsHaveTheirDesktopKeys) {
    suite::HostOptions options = headless();
    options.call = "VAR";
    const auto host = start(options);
    suite::ModuleWindow& console = openConsole(*host);
    QMainWindow& main = host->mainWindow();
    main.show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const auto frame = std::dynamic_pointer_cast<suite::VirtualFrameModel>(console.module()->activeFrame());
    ASSERT_NE(frame, nullptr);
    QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
    console.hub().syncAll();
    EXPECT_EQ(frame->status(), 2);
    QTest::keyClick(&main, Qt::Key_Escape);
    console.hub().syncAll();
    EXPECT_EQ(frame->status(), 0);
    EXPECT_EQ(host->mainWindow().toolbarAction("Conferma")->toolTip(), "Conferma (Ctrl+S)");
}

TEST_F(AppTest, TabGoesThroughTheFieldsThenTheGridAsOneStopThenTheButtonsWithoutMovingTheRecord) {
    suite::HostOptions options = headless();
    options.call = "VAR";
    const auto host = start(options);
    suite::ModuleWindow& console = openConsole(*host);
    QMainWindow& main = host->mainWindow();
    main.show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const auto frame = std::dynamic_pointer_cast<suite::VirtualFrameModel>(console.module()->activeFrame());
    ASSERT_NE(frame, nullptr);
    const auto grid = suite::ControlFinder(*console.form()).byName("GRD_CONFIGVAR");
    QWidget* gridView = &console.hub().viewOf(grid.get())->widget();
    gridView->setFocus();
    QStringList stops;
    for (int i = 0; i < 40 && stops.size() < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        QString name = focused ? focused->metaObject()->className() : QString();
        for (QWidget* w = focused; w; w = w->parentWidget()) {
            if (auto* view = dynamic_cast<suite::ViewBinding*>(w)) {
                name = view->control().name();
                break;
            }
        }
        stops << name;
        if (focused == gridView)
            break;
    }
    // From the grid: its navigator and buttons, the sidebar, then the fields top to bottom, back to the grid.
    ASSERT_EQ(stops.back(), "GRD_CONFIGVAR") << stops.join(' ').toStdString();
    const qsizetype description = stops.indexOf("TXT_DESCR");
    const qsizetype reserved = stops.indexOf("CHK_INDPROGCONFIG");
    const qsizetype navigator = stops.indexOf("GNV_CONFIGVAR");
    const qsizetype sidebar = stops.indexOf("SDB_PARAMETRI");
    ASSERT_GE(description, 0) << stops.join(' ').toStdString();
    EXPECT_LT(navigator, sidebar) << stops.join(' ').toStdString();
    EXPECT_LT(sidebar, description) << stops.join(' ').toStdString();
    EXPECT_LT(description, reserved) << stops.join(' ').toStdString();
    EXPECT_EQ(reserved, stops.size() - 2) << stops.join(' ').toStdString();
    EXPECT_EQ(stops.count("GRD_CONFIGVAR"), 1);
    EXPECT_EQ(frame->recordset()->absolutePosition(), 1);
}

// A person at the keyboard shows a section (typing its choice when it asks for one), presses Ctrl+N and
// types straight away: the keys land in the section's first editable field.
TEST_F(AppTest, AfterNuovoTheFocusIsInTheSectionsFirstEditableField) {
    struct Case {
        const char* group;
        const char* item;
        const char* choiceField;
        const char* choice;
        const char* focused;
    };
    const Case cases[] = {
        {"GRPCONVAR", "ITMCONFIGVAR", nullptr, nullptr, "TXT_DESCR"},
        {"GRPCONVAR", "ITMOPZVAR", "TXT_VAROPZ", "1", "TXT_OPZIONE"},
        {"GRPCONVAR", "ITMRAGGRUP", "TXT_PROGRAGGR", "1", "TXT_CODRAGGR"},
        {"GRPCONVAR", "ITMPRIELA", nullptr, nullptr, "GRD_PRIORLETT"},
        {"GRPCONART", "ITMCONFIGART", nullptr, nullptr, "TXT_DESCRCONFART"},
        {"GRPCONART", "ITMSUBCOD", nullptr, nullptr, "TXT_SUBCODICE"},
    };
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    QMainWindow& main = host->mainWindow();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    suite::ControlFinder find(*console.form());
    const auto sidebar = std::dynamic_pointer_cast<suite::SidebarModel>(find.byKind(host::ControlKind::Sidebar));
    for (const Case& c : cases) {
        ASSERT_TRUE(sidebar->clickItem(c.group, c.item)) << c.item;
        if (c.choiceField) {
            auto field = std::dynamic_pointer_cast<suite::EditModel>(find.byName(c.choiceField));
            ASSERT_TRUE(field->typeText(c.choice) && field->leave()) << c.item;
        }
        console.hub().syncAll();
        QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
        console.hub().syncAll();
        EXPECT_TRUE(host->mainWindow().toolbarAction("Annulla")->isEnabled()) << c.item << ": no new row";
        QWidget* expected = &console.hub().viewOf(find.byName(c.focused).get())->widget();
        EXPECT_EQ(QApplication::focusWidget(), expected)
            << c.item << ": "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
        QTest::keyClick(&main, Qt::Key_Escape);
        console.hub().syncAll();
    }
}

TEST_F(AppTest, ACallModeOpensTheConsoleOnItsSection) {
    suite::HostOptions options = headless();
    options.call = "ART";
    const auto host = start(options);
    suite::ModuleWindow& console = openConsole(*host);
    EXPECT_TRUE(console.module()->isCalled());
    const auto sidebar = std::dynamic_pointer_cast<suite::SidebarModel>(
        suite::ControlFinder(*console.form()).byKind(host::ControlKind::Sidebar));
    EXPECT_EQ(sidebar->selectedItem().key, "ITMCONFIGART");
    QVariantList none;
    EXPECT_EQ(console.instance()->invokeByName(u"TipoChiamataConsole", automation::MemberKind::PropertyGet, none),
              "ART");
}

TEST_F(AppTest, ClosingTheConsolesWindowAsksTheConsoleWhichMayRefuse) {
    const auto host = start(headless());
    suite::ModuleWindow& console = openConsole(*host);
    host->session().hostScript()->setCancel(true);
    console.subWindow()->close();
    QApplication::processEvents();
    ASSERT_NE(host->module(HostApplication::ConsoleProgram), nullptr);
    EXPECT_TRUE(console.subWindow()->isVisible());
    host->session().hostScript()->setCancel(false);
    EXPECT_TRUE(host->closeModules());
    EXPECT_EQ(host->module(HostApplication::ConsoleProgram), nullptr);
}

TEST_F(AppTest, TheToolbarsCompanyAndOfficeButtonsReachTheConsolesNavigatorHandlers) {
    const auto host = start(headless());
    openConsole(*host);
    host->mainWindow().toolbarAction("Cambia ditta")->trigger();
    host->mainWindow().toolbarAction("Esporta in Office")->trigger();
    EXPECT_EQ(host->scriptedMessages()->texts(),
              QStringList({"Il cambio ditta è consentito solo dopo la chiusura del programma in uso!",
                           "Il programma non implementa la funzionalità di esportazione dei dati verso office"}));
    EXPECT_EQ(host->session().companyCode(), 1);
}

TEST_F(AppTest, WithAPersonTheConsolesMessagesShowAsDialogs) {
    suite::HostOptions options;
    options.database = database_;
    const auto host = start(options);
    ASSERT_TRUE(host->isInteractive());
    openConsole(*host);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->windowTitle() + "|" + box->text();
        box->defaultButton()->click();
    });
    host->mainWindow().toolbarAction("Cambia ditta")->trigger();
    EXPECT_EQ(shown, "Informazione|Il cambio ditta è consentito solo dopo la chiusura del programma in uso!");
    EXPECT_TRUE(host->closeModules());
}

TEST_F(AppTest, AProgramThatCannotStartIsToldInTheSuitesWordsWithoutTheTechnicalError) {
    suite::HostOptions options;
    options.database = database_;
    const auto host = start(options);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->defaultButton()->click();
    });
    EXPECT_EQ(host->openProgram("DOUO_DOCUMENTI"), nullptr);
    EXPECT_EQ(shown,
              "Impossibile avviare il programma DOUO_DOCUMENTI: non è installato o non è registrato su questo "
              "computer.\nRivolgersi all'amministratore del sistema.");
}

TEST_F(AppTest, TheStatusBarsSecondPanelShowsWhatTheModuleWrites) {
    const auto host = start(headless());
    host->session().statusBar()->setPanelText(2, "Pronto");
    EXPECT_EQ(host->mainWindow().statusText(2), "Pronto");
}

TEST_F(AppTest, TheSqlTraceHoldsEveryStatementAsSentEachFollowedByGo) {
    suite::HostOptions options = headless();
    options.traceSql = dir_.filePath("trace.sql");
    {
        const auto host = start(options);
        openConsole(*host);
        host->closeModules();
    }
    QFile file(options.traceSql);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString trace = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(
        trace.contains("   SELECT\r\n         1 AS ITMCONFIGVAR\r\n       , CASE\r\n           WHEN EXISTS (\r\n"));
    EXPECT_TRUE(trace.contains("                MG5F_DITTA_CG18 = 1\r\n"));
    EXPECT_TRUE(trace.endsWith("\nGO\n"));
    EXPECT_FALSE(trace.contains("CG18_DITTE")) << "the host's own statements are not the console's";
    for (const QString& statement : trace.split("\nGO\n", Qt::SkipEmptyParts))
        EXPECT_FALSE(statement.trimmed().isEmpty());
}

}  // namespace
}  // namespace app_test
