#include "console_fixture.h"

#include "brondel/host/entry_points.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/database_info_model.h"
#include "suite/framework/form_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/layout_object_model.h"
#include "suite/framework/mdi_host_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/script_object_model.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "brondel/console/host_components/virtual_frame.h"
#include "brondel/variants/variant_statements.h"

#include <gmock/gmock.h>

namespace console_test {
namespace {

using ::testing::Return;

class MockFrame : public host::VirtualFrame {
public:
    MOCK_METHOD(void, initialize,
                (std::shared_ptr<host::Cinterface>, std::shared_ptr<ado::Connection>, std::shared_ptr<ado::Recordset>,
                 const QVariant&, const QString&, std::shared_ptr<host::GridNavigator>, std::shared_ptr<host::Grid>),
                (override));
    MOCK_METHOD(void, addControl, (std::shared_ptr<host::DataControl>, std::shared_ptr<host::DataFormat>), (override));
    MOCK_METHOD(void, setKeyControl, (std::shared_ptr<host::DataControl>), (override));
    MOCK_METHOD(bool, isEditingEnabled, (), (const, override));
    MOCK_METHOD(void, setEditingEnabled, (bool), (override));
    MOCK_METHOD(qint16, status, (), (const, override));
    MOCK_METHOD(bool, isShowingRow, (), (const, override));
    MOCK_METHOD(void, setStatus, (qint16), (override));
    MOCK_METHOD(bool, save, (bool, bool), (override));
    MOCK_METHOD(void, commitRow, (), (override));
    MOCK_METHOD(bool, checkKey, (), (override));
    MOCK_METHOD(void, refresh, (bool), (override));
    MOCK_METHOD(void, positionOnCurrentRow, (bool), (override));
    MOCK_METHOD(std::shared_ptr<ado::Recordset>, recordset, (), (const, override));
    MOCK_METHOD(void, setRecordset, (std::shared_ptr<ado::Recordset>), (override));
    MOCK_METHOD(void, beginBulkChange, (), (override));
    MOCK_METHOD(void, endBulkChange, (), (override));
    MOCK_METHOD(qint32, queryClose, (bool, int, bool), (override));
    MOCK_METHOD(void, close, (), (override));
    MOCK_METHOD(void, detach, (), (override));

    QString scriptName() const override { return scriptName_; }
    void setScriptName(const QString& name) override { scriptName_ = name; }

private:
    QString scriptName_;
};

std::shared_ptr<MockFrame> frame(qint32 queryCloseAnswer) {
    auto mock = std::make_shared<::testing::NiceMock<MockFrame>>();
    ON_CALL(*mock, queryClose(true, 0, true)).WillByDefault(Return(queryCloseAnswer));
    return mock;
}

using ConsoleLifecycle = ConsoleTest;

TEST_F(ConsoleLifecycle, FirstActivationSetsUpInOrder) {
    openHost();
    const auto script = std::make_shared<suite::HostScriptModel>();
    script->FormEventRaised.connect([this](const QString& form, int open, bool&) {
        journal_ << QStringLiteral("form event %1 %2").arg(form).arg(open);
    });
    host_->navigator()->setHostScript(script);

    console->showForm();

    // The variant configurator's frame opens on the company's dimensions; showing its first row asks for the
    // sidebar's enabling again, which nothing has changed since it was read.
    EXPECT_EQ(journal_, (QStringList{"connection", "message service", "data format", "lookup service", "decode service",
                                     "lookup service", "decode service", "enabling query",
                                     "statement: " + brondel::VariantStatements::frameRows("1"), "sidebar", "resize",
                                     "script model", "layout model", "script model", "form event FRMMG_BRONDEL 1"}));
    EXPECT_TRUE(form().isLoaded());
    EXPECT_EQ(form().companyCode(), QVariant(1));
    EXPECT_TRUE(form().connection()->isOpen());
    EXPECT_EQ(console->connection(), form().connection());
    EXPECT_EQ(form().connectionString(), host_->connectionString());
    EXPECT_EQ(form().window()->caption(), console->caption().toString());
    EXPECT_FALSE(sidebar().items().isEmpty());
    EXPECT_EQ(visiblePanels(), QString()) << "the panels are hidden until an item is chosen";
}

TEST_F(ConsoleLifecycle, LaterActivationsOnlyResynchroniseTheNavigator) {
    showConsole();
    const qsizetype refreshes = host_->navigator()->refreshes().size();
    journal_.clear();

    std::dynamic_pointer_cast<suite::FormModel>(form().window())->activate();

    EXPECT_EQ(journal_, QStringList());
    EXPECT_EQ(host_->navigator()->refreshes().size(), refreshes + 1);
    EXPECT_EQ(host_->global()->currentModule(), console);
}

TEST_F(ConsoleLifecycle, ConnectionThatFailsAtFirstActivationIsShownAndTheConsoleCloses) {
    openHost();
    host_->global()->setDatabaseInfo(std::make_shared<suite::DatabaseInfoModel>(
        QStringLiteral("Provider=SQLite;Data Source=") + dir_.filePath("none.db")));
    host_->messages().answer(host::message_answer::Abort);
    const int closedBefore = host_->global()->closedModules();

    console->showForm();

    ASSERT_EQ(host_->messages().shown().size(), 1);
    const suite::ScriptedMessages::Shown& box = host_->messages().shown().front();
    EXPECT_TRUE(box.errorBox);
    EXPECT_TRUE(box.text.contains(QLatin1String("none.db"))) << box.text.toStdString();
    EXPECT_FALSE(form().isLoaded());
    EXPECT_FALSE(std::dynamic_pointer_cast<suite::FormModel>(form().window())->isLoaded());
    EXPECT_EQ(form().connection(), nullptr);
    EXPECT_EQ(form().messageService(), nullptr);
    EXPECT_EQ(console->clsGlobal(), nullptr);
    EXPECT_GT(host_->global()->closedModules(), closedBefore);
}

TEST_F(ConsoleLifecycle, StartUpErrorIsShownWithItsProcedureChainAndIgnoreGoesOn) {
    openHost(true, QStringLiteral("x"));
    host_->messages().answer(host::message_answer::Ignore);
    host_->messages().answer(host::message_answer::Ignore);

    console->showForm();

    ASSERT_EQ(host_->messages().shown().size(), 2);
    const suite::ScriptedMessages::Shown& box = host_->messages().shown().front();
    EXPECT_TRUE(box.errorBox);
    EXPECT_EQ(box.style, 4370);
    EXPECT_TRUE(box.text.contains(QLatin1String("Form_Activate"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QLatin1String("AggiornaStatoAbilitazioneVociSidebar:"))) << box.text.toStdString();
    EXPECT_TRUE(host_->messages().shown().back().text.contains(QLatin1String("ConfigurazioneVirtualFrame:")));
    EXPECT_TRUE(form().isLoaded());
    EXPECT_EQ(model<suite::ComboModel>("CBO_NATURA")->count(), 2) << "the start-up went on after the failing step";
}

struct CallMode {
    bool called;
    const char* mode;
    QString selected;  // group/item
    bool articlesShown;
};

void PrintTo(const CallMode& call, std::ostream* out) {
    *out << (call.called ? "called " : "not called ") << call.mode;
}

class ConsoleCallMode : public ConsoleTest, public ::testing::WithParamInterface<CallMode> {};

TEST_P(ConsoleCallMode, OpensOnItsSection) {
    const CallMode& call = GetParam();
    openHost();
    console->setCalled(call.called);
    console->setTipoChiamataConsole(QString::fromLatin1(call.mode));
    console->setCodiceVariante(QStringLiteral("A0"));
    console->setCodiceRaggruppamento(QStringLiteral("CLASSICI"));

    console->showForm();

    suite::SidebarModel* sidebar = &ConsoleTest::sidebar();
    const host::SidebarItem selected = sidebar->selectedItem();
    EXPECT_EQ(selected.key.isEmpty() ? QString() : selected.groupKey + '/' + selected.key, call.selected);
    EXPECT_EQ(sidebar->isGroupVisible(QStringLiteral("GRPCONART")), call.articlesShown);
    const int growth = call.called ? 200 : 0;
    EXPECT_EQ(form().window()->width(), 12660 + growth);
    EXPECT_EQ(form().window()->height(), 8730 + growth);
}

INSTANTIATE_TEST_SUITE_P(Modes, ConsoleCallMode,
                         ::testing::Values(CallMode{false, "VAR", QString(), true},
                                           CallMode{true, "VAR", "GRPCONVAR/ITMCONFIGVAR", true},
                                           CallMode{true, "ART", "GRPCONART/ITMCONFIGART", true},
                                           CallMode{true, "VAR.RagVar", "GRPCONVAR/ITMRAGVAR", false},
                                           CallMode{true, "var", QString(), true}));

TEST_F(ConsoleLifecycle, GroupingCallFallsBackToTheVariantConfigurator) {
    hiddenItems_ << QStringLiteral("ITMRAGVAR");
    openHost();
    console->setCalled(true);
    console->setTipoChiamataConsole(QStringLiteral("VAR.RagVar"));

    console->showForm();

    suite::SidebarModel* sidebar = &ConsoleTest::sidebar();
    EXPECT_EQ(sidebar->selectedItem().key, QStringLiteral("ITMCONFIGVAR"));
    EXPECT_EQ(visiblePanels(), QStringLiteral("PIC_PARAMETRI(0)"));
}

TEST_F(ConsoleLifecycle, ScriptAndLayoutModelsReceiveTheFormAndTheFramesThatExist) {
    showConsole();
    const auto entries = [this] {
        QStringList names;
        for (const auto& entry :
             std::dynamic_pointer_cast<suite::ScriptObjectModel>(host_->navigator()->scriptObjectModel())->entries())
            names << QStringLiteral("%1 %2 %3").arg(entry.name).arg(entry.kind).arg(entry.description);
        return names;
    };
    EXPECT_EQ(entries(), (QStringList{"FRMMG_BRONDEL 0 Console parametri varianti",
                                      "DTS_Configurazione_Varianti 3 DTS_Configurazione_Varianti"}));
    const auto layout = std::dynamic_pointer_cast<suite::LayoutObjectModel>(host_->navigator()->layoutObjectModel());
    ASSERT_EQ(layout->entries().size(), 1);
    EXPECT_EQ(layout->entries().front().name, QVariant(QStringLiteral("Console parametri varianti")));
    EXPECT_EQ(layout->entries().front().form.lock(), form().window());

    // A section's frame that does not exist is left out.
    sectionFrame("DTS_Configurazione_Varianti").setFrame(nullptr);
    host_->navigator()->buildScript();
    EXPECT_EQ(entries(), (QStringList{"FRMMG_BRONDEL 0 Console parametri varianti"}));

    console->setActive(false);
    host_->navigator()->buildScript();
    host_->navigator()->buildLayout();
    EXPECT_EQ(entries(), QStringList());
    EXPECT_TRUE(std::dynamic_pointer_cast<suite::LayoutObjectModel>(host_->navigator()->layoutObjectModel())
                    ->entries()
                    .isEmpty());
}

TEST_F(ConsoleLifecycle, CloseFormAsksTheFramesAndStaysOpenWhenOneRefuses) {
    showConsole();
    const auto refusing = frame(0);
    brondel::SectionFrame& configurator = sectionFrame("DTS_Configurazione_Varianti");
    configurator.setFrame(refusing);
    const auto script = std::make_shared<suite::HostScriptModel>();
    host_->navigator()->setHostScript(script);
    EXPECT_CALL(*refusing, queryClose(true, 0, true));

    EXPECT_EQ(console->closeForm(), QVariant(false));
    EXPECT_NE(form().attachedHost(), nullptr);
    EXPECT_TRUE(script->formEvents().isEmpty()) << "the script is not asked once a frame refused";
    configurator.setFrame(nullptr);
}

TEST_F(ConsoleLifecycle, CloseFormStaysOpenWhenTheHostScriptCancels) {
    showConsole();
    const auto script = std::make_shared<suite::HostScriptModel>();
    script->setCancel(true);
    host_->navigator()->setHostScript(script);

    EXPECT_EQ(console->closeForm(), QVariant(false));
    ASSERT_EQ(script->formEvents().size(), 1);
    EXPECT_EQ(script->formEvents().front().open, 0);
    EXPECT_EQ(script->formEvents().front().formName, QStringLiteral("FRMMG_BRONDEL"));

    script->setCancel(false);
    EXPECT_EQ(console->closeForm(), QVariant(true));
    EXPECT_EQ(script->endedProgram(), QVariant(QStringLiteral("MGUO_BRONDEL")));
}

TEST_F(ConsoleLifecycle, UnloadClearsWhatTheHostHandedOver) {
    showConsole();
    const std::weak_ptr<ado::Connection> connection = form().connection();

    ASSERT_EQ(console->closeForm(), QVariant(true));

    EXPECT_EQ(console->clsGlobal(), nullptr);
    EXPECT_EQ(console->activeNavigator(), nullptr);
    EXPECT_EQ(console->statusBar(), nullptr);
    EXPECT_EQ(console->clsVoceMenu(), nullptr);
    EXPECT_EQ(console->connection(), nullptr);
    EXPECT_EQ(console->activeDll(), nullptr);
    EXPECT_EQ(form().consoleObject(), nullptr);
    EXPECT_FALSE(form().isUnloading());
    EXPECT_TRUE(connection.expired());
    EXPECT_EQ(host_->global()->closedModules(), 2);
    EXPECT_EQ(host_->navigator()->scriptObject(), nullptr);
    EXPECT_EQ(host_->navigator()->layoutObjectModel(), nullptr);
}

TEST_F(ConsoleLifecycle, NavigatorRefusesACompanyChangeAlwaysAndAnExportWhileActive) {
    showConsole();
    const QString companyMessage =
        QStringLiteral("Il cambio ditta è consentito solo dopo la chiusura del programma in uso!");
    const QString exportMessage =
        QStringLiteral("Il programma non implementa la funzionalità di esportazione dei dati verso office");

    EXPECT_FALSE(host_->navigator()->requestCompanyChange());
    EXPECT_FALSE(host_->navigator()->requestExportToOffice());
    bool cancelled = true;
    QVariant target;
    host_->navigator()->BeforeExportToOffice.raise(cancelled, target);
    console->setActive(false);
    EXPECT_FALSE(host_->navigator()->requestCompanyChange());
    EXPECT_TRUE(host_->navigator()->requestExportToOffice());

    EXPECT_EQ(host_->messages().texts(), (QStringList{companyMessage, exportMessage, companyMessage}));
    EXPECT_EQ(host_->messages().shown().front().style, 64);
    EXPECT_EQ(host_->messages().shown().front().title, QStringLiteral("Informazione"));
}

TEST_F(ConsoleLifecycle, MdiHostPlacesTheFormAtTheHostsPosition) {
    openHost();
    console->setLeft(300);
    console->setTop(QStringLiteral("120"));
    console->showForm();

    const host::Geometry placed = form().controlAs<suite::MdiHostModel>(QStringLiteral("MDIActiveX1"))->place();

    EXPECT_EQ(placed, (host::Geometry{300, 120, 12660, 8730}));
}

TEST(ConsoleForm, ErrorBoxWithoutAMessageServiceAborts) {
    const auto form = brondel::FRMMG_BRONDEL::create();
    EXPECT_EQ(form->MostraErrore(QStringLiteral("Form_Activate"), automation::Error(5, "x", "y")), 3);
}

TEST(ConsoleForm, ValoreODefaultReplacesEmptyNullAndBlankText) {
    using brondel::FRMMG_BRONDEL;
    EXPECT_EQ(FRMMG_BRONDEL::ValoreODefault(QStringLiteral("   "), "x"), QVariant("x"));
    EXPECT_EQ(FRMMG_BRONDEL::ValoreODefault(automation::null(), "x"), QVariant("x"));
    EXPECT_EQ(FRMMG_BRONDEL::ValoreODefault(QVariant(), "x"), QVariant("x"));
    EXPECT_EQ(FRMMG_BRONDEL::ValoreODefault(QStringLiteral("a"), "x"), QVariant("a"));
    EXPECT_EQ(FRMMG_BRONDEL::ValoreODefault(0, "x"), QVariant(0));
}

}  // namespace
}  // namespace console_test
