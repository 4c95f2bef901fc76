#include "options_fixture.h"

#include "suite/framework/headless_host.h"
#include "suite/framework/sidebar_model.h"

#include "brondel/console/host_components/types.h"

namespace console_test {
namespace {

using LanguageDescriptions = OptionsTest;
using PartyDescriptions = OptionsTest;

QString languageDescriptions(const QString& where = QStringLiteral("1 = 1")) {
    return "SELECT MG5I_CODICEVAR_MG5F, MG5I_OPZIONE_MG5E, MG5I_LINGUA_MG52, MG5I_DESCR FROM MG5I_OPZLINGUA "
           "WHERE MG5I_DITTA_CG18 = 1 AND " +
           where + " ORDER BY 1, 2, 3";
}

// The grid's row of an option (by its own description) in a language (by its description).
int languageRow(OptionsTest& test, const char* language, const char* option);

// One cell of GRD_LINGUA edited on the demo database, and what MG5I_OPZLINGUA holds for that option.
struct LanguageEdit {
    const char* name;
    const char* language;  // TBL_DESCRLINGUA
    const char* option;    // TBL_DESCROPZIONE
    const char* typed;
    const char* where;  // the option's rows of MG5I_OPZLINGUA
    QStringList stored;
};

void PrintTo(const LanguageEdit& edit, std::ostream* out) { *out << edit.name; }

class LanguageEditSaved : public OptionsTest, public ::testing::WithParamInterface<LanguageEdit> {};

TEST_P(LanguageEditSaved, WritesTheWholeListBack) {
    const LanguageEdit& c = GetParam();
    openSection("ITMLINGUAVAR");
    const QStringList others = query(languageDescriptions(QStringLiteral("NOT (") + c.where + ")"));
    int row = -1;
    for (const host::GridRow& shown : grid("GRD_LINGUA")->rows()) {
        if (shown.value("TBL_DESCRLINGUA").toString() == c.language &&
            shown.value("TBL_DESCROPZIONE").toString() == QString::fromUtf8(c.option))
            row = shown.index;
    }
    ASSERT_GE(row, 0);

    ASSERT_TRUE(grid("GRD_LINGUA")->editCell(row, "TBL_DESCRIZIONE", QString::fromUtf8(c.typed)));

    EXPECT_EQ(query(languageDescriptions(c.where)), c.stored);
    EXPECT_EQ(query(languageDescriptions(QStringLiteral("NOT (") + c.where + ")")), others);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageEditSaved,
    ::testing::Values(
        LanguageEdit{
            "NewDescriptionInserted", "Inglese", "Grigio", "Grey", "MG5I_OPZIONE_MG5E = 'GRI'", {"A0|GRI|ENG|Grey"}},
        LanguageEdit{"ChangedDescriptionUpdated",
                     "Francese",
                     "Bianco",
                     "  Blanc d'ivoire ",
                     "MG5I_OPZIONE_MG5E = 'BIA'",
                     {"A0|BIA|DEU|Weiß", "A0|BIA|ENG|White", "A0|BIA|FRA|Blanc d'ivoire"}},
        LanguageEdit{"ClearedDescriptionDeleted",
                     "Inglese",
                     "Bianco",
                     "",
                     "MG5I_OPZIONE_MG5E = 'BIA'",
                     {"A0|BIA|DEU|Weiß", "A0|BIA|FRA|Blanc"}},
        LanguageEdit{"OptionWithAnApostrophe",
                     "Tedesco",
                     "Pelle d'agnello",
                     "Lammleder",
                     "MG5I_OPZIONE_MG5E = 'PEL'",
                     {"A2|PEL|DEU|Lammleder", "A2|PEL|ENG|Lambskin", "A2|PEL|FRA|Cuir d'agneau"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageDescriptions, ListsEveryOptionInEveryLanguageButItalianByLanguageThenDescription) {
    openSection("ITMLINGUAVAR");

    const QList<host::GridRow> rows = grid("GRD_LINGUA")->rows();

    // 25 options of company 1 in English, French and German.
    ASSERT_EQ(rows.size(), 75);
    EXPECT_EQ(rows.first().value("TBL_DESCRLINGUA").toString(), "Francese");
    EXPECT_EQ(rows.first().value("TBL_DESCROPZIONE").toString(), "Bianco");
    EXPECT_EQ(rows.first().value("TBL_DESCRIZIONE").toString(), "Blanc");
    EXPECT_EQ(rows.last().value("TBL_DESCRLINGUA").toString(), "Tedesco");
    EXPECT_EQ(grid("GRD_LINGUA")->displayValue(rows.first(), "TBL_CODICEVAR").toString(), "1 - COLORE");
}

TEST_F(LanguageDescriptions, CompanyWithOnlyItalianHasAnEmptyList) {
    openSection("ITMLINGUAVAR", true,
                {"DELETE FROM MG47_PARMAGLINGUE WHERE MG47_DITTA_CG18 = 1 AND "
                 "MG47_CODLINGUA_MG52 <> 'ITA'"});

    EXPECT_EQ(grid("GRD_LINGUA")->rowCount(), 0);
}

TEST_F(LanguageDescriptions, WorkingTableIsCreatedOnceAndRefilledOnEachOpening) {
    openSection("ITMLINGUAVAR");
    execute(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) "
        "VALUES (1, 'A4', 'GO', 'Goffrata')");
    EXPECT_EQ(grid("GRD_LINGUA")->rowCount(), 75);

    ASSERT_TRUE(sidebar().clickItem("GRPCONVAR", "ITMLINGUAVAR"));

    EXPECT_EQ(grid("GRD_LINGUA")->rowCount(), 78);
    const QStringList statements = sent();
    ASSERT_FALSE(statements.isEmpty());
    EXPECT_TRUE(statements.first().startsWith("TRUNCATE TABLE ##LINGUA_")) << statements.first().toStdString();
    EXPECT_EQ(statements.filter("CREATE TABLE").size(), 0);
}

TEST_F(LanguageDescriptions, FailingSaveLeavesEveryDescriptionAsItWas) {
    // German descriptions come last in the walk, after the new English one is inserted.
    openSection("ITMLINGUAVAR", true,
                {"CREATE TRIGGER REFUSE_MG5I BEFORE UPDATE ON MG5I_OPZLINGUA WHEN NEW.MG5I_LINGUA_MG52 = 'DEU' "
                 "BEGIN SELECT RAISE(ABORT, 'refused'); END"});
    const QStringList before = query(languageDescriptions());

    EXPECT_ANY_THROW(grid("GRD_LINGUA")->editCell(languageRow(*this, "Inglese", "Grigio"), "TBL_DESCRIZIONE", "Grey"));

    EXPECT_EQ(query(languageDescriptions()), before);
}

TEST_F(LanguageDescriptions, TwoConsolesOnOneDatabaseKeepTheirOwnWorkingTables) {
    openSection("ITMLINGUAVAR");
    suite::HeadlessHost otherHost(dir_.filePath(QStringLiteral("suite.db")), 1);
    const auto other = brondel::CLSMG_BRONDEL::create();
    otherHost.attach(other);
    other->setCaption(QStringLiteral("Console parametri varianti"));
    other->showForm();
    ASSERT_TRUE(other->form()
                    ->controlAs<suite::SidebarModel>(QStringLiteral("SDB_PARAMETRI"))
                    ->clickItem("GRPCONVAR", "ITMLINGUAVAR"));
    const auto otherGrid =
        std::dynamic_pointer_cast<suite::GridModel>(other->form()->control(QStringLiteral("GRD_LINGUA")));
    const int grey = languageRow(*this, "Inglese", "Grigio");

    ASSERT_TRUE(grid("GRD_LINGUA")->editCell(grey, "TBL_DESCRIZIONE", "Grey"));
    ASSERT_TRUE(sidebar().clickItem("GRPCONVAR", "ITMLINGUAVAR"));

    // Each console reads its own table: the other one still shows what it loaded.
    EXPECT_EQ(grid("GRD_LINGUA")->rows().at(grey).value("TBL_DESCRIZIONE").toString(), "Grey");
    EXPECT_TRUE(otherGrid->rows().at(grey).value("TBL_DESCRIZIONE").toString().isEmpty());
    EXPECT_EQ(otherGrid->rowCount(), 75);
    EXPECT_EQ(other->closeForm(), QVariant(true));
}

int languageRow(OptionsTest& test, const char* language, const char* option) {
    for (const host::GridRow& row : test.grid("GRD_LINGUA")->rows()) {
        if (row.value("TBL_DESCRLINGUA").toString() == language && row.value("TBL_DESCROPZIONE").toString() == option)
            return row.index;
    }
    return -1;
}

QString partyDescriptions() {
    return "SELECT MG5S_CODICEVAR_MG5F, MG5S_OPZIONE_MG5E, MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44, MG5S_DESCR "
           "FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18 = 1 AND MG5S_CLIFOR_CG44 = 1001 ORDER BY 1, 2, 3";
}

// The kind picked in CBO_CLIFOR and the code typed into TXT_CLIFOR.
void chooseParty(OptionsTest& test, int kind, const QString& code) {
    test.combo("CBO_CLIFOR")->pick(kind);
    test.edit("TXT_CLIFOR")->typeText(code);
    test.edit("TXT_CLIFOR")->leave();
}

TEST_F(PartyDescriptions, SameCodeUnderTheOtherKindIsAnotherParty) {
    openSection("ITMCLIFORVAR");
    chooseParty(*this, 0, "1001");
    ASSERT_EQ(edit("TXT_RAGSOANAG")->text(), "Abbigliamento Rossi S.r.l.");
    ASSERT_EQ(grid("GRD_CLIFORVAR")->rowCount(), 25);
    const int white = rowOf("GRD_CLIFORVAR", "TBL_OPZIONE", "BIA");
    EXPECT_EQ(grid("GRD_CLIFORVAR")->rows().at(white).value("TBL_DESCRIZIONE").toString(), "Bianco ottico");

    combo("CBO_CLIFOR")->pick(1);
    EXPECT_TRUE(edit("TXT_CLIFOR")->text().isEmpty());
    EXPECT_EQ(grid("GRD_CLIFORVAR")->dataSource(), nullptr);
    edit("TXT_CLIFOR")->typeText("1001");
    edit("TXT_CLIFOR")->leave();
    ASSERT_EQ(edit("TXT_RAGSOANAG")->text(), "Lanificio Alpino S.r.l.");
    EXPECT_TRUE(grid("GRD_CLIFORVAR")->rows().at(white).value("TBL_DESCRIZIONE").toString().isEmpty());
    ASSERT_TRUE(grid("GRD_CLIFORVAR")->editCell(white, "TBL_DESCRIZIONE", "Bianco lana"));

    EXPECT_EQ(query(partyDescriptions()),
              (QStringList{"A0|BIA|0|1001|Bianco ottico", "A0|BIA|1|1001|Bianco lana", "A0|NER|0|1001|Nero corvino",
                           "A1|M|0|1001|Taglia 48", "A2|LAN|1|1001|Lana merino"}));
}

// One cell of GRD_CLIFORVAR edited for customer 1001, and where the grid stands afterwards.
struct PartyEdit {
    const char* name;
    int row;  // -1: the last
    const char* typed;
    QStringList stored;
    int current;  // -1: the last
};

void PrintTo(const PartyEdit& edit, std::ostream* out) { *out << edit.name; }

class PartyEditSaved : public OptionsTest, public ::testing::WithParamInterface<PartyEdit> {};

TEST_P(PartyEditSaved, SavesAndMovesToTheNextRow) {
    const PartyEdit& c = GetParam();
    openSection("ITMCLIFORVAR");
    chooseParty(*this, 0, "1001");
    const int last = grid("GRD_CLIFORVAR")->rowCount() - 1;
    const int row = c.row < 0 ? last : c.row;
    const QString option = grid("GRD_CLIFORVAR")->rows().at(row).value("TBL_OPZIONE").toString();

    ASSERT_TRUE(grid("GRD_CLIFORVAR")->editCell(row, "TBL_DESCRIZIONE", c.typed));

    QStringList stored;
    for (const QString& line : query(partyDescriptions())) {
        if (line.section('|', 1, 1) == option && line.section('|', 2, 2) == "0")
            stored << line.section('|', 4);
    }
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(grid("GRD_CLIFORVAR")->currentRow(), c.current < 0 ? last : c.current);
}

INSTANTIATE_TEST_SUITE_P(Cases, PartyEditSaved,
                         ::testing::Values(PartyEdit{"NewDescription", 3, " Blu d'oltremare ", {"Blu d'oltremare"}, 4},
                                           PartyEdit{"ClearedDescription", 0, "", {}, 1},
                                           PartyEdit{"OnTheLastRow", -1, "Satinata opaca", {"Satinata opaca"}, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PartyDescriptions, UnknownCodeLeavesTheListEmpty) {
    openSection("ITMCLIFORVAR");
    chooseParty(*this, 1, "1002");

    EXPECT_EQ(grid("GRD_CLIFORVAR")->dataSource(), nullptr);
    EXPECT_TRUE(edit("TXT_RAGSOANAG")->text().isEmpty());
    EXPECT_EQ(sent().filter("##CLIFOR_").size(), 0);
}

}  // namespace
}  // namespace console_test
