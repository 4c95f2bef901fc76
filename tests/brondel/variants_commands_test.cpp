#include "variants_fixture.h"

#include "brondel/console/sidebar_section.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_configurator.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/panel.h"

namespace console_test {
namespace {

using VariantCommands = VariantsTest;

const QString option =
    "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) VALUES (1, 'A0', 'X')";
const QString grouping =
    "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) VALUES (1, 'A0', 'R')";
const QString warehouse =
    "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_FLGVARIANTI, MG50_INDCODART) VALUES (1, 1, 0)";

// "Elimina configuratore": refused while options or groupings exist, then asked.
struct DeleteAll {
    const char* name;
    QStringList setup;
    int answer;  // 0: no question expected
    QStringList messages;
    QStringList stored;
};

void PrintTo(const DeleteAll& deletion, std::ostream* out) { *out << deletion.name; }

class VariantDeleteAll : public VariantsTest, public ::testing::WithParamInterface<DeleteAll> {};

TEST_P(VariantDeleteAll, DeletesEveryDimensionOnlyWhenNothingDependsOnThem) {
    const DeleteAll& c = GetParam();
    openConfigurator(false, QStringList{dimension("A0", 3), dimension("A1", 2), warehouse} + c.setup);
    if (c.answer)
        host_->messages().answer(c.answer);

    form().controlAs<host::Button>("CmdDel")->click();

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(stored(), c.stored);
}

const QString question = "68 Informazione: Confermi l'eliminazione di tutte le righe del configuratore varianti?";

INSTANTIATE_TEST_SUITE_P(
    Cases, VariantDeleteAll,
    ::testing::Values(
        DeleteAll{"OptionsPresent",
                  {option, grouping},
                  0,
                  {"48 Eliminazione impossibile: Per poter eliminare il configuratore delle varianti occorre eliminare "
                   "tutte le varianti esistenti."},
                  {"A0", "A1"}},
        DeleteAll{"GroupingsPresent",
                  {grouping},
                  0,
                  {"48 Eliminazione impossibile: Per poter eliminare il configuratore delle varianti occorre eliminare "
                   "tutti i raggruppamenti esistenti."},
                  {"A0", "A1"}},
        DeleteAll{"AnsweredNo", {}, host::message_answer::No, {question}, {"A0", "A1"}},
        DeleteAll{"AnsweredYes", {}, host::message_answer::Yes, {question}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantCommands, DeletedConfiguratorReopensOnANewFirstDimensionWithoutVariants) {
    openConfigurator(false, {dimension("A0", 3), dimension("A1", 2), warehouse});
    host_->messages().answer(host::message_answer::Yes);

    form().controlAs<host::Button>("CmdDel")->click();

    const auto flag = host_->factory()
                          ->openConnection(host_->connectionString())
                          ->execute("SELECT MG50_FLGVARIANTI FROM MG50_PARMAGAZ WHERE MG50_DITTA_CG18 = 1");
    EXPECT_EQ(automation::cstr(flag->value(0)), "0");
    EXPECT_EQ(frame()->status(), host::frame_status::Adding);
    EXPECT_EQ(edit("TXT_PROGR")->text(), "1");
    EXPECT_FALSE(form().isItemEnabled("ITMOPZVAR"));

    edit("TXT_DESCR")->typeText("colore");
    ASSERT_TRUE(save());
    EXPECT_EQ(stored(), QStringList{"A0"});
}

// The sidebar's enabling is read again once per change the console writes, whatever events follow it.
class VariantEnabling : public VariantsTest {
protected:
    // How many times the enabling query was sent since the console had sent mark statements.
    qsizetype enablingReadsSince(qsizetype mark) const {
        return statements_.mid(mark).count(brondel::sidebarEnablingStatement(QStringLiteral("1")));
    }
};

TEST_F(VariantEnabling, EditSavedReadsItOnce) {
    openConfigurator(true);
    select("A0");
    const qsizetype mark = statements_.size();
    edit("TXT_DESCR")->typeText("tinta");
    ASSERT_TRUE(save());
    EXPECT_EQ(enablingReadsSince(mark), 1);
}

TEST_F(VariantEnabling, EditUndoneReadsItNever) {
    openConfigurator(true);
    select("A0");
    const qsizetype mark = statements_.size();
    edit("TXT_DESCR")->typeText("tinta");
    ASSERT_TRUE(navigator()->pressButton("Annulla"));
    EXPECT_EQ(enablingReadsSince(mark), 0);
}

TEST_F(VariantEnabling, FirstDimensionSavedSwitchesOnItsSectionsWithOneReading) {
    openConfigurator(false, {warehouse});
    ASSERT_FALSE(enabledItems().contains("ITMOPZVAR"));
    ASSERT_EQ(frame()->status(), host::frame_status::Adding);  // an empty configurator opens on a new row
    const qsizetype mark = statements_.size();
    edit("TXT_DESCR")->typeText("colore");
    edit("TXT_SIZE")->typeText("3");
    ASSERT_TRUE(save());
    EXPECT_EQ(enablingReadsSince(mark), 1);
    EXPECT_TRUE(enabledItems().contains("ITMOPZVAR"));
}

// "Variante riservata per configurazione": one dimension only, kept while configurations use it.
TEST_F(VariantCommands, ReservedFlagGoesToOneDimensionOnly) {
    openConfigurator(true);
    select("A0");

    EXPECT_FALSE(check("CHK_INDPROGCONFIG")->toggle());

    EXPECT_EQ(shown(),
              QStringList{"48 " + caption +
                          ": ATTENZIONE !!!\rLa 'Variante Riservata' è già stata impostata sulla variante [6]"});
    EXPECT_FALSE(check("CHK_INDPROGCONFIG")->isChecked());
}

TEST_F(VariantCommands, ReservedFlagStaysWhileAConfigurationUsesTheDimension) {
    openConfigurator(true);
    select("A5");

    EXPECT_FALSE(check("CHK_INDPROGCONFIG")->toggle());

    EXPECT_EQ(shown(),
              QStringList{"48 " + caption +
                          ": ATTENZIONE !!!\rEsistono delle configurazioni che utilizzano questa variante come "
                          "PROGRESSIVO. \rImpossibile togliere la proprietà 'Riservata' da questa variante."});
    EXPECT_TRUE(check("CHK_INDPROGCONFIG")->isChecked());
    EXPECT_TRUE(statements_.contains(corpusStatement(
        "variants.txt", "reserved flag: a configuration holds a progressive at the dimension's positions")));
}

TEST_F(VariantCommands, ReservedFlagMovesOnceNoConfigurationUsesIt) {
    openHost(true);
    execute("DELETE FROM CM15_CONFGCOMM");
    console->showForm();
    sidebar().clickItem("GRPCONVAR", "ITMCONFIGVAR");
    select("A5");

    ASSERT_TRUE(check("CHK_INDPROGCONFIG")->toggle());
    ASSERT_TRUE(save());
    select("A0");
    ASSERT_TRUE(check("CHK_INDPROGCONFIG")->toggle());
    ASSERT_TRUE(save());

    EXPECT_EQ(shown(), QStringList());
    EXPECT_EQ(stored("MG5F_CODICEVAR, MG5F_INDPROGCONFIG"),
              (QStringList{"A0|1", "A1|0", "A2|0", "A3|0", "A4|0", "A5|0"}));
}

// The fields that follow a combo or a check box, on the demo's dimensions: each control as
// "name:on|off:text" after a gesture ("CBO_X=2" picks the entry at 2, "CHK_X" ticks or unticks, "" none).
struct Reaction {
    const char* name;
    const char* code;  // the dimension shown
    QString gesture;
    QStringList controls;
    QStringList expected;
};

void PrintTo(const Reaction& reaction, std::ostream* out) { *out << reaction.name; }

class VariantReaction : public VariantsTest, public ::testing::WithParamInterface<Reaction> {};

TEST_P(VariantReaction, FieldsFollowTheControl) {
    const Reaction& c = GetParam();
    openConfigurator(true);
    select(c.code);

    if (c.gesture.startsWith("CBO_"))
        combo(c.gesture.section('=', 0, 0))->pick(c.gesture.section('=', 1).toInt());
    else if (c.gesture.startsWith("CHK_"))
        check(c.gesture)->toggle();

    QStringList states;
    for (const QString& name : c.controls) {
        const auto control = form().control(name);
        states << name + (control->isEnabled() ? ":on:" : ":off:") + control->text();
    }
    EXPECT_EQ(states, c.expected);
}

const QStringList digits = {"TXT_NUMINT", "TXT_NUMDEC"};
const QStringList description = {"TXT_POSINI", "TXT_POSFIN", "TXT_SEQCOMP", "CBO_INDPRCLIFOR"};
const QStringList gridOptions = {"CBO_VISCODDESCR", "CBO_INDGENGRIDDOC"};
const QStringList automatic = {"CHK_FLGCONFERMAVARAUTO", "CHK_FLGDESCRVARAUTO"};

INSTANTIATE_TEST_SUITE_P(
    Controls, VariantReaction,
    ::testing::Values(
        Reaction{"NumericShowsItsDigits", "A3", "", digits, {"TXT_NUMINT:on:3", "TXT_NUMDEC:on:1"}},
        Reaction{"AlphanumericEmptiesTheDigits", "A3", "CBO_NATURA=0", digits, {"TXT_NUMINT:off:", "TXT_NUMDEC:off:"}},
        Reaction{"FixedIntervalEnablesPositions",
                 "A0",
                 "CBO_INDDESCR=2",
                 description,
                 {"TXT_POSINI:on:", "TXT_POSFIN:on:", "TXT_SEQCOMP:on:1", "CBO_INDPRCLIFOR:off:0"}},
        Reaction{"NotContributingEmptiesPositionsAndSequence",
                 "A2",
                 "CBO_INDDESCR=0",
                 description,
                 {"TXT_POSINI:off:", "TXT_POSFIN:off:", "TXT_SEQCOMP:off:", "CBO_INDPRCLIFOR:off:0"}},
        Reaction{"AppendedKeepsTheSequence",
                 "A2",
                 "CBO_INDDESCR=1",
                 description,
                 {"TXT_POSINI:off:", "TXT_POSFIN:off:", "TXT_SEQCOMP:on:3", "CBO_INDPRCLIFOR:off:0"}},
        Reaction{"CustomerSupplierEnablesItsSource",
                 "A2",
                 "CBO_INDDESCR=4",
                 description,
                 {"TXT_POSINI:off:", "TXT_POSFIN:off:", "TXT_SEQCOMP:on:3", "CBO_INDPRCLIFOR:on:0"}},
        Reaction{"NoGridLevel",
                 "A0",
                 "CBO_GESTGRIGLIA=0",
                 gridOptions,
                 {"CBO_VISCODDESCR:off:0", "CBO_INDGENGRIDDOC:off:0"}},
        Reaction{"FirstGridLevel",
                 "A2",
                 "CBO_GESTGRIGLIA=1",
                 gridOptions,
                 {"CBO_VISCODDESCR:on:0", "CBO_INDGENGRIDDOC:on:"}},
        Reaction{"SecondGridLevel",
                 "A0",
                 "CBO_GESTGRIGLIA=3",
                 gridOptions,
                 {"CBO_VISCODDESCR:on:0", "CBO_INDGENGRIDDOC:off:0"}},
        Reaction{"AutomaticVariantOffResetsItsOptions",
                 "A3",
                 "CHK_FLGVARAUTO",
                 automatic,
                 {"CHK_FLGCONFERMAVARAUTO:off:0", "CHK_FLGDESCRVARAUTO:off:0"}},
        Reaction{"AutomaticVariantOnEnablesItsOptions",
                 "A0",
                 "CHK_FLGVARAUTO",
                 automatic,
                 {"CHK_FLGCONFERMAVARAUTO:on:1", "CHK_FLGDESCRVARAUTO:on:1"}},
        Reaction{"DefaultOffEmptiesTheValue", "A4", "CHK_FLGDEFAULT", {"TXT_VALDEFAULT"}, {"TXT_VALDEFAULT:off:"}},
        Reaction{"DefaultOnEnablesTheValue", "A0", "CHK_FLGDEFAULT", {"TXT_VALDEFAULT"}, {"TXT_VALDEFAULT:on:"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantCommands, AutomaticVariantOffSavesBothOptionsOff) {
    openConfigurator(true);
    select("A0");
    ASSERT_TRUE(check("CHK_FLGVARAUTO")->toggle());
    ASSERT_TRUE(save());
    ASSERT_TRUE(check("CHK_FLGVARAUTO")->toggle());
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_FLGVARAUTO, MG5F_FLGCONFERMAVARAUTO, MG5F_FLGDESCRVARAUTO").first(), "0|0|0");
}

TEST_F(VariantCommands, RefusedDeleteKeepsTheReactionsSilentUntilTheNextUndo) {
    openConfigurator(true);
    select("A3");
    ASSERT_FALSE(navigator()->pressButton("Elimina"));
    host_->messages().clear();

    combo("CBO_NATURA")->pick(0);
    EXPECT_TRUE(edit("TXT_NUMINT")->isEnabled());
    EXPECT_EQ(edit("TXT_NUMINT")->text(), "3");

    ASSERT_TRUE(navigator()->pressButton("Annulla"));
    combo("CBO_NATURA")->pick(0);
    EXPECT_FALSE(edit("TXT_NUMINT")->isEnabled());
}

TEST_F(VariantCommands, UndoneNewRowGivesBackTheFieldsOfTheRowShown) {
    openConfigurator(true);
    select("A4");
    ASSERT_TRUE(navigator()->pressButton("Nuovo"));
    EXPECT_FALSE(edit("TXT_VALDEFAULT")->isEnabled());

    ASSERT_TRUE(navigator()->pressButton("Annulla"));

    EXPECT_TRUE(edit("TXT_VALDEFAULT")->isEnabled());
    EXPECT_EQ(edit("TXT_VALDEFAULT")->text(), "LU");
    EXPECT_TRUE(edit("TXT_SEQCOMP")->isEnabled());
    EXPECT_EQ(stored().size(), 6);
}

TEST_F(VariantCommands, DefaultValueIsPickedFromTheDimensionsOptionsAndDecoded) {
    openConfigurator(true);
    select("A4");
    EXPECT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), "Lucida");
    host_->lookups().pickRow(1);

    ASSERT_TRUE(edit("TXT_VALDEFAULT")->openLookup());

    ASSERT_EQ(host_->lookups().shown().size(), 1);
    const suite::ScriptedLookups::Shown& window = host_->lookups().shown().front();
    EXPECT_EQ(window.view.title, "Elenco varianti");
    EXPECT_EQ(window.view.identifier, "lkp_varianteA4");
    EXPECT_EQ(window.view.statement,
              corpusStatement("variants.txt", "default value lookup: the dimension's options in code order"));
    EXPECT_EQ(window.rows, (QStringList{"LU|Lucida", "OP|Opaca", "SA|Satinata"}));
    EXPECT_EQ(edit("TXT_VALDEFAULT")->text(), "OP");
    EXPECT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), "Opaca");
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_VARDEFAULT").at(4), "OP");
}

TEST_F(VariantCommands, GridShowsRanksAndLabels) {
    openHost(true);
    execute("UPDATE MG5F_DIMECONF SET MG5F_INDGRIGLIA = 5 WHERE MG5F_DITTA_CG18 = 1 AND MG5F_CODICEVAR = 'A2'");
    console->showForm();
    const QStringList fields = {"MG5F_CODICEVAR",  "MG5F_INDNATURA",    "MG5F_FLGRAGGR",   "MG5F_INDDESCRART",
                                "MG5F_INDGRIGLIA", "MG5F_INDMOSTRACOD", "MG5F_INDEREDIBA", "MG5F_INDPROGCONFIG"};
    QStringList shownRows;
    for (const host::GridRow& row : grid()->rows()) {
        QStringList cells;
        for (const QString& field : fields)
            cells << automation::cstr(grid()->displayValue(row, field));
        shownRows << cells.join('|');
    }
    EXPECT_EQ(
        shownRows.mid(0, 3),
        (QStringList{"1|Alfanumerica|Si|Automatica, accodamento|1° livello (dettaglio)|Codice e descrizione|"
                     "Nessuna attribuzione|No",
                     "2|Alfanumerica|Si|Automatica clifor, accodamento|2° livello (selezione manuale)|Solo codice|"
                     "Subvariante padre se non presente su legame|No",
                     "3|Alfanumerica|No|Fissa con intervallo|5|Codice e descrizione|Subvariante padre sempre|No"}));
    // The configurator's look-ups, as the other sections call them through the form's section access.
}

// The configurator's look-ups, as the other sections call them through the form.
TEST_F(VariantCommands, LookupsOtherSectionsCall) {
    openConfigurator(true);
    QString known = "A2";
    QString unknown = "B9";
    auto& configurator = form().section<brondel::VariantConfigurator>();
    EXPECT_EQ(configurator.Decode_CODICEVAR_MG5F(known), "3 - MATERIALE");
    EXPECT_EQ(configurator.Decode_CODICEVAR_MG5F(unknown), "20");
    EXPECT_EQ(configurator.MaxSizeValore("A3"), 4);
    EXPECT_EQ(configurator.MaxSizeValore("A5"), 0) << "the reserved dimension has no options";
    EXPECT_TRUE(configurator.ControlloValiditaEliminazione("A0", "", " ('BIA') ")) << "no grouping is chosen";
    EXPECT_TRUE(statements_.contains(corpusStatement("variants.txt", "variant decode")));
    EXPECT_TRUE(statements_.contains(corpusStatement("variants.txt", "size of a dimension that may own options")));

    using brondel::VariantCode;
    const QStringList ranks = {VariantCode::CodiceToProgressivo("B9"), VariantCode::CodiceToProgressivo(QString()),
                               VariantCode::CodiceToProgressivo("C0"), VariantCode::ProgressivoToCodice(11),
                               VariantCode::ProgressivoToCodice("20"), VariantCode::ProgressivoToCodice(21)};
    EXPECT_EQ(ranks, (QStringList{"20", "0", "", "B0", "B9", ""}));
}

// Removing options from grouping CLASSICI of the first dimension, as the grouping composition asks.
struct OptionRemoval {
    const char* name;
    const char* options;
    QStringList uses;  // where they are in use; none: the removal is allowed
};

void PrintTo(const OptionRemoval& removal, std::ostream* out) { *out << removal.name; }

class VariantOptionRemoval : public VariantsTest, public ::testing::WithParamInterface<OptionRemoval> {};

TEST_P(VariantOptionRemoval, IsRefusedForOptionsInUse) {
    const OptionRemoval& c = GetParam();
    openConfigurator(true);
    const bool allowed =
        form().section<brondel::VariantConfigurator>().ControlloValiditaEliminazione("A0", "CLASSICI", c.options);

    EXPECT_EQ(allowed, c.uses.isEmpty());

    QString message = "48 " + caption + ": Non è possibile rimuovere un'opzione già in uso.";
    for (const QString& use : c.uses)
        message += "\r\n - " + use;
    EXPECT_EQ(shown(), c.uses.isEmpty() ? QStringList() : QStringList{message});
}

INSTANTIATE_TEST_SUITE_P(Options, VariantOptionRemoval,
                         ::testing::Values(OptionRemoval{"Unused", " ('VER') ", {}},
                                           OptionRemoval{"InADocument", " ('BIA') ", {"Articolo di un documento"}},
                                           OptionRemoval{"EverywhereAndInAnyCase",
                                                         " ( 'bia', 'NER', 'GRI') ",
                                                         {"Articolo di un documento", "Articolo con distinta base",
                                                          "Articolo presente in una distinta base"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace console_test
