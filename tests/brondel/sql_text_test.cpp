#include "brondel/console/sql_text.h"
#include "brondel/variants/variant_statements.h"

#include "automation/sql_quote.h"

#include <gtest/gtest.h>

namespace {

using brondel::SqlText;
using brondel::VariantStatements;

struct Built {
    const char* name;
    QString text;
    QString expected;
};

void PrintTo(const Built& built, std::ostream* out) { *out << built.name; }

class StatementText : public ::testing::TestWithParam<Built> {};

TEST_P(StatementText, IsItsPiecesWithValuesEscaped) {
    EXPECT_EQ(GetParam().text.toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, StatementText,
    ::testing::Values(
        Built{"LinesJoinedByCrLf", SqlText().line("SELECT").line("    A").line("FROM T"), "SELECT\r\n    A\r\nFROM T"},
        Built{"PiecesOnOneLine", SqlText("A = '", QStringLiteral("X"), "'", SqlText::cr, "B"), "A = 'X'\rB"},
        Built{"ValueApostrophesDoubled", SqlText("A = '", QStringLiteral("L'A"), "'"), "A = 'L''A'"},
        Built{"InjectionStaysOneLiteral", SqlText("A = '", QStringLiteral("';DELETE CG18_DITTE--"), "'"),
              "A = ''';DELETE CG18_DITTE--'"},
        Built{"LiteralPiecesAsTheyStand", SqlText("<>''"), "<>''"},
        Built{"PieceBeyondAsciiReadAsUtf8", SqlText("'Giù' + '", QStringLiteral("più"), "'"),
              QStringLiteral("'Giù' + 'più'")},
        Built{"BuiltTextAsItIs", SqlText("IN ", SqlText::verbatim(QStringLiteral("('A', 'B')"))), "IN ('A', 'B')"},
        Built{"QuotedValue", automation::sqlQuoted(QStringLiteral("it's")), "'it''s'"},
        Built{
            "DecodeWithAnApostrophe", VariantStatements::defaultValueDecode("1", "A0", QStringLiteral("L'A")),
            " SELECT    MG5E_DESCR FROM    MG5E_OPZIONI WHERE    MG5E_DITTA_CG18 = 1 AND    MG5E_CODICEVAR_MG5F = 'A0' "
            "AND     MG5E_OPZIONE = 'L''A'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
