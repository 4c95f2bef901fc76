// Mutated corpus statements run through the T-SQL dialect on the demo database: every one must end in a
// result or an automation error within a second; the process must never go down. The test command runs a
// short pass with a fixed seed; a longer one is run by hand (README: TSQL_FUZZ_ITERATIONS, TSQL_FUZZ_SEED,
// TSQL_FUZZ_LAST).
#include "corpus_reader.h"
#include "demo_database.h"

#include "automation/error.h"
#include "tsql/dialect.h"
#include "tsql/lexer.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// What a mutation may put into a statement: boundary values, operators, keywords, and runs long enough to
// reach the dialect's limits.
const std::vector<std::string>& fragments() {
    static const std::vector<std::string> list = {
        "1e309",
        "1e-400",
        "2147483648",
        "9223372036854775808",
        "123456789012345678901234567890",
        "0",
        "-0",
        "''",
        "'abc'",
        "N'perché'",
        "'  '",
        "'%'",
        "'[a-'",
        "NULL",
        "1.50",
        ".5",
        "5.",
        "+",
        "-",
        "*",
        "/",
        "%",
        "&",
        "|",
        "^",
        "~",
        "=",
        "<>",
        "(",
        ")",
        ",",
        "AND",
        "OR",
        "NOT",
        "LIKE",
        "IN",
        "BETWEEN",
        "IS NULL",
        "SELECT",
        "FROM",
        "WHERE",
        "TOP 1",
        "TOP 1e309 PERCENT",
        "DISTINCT",
        "UNION",
        "UNION ALL",
        "ORDER BY 1",
        "GROUP BY 1",
        "CASE WHEN 1 = 1 THEN",
        "END",
        "CAST(1 AS VARCHAR(1))",
        "CONVERT(DECIMAL(38,38), 1)",
        "ISNULL(NULL, NULL)",
        "COALESCE(NULL, 1)",
        "LEN(",
        "SUBSTRING('a', -1, 2)",
        "REPLICATE('x', 9000)",
        "COLLATE Latin1_General_CS_AS",
        "@V",
        "DECLARE @V INT",
        "SET @V = 1",
        "EXECUTE('SELECT 1')",
        "?",
        "FOR XML PATH('')",
        "PIVOT",
        "OVER ()",
        "--",
        "/*",
        "*/",
        "[",
        "]",
        "\"",
        "'",
        "N'",
        ";",
        "GO",
        "0x",
        "0x1A",
        "N''",
        "''''",
        "1e308",
        "-9223372036854775808",
        "N'\xF0\x9F\x98\x80'",
        "[aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa]",
        "TOP 0",
        "TOP (-1)",
        "OFFSET 0 ROWS",
        "OFFSET -1 ROWS FETCH NEXT 0 ROWS ONLY",
        "CONVERT(VARCHAR(30), GETDATE(), 121)",
        "CONVERT(DATETIME, '31/12/2024', 103)",
        "CASE 1 WHEN 1 THEN",
        "(SELECT 1)",
        "ROUND(1.5, -40)",
        "ROUND(2147483647, -1, 1)",
        "FLOOR(",
        "IIF(1 = 1,",
        "CHOOSE(-2147483648,",
        "STR(1e308, 8000, 16)",
        "QUOTENAME(",
        "ISNUMERIC('$')",
        "CONCAT_WS(NULL,",
        "NCHAR(55296)",
    };
    return list;
}

std::string repeated(const std::string& term, std::size_t times) {
    std::string out;
    out.reserve(term.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += term;
    return out;
}

// One mutation of a statement, chosen by the generator: at a token boundary (or anywhere, when the text
// does not lex) insert, delete, duplicate or swap tokens, splice another statement in, add a long run, or
// nest a part deeply.
class Mutator {
public:
    Mutator(std::vector<std::string> statements, unsigned seed) : statements_(std::move(statements)), random_(seed) {}

    std::string next() {
        std::string text = pick(statements_);
        const int mutations = 1 + static_cast<int>(below(3));
        for (int m = 0; m < mutations; ++m)
            text = mutate(text);
        return text;
    }

private:
    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    template <typename T>
    const T& pick(const std::vector<T>& list) {
        return list[below(list.size())];
    }

    std::vector<std::size_t> boundaries(const std::string& text) {
        std::vector<std::size_t> out;
        try {
            lexer_.tokenize(text);
            for (const tsql::Token& t : lexer_.tokens()) {
                out.push_back(t.offset);
                out.push_back(t.offset + t.length);
            }
        } catch (const automation::Error&) {
            for (std::size_t i = 0; i <= text.size(); ++i)
                out.push_back(i);
        }
        if (out.empty())
            out.push_back(0);
        return out;
    }

    std::string mutate(const std::string& text) {
        const std::vector<std::size_t> at = boundaries(text);
        std::size_t a = pick(at), b = pick(at);
        if (a > b)
            std::swap(a, b);
        switch (below(8)) {
        case 0: return text.substr(0, a) + ' ' + pick(fragments()) + ' ' + text.substr(a);
        case 1: return text.substr(0, a) + text.substr(b);
        case 2: return text.substr(0, b) + ' ' + text.substr(a, b - a) + text.substr(b);
        case 3: {
            const std::string& other = pick(statements_);
            const std::size_t from = below(other.size() + 1);
            return text.substr(0, a) + ' ' + other.substr(from, below(other.size() - from + 1)) + ' ' + text.substr(b);
        }
        case 4: {
            static const std::vector<std::string> terms = {"+1", "*1", " AND 1=1", " OR 1=0", "+'a'", "-1", "/1", "&1"};
            const std::size_t times = std::size_t{1} << below(17);  // up to 65,536 terms
            return text.substr(0, a) + " 1" + repeated(pick(terms), times) + ' ' + text.substr(a);
        }
        case 5: {
            const std::size_t depth = std::size_t{1} << below(10);
            return text.substr(0, a) + repeated("(", depth) + text.substr(a, b - a) + repeated(")", depth) +
                   text.substr(b);
        }
        case 6: {
            // A part wrapped in nested operators, functions, CASE or subqueries: each level's types are read
            // from the level below.
            static const std::vector<std::pair<std::string, std::string>> levels = {
                {"1+(2*", ")"}, {"CASE WHEN 1=1 THEN ", " END"}, {"(SELECT ", ")"},  {"ABS(", ")"}, {"~", ""},
                {"NOT ", ""},   {"IIF(1=1, ", ", 0)"},           {"ROUND(", ", 0)"}, {"'a'+(", ")"}};
            const auto& [open, close] = pick(levels);
            const std::size_t depth = std::size_t{1} << below(8);
            return text.substr(0, a) + repeated(open, depth) + text.substr(a, b - a) + repeated(close, depth) +
                   text.substr(b);
        }
        default: return text.substr(0, a) + text.substr(a, b - a) + text.substr(a, b - a) + text.substr(b);
        }
    }

    std::vector<std::string> statements_;
    std::mt19937 random_;
    tsql::Lexer lexer_;
};

long environment(const char* name, long otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : otherwise;
}

TEST(Fuzz, MutatedCorpusStatementsEndInAResultOrAnErrorWithinASecond) {
    std::vector<std::string> statements;
    for (const CorpusCase& c : CorpusReader::readFolder(QStringLiteral(TSQL_CORPUS_DIR))) {
        for (const CorpusStatement& s : c.statements)
            statements.push_back(s.text.toStdString());
    }
    ASSERT_FALSE(statements.empty());
    const long iterations = environment("TSQL_FUZZ_ITERATIONS", 600);
    const auto seed = static_cast<unsigned>(environment("TSQL_FUZZ_SEED", 18));
    const char* last = std::getenv("TSQL_FUZZ_LAST");  // where each statement is written before it runs

    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    Mutator mutator(std::move(statements), seed);
    for (long i = 0; i < iterations; ++i) {
        const std::string text = mutator.next();
        if (last) {
            QFile file(QString::fromLocal8Bit(last));
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write(text.data(), static_cast<qint64>(text.size()));
        }
        const auto start = std::chrono::steady_clock::now();
        try {
            dialect->execute(QString::fromStdString(text));
        } catch (const automation::Error&) {
            // refused or failed as SQL Server would: fine
        } catch (const std::exception& e) {
            ADD_FAILURE() << "seed " << seed << ", statement " << i << ": " << e.what() << "\n" << text.substr(0, 300);
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, std::chrono::seconds(1)) << "seed " << seed << ", statement " << i << "\n"
                                                    << text.substr(0, 300);
    }
}

}  // namespace
