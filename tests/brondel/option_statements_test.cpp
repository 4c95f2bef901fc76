#include "brondel/options/option_statements.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <functional>

namespace {

using brondel::OptionStatements;

// The statements of a case of the options corpus, in order: the "|" lines after each "sql:" joined by CR LF.
QStringList corpusStatements(const QString& caseName) {
    QFile corpus(QStringLiteral(BRONDEL_TSQL_CORPUS "/options.txt"));
    if (!corpus.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    QStringList lines;
    bool inCase = false;
    bool inSql = false;
    const auto flush = [&] {
        if (!lines.isEmpty())
            statements << lines.join(QStringLiteral("\r\n"));
        lines.clear();
    };
    for (const QString& line : QString::fromUtf8(corpus.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("case: "))) {
            flush();
            if (inCase)
                break;
            inCase = line.mid(6) == caseName;
            inSql = false;
        } else if (inCase && line == QLatin1String("sql:")) {
            flush();
            inSql = true;
        } else if (inCase && inSql && line.startsWith(QLatin1Char('|'))) {
            lines << line.mid(1);
        } else if (inCase && inSql) {
            flush();
            inSql = false;
        }
    }
    flush();
    return statements;
}

// A statement as the corpus runs it against SQL Server's answers, and the same built by OptionStatements.
struct CorpusStatement {
    const char* name;
    const char* corpusCase;
    int index;
    std::function<QString()> built;
};

void PrintTo(const CorpusStatement& statement, std::ostream* out) { *out << statement.name; }

class OptionStatementText : public ::testing::TestWithParam<CorpusStatement> {};

TEST_P(OptionStatementText, IsTheCorpusStatementByteForByte) {
    const CorpusStatement& c = GetParam();
    const QStringList statements = corpusStatements(QString::fromUtf8(c.corpusCase));
    ASSERT_GT(statements.size(), c.index) << c.corpusCase;
    EXPECT_EQ(c.built().toStdString(), statements.at(c.index).toStdString());
}

const OptionStatements::LanguageRow frenchRed{"1", "A0", "ROS", "FRA"};
const OptionStatements::CustomerSupplierRow customerBlack{"1", "A0", "NER", "0", "1001"};
const OptionStatements::CustomerSupplierRow customerWhite{"1", "A0", "BIA", "0", "1001"};

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionStatementText,
    ::testing::Values(
        CorpusStatement{"FrameRows", "options frame of a dimension, written back to MG5E_OPZIONI", 0,
                        [] { return OptionStatements::frameRows("1", "A4"); }},
        CorpusStatement{"CreateLanguageTable", "language working table: created, truncated, filled and read back", 0,
                        [] { return OptionStatements::createLanguageTable("##LINGUA_0A1B2C"); }},
        CorpusStatement{"Truncate", "language working table: created, truncated, filled and read back", 1,
                        [] { return OptionStatements::truncate("##LINGUA_0A1B2C"); }},
        CorpusStatement{"CreateCustomerSupplierTable",
                        "customer working table: the same code as a supplier is another party", 0,
                        [] { return OptionStatements::createCustomerSupplierTable("##CLIFOR_0A1B2C"); }},
        CorpusStatement{
            "FillCustomerSupplierTable", "customer working table: one row per option, with the customer's description",
            2, [] { return OptionStatements::fillCustomerSupplierTable("##CLIFOR_0A1B2C", "2", "0", "1001"); }},
        CorpusStatement{"DeleteLanguageDescription", "language description cleared: the row goes", 0,
                        [] { return OptionStatements::deleteLanguageDescription(frenchRed); }},
        CorpusStatement{"LanguageDescriptionExists", "language description cleared: the row goes", 1,
                        [] { return OptionStatements::languageDescriptionExists(frenchRed); }},
        CorpusStatement{
            "UpdateLanguageDescription", "language description that exists is updated with a national literal", 1,
            [] {
                return OptionStatements::updateLanguageDescription({"1", "A0", "ROS", "ENG"}, " Scarlet's red  ");
            }},
        CorpusStatement{"InsertLanguageDescription", "language description that does not exist is inserted", 1,
                        [] {
                            return OptionStatements::insertLanguageDescription({"1", "A0", "GIA", "DEU"}, "Gelb");
                        }},
        CorpusStatement{"DeleteCustomerSupplierDescription", "customer description: cleared, updated and inserted", 0,
                        [] { return OptionStatements::deleteCustomerSupplierDescription(customerBlack); }},
        CorpusStatement{"CustomerSupplierDescriptionExists", "customer description: cleared, updated and inserted", 1,
                        [] { return OptionStatements::customerSupplierDescriptionExists(customerWhite); }},
        CorpusStatement{
            "UpdateCustomerSupplierDescription", "customer description: cleared, updated and inserted", 2,
            [] { return OptionStatements::updateCustomerSupplierDescription(customerWhite, "Bianco d'avorio"); }},
        CorpusStatement{"InsertCustomerSupplierDescription", "customer description: cleared, updated and inserted", 4,
                        [] {
                            return OptionStatements::insertCustomerSupplierDescription({"1", "A0", "ROS", "0", "1001"},
                                                                                       "Rosso fuoco");
                        }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionStatementValues, NumberWrittenUnquotedRefusesAnythingElse) {
    EXPECT_ANY_THROW(OptionStatements::fillCustomerSupplierTable("##CLIFOR_X", "1", "0", "1 OR 1=1"));
    EXPECT_NO_THROW(OptionStatements::fillCustomerSupplierTable("##CLIFOR_X", "1", "0", "1001"));
}

}  // namespace
