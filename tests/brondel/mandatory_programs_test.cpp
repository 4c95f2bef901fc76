#include "mandatory_fixture.h"

#include "automation/variant.h"

namespace console_test {
namespace {

using MandatoryPrograms = MandatoryTest;

const QStringList demoExceptions = {"A3|CARMAG|0",       "A4|CARMAG|0", "A2|MGUO_LISTINI|0",
                                    "A3|MGUO_LISTINI|0", "A4|ORDFOR|0", "A4|PDUO_DISTINTE|0"};

// Menu entries of the demo: folders 1 to 7; MGUO_ARTICOLI at 101 and 303, MGUO_LISTINI 102, PDUO_DISTINTE 301.
constexpr int Warehouse = 1;
constexpr int Articles = 101;
constexpr int PriceLists = 102;
constexpr int BillsOfMaterials = 301;

TEST_F(MandatoryPrograms, OpensOnTheMenuWithTheProgramsThatHaveExceptionsMarked) {
    openSection("ITMOBBPRO");

    EXPECT_EQ(marked(), "102,301");
    EXPECT_TRUE(tree()->hasFocus());
    EXPECT_EQ(grid("GRD_OBBPRO")->rowCount(), 0);
}

TEST_F(MandatoryPrograms, ChoosingAProgramListsEveryVariantWithItsMandatoryFlag) {
    openSection("ITMOBBPRO");

    ASSERT_TRUE(tree()->chooseNode(PriceLists));

    const auto variants = grid("GRD_OBBPRO");
    EXPECT_EQ(rows(*variants), QStringList({"A0|1", "A1|1", "A2|0", "A3|0", "A4|1", "A5|1"}));
    EXPECT_EQ(shownColumn(*variants, "MG5F_CODICEVAR"),
              QStringList({"COLORE", "TAGLIA", "MATERIALE", "LUNGHEZZA", "FINITURA", "PROGRESSIVO CONFIGURAZIONE"}));
    EXPECT_TRUE(variants->checkInvariants().isEmpty()) << variants->checkInvariants().join('\n').toStdString();
}

TEST_F(MandatoryPrograms, AFolderLeavesTheVariantsGridEmpty) {
    openSection("ITMOBBPRO");
    ASSERT_TRUE(tree()->chooseNode(PriceLists));

    ASSERT_TRUE(tree()->chooseNode(Warehouse));

    EXPECT_EQ(grid("GRD_OBBPRO")->dataSource(), nullptr);
    EXPECT_EQ(grid("GRD_OBBPRO")->rowCount(), 0);
}

TEST_F(MandatoryPrograms, TheSummaryListsTheProgramsWithExceptionsByDescription) {
    openSection("ITMOBBPRO");
    const auto summary = grid("GRD_OBBPRORIEP");

    EXPECT_EQ(rows(*summary), QStringList({"MGUO_LISTINI|||1|1||", "PDUO_DISTINTE|||||1|"}));
    EXPECT_EQ(shownColumn(*summary, "FW50_NOME"), QStringList({"Listini di vendita", "Distinta base"}));
    EXPECT_EQ(summary->column(0).caption, "Programmi");
}

// A toggle writes the exception at once and brings the tree's marks and the summary in step.
struct ToggleCase {
    const char* name;
    int entry;
    QStringList variants;  // toggled in order
    QStringList added;
    QStringList removed;
    QString marked;
    QStringList summary;  // the summary's rows
    QStringList detail;   // the flags of the chosen program's variants after the toggles
};

void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }

class MandatoryProgramToggles : public MandatoryTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(MandatoryProgramToggles, KeepTheMarksAndTheSummaryInStep) {
    const ToggleCase& c = GetParam();
    openSection("ITMOBBPRO");
    ASSERT_TRUE(tree()->chooseNode(c.entry));
    const auto variants = grid("GRD_OBBPRO");

    for (const QString& code : c.variants)
        ASSERT_TRUE(variants->tickCell(rowOf(*variants, "MG5F_CODICEVAR", code), "FLGOBBLIG"));

    QStringList expected = demoExceptions;
    for (const QString& row : c.removed)
        expected.removeAll(row);
    expected += c.added;
    expected.sort();
    EXPECT_EQ(exceptions(), expected);
    EXPECT_EQ(marked(), c.marked);
    EXPECT_EQ(rows(*grid("GRD_OBBPRORIEP")), c.summary);
    QStringList flags;
    for (const QString& row : rows(*variants))
        flags << row.section('|', 1);
    EXPECT_EQ(flags, c.detail);
}

INSTANTIATE_TEST_SUITE_P(Cases, MandatoryProgramToggles,
                         ::testing::Values(
                             // MGUO_ARTICOLI sits in two menus: both entries are marked.
                             ToggleCase{"UntickingAddsTheProgram",
                                        Articles,
                                        {"A5"},
                                        {"A5|MGUO_ARTICOLI|0"},
                                        {},
                                        "101,102,301,303",
                                        {"MGUO_ARTICOLI||||||1", "MGUO_LISTINI|||1|1||", "PDUO_DISTINTE|||||1|"},
                                        {"1", "1", "1", "1", "1", "0"}},
                             ToggleCase{"TickingItAgainRemovesIt",
                                        Articles,
                                        {"A0", "A0"},
                                        {},
                                        {},
                                        "102,301",
                                        {"MGUO_LISTINI|||1|1||", "PDUO_DISTINTE|||||1|"},
                                        {"1", "1", "1", "1", "1", "1"}},
                             ToggleCase{"TickingTheLastExceptionRemovesTheProgram",
                                        BillsOfMaterials,
                                        {"A4"},
                                        {},
                                        {"A4|PDUO_DISTINTE|0"},
                                        "102",
                                        {"MGUO_LISTINI|||1|1||"},
                                        {"1", "1", "1", "1", "1", "1"}},
                             ToggleCase{"TickingOneOfTwoExceptionsKeepsTheProgram",
                                        PriceLists,
                                        {"A2"},
                                        {},
                                        {"A2|MGUO_LISTINI|0"},
                                        "102,301",
                                        {"MGUO_LISTINI||||1||", "PDUO_DISTINTE|||||1|"},
                                        {"1", "1", "1", "0", "1", "1"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MandatoryPrograms, SendsTheStatementsAsTheSuiteRunsThem) {
    openSection("ITMOBBPRO");

    ASSERT_TRUE(tree()->chooseNode(PriceLists));
    EXPECT_EQ(sent("          SELECT      MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5J_UOBJECT"),
              QStringList{corpusStatement("mandatory.txt", "variants of a program, mandatory or not")});

    ASSERT_TRUE(grid("GRD_OBBPRO")->tickCell(0, "FLGOBBLIG"));
    EXPECT_EQ(sent("          SELECT      DISTINCT FW50_IDVOCETS"),
              QStringList{corpusStatement("mandatory.txt", "menu entries of the programs with exceptions")});

    shownColumn(*grid("GRD_OBBPRORIEP"), "FW50_NOME");
    EXPECT_TRUE(sent("SELECT FW50_DESCR").contains(corpusStatement("mandatory.txt", "program description")));
}

}  // namespace
}  // namespace console_test
