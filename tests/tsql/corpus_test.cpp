// The statements the console sends, and T-SQL beyond them, run through the T-SQL dialect on the demo
// database: each must give the rows, the count or the error SQL Server gives (corpus/README.md). Every case
// runs three ways: on the dialect itself, through a data-layer connection on the embedded engine, and
// through one on Debian's SQLite ODBC driver with the translation on.
#include "corpus_reader.h"
#include "demo_database.h"

#include "ado/connection.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/dialect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

enum class Engine { Dialect, Embedded, Odbc };

const char* engineName(Engine engine) {
    switch (engine) {
    case Engine::Dialect: return "Dialect";
    case Engine::Embedded: return "Embedded";
    case Engine::Odbc: return "Odbc";
    }
    return "";
}

void PrintTo(Engine engine, std::ostream* out) { *out << engineName(engine); }

// Runs statement text on one connection to the database, the way the engine is given.
class Session {
public:
    Session(Engine engine, const DemoDatabase& database) {
        if (engine == Engine::Dialect) {
            dialect_ = tsql::makeTsqlDialect(database.handle());
            return;
        }
        connection_ = std::make_shared<ado::Connection>();
        connection_->open(engine == Engine::Embedded
                              ? QStringLiteral("Provider=SQLite;Data Source=%1").arg(database.path())
                              : QStringLiteral("Driver=SQLite3;Database=%1;Dialect=SQLite").arg(database.path()));
    }

    tsql::BatchResult execute(const QString& text) {
        return dialect_ ? dialect_->execute(text) : connection_->executeText(text);
    }

private:
    std::unique_ptr<tsql::Dialect> dialect_;
    std::shared_ptr<ado::Connection> connection_;
};

// A value in the corpus notation: NULL, 12, 1.5, 'text'.
QString notation(const QVariant& v) {
    if (automation::isNull(v) || automation::isEmpty(v))
        return QStringLiteral("NULL");
    switch (v.metaType().id()) {
    case QMetaType::LongLong: return QString::number(v.toLongLong());
    case QMetaType::Double: return QString::number(v.toDouble(), 'g', 15);
    default: {
        QString text = v.toString();
        return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    }
    }
}

std::vector<std::string> rendered(const std::vector<std::vector<QString>>& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
        QStringList cells(row.begin(), row.end());
        out.push_back(cells.join(QStringLiteral(" | ")).toStdString());
    }
    return out;
}

void checkRows(const CorpusStatement& s, const tsql::ResultSet& set) {
    std::vector<std::string> columns, origins;
    for (const tsql::Column& c : set.columns) {
        columns.push_back(c.name.toStdString());
        origins.push_back(c.table.isEmpty() ? "-" : (c.table + QLatin1Char('.') + c.origin).toStdString());
    }
    std::vector<std::string> expectedColumns;
    for (const QString& c : s.columns)
        expectedColumns.push_back(c.toStdString());
    EXPECT_EQ(columns, expectedColumns);
    if (!s.origins.empty()) {
        std::vector<std::string> expectedOrigins;
        for (const QString& o : s.origins)
            expectedOrigins.push_back(o.toStdString());
        EXPECT_EQ(origins, expectedOrigins);
    }
    std::vector<std::vector<QString>> actual;
    for (std::size_t r = 0; r < set.rows.size(); ++r) {
        std::vector<QString> row;
        for (std::size_t c = 0; c < set.rows[r].size(); ++c) {
            const bool any = r < s.rows.size() && c < s.rows[r].size() && s.rows[r][c] == QStringLiteral("*");
            row.push_back(any && !automation::isNull(set.rows[r][c]) ? QStringLiteral("*") : notation(set.rows[r][c]));
        }
        actual.push_back(std::move(row));
    }
    std::vector<std::string> got = rendered(actual), want = rendered(s.rows);
    if (s.expect == CorpusStatement::Expect::RowsInAnyOrder) {
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
    }
    EXPECT_EQ(got, want);
}

class Corpus : public testing::TestWithParam<std::tuple<Engine, CorpusCase>> {};

TEST_P(Corpus, GivesWhatSqlServerGives) {
    const auto& [engine, c] = GetParam();
    DemoDatabase database;
    if (!c.setup.isEmpty())
        DemoDatabase::exec(database.handle(), c.setup);
    Session session(engine, database);
    for (const CorpusStatement& s : c.statements) {
        SCOPED_TRACE(QStringLiteral("%1:%2").arg(c.file).arg(s.line).toStdString());
        using Expect = CorpusStatement::Expect;
        if (engine == Engine::Odbc && !s.odbcDeviation.isEmpty()) {
            try {
                session.execute(s.text);  // for what it does to the next statements; its outcome is known to differ
            } catch (const automation::Error&) {
            }
            continue;
        }
        tsql::BatchResult result;
        try {
            result = session.execute(s.text);
        } catch (const automation::Error& e) {
            if (s.expect != Expect::Error) {
                ADD_FAILURE() << "error " << e.number() << ": " << e.description().toStdString();
                continue;
            }
            EXPECT_EQ(e.number(), s.number);
            EXPECT_EQ(e.description().toStdString(), s.description.toStdString());
            continue;
        }
        switch (s.expect) {
        case Expect::Error:
            ADD_FAILURE() << "no error, expected " << s.number << ": " << s.description.toStdString();
            break;
        case Expect::Affected: EXPECT_EQ(result.rowsAffected, s.number); break;
        case Expect::Count:
            ASSERT_FALSE(result.resultSets.empty());
            EXPECT_EQ(static_cast<long long>(result.resultSets.back().rows.size()), s.number);
            break;
        case Expect::Rows:
        case Expect::RowsInAnyOrder:
            ASSERT_FALSE(result.resultSets.empty()) << "no result set";
            checkRows(s, result.resultSets.back());
            break;
        case Expect::Ok: break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Statements, Corpus,
                         testing::Combine(testing::Values(Engine::Dialect, Engine::Embedded, Engine::Odbc),
                                          testing::ValuesIn(CorpusReader::readFolder(TSQL_CORPUS_DIR))),
                         [](const testing::TestParamInfo<std::tuple<Engine, CorpusCase>>& info) {
                             return std::string(engineName(std::get<0>(info.param))) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
