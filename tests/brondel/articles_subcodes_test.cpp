#include "articles_fixture.h"

#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <QRegularExpression>

namespace console_test {
namespace {

using SubCodeValues = ArticlesTest;
using SubCodeDescriptions = ArticlesTest;

const QString storedValues =
    "SELECT MG6E_PROGR_MG6F, MG6E_SUBCODICE FROM MG6E_SUBCODART WHERE MG6E_DITTA_CG18 = 1 "
    "AND MG6E_SUBCODICE NOT IN ('CAM', 'PAN', 'GIA', 'MAG', 'TES', 'ACC', 'UOMO', 'DONN', "
    "'BIMB') ORDER BY MG6E_SUBCODICE";

// A value typed for the demo's "Famiglia" (3 characters): refused with its message, or stored.
struct Code {
    const char* name;
    const char* typed;
    QStringList messages;
    QStringList stored;
};

void PrintTo(const Code& code, std::ostream* out) { *out << code.name; }

class SubCodeCode : public ArticlesTest, public ::testing::WithParamInterface<Code> {};

TEST_P(SubCodeCode, IsUpperCaseWithoutApostrophesAndNoLongerThanItsSubCode) {
    const Code& c = GetParam();
    open("ITMSUBCOD", true);
    ASSERT_EQ(combo("CBO_PROGRSUBCODART")->currentText(), "Famiglia");
    ASSERT_TRUE(press("GNV_SUBCODART", "Nuovo"));

    if (edit("TXT_SUBCODICE")->typeText(c.typed) && edit("TXT_SUBCODICE")->leave()) {
        edit("TXT_DESCRSUBCODART")->typeText("nuova famiglia");
        press("GNV_SUBCODART", "Conferma");
    }

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(query(storedValues), c.stored);
    if (!c.messages.isEmpty()) {
        EXPECT_TRUE(edit("TXT_SUBCODICE")->hasFocus());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubCodeCode,
    ::testing::Values(
        Code{"LowerCase", "abc", {}, {"1|ABC"}},
        Code{"LongerThanTheSubCode",
             "abcd",
             {"48 " + ArticlesTest::caption +
              ": Il numero massimo di carattere consentito per la codifica subcodice è 3  , inserimento impossibile!"},
             {}},
        Code{"Apostrophe",
             "a'b",
             {"48 " + ArticlesTest::caption + ": La codifica subcodice non può contenere il carattere (')."},
             {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SubCodeValues, TypeWithoutValuesOpensOnANewValue) {
    open("ITMSUBCOD", true,
         {"INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_DESCR, MG6F_SIZE, MG6F_INDCODIFICA) "
          "VALUES (1, 5, 'Colore', 2, 1)"});

    ASSERT_TRUE(combo("CBO_PROGRSUBCODART")->pick(2));

    EXPECT_EQ(values()->status(), host::frame_status::Adding);
    EXPECT_EQ(automation::cstr(values()->recordset()->value("MG6E_PROGR_MG6F")), "5");
}

TEST_F(SubCodeValues, FirstValueSwitchesTheLanguageSectionOn) {
    open("ITMSUBCOD", false,
         {subCode(1, 3, 1), "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 1)"});
    ASSERT_FALSE(form().isItemEnabled("ITMDESLINART"));

    edit("TXT_SUBCODICE")->typeText("AB");
    edit("TXT_DESCRSUBCODART")->typeText("primo");
    ASSERT_EQ(edit("TXT_DESCRSUBCODART")->pressEnter(), true);

    EXPECT_EQ(query("SELECT MG6E_PROGR_MG6F, MG6E_SUBCODICE FROM MG6E_SUBCODART"), QStringList{"1|AB"});
    EXPECT_TRUE(form().isItemEnabled("ITMDESLINART"));
}

// The grid's row of a value in a language.
int row(const suite::GridModel& grid, const QString& code, const QString& language) {
    for (const host::GridRow& row : grid.rows()) {
        if (automation::cstr(row.value("TBL_SUBCODICE")) == code &&
            automation::cstr(row.value("TBL_CODLINGUA")) == language)
            return row.index;
    }
    return -1;
}

const QString storedDescriptions =
    "SELECT MG6I_PROGR_MG6F, MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52, MG6I_DESCR "
    "FROM MG6I_SUBCODARTLING WHERE MG6I_DITTA_CG18 = 1 AND MG6I_SUBCODICE_MG6E IN "
    "('CAM', 'PAN', 'BIMB') ORDER BY MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52";

// One description edited in the grid: the demo's descriptions of CAM, PAN and BIMB afterwards.
struct Edit {
    const char* name;
    const char* code;
    const char* language;
    const char* typed;
    QStringList stored;
};

void PrintTo(const Edit& edit, std::ostream* out) { *out << edit.name; }

class DescriptionEdit : public ArticlesTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(DescriptionEdit, WritesTheWorkingTableBack) {
    const Edit& c = GetParam();
    open("ITMDESLINART", true);
    const auto descriptions = grid("GRD_LINGUASUBART");

    ASSERT_TRUE(descriptions->editCell(row(*descriptions, c.code, c.language), "TBL_DESCRIZIONE", QString(c.typed)));

    EXPECT_EQ(query(storedDescriptions), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, DescriptionEdit,
                         ::testing::Values(Edit{"Cleared",
                                                "CAM",
                                                "DEU",
                                                "",
                                                {"1|CAM|ENG|Shirts", "1|CAM|FRA|Chemises", "1|PAN|ENG|Trousers",
                                                 "1|PAN|FRA|Pantalons"}},
                                           Edit{"UpdatedTrimmed",
                                                "PAN",
                                                "ENG",
                                                " Men's trousers ",
                                                {"1|CAM|DEU|Hemden", "1|CAM|ENG|Shirts", "1|CAM|FRA|Chemises",
                                                 "1|PAN|ENG|Men's trousers", "1|PAN|FRA|Pantalons"}},
                                           Edit{"Inserted",
                                                "BIMB",
                                                "FRA",
                                                "Enfant",
                                                {"2|BIMB|FRA|Enfant", "1|CAM|DEU|Hemden", "1|CAM|ENG|Shirts",
                                                 "1|CAM|FRA|Chemises", "1|PAN|ENG|Trousers", "1|PAN|FRA|Pantalons"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SubCodeDescriptions, GridShowsEveryValueInEveryForeignLanguageWithItsTypeByName) {
    open("ITMDESLINART", true);
    const auto descriptions = grid("GRD_LINGUASUBART");

    EXPECT_EQ(descriptions->rowCount(), 27);
    const int uomo = row(*descriptions, "UOMO", "FRA");
    ASSERT_GE(uomo, 0);
    const host::GridRow shown = descriptions->rows().at(uomo);
    EXPECT_EQ(descriptions->displayValue(shown, "TBL_PROGRART"), QVariant("Linea"));
    EXPECT_EQ(automation::cstr(descriptions->displayValue(shown, "TBL_DESCRIZIONE")), "Homme");
}

TEST_F(SubCodeDescriptions, CompanyWithItalianOnlyGetsAnEmptyGrid) {
    open("ITMDESLINART", false,
         {"INSERT INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA) VALUES ('ITA', 'Italiano')",
          "INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES (1, 'ITA')", subCode(1, 3, 1),
          subCodeValue(1, "AB")});

    EXPECT_EQ(visiblePanels(), "PIC_PARAMETRI(9)");
    EXPECT_EQ(grid("GRD_LINGUASUBART")->rowCount(), 0);
}

TEST_F(SubCodeDescriptions, NewValueIsListedWhenTheSectionIsShownAgain) {
    open("ITMDESLINART", true);
    click("ITMSUBCOD");
    ASSERT_TRUE(press("GNV_SUBCODART", "Nuovo"));
    edit("TXT_SUBCODICE")->typeText("CAL");
    edit("TXT_DESCRSUBCODART")->typeText("Calze");
    ASSERT_TRUE(press("GNV_SUBCODART", "Conferma"));

    click("ITMDESLINART");

    const auto descriptions = grid("GRD_LINGUASUBART");
    EXPECT_EQ(descriptions->rowCount(), 30);
    EXPECT_GE(row(*descriptions, "CAL", "DEU"), 0);
}

// The statements the sections send, compared with the suite's statement corpus: what a gesture sends
// first among the corpus case's statements.
struct Sent {
    const char* name;
    const char* corpusCase;
    std::function<void(ArticlesTest&)> gesture;
};

void PrintTo(const Sent& sent, std::ostream* out) { *out << sent.name; }

class SentStatement : public ArticlesTest, public ::testing::WithParamInterface<Sent> {};

TEST_P(SentStatement, IsTheOneTheSuiteKeeps) {
    const Sent& c = GetParam();
    open("ITMCONFIGART", true);
    statements_.clear();

    c.gesture(*this);

    const QString expected = corpusStatement("articles.txt", c.corpusCase);
    ASSERT_FALSE(expected.isEmpty()) << c.corpusCase;
    // The working table's name ends in the host's suffix of this console.
    const QStringList sent =
        statements_.replaceInStrings(QRegularExpression("##LINGUASUBCODART_\\w+"), "##LINGUASUBCODART_0A1B2C");
    EXPECT_TRUE(sent.contains(expected)) << sent.join("\nGO\n").toStdString();
}

void showConfigurator(ArticlesTest& test) { test.click("ITMCONFIGART"); }

INSTANTIATE_TEST_SUITE_P(
    Cases, SentStatement,
    ::testing::Values(Sent{"ConfiguratorFrame", "article configurator frame", showConfigurator},
                      Sent{"HighestProgressive", "highest progressive and length total", showConfigurator},
                      Sent{"ValuesBeforeTheConfiguratorDelete", "delete article configurator: sub-code values present",
                           [](ArticlesTest& test) {
                               test.host_->messages().answer(host::message_answer::Yes);
                               test.form().controlAs<host::Button>("CMD_ELIMINACONFART")->click();
                           }},
                      Sent{"CodedTypes", "sub-code types with a value list, and a type's description",
                           [](ArticlesTest& test) { test.click("ITMSUBCOD"); }},
                      Sent{"ValuesOfAType", "sub-codes frame of a type",
                           [](ArticlesTest& test) {
                               test.click("ITMSUBCOD");
                               test.combo("CBO_PROGRSUBCODART")->pick(1);
                           }},
                      Sent{"LengthOfAType", "length of a sub-code",
                           [](ArticlesTest& test) {
                               test.click("ITMSUBCOD");
                               test.combo("CBO_PROGRSUBCODART")->pick(1);
                               test.grid("GRD_SUBCODART")->selectRow(0);
                               test.edit("TXT_DESCRSUBCODART")->typeText("x");
                               test.press("GNV_SUBCODART", "Conferma");
                           }},
                      Sent{"LanguageTable", "sub-code language working table: created, truncated, filled, read back",
                           [](ArticlesTest& test) { test.click("ITMDESLINART"); }},
                      Sent{"ClearedDescription",
                           "sub-code language description: cleared, updated and inserted, the type written as text",
                           [](ArticlesTest& test) {
                               test.click("ITMDESLINART");
                               const auto descriptions = test.grid("GRD_LINGUASUBART");
                               descriptions->editCell(row(*descriptions, "CAM", "DEU"), "TBL_DESCRIZIONE", QString());
                           }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace console_test
