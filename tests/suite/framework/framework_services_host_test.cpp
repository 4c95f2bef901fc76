#include "services_fixture.h"

#include "suite/framework/function_library_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/layout_object_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/script_object_model.h"
#include "suite/framework/status_bar_model.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/company.h"
#include "brondel/console/host_components/database_info.h"
#include "brondel/console/host_components/translator.h"
#include "brondel/console/host_components/types.h"

#include <QRegularExpression>

namespace services_test {
namespace {

class NavigatorTest : public ServicesTest {
protected:
    suite::NavigatorModel& navigator() { return *host_->navigator(); }
};

TEST_F(NavigatorTest, AScriptBuildHandsANewModelToTheModuleThenOffersTheHostScript) {
    auto script = std::make_shared<suite::HostScriptModel>();
    navigator().setHostScript(script);
    auto frame = std::make_shared<TestModule>();
    navigator().InitializeScriptObjectModel.connect([&](std::shared_ptr<host::ScriptObjectModel>& model) {
        EXPECT_EQ(navigator().scriptObject(), nullptr);
        std::shared_ptr<host::Object> form = form_;
        model->addObject("FRMMG_BRONDEL", form, host::script_kind::Form, "Console parametri varianti");
        std::shared_ptr<host::Object> section = frame;
        model->addObject("DTS_Opzioni", section, host::script_kind::DataSection, "DTS_Opzioni");
    });
    navigator().buildScript();
    EXPECT_EQ(navigator().scriptObject(), script);
    const auto& model = dynamic_cast<suite::ScriptObjectModel&>(*navigator().scriptObjectModel());
    ASSERT_EQ(model.entries().size(), 2);
    EXPECT_EQ(model.entries()[0].name, "FRMMG_BRONDEL");
    EXPECT_EQ(model.entries()[0].kind, host::script_kind::Form);
    EXPECT_EQ(model.entries()[0].description, "Console parametri varianti");
    EXPECT_EQ(model.entries()[1].kind, host::script_kind::DataSection);
    EXPECT_EQ(model.object("DTS_Opzioni"), frame);
}

TEST_F(NavigatorTest, ALayoutBuildKeepsTheModelTheModuleFilled) {
    navigator().InitializeLayoutObjectModel.connect([&](std::shared_ptr<host::LayoutObjectModel>& model) {
        std::shared_ptr<host::Object> form = form_;
        model->addForm("Console parametri varianti", form, 0, 0, 0);
    });
    navigator().buildLayout();
    auto* model = dynamic_cast<suite::LayoutObjectModel*>(navigator().layoutObjectModel().get());
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->entries().size(), 1);
    EXPECT_EQ(model->entries()[0].name, "Console parametri varianti");
    EXPECT_EQ(model->entries()[0].form.lock(), form_);
    EXPECT_EQ(model->release(), true);
    EXPECT_EQ(model->entries()[0].form.lock(), nullptr);
}

TEST_F(NavigatorTest, EachRefreshShowsTheStatusGivenLast) {
    navigator().refresh();
    navigator().setStatus(host::frame_status::Adding);
    navigator().refresh();
    EXPECT_EQ(navigator().refreshes(), QList<qint16>({0, 2}));
    EXPECT_EQ(navigator().currentModule(), module_);
}

TEST_F(NavigatorTest, TheModuleCanRefuseACompanyChange) {
    navigator().BeforeChangeDitta.connect([](bool& cancel) { cancel = true; });
    EXPECT_FALSE(navigator().requestCompanyChange());
    EXPECT_TRUE(navigator().requestExportToOffice());
}

TEST_F(ServicesTest, TheHostScriptRecordsFormEventsAndKeepsTheFormOpenWhenItCancels) {
    suite::HostScriptModel script;
    script.FormEventRaised.connect([](const QString&, int open, bool& cancel) { cancel = open == 0; });
    script.formEvent("FRMMG_BRONDEL", 0, 1, QVariant("FRMMG_BRONDEL"));
    EXPECT_FALSE(script.cancel());
    script.formEvent("FRMMG_BRONDEL", 0, 0, QVariant("FRMMG_BRONDEL"));
    EXPECT_TRUE(script.cancel());
    ASSERT_EQ(script.formEvents().size(), 2);
    EXPECT_EQ(script.formEvents()[1].open, 0);
    script.end("MGUO_BRONDEL");
    EXPECT_EQ(script.endedProgram(), "MGUO_BRONDEL");
}

TEST_F(ServicesTest, TheGlobalObjectDescribesTheSession) {
    const auto global = host_->global();
    EXPECT_EQ(global->databaseInfo()->connectionString(), host_->connectionString());
    EXPECT_EQ(global->currentCompany()->code(), 1);
    EXPECT_EQ(global->currentCompany()->name(), "Demo Abbigliamento S.p.A.");
    EXPECT_EQ(global->translator()->translate("Pronto"), "Pronto");
    EXPECT_EQ(global->factory(), host_->factory());
    EXPECT_EQ(module_->caption(), "Console parametri varianti");
}

TEST_F(ServicesTest, ClosingTheCurrentModuleForgetsIt) {
    const auto global = host_->global();
    auto other = std::make_shared<TestModule>();
    global->setCurrentModule(other);
    EXPECT_EQ(global->previousModule(), module_);
    std::shared_ptr<host::Cinterface> closing = other;
    global->closeModule(closing);
    EXPECT_EQ(global->currentModule(), nullptr);
    EXPECT_EQ(global->previousModule(), module_);
    EXPECT_EQ(closing, other);
}

struct Conversion {
    QVariant value;
    QVariant number;
};

class NumberConversionTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(NumberConversionTest, GivesTheNumberOrZero) {
    EXPECT_EQ(suite::FunctionLibraryModel().toNumber(GetParam().value), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberConversionTest,
                         ::testing::Values(Conversion{QVariant(), 0}, Conversion{automation::null(), 0},
                                           Conversion{QString(" 1003 "), qint64(1003)}, Conversion{QString("2,5"), 2.5},
                                           Conversion{QString("abc"), 0}, Conversion{QString(), 0}, Conversion{7, 7}));

TEST(FunctionLibraryTest, CountsRedrawLocksAndReleases) {
    suite::FunctionLibraryModel library;
    library.lockRedraw(42);
    EXPECT_EQ(library.lockedWindow(), 42);
    library.lockRedraw(0);
    library.lockRedraw(0);
    EXPECT_EQ(library.lockCount(), 1);
    EXPECT_EQ(library.unlockCount(), 1);
    EXPECT_EQ(library.lockedWindow(), 0);
}

TEST(FunctionLibraryTest, EachSuffixIsNewAndFitsATableName) {
    suite::FunctionLibraryModel library;
    const QString first = library.uniqueSuffix();
    EXPECT_NE(first, library.uniqueSuffix());
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]{32}$").match(first).hasMatch()) << first.toStdString();
    EXPECT_EQ(library.toText(automation::null()), "");
}

TEST(StatusBarTest, APanelKeepsEveryTextItWasGiven) {
    suite::StatusBarModel bar;
    bar.setPanelText(2, "Creazione valori predefiniti in corso...");
    bar.setPanelText(2, "Pronto");
    EXPECT_EQ(bar.panelText(2), "Pronto");
    EXPECT_EQ(bar.history(2), QStringList({"Creazione valori predefiniti in corso...", "Pronto"}));
    EXPECT_THROW(bar.setPanelText(4, "x"), automation::Error);
}

TEST(ScreenTest, CountsHourglassPeriods) {
    suite::ScreenModel screen;
    screen.setMousePointer(host::mouse_pointer::Hourglass);
    screen.setMousePointer(host::mouse_pointer::Hourglass);
    screen.setMousePointer(host::mouse_pointer::Default);
    screen.setMousePointer(host::mouse_pointer::Hourglass);
    EXPECT_EQ(screen.hourglassPeriods(), 2);
}

}  // namespace
}  // namespace services_test
