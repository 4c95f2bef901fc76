#include "console_fixture.h"

#include "brondel/host/entry_points.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/function_library_model.h"
#include "suite/framework/resize_component_model.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/translator_model.h"

#include "ado/connection.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/menu_button.h"
#include "brondel/console/host_components/panel.h"

namespace console_test {
namespace {

const QStringList alwaysOn = {"ITMCONFIGVAR", "ITMCONFIGART"};
const QStringList onWithVariants = {"ITMCONFIGVAR", "ITMRAGGRUP", "ITMOPZVAR", "ITMPRIELA",
                                    "ITMCONFIGART", "ITMOBBDOC",  "ITMOBBPRO"};
const QStringList onWithOptions = {"ITMCONFIGVAR", "ITMRAGGRUP",   "ITMOPZVAR", "ITMLINGUAVAR", "ITMCLIFORVAR",
                                   "ITMPRIELA",    "ITMCONFIGART", "ITMOBBDOC", "ITMOBBPRO"};

const char* const dimension =
    "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_SIZE) VALUES (1, 'A0', 3)";
const char* const option =
    "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) VALUES (1, 'A0', 'ROS')";
const char* const codedSubcode =
    "INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_SIZE, MG6F_INDCODIFICA) VALUES (1, 1, 3, 1)";

using ConsoleSections = ConsoleTest;

struct Enabling {
    const char* name;
    QStringList setup;
    QStringList enabled;
};

void PrintTo(const Enabling& enabling, std::ostream* out) { *out << enabling.name; }

class ConsoleEnabling : public ConsoleTest, public ::testing::WithParamInterface<Enabling> {};

TEST_P(ConsoleEnabling, SwitchesOnTheSectionsWhosePrerequisitesExist) {
    openHost(false);
    console->showForm();
    ASSERT_EQ(enabledItems(), alwaysOn);

    for (const QString& statement : GetParam().setup)
        execute(statement);
    form().AggiornaStatoAbilitazioneVociSidebar();

    EXPECT_EQ(enabledItems(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Prerequisites, ConsoleEnabling,
    ::testing::Values(
        Enabling{"AnotherCompanysDimension",
                 {"INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR) VALUES (2, 'A0')"},
                 alwaysOn},
        Enabling{"Dimension", {dimension}, onWithVariants}, Enabling{"Option", {dimension, option}, onWithOptions},
        Enabling{
            "Grouping",
            {dimension, option,
             "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) VALUES (1, 'A0', 'R')"},
            onWithOptions.mid(0, 6) + QStringList{"ITMRAGVAR", "ITMCONFIGART", "ITMOBBDOC", "ITMOBBPRO"}},
        Enabling{"CodedSubcodeWithoutWarehouseFlag",
                 {codedSubcode, "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 0)"},
                 alwaysOn},
        Enabling{
            "WarehouseFlagWithoutCodedSubcode",
            {"INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_SIZE, MG6F_INDCODIFICA) VALUES (1, 1, 3, 2)",
             "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 1)"},
            alwaysOn},
        Enabling{"CodedSubcodeAndWarehouseFlag",
                 {codedSubcode, "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 1)"},
                 {"ITMCONFIGVAR", "ITMCONFIGART", "ITMSUBCOD"}},
        Enabling{"SubcodeValue",
                 {codedSubcode,
                  "INSERT INTO MG6E_SUBCODART (MG6E_DITTA_CG18, MG6E_PROGR_MG6F, MG6E_SUBCODICE) VALUES (1, 1, 'X')"},
                 {"ITMCONFIGVAR", "ITMCONFIGART", "ITMDESLINART"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleSections, EnablingQueryIsSentAsTheSuiteKeepsIt) {
    showConsole();
    ASSERT_FALSE(statements_.isEmpty());
    const QString expected = corpusStatement(QStringLiteral("sidebar.txt"),
                                             QStringLiteral("enabling query, a company that uses every section"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(statements_.front(), expected);
}

// Which panel each item shows: its own when switched on, the message panel when off.
struct Visit {
    bool demo;
    QStringList messageItems;  // the items switched off
};

void PrintTo(const Visit& visit, std::ostream* out) { *out << (visit.demo ? "demo" : "empty"); }

class ConsoleSidebarVisit : public ConsoleTest, public ::testing::WithParamInterface<Visit> {};

TEST_P(ConsoleSidebarVisit, EveryItemShowsItsPanelOrMessageAndClosingReleasesEverything) {
    openHost(GetParam().demo);
    console->showForm();
    suite::SidebarModel* sidebar = &ConsoleTest::sidebar();
    const suite::FunctionLibraryModel& library = host_->functionLibrary();

    for (const host::SidebarItem& item : sidebar->items()) {
        ASSERT_TRUE(sidebar->clickItem(item.groupKey, item.key)) << item.key.toStdString();
        const brondel::SidebarSection* section = brondel::sidebarSection(item.key);
        ASSERT_NE(section, nullptr);
        const bool off = GetParam().messageItems.contains(item.key);
        EXPECT_EQ(visiblePanels(),
                  off ? QStringLiteral("PIC_MESSAGGIOERRORE") : QStringLiteral("PIC_PARAMETRI(%1)").arg(section->panel))
            << item.key.toStdString();
        if (off) {
            EXPECT_EQ(form().controlAs<host::Label>(QStringLiteral("LBL_MESSAGGIOERRORE"))->caption(),
                      section->message);
        }
        EXPECT_EQ(form().controlAs<host::Label>(QStringLiteral("TLB_TITOLO"))->caption(), item.caption);
        EXPECT_FALSE(form().isSwitchingSection());
    }
    EXPECT_EQ(library.lockCount(), library.unlockCount());
    EXPECT_EQ(library.lockCount(), sidebar->items().size());

    const std::weak_ptr<brondel::FRMMG_BRONDEL> watchedForm = console->form();
    const std::weak_ptr<host::Form> window = form().window();
    const std::weak_ptr<ado::Connection> connection = form().connection();
    const std::weak_ptr<host::MessageService> messages = form().messageService();
    const std::weak_ptr<brondel::CLSMG_BRONDEL> watchedConsole = console;
    ASSERT_EQ(console->closeForm(), QVariant(true));
    console.reset();
    EXPECT_TRUE(watchedConsole.expired());
    EXPECT_TRUE(watchedForm.expired());
    EXPECT_TRUE(window.expired());
    EXPECT_TRUE(connection.expired());
    EXPECT_TRUE(messages.expired());
    EXPECT_EQ(DllCanUnloadNow(), automation::hresult::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Databases, ConsoleSidebarVisit,
    ::testing::Values(Visit{true, {}}, Visit{false,
                                             {"ITMRAGGRUP", "ITMOPZVAR", "ITMLINGUAVAR", "ITMCLIFORVAR", "ITMPRIELA",
                                              "ITMRAGVAR", "ITMSUBCOD", "ITMDESLINART", "ITMOBBDOC", "ITMOBBPRO"}}),
    [](const auto& info) { return info.param.demo ? "Demo" : "Empty"; });

TEST_F(ConsoleSections, SwitchedOffSectionShowsItsTranslatedMessage) {
    openHost(false);
    host_->translator().addTranslation(
        QString::fromUtf8("Configurazione opzioni variante non abilitata.\r\n"
                          "Manca la personalizzazione del configuratore delle varianti."),
        QStringLiteral("Variant options are not enabled."));
    console->showForm();

    sidebar().clickItem("GRPCONVAR", "ITMOPZVAR");

    EXPECT_EQ(form().controlAs<host::Label>(QStringLiteral("LBL_MESSAGGIOERRORE"))->caption(),
              QStringLiteral("Variant options are not enabled."));
    EXPECT_EQ(visiblePanels(), QStringLiteral("PIC_MESSAGGIOERRORE"));
}

struct ComboLoad {
    const char* combo;
    QStringList entries;  // "code=text"
    int current;
    QString caption;
    QString column;
    QVariant defaultValue;
    bool mandatory;
};

void PrintTo(const ComboLoad& load, std::ostream* out) { *out << load.combo; }

class ConsoleCodedList : public ConsoleTest, public ::testing::WithParamInterface<ComboLoad> {};

TEST_P(ConsoleCodedList, LoadsItsEntriesInOrder) {
    const ComboLoad& expected = GetParam();
    showConsole();
    // The variant configurator shows its first row in its combos: load them again to see the lists alone.
    form().CaricaCombo();
    const auto combo = model<suite::ComboModel>(QString::fromLatin1(expected.combo));
    ASSERT_NE(combo, nullptr);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << automation::cstr(combo->itemCode(i)) + '=' + combo->itemText(i);
    EXPECT_EQ(entries, expected.entries);
    EXPECT_EQ(combo->currentIndex(), expected.current);
    EXPECT_FALSE(combo->isSorted());
    EXPECT_EQ(combo->caption(), expected.caption);
    EXPECT_EQ(combo->boundColumn(), expected.column);
    EXPECT_EQ(combo->defaultValue(), expected.defaultValue);
    EXPECT_EQ(combo->isMandatory(), expected.mandatory);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ConsoleCodedList,
    ::testing::Values(ComboLoad{"CBO_NATURA",
                                {"0=Alfanumerica", "1=Numerica"},
                                -1,
                                "Natura della variante",
                                "MG5F_INDNATURA",
                                QVariant::fromValue(qint16(0)),
                                true},
                      ComboLoad{"CBO_INDDESCR",
                                {"0=Non concorre", "1=Automatica, accodamento", "2=Fissa con intervallo",
                                 "3=Automatica clifor, accodamento", "4=Automatica clifor/interna, accodamento"},
                                -1,
                                "Indicatore modalità composizione descrizione",
                                "MG5F_INDDESCRART",
                                QStringLiteral("0"),
                                true},
                      ComboLoad{"CBO_GESTGRIGLIA",
                                {"0=No", "1=1° livello (dettaglio)", "2=2° livello (selezione manuale)",
                                 "3=2° livello (visualizzazione automatica)", "4=2° livello (varianti su griglia)"},
                                0,
                                "Gestione in griglia",
                                "MG5F_INDGRIGLIA",
                                QVariant::fromValue(qint16(0)),
                                true},
                      ComboLoad{"CBO_INDGENGRIDDOC",
                                {"0=Righe di corpo analitiche", "1=Unica riga senza mov. progressivi",
                                 "2=Unica riga con mov. progressivi"},
                                -1,
                                "Modalità generazione righe corpo documenti",
                                "MG5F_INDGENGRIDDOC",
                                QVariant(),
                                false},
                      ComboLoad{"CBO_CLIFOR", {"0=Cliente", "1=Fornitore"}, 0, "", "", QVariant(), false},
                      ComboLoad{"CBO_TRATTAMENTO",
                                {"0=Nessuno", "1=Codifica descrizione voci", "2=Contatore automatico assoluto",
                                 "3=Contatore automatico relativo"},
                                0,
                                "Trattamento del subcodice ",
                                "MG6F_INDCODIFICA",
                                QVariant::fromValue(qint16(0)),
                                false},
                      ComboLoad{"CBO_INDELEMENTO",
                                {},
                                -1,
                                "Indicatore elemento di variante",
                                "MG5L_INDELEMENTO",
                                QVariant::fromValue(qint16(0)),
                                false}),
    [](const auto& info) { return std::string(info.param.combo); });

TEST_F(ConsoleSections, CodedCombosHandTheirCodesOverAndShowTheirTexts) {
    openHost(false);
    showConsole();
    const auto description = model<suite::ComboModel>("CBO_INDDESCR");
    description->setText(QStringLiteral("4"));
    EXPECT_EQ(description->currentText(), QStringLiteral("Automatica clifor/interna, accodamento"));
    EXPECT_EQ(description->value(), QVariant(QStringLiteral("4")));
    EXPECT_FALSE(model<suite::ComboModel>("CBO_VISCODDESCR")->isEnabled());

    form().Carica_CBO_INDELEMENTO();
    form().Carica_CBO_INDELEMENTO();
    const auto element = model<suite::ComboModel>("CBO_INDELEMENTO");
    EXPECT_EQ(element->count(), 2);
    element->setText(QStringLiteral("4"));
    EXPECT_EQ(element->currentText(), QStringLiteral("Distinta base"));
    element->setText(QStringLiteral("2"));
    EXPECT_EQ(element->currentIndex(), -1);
}

TEST_F(ConsoleSections, RenumberMenuGetsItsTwoEntries) {
    showConsole();
    const auto renumber = form().controlAs<host::MenuButton>("CMD_RINUMERA");
    ASSERT_EQ(renumber->itemCount(), 2);
    EXPECT_EQ(renumber->itemCaption(0) + '/' + renumber->itemKey(0), QStringLiteral("per opzione/key_opzione"));
    EXPECT_EQ(renumber->itemCaption(1) + '/' + renumber->itemKey(1), QStringLiteral("per descrizione/key_descrizione"));
}

TEST_F(ConsoleSections, ResizeRegistrationFollowsTheTableAndSkipsMissingControls) {
    showConsole();
    QStringList expected = {"SDB_PARAMETRI 11", "TLB_TITOLO 7"};
    for (int panel = 0; panel < 12; ++panel) {
        expected << QStringLiteral("PIC_PARAMETRI(%1) 15").arg(panel);
        if (panel == 0)
            expected << "GRD_CONFIGVAR 15"
                     << "GRB_CONFIGVAR 14"
                     << "GNV_CONFIGVAR 12"
                     << "CmdDel 12";
        if (panel == 2)
            expected << "GRD_OPZIONI 15"
                     << "GRB_OPZIONI(0) 14"
                     << "GNV_OPZIONI 12";
        if (panel == 3)
            expected << "GRD_LINGUA 15";
        if (panel == 4)
            expected << "GRD_CLIFORVAR 15"
                     << "GRB_PARCLIFOR(0) 7";
        if (panel == 1)
            expected << "GRD_RAGGRUP 15"
                     << "GRB_RAGGRUPP(0) 14"
                     << "GNV_RAGGRUP 12";
        if (panel == 5)
            expected << "GRD_PRIORLETT 15"
                     << "GRB_PRIORLETT 7"
                     << "GNV_PRIORLETT 12"
                     << "CMD_DEFAULT 12"
                     << "CMD_SU 5"
                     << "CMD_GIU 5";
        if (panel == 6)
            expected << "GRB_RAGVAR(0) 7"
                     << "GRB_RAGVAR(1) 11"
                     << "GRD_RAGGR_MG5E 11"
                     << "GRD_RAGGR_MG5H 15"
                     << "TvDim 15"
                     << "LBL_RAGMES 14"
                     << "CMD_RINUMERA 12";
        if (panel == 7)
            expected << "GRB_CONFIGART(1) 14"
                     << "GRD_CONFIGART 15"
                     << "GNV_CONFIGART 12"
                     << "CMD_ELIMINACONFART 12";
        if (panel == 8)
            expected << "GRB_SUBCODART 14"
                     << "GRD_SUBCODART 15"
                     << "GNV_SUBCODART 12";
        if (panel == 9)
            expected << QStringLiteral("GRD_LINGUASUBART 15");
        if (panel == 10)
            expected << "GRD_OBBDOC 15"
                     << "LBL_RICDOC 10"
                     << "TXT_CODDOC 10"
                     << "TXT_DESCRDOC 10"
                     << "BTN_RICERCADOC 10";
        if (panel == 11)
            expected << "TRV_MENU 7"
                     << "GRD_OBBPRO 5"
                     << "GRD_OBBPRORIEP 15";
    }
    const auto registered = [this] {
        QStringList names;
        for (const Registration& registration : registrations_)
            names << QStringLiteral("%1 %2").arg(registration.control).arg(registration.anchoring);
        return names;
    };
    EXPECT_EQ(registered(), expected);

    registrations_.clear();
    form().controlAs<host::ResizeComponent>(QStringLiteral("ZYK_RESIZEFORM"))->RegisterControls.raise();
    EXPECT_EQ(registered(), expected);
}

}  // namespace
}  // namespace console_test
