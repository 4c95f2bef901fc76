#include "mandatory_fixture.h"

#include "suite/framework/screen_model.h"
#include "suite/framework/scripted_lookups.h"

#include "automation/error.h"
#include "automation/variant.h"

namespace console_test {
namespace {

using MandatoryDocuments = MandatoryTest;

const QString grd = QStringLiteral("GRD_OBBDOC");

// The demo's exception rows of company 1, documents and programs; with(): changed and sorted.
const QStringList demoExceptions = {"A3|CARMAG|0",       "A4|CARMAG|0", "A2|MGUO_LISTINI|0",
                                    "A3|MGUO_LISTINI|0", "A4|ORDFOR|0", "A4|PDUO_DISTINTE|0"};

QStringList with(QStringList rows, const QStringList& added, const QStringList& removed = {}) {
    for (const QString& row : removed)
        rows.removeAll(row);
    rows += added;
    rows.sort();
    return rows;
}

QString document(const char* code) {
    return QStringLiteral(
               "INSERT INTO MG36_DOCUMENTI (MG36_CODDOCUM, MG36_DESCR) VALUES ('%1', 'Documento %1'); "
               "INSERT INTO MG3G_DOCDITTA (MG3G_DITTA_CG18, MG3G_CODDOCUM_MG36) VALUES (1, '%1')")
        .arg(QString::fromLatin1(code));
}

QString dimension(int company, const char* code) {
    return QStringLiteral(
               "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE) "
               "VALUES (%1, '%2', 'DIMENSIONE %2', 2)")
        .arg(company)
        .arg(QString::fromLatin1(code));
}

QString exception(int company, const char* code, const char* object) {
    return QStringLiteral(
               "INSERT INTO MG5J_DOCPRGVAR (MG5J_DITTA_CG18, MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, "
               "MG5J_FLGOBBLIG) VALUES (%1, '%2', '%3', 0)")
        .arg(company)
        .arg(QString::fromLatin1(code), QString::fromLatin1(object));
}

TEST_F(MandatoryDocuments, ListsEveryDocumentWithAVariantTickedUnlessItHasAnException) {
    openSection("ITMOBBDOC");
    const auto documents = grid(grd);

    EXPECT_EQ(rows(*documents),
              QStringList({"CARMAG|1|1|1|0|0|1", "DDT|1|1|1|1|1|1", "FATTURA|1|1|1|1|1|1", "OFFCLI|1|1|1|1|1|1",
                           "ORDCLI|1|1|1|1|1|1", "ORDFOR|1|1|1|1|0|1", "RESOCLI|1|1|1|1|1|1"}));
    QStringList captions;
    for (int i = 0; i < documents->columnCount(); ++i)
        captions << documents->column(i).caption;
    EXPECT_EQ(captions, QStringList({"Codice Documento", "1 - COLORE", "2 - TAGLIA", "3 - MATERIALE", "4 - LUNGHEZZA",
                                     "5 - FINITURA", "6 - PROGRESSIVO CONFIGURAZIONE"}));
    EXPECT_TRUE(documents->hasFocus());
    EXPECT_TRUE(documents->checkInvariants().isEmpty()) << documents->checkInvariants().join('\n').toStdString();
}

// A column's select-all box is ticked exactly when every listed document has the variant mandatory.
struct HeaderCase {
    const char* name;
    QStringList setup;
    QString ticked;
};

void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }

class MandatoryHeaderBoxes : public MandatoryTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(MandatoryHeaderBoxes, AreTickedWhenEveryDocumentHasTheVariantMandatory) {
    const HeaderCase& c = GetParam();
    openSection("ITMOBBDOC", false, QStringList{dimension(1, "A0"), dimension(1, "A1")} + c.setup);

    EXPECT_EQ(ticked(*grid(grd)), c.ticked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MandatoryHeaderBoxes,
    ::testing::Values(
        HeaderCase{"NoDocumentListed", {}, "A0,A1"},
        HeaderCase{"NoException", {document("D1"), document("D2")}, "A0,A1"},
        HeaderCase{"OneDocumentExcepted", {document("D1"), document("D2"), exception(1, "A1", "D2")}, "A0"},
        HeaderCase{"ProgramExceptionsDoNotCount", {document("D1"), exception(1, "A0", "MGUO_LISTINI")}, "A0,A1"},
        HeaderCase{"AnotherCompanysExceptionDoesNotCount",
                   {document("D1"), dimension(2, "A0"), exception(2, "A0", "D1")},
                   "A0,A1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A click on a cell writes its exception row at once.
struct TickCase {
    const char* name;
    QList<std::pair<const char*, const char*>> clicks;  // document, variant
    QStringList added;
    QStringList removed;
    QString ticked;  // the select-all boxes after the clicks
};

void PrintTo(const TickCase& c, std::ostream* out) { *out << c.name; }

class MandatoryCellClicks : public MandatoryTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(MandatoryCellClicks, WriteTheExceptionRowsAndClearTheBoxOfAnUntickedColumn) {
    const TickCase& c = GetParam();
    openSection("ITMOBBDOC");
    const auto documents = grid(grd);

    for (const auto& [code, variant] : c.clicks)
        ASSERT_TRUE(documents->tickCell(rowOf(*documents, "MG3G_CODDOCUM_MG36", code), variant));

    EXPECT_EQ(exceptions(), with(demoExceptions, c.added, c.removed));
    EXPECT_EQ(ticked(*documents), c.ticked);
    // A cell never runs the select-all pass.
    EXPECT_EQ(sent("  DELETE FROM") + sent("INSERT INTO MG5J_DOCPRGVAR"), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MandatoryCellClicks,
    ::testing::Values(
        TickCase{"UntickingStoresAnExceptionWithFlagZero", {{"ORDCLI", "A0"}}, {"A0|ORDCLI|0"}, {}, "A1,A2,A5"},
        TickCase{"TickingDeletesTheException", {{"ORDFOR", "A4"}}, {}, {"A4|ORDFOR|0"}, "A0,A1,A2,A5"},
        TickCase{"TickingBackDoesNotTickTheBoxAgain", {{"ORDCLI", "A0"}, {"ORDCLI", "A0"}}, {}, {}, "A1,A2,A5"},
        TickCase{"TwoDocumentsOfOneColumn",
                 {{"DDT", "A5"}, {"RESOCLI", "A5"}},
                 {"A5|DDT|0", "A5|RESOCLI|0"},
                 {},
                 "A0,A1,A2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MandatoryDocuments, TickingACellWhoseExceptionIsAlreadyGoneChangesNothing) {
    openSection("ITMOBBDOC");
    execute("DELETE FROM MG5J_DOCPRGVAR WHERE MG5J_DITTA_CG18 = 1 AND MG5J_UOBJECT = 'ORDFOR'");
    const auto documents = grid(grd);

    ASSERT_TRUE(documents->tickCell(rowOf(*documents, "MG3G_CODDOCUM_MG36", "ORDFOR"), "A4"));

    EXPECT_EQ(exceptions(), with(demoExceptions, {}, {"A4|ORDFOR|0"}));
    EXPECT_EQ(shown(), QStringList());
}

// A column's select-all box writes the column for every listed document, then the section reloads.
struct SelectAllCase {
    const char* name;
    QStringList clicks;  // select-all boxes, in order
    QStringList added;
    QStringList removed;
    QString ticked;
};

void PrintTo(const SelectAllCase& c, std::ostream* out) { *out << c.name; }

class MandatorySelectAll : public MandatoryTest, public ::testing::WithParamInterface<SelectAllCase> {};

TEST_P(MandatorySelectAll, WritesTheColumnForEveryListedDocument) {
    const SelectAllCase& c = GetParam();
    openSection("ITMOBBDOC");
    const auto documents = grid(grd);

    for (const QString& column : c.clicks)
        ASSERT_TRUE(documents->clickSelectAll(column));

    EXPECT_EQ(exceptions(), with(demoExceptions, c.added, c.removed));
    EXPECT_EQ(ticked(*documents), c.ticked);
    EXPECT_EQ(rows(*documents).size(), 7);
    EXPECT_EQ(host_->screen().mousePointer(), host::mouse_pointer::Default);
}

const QStringList everyDocument = {"CARMAG", "DDT", "FATTURA", "OFFCLI", "ORDCLI", "ORDFOR", "RESOCLI"};

QStringList rowsOf(const char* variant) {
    QStringList result;
    for (const QString& code : everyDocument)
        result << QString::fromLatin1(variant) + '|' + code + "|0";
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MandatorySelectAll,
    ::testing::Values(
        // The program's exception of the same variant stays.
        SelectAllCase{"TickingDeletesTheColumnsExceptionsOfEveryDocument",
                      {"A4"},
                      {},
                      {"A4|CARMAG|0", "A4|ORDFOR|0"},
                      "A0,A1,A2,A4,A5"},
        SelectAllCase{"ClearingInsertsAnExceptionForEveryDocument", {"A0"}, rowsOf("A0"), {}, "A1,A2,A5"},
        SelectAllCase{"BothWaysLeaveTheColumnAsItStarted", {"A1", "A1"}, {}, {}, "A0,A1,A2,A5"},
        SelectAllCase{
            "TickedThenClearedExceptsEveryDocumentOnce", {"A3", "A3"}, rowsOf("A3"), {"A3|CARMAG|0"}, "A0,A1,A2,A5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MandatoryDocuments, SelectAllThatFailsHalfWayChangesNothing) {
    openSection("ITMOBBDOC");
    // Another user excepts ORDCLI meanwhile: its insert, the fifth, breaks the key.
    execute(exception(1, "A0", "ORDCLI"));
    const auto documents = grid(grd);

    try {
        documents->clickSelectAll("A0");
        FAIL() << "the select-all pass went through";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::IntegrityViolation);
        EXPECT_TRUE(error.source().startsWith("GRD_OBBDOC_SelectAllClickEXT:\r\n")) << error.source().toStdString();
    }

    EXPECT_EQ(exceptions(), with(demoExceptions, {"A0|ORDCLI|0"}));
    EXPECT_EQ(rows(*documents).at(4), "ORDCLI|0|1|1|1|1|1");
    EXPECT_TRUE(documents->isSelectAllChecked("A0"));
    EXPECT_EQ(host_->screen().mousePointer(), host::mouse_pointer::Default);
}

TEST_F(MandatoryDocuments, ShowingTheSectionAgainRecomputesTheBoxes) {
    openSection("ITMOBBDOC");
    ASSERT_TRUE(grid(grd)->tickCell(rowOf(*grid(grd), "MG3G_CODDOCUM_MG36", "ORDFOR"), "A4"));
    ASSERT_TRUE(grid(grd)->tickCell(rowOf(*grid(grd), "MG3G_CODDOCUM_MG36", "CARMAG"), "A4"));

    ASSERT_TRUE(showAgain("ITMOBBDOC"));

    EXPECT_EQ(ticked(*grid(grd)), "A0,A1,A2,A4,A5");
}

// TXT_CODDOC finds a document: the grid moves to it, or stays where it was.
struct SearchCase {
    const char* name;
    const char* typed;
    bool enter;  // Enter, or leaving the field
    const char* current;
    const char* description;
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class MandatoryDocumentSearch : public MandatoryTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(MandatoryDocumentSearch, MovesTheGridToTheDocumentOnlyWhenListed) {
    const SearchCase& c = GetParam();
    openSection("ITMOBBDOC");
    const auto documents = grid(grd);
    ASSERT_TRUE(documents->selectRow(rowOf(*documents, "MG3G_CODDOCUM_MG36", "OFFCLI")));

    ASSERT_TRUE(edit("TXT_CODDOC")->typeText(c.typed));
    ASSERT_TRUE(c.enter ? edit("TXT_CODDOC")->pressEnter() : edit("TXT_CODDOC")->leave());

    EXPECT_EQ(automation::cstr(documents->rows().at(documents->currentRow()).value("MG3G_CODDOCUM_MG36")), c.current);
    EXPECT_EQ(edit("TXT_DESCRDOC")->text(), c.description);
    EXPECT_EQ(shown(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MandatoryDocumentSearch,
    ::testing::Values(SearchCase{"KnownCodeWithEnter", "FATTURA", true, "FATTURA", "Fattura immediata"},
                      SearchCase{"KnownCodeLeavingTheField", "DDT", false, "DDT", "Documento di trasporto"},
                      SearchCase{"TypedInLowerCase", "resocli", true, "RESOCLI", "Reso da cliente"},
                      SearchCase{"UnknownCode", "NONESISTE", true, "OFFCLI", ""},
                      SearchCase{"DocumentOfNoCompanyList", "SCAMAG", true, "OFFCLI", ""},
                      SearchCase{"Apostrophe", "D'X", true, "OFFCLI", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MandatoryDocuments, LookupPicksTheDocumentAndMovesTheGrid) {
    openSection("ITMOBBDOC");
    host_->lookups().pickRow(1);

    ASSERT_TRUE(edit("TXT_CODDOC")->openLookup());

    ASSERT_EQ(host_->lookups().shown().size(), 1);
    const QString picked = edit("TXT_CODDOC")->text();
    EXPECT_FALSE(picked.isEmpty());
    const auto documents = grid(grd);
    EXPECT_EQ(automation::cstr(documents->rows().at(documents->currentRow()).value("MG3G_CODDOCUM_MG36")), picked);
    EXPECT_FALSE(edit("TXT_DESCRDOC")->text().isEmpty());
}

TEST_F(MandatoryDocuments, SendsTheStatementsAsTheSuiteRunsThem) {
    openHost();
    console->showForm();
    const qsizetype before = statements_.size();

    ASSERT_TRUE(showAgain("ITMOBBDOC"));
    const QStringList loading = statements_.mid(before, 5);
    ASSERT_TRUE(grid(grd)->tickCell(rowOf(*grid(grd), "MG3G_CODDOCUM_MG36", "ORDFOR"), "A4"));
    const QStringList saving = sent("          SELECT      *  ");
    ASSERT_TRUE(grid(grd)->clickSelectAll("A0"));
    const QStringList inserts = sent("INSERT INTO MG5J_DOCPRGVAR");
    ASSERT_TRUE(grid(grd)->clickSelectAll("A0"));
    const QStringList deletes = sent("  DELETE FROM");

    ASSERT_EQ(loading.size(), 5);
    EXPECT_EQ(loading[0], corpusStatement("mandatory.txt", "column list of the variants"));
    EXPECT_EQ(loading[1], "DROP TABLE #MG5JJDOC");
    EXPECT_EQ(loading[2],
              "CREATE TABLE #MG5JJDOC (MG3G_CODDOCUM_MG36 CHAR(14), [A0] TINYINT , [A1] TINYINT , "
              "[A2] TINYINT , [A3] TINYINT , [A4] TINYINT , [A5] TINYINT)");
    EXPECT_TRUE(
        loading[3].startsWith("          DECLARE @query NVARCHAR(4000) \r\n SET @query = N'INSERT INTO "
                              "#MG5JJDOC SELECT MG3G_CODDOCUM_MG36,  \r\n[A0],[A1],[A2],[A3],[A4],[A5] \r\n"));
    EXPECT_EQ(loading[4], "SELECT * FROM #MG5JJDOC ORDER BY MG3G_CODDOCUM_MG36");
    EXPECT_EQ(saving, QStringList{corpusStatement("mandatory.txt",
                                                  "saving one cell: the exception row of a variant and a document")});
    // One statement per listed document.
    ASSERT_EQ(inserts.size(), 7);
    EXPECT_EQ(inserts[1],
              "INSERT INTO MG5J_DOCPRGVAR\r\n(\r\n      MG5J_DITTA_CG18\r\n    , MG5J_CODICEVAR_MG5F\r\n"
              "    , MG5J_UOBJECT\r\n    , MG5J_FLGOBBLIG\r\n)\r\nVALUES\r\n(\r\n    1\r\n    ,'A0'\r\n"
              "    ,'DDT'\r\n    , 0 \r\n)");
    ASSERT_EQ(deletes.size(), 7);
    EXPECT_EQ(deletes[0],
              "  DELETE FROM\r\n    MG5J_DOCPRGVAR\r\n WHERE\r\n    MG5J_DITTA_CG18 = 1 AND\r\n"
              "    MG5J_CODICEVAR_MG5F = 'A0' AND\r\n    MG5J_UOBJECT = 'CARMAG' ");
}

}  // namespace
}  // namespace console_test
