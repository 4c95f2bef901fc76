#include "variants_fixture.h"

#include "automation/variant.h"

namespace console_test {
namespace {

const QString sizeTotal = "48 " + QStringLiteral("Console parametri varianti") +
                          ": La somma massima consentita ha raggiunto i 20 caratteri, inserimento impossibile!";

using VariantChecks = VariantsTest;

// Adding a dimension: the option string holds at most 20 characters and 20 dimensions.
struct Addition {
    const char* name;
    QStringList dimensions;
    const char* size;      // nullptr: "Nuovo" is refused
    QStringList messages;  // "style title: text"
    QString focus;
    QStringList stored;
};

void PrintTo(const Addition& addition, std::ostream* out) { *out << addition.name; }

class VariantAddition : public VariantsTest, public ::testing::WithParamInterface<Addition> {};

TEST_P(VariantAddition, KeepsTheOptionStringWithinItsLimits) {
    const Addition& c = GetParam();
    openConfigurator(false, c.dimensions);

    if (c.size) {
        EXPECT_EQ(addDimension(QString::fromLatin1(c.size)), c.messages.isEmpty());
        if (!c.focus.isEmpty()) {
            EXPECT_EQ(focused(), c.focus);
        }
    } else {
        EXPECT_FALSE(navigator()->pressButton("Nuovo"));
        EXPECT_EQ(frame()->status(), host::frame_status::Browse);
    }

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(stored("MG5F_CODICEVAR, MG5F_SIZE"), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, VariantAddition,
    ::testing::Values(
        Addition{"TotalOfTwentyRefusesANewRow",
                 {dimension("A0", 8), dimension("A1", 8), dimension("A2", 4)},
                 nullptr,
                 {sizeTotal},
                 "",
                 {"A0|8", "A1|8", "A2|4"}},
        Addition{"TotalReachingTwentyIsSaved",
                 {dimension("A0", 8), dimension("A1", 8), dimension("A2", 2)},
                 "2",
                 {},
                 "",
                 {"A0|8", "A1|8", "A2|2", "A3|2"}},
        Addition{"TotalPassingTwentyIsRefused",
                 {dimension("A0", 8), dimension("A1", 8), dimension("A2", 2)},
                 "3",
                 {sizeTotal},
                 "TXT_SIZE",
                 {"A0|8", "A1|8", "A2|2"}},
        Addition{"SizeBelowOneIsRefused",
                 {dimension("A0", 3)},
                 "0",
                 {"48 Console parametri varianti: La dimensione della variante deve essere di almeno 1 carattere."},
                 "TXT_SIZE",
                 {"A0|3"}},
        Addition{"NoCodeAfterRankTwenty",
                 {dimension("A0", 2), dimension("B9", 2)},
                 nullptr,
                 {"48 Console parametri varianti: Sono già state definite 20 varianti, inserimento impossibile!"},
                 "",
                 {"A0|2", "B9|2"}},
        Addition{"NextCodeFollowsTheHighestAfterGaps",
                 {dimension("A0", 2), dimension("A1", 2), dimension("A5", 2)},
                 "2",
                 {},
                 "",
                 {"A0|2", "A1|2", "A5|2", "A6|2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantChecks, NewRowShowsTheNextRankAndEnablesTheSizeOnlyWhileAdding) {
    openConfigurator(false, {dimension("A0", 2), dimension("A1", 2), dimension("A5", 2)});
    EXPECT_FALSE(edit("TXT_SIZE")->isEnabled());

    ASSERT_TRUE(navigator()->pressButton("Nuovo"));
    EXPECT_EQ(edit("TXT_PROGR")->text(), "7");
    EXPECT_EQ(edit("TXT_SIZE")->text(), "2");
    EXPECT_TRUE(edit("TXT_SIZE")->isEnabled());

    edit("TXT_DESCR")->typeText("colore");
    ASSERT_TRUE(save());
    EXPECT_FALSE(edit("TXT_SIZE")->isEnabled());
    EXPECT_EQ(stored("MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_VALIDO, MG5F_INDNATURA").last(), "A6|COLORE|S|0");
}

TEST_F(VariantChecks, EmptyConfiguratorOpensOnTheFirstDimension) {
    openConfigurator(false);
    EXPECT_EQ(frame()->status(), host::frame_status::Adding);
    EXPECT_EQ(edit("TXT_PROGR")->text(), "1");

    edit("TXT_DESCR")->typeText("colore");
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_CODICEVAR, MG5F_SIZE"), QStringList{"A0|2"});
    EXPECT_TRUE(form().isItemEnabled("ITMOPZVAR")) << "the options section follows the first dimension";
}

// Description positions, checked while the description is composed with a fixed interval.
struct Positions {
    const char* name;
    const char* start;
    const char* end;
    QString message;  // empty: saved
    QString focus;
};

void PrintTo(const Positions& positions, std::ostream* out) { *out << positions.name; }

class VariantPositions : public VariantsTest, public ::testing::WithParamInterface<Positions> {};

TEST_P(VariantPositions, AreCheckedOnSave) {
    const Positions& c = GetParam();
    openConfigurator(false, {dimension("A0", 3)});
    combo("CBO_INDDESCR")->pick(2);
    edit("TXT_POSINI")->typeText(c.start);
    edit("TXT_POSFIN")->typeText(c.end);

    EXPECT_EQ(save(), c.message.isEmpty());

    EXPECT_EQ(shown(), c.message.isEmpty() ? QStringList() : QStringList{"48 " + caption + ": " + c.message});
    if (!c.focus.isEmpty()) {
        EXPECT_EQ(focused(), c.focus);
    }
    if (c.message.isEmpty()) {
        EXPECT_EQ(stored("MG5F_INDDESCRART, MG5F_POSINIZDESCR, MG5F_POSFINDESCR"),
                  QStringList{QStringLiteral("2|%1|%2").arg(c.start, c.end)});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, VariantPositions,
    ::testing::Values(
        Positions{"StartZero", "0", "5", "La posizione iniziale non può essere uguale a 0", "TXT_POSINI"},
        Positions{"EndEqualToStart", "5", "5",
                  "La posizione finale non può essere minore o uguale alla posizione iniziale", "TXT_POSFIN"},
        Positions{"EndEmpty", "5", "", "La posizione finale non può essere minore o uguale alla posizione iniziale",
                  "TXT_POSFIN"},
        Positions{"StartEmptyIsNotChecked", "", "", "", ""}, Positions{"EndAfterStart", "3", "8", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantChecks, TickedDefaultNeedsAValue) {
    openConfigurator(false, {dimension("A0", 3)});
    check("CHK_FLGDEFAULT")->toggle();

    EXPECT_FALSE(save());

    EXPECT_EQ(shown(), QStringList{"48 " + caption + ": Definire un valore di default."});
    EXPECT_EQ(focused(), "TXT_VALDEFAULT");
}

// Grid levels: one first-level dimension, one second-level one, and the second needs the first.
struct GridLevels {
    const char* name;
    QStringList dimensions;
    int newLevel;     // of the dimension added
    QString message;  // empty: saved
};

void PrintTo(const GridLevels& levels, std::ostream* out) { *out << levels.name; }

class VariantGridLevels : public VariantsTest, public ::testing::WithParamInterface<GridLevels> {};

TEST_P(VariantGridLevels, AreCheckedOverEveryRow) {
    const GridLevels& c = GetParam();
    openConfigurator(false, c.dimensions);

    EXPECT_EQ(addDimension("2", c.newLevel), c.message.isEmpty());

    EXPECT_EQ(shown(), c.message.isEmpty() ? QStringList() : QStringList{"48 Impossibile registrare: " + c.message});
    if (!c.message.isEmpty()) {
        EXPECT_EQ(focused(), "CBO_GESTGRIGLIA");
    }
}

const QString secondFirst =
    QStringLiteral("Non è possibile inserire un'altra variante con \"Gestione griglia\" = 1° livello (dettaglio) !");

INSTANTIATE_TEST_SUITE_P(
    Rules, VariantGridLevels,
    ::testing::Values(
        GridLevels{"SecondFirstLevel", {dimension("A0", 2, 1)}, 1, secondFirst},
        GridLevels{"SecondSecondLevelOfAnotherKind",
                   {dimension("A0", 2, 1), dimension("A1", 2, 3)},
                   4,
                   QStringLiteral("Non è possibile inserire un'altra variante con \"Gestione griglia\" = 2° livello!")},
        GridLevels{
            "SecondLevelWithoutFirst",
            {dimension("A0", 2)},
            2,
            QStringLiteral("Non è possibile inserire una variante con \"Gestione griglia\" = 2° livello!\r\n"
                           "senza aver inserito una variante con \"Gestione griglia\" = 1° livello (dettaglio) !")},
        GridLevels{"SecondLevelUnderFirst", {dimension("A0", 2, 1)}, 2, QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantChecks, ExistingRowsAreCheckedOnEverySave) {
    openConfigurator(false, {dimension("A0", 2, 1), dimension("A1", 2)});
    select("A1");
    combo("CBO_GESTGRIGLIA")->pick(1);

    EXPECT_FALSE(save());

    EXPECT_EQ(shown(), QStringList{"48 Impossibile registrare: " + secondFirst});
    EXPECT_EQ(frame()->status(), host::frame_status::Editing);
}

// Deleting a dimension: refused while articles, options or groupings use it.
struct Deletion {
    const char* name;
    bool demo;
    QStringList setup;
    const char* code;
    QString message;  // "style title: text"; empty: deleted
};

void PrintTo(const Deletion& deletion, std::ostream* out) { *out << deletion.name; }

class VariantDeletion : public VariantsTest, public ::testing::WithParamInterface<Deletion> {};

TEST_P(VariantDeletion, IsRefusedWhileTheDimensionIsInUse) {
    const Deletion& c = GetParam();
    openConfigurator(c.demo, c.setup);
    select(c.code);
    const QStringList before = stored();

    EXPECT_EQ(navigator()->pressButton("Elimina"), c.message.isEmpty());

    EXPECT_EQ(shown(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    QStringList expected = before;
    if (c.message.isEmpty()) {
        expected.removeAll(c.code);
    } else {
        EXPECT_EQ(focused(), "GRD_CONFIGVAR");
    }
    EXPECT_EQ(stored(), expected);
}

const QString option =
    "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) VALUES (1, 'A1', 'X')";
const QString grouping =
    "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) VALUES (1, 'A1', 'R')";
const QString optionsExist =
    "48 Eliminazione impossibile: Per poter eliminare l'elemento del configuratore occorre eliminare le varianti esistenti.";

INSTANTIATE_TEST_SUITE_P(
    Uses, VariantDeletion,
    ::testing::Values(
        Deletion{"ArticlesHoldALaterDimension",
                 true,
                 {},
                 "A1",
                 "48 " + QStringLiteral("Console parametri varianti") +
                     ": Il record non può essere cancellato in quanto esso o un successivo risulta già utilizzato"},
        Deletion{"Options", false, {dimension("A0", 2), dimension("A1", 2), option}, "A1", optionsExist},
        Deletion{"OptionsBeforeGroupings",
                 false,
                 {dimension("A0", 2), dimension("A1", 2), option, grouping},
                 "A1",
                 optionsExist},
        Deletion{"Groupings",
                 false,
                 {dimension("A0", 2), dimension("A1", 2), grouping},
                 "A1",
                 "48 Eliminazione impossibile: Per poter eliminare l'elemento del configuratore occorre eliminare i "
                 "raggruppamenti esistenti."},
        Deletion{"Unused", true, {}, "A5", QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantChecks, DeleteCheckReadsArticlesFromTheDimensionsPosition) {
    openConfigurator(true);
    select("A1");
    navigator()->pressButton("Elimina");
    EXPECT_TRUE(statements_.contains(
        corpusStatement("variants.txt", "delete check: articles hold values from the dimension's position on")));
}

}  // namespace
}  // namespace console_test
