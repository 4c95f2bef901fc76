// The T-SQL dialect's cost: translating the corpus statements (cold, and found again in the cache), and
// running the console's text against the equivalent hand-written SQLite prepared statement, both
// reading their rows into a result set: a single-row SELECT by key and a single-row UPDATE.
#include "corpus_reader.h"

#include "suite/db/suite_database.h"
#include "tsql/dialect.h"
#include "tsql/lexer.h"
#include "tsql/sqlite_statement.h"
#include "tsql/sqlite_target.h"
#include "tsql/translation_cache.h"
#include "tsql/translator.h"

#include "automation/error.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace {

// The demo database, opened as the data layer opens a suite connection.
class Database {
public:
    Database() {
        const QString path = dir_.filePath(QStringLiteral("demo.db"));
        suite::db::createSuiteDatabase(path, true);
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;", nullptr,
                     nullptr, nullptr);
        tsql::registerExtensions(db_);
    }
    ~Database() { sqlite3_close(db_); }
    sqlite3* handle() const { return db_; }

private:
    QTemporaryDir dir_;
    sqlite3* db_ = nullptr;
};

Database& database() {
    static Database db;
    return db;
}

// Every statement of the corpus that translates (the error cases are left out), as UTF-8.
const std::vector<std::string>& corpusStatements() {
    static const std::vector<std::string> statements = [] {
        std::vector<std::string> out;
        tsql::SqliteTarget target(database().handle());
        tsql::Translator translator(target);
        tsql::Lexer lexer;
        for (const CorpusCase& c : CorpusReader::readFolder(QStringLiteral(TSQL_CORPUS_DIR))) {
            for (const CorpusStatement& s : c.statements) {
                std::string text = s.text.toStdString();
                try {
                    lexer.tokenize(text);
                    translator.translate(lexer);
                    out.push_back(std::move(text));
                } catch (const automation::Error&) {
                }
            }
        }
        return out;
    }();
    return statements;
}

void TranslateCold(benchmark::State& state) {
    const auto& statements = corpusStatements();
    tsql::SqliteTarget target(database().handle());
    tsql::Translator translator(target);
    tsql::Lexer lexer;
    for (auto _ : state) {
        for (const std::string& text : statements) {
            lexer.tokenize(text);
            benchmark::DoNotOptimize(translator.translate(lexer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(statements.size()));
    state.counters["statements"] = static_cast<double>(statements.size());
}
BENCHMARK(TranslateCold)->Unit(benchmark::kMicrosecond);

void TranslateCached(benchmark::State& state) {
    const auto& statements = corpusStatements();
    tsql::SqliteTarget target(database().handle());
    tsql::Translator translator(target);
    tsql::TranslationCache cache;
    tsql::Lexer lexer;
    for (const std::string& text : statements) {
        lexer.tokenize(text);
        if (!cache.find(lexer))
            cache.insert(lexer, translator.translate(lexer));
    }
    for (auto _ : state) {
        for (const std::string& text : statements) {
            lexer.tokenize(text);
            benchmark::DoNotOptimize(cache.find(lexer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(statements.size()));
}
BENCHMARK(TranslateCached)->Unit(benchmark::kMicrosecond);

// Decode_CODICEVAR_MG5F of each dimension of company 1 in turn, as the console writes it.
const std::vector<QString>& selectTexts() {
    static const std::vector<QString> texts = [] {
        std::vector<QString> out;
        for (const char* code : {"A0", "A1", "A2", "A3", "A4", "A5"}) {
            out.push_back(QStringLiteral("SELECT MG5F_DESCR_VAR\r\n   FROM\r\n    MG5F_DIMECONF\r\nWHERE\r\n"
                                         "    MG5F_DITTA_CG18 = 1     AND MG5F_CODICEVAR = '%1'")
                              .arg(QLatin1String(code)));
        }
        return out;
    }();
    return texts;
}

void SelectByKeyTsql(benchmark::State& state) {
    const auto dialect = tsql::makeTsqlDialect(database().handle());
    const auto& texts = selectTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        const tsql::BatchResult result = dialect->execute(texts[i++ % texts.size()]);
        benchmark::DoNotOptimize(result.resultSets.back().rows.size());
    }
}
BENCHMARK(SelectByKeyTsql);

void SelectByKeySqlite(benchmark::State& state) {
    sqlite3* db = database().handle();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v3(db, "SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = ? AND MG5F_CODICEVAR = ?",
                       -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    const char* codes[] = {"A0", "A1", "A2", "A3", "A4", "A5"};
    std::size_t i = 0;
    for (auto _ : state) {
        sqlite3_bind_int64(stmt, 1, 1);
        sqlite3_bind_text(stmt, 2, codes[i++ % 6], 2, SQLITE_STATIC);
        tsql::ResultSet rows;
        tsql::stepToEnd(db, stmt, &rows);
        benchmark::DoNotOptimize(rows.rows.size());
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(SelectByKeySqlite);

// GRD_RAGGR_MG5H_OnEdited's update of one composition row, its description changing every time.
constexpr int descriptions = 64;

void UpdateByKeyTsql(benchmark::State& state) {
    const auto dialect = tsql::makeTsqlDialect(database().handle());
    std::vector<QString> texts;
    for (int n = 0; n < descriptions; ++n) {
        texts.push_back(
            QStringLiteral("   UPDATE MG5H_COMPRAGVAR\r\n   SET\r\n       MG5H_DESCR = 'Grigio %1'\r\n   WHERE\r\n"
                           "       MG5H_DITTA_CG18 = 1 AND\r\n       MG5H_CODICEVAR_MG5F = 'A0' AND\r\n"
                           "       MG5H_RAGGR_MG5G = 'CLASSICI' AND\r\n       MG5H_SEQOPZIONE = 3 AND\r\n"
                           "       MG5H_OPZIONE_MG5E = 'GRI'")
                .arg(n));
    }
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(dialect->execute(texts[i++ % texts.size()]).rowsAffected);
}
BENCHMARK(UpdateByKeyTsql);

void UpdateByKeySqlite(benchmark::State& state) {
    sqlite3* db = database().handle();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v3(
        db,
        "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = ? WHERE MG5H_DITTA_CG18 = ? AND MG5H_CODICEVAR_MG5F = ? "
        "AND MG5H_RAGGR_MG5G = ? AND MG5H_SEQOPZIONE = ? AND MG5H_OPZIONE_MG5E = ?",
        -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    std::vector<std::string> values;
    for (int n = 0; n < descriptions; ++n)
        values.push_back("Grigio " + std::to_string(n));
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& description = values[i++ % values.size()];
        sqlite3_bind_text(stmt, 1, description.data(), static_cast<int>(description.size()), SQLITE_STATIC);
        sqlite3_bind_int64(stmt, 2, 1);
        sqlite3_bind_text(stmt, 3, "A0", 2, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 4, "CLASSICI", 8, SQLITE_STATIC);
        sqlite3_bind_int64(stmt, 5, 3);
        sqlite3_bind_text(stmt, 6, "GRI", 3, SQLITE_STATIC);
        benchmark::DoNotOptimize(tsql::stepToEnd(db, stmt, nullptr));
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(UpdateByKeySqlite);

// The sidebar's enabling query (3.3 KB, the first case of the corpus's sidebar.txt) run again and again as the
// console runs it, against the SQLite statement it translates to, prepared once with its literals bound.
const QString& sidebarText() {
    static const QString text = [] {
        for (const CorpusCase& c : CorpusReader::readFolder(QStringLiteral(TSQL_CORPUS_DIR))) {
            if (c.file.endsWith(QStringLiteral("sidebar.txt")))
                return c.statements.front().text;
        }
        return QString();
    }();
    return text;
}

void SidebarTsql(benchmark::State& state) {
    const auto dialect = tsql::makeTsqlDialect(database().handle());
    const QString& text = sidebarText();
    for (auto _ : state)
        benchmark::DoNotOptimize(dialect->execute(text).resultSets.back().rows.size());
    state.counters["bytes"] = static_cast<double>(text.toUtf8().size());
}
BENCHMARK(SidebarTsql);

void SidebarSqlite(benchmark::State& state) {
    sqlite3* db = database().handle();
    const std::string text = sidebarText().toStdString();
    tsql::SqliteTarget target(db);
    tsql::Translator translator(target);
    tsql::Lexer lexer;
    lexer.tokenize(text);
    const tsql::ProgramPtr program = translator.translate(lexer);
    const tsql::Program::Step& step = program->steps.front();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v3(db, step.sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    std::vector<long long> values;  // the query's literals are all integers
    for (const tsql::Program::Binding& b : step.bindings)
        values.push_back(std::stoll(lexer.literalValue(b.index)));
    for (auto _ : state) {
        for (std::size_t i = 0; i < values.size(); ++i)
            sqlite3_bind_int64(stmt, static_cast<int>(i + 1), values[i]);
        tsql::ResultSet rows;
        tsql::stepToEnd(db, stmt, &rows);
        benchmark::DoNotOptimize(rows.rows.size());
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(SidebarSqlite);

// A grouping's options counted, summed and averaged by grouping, against SQLite's own aggregates on the
// same rows (an int's average truncated as the dialect's is).
void GroupedSumsTsql(benchmark::State& state) {
    const auto dialect = tsql::makeTsqlDialect(database().handle());
    const QString text = QStringLiteral(
        "SELECT MG5H_RAGGR_MG5G, COUNT(*) AS N, SUM(MG5H_SEQOPZIONE) AS S, AVG(MG5H_SEQOPZIONE) AS A "
        "FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = 1 GROUP BY MG5H_RAGGR_MG5G");
    for (auto _ : state)
        benchmark::DoNotOptimize(dialect->execute(text).resultSets.back().rows.size());
}
BENCHMARK(GroupedSumsTsql);

void GroupedSumsSqlite(benchmark::State& state) {
    sqlite3* db = database().handle();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v3(db,
                       "SELECT MG5H_RAGGR_MG5G, count(*), sum(MG5H_SEQOPZIONE), CAST(avg(MG5H_SEQOPZIONE) AS INTEGER) "
                       "FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = ? GROUP BY MG5H_RAGGR_MG5G",
                       -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    for (auto _ : state) {
        sqlite3_bind_int64(stmt, 1, 1);
        tsql::ResultSet rows;
        tsql::stepToEnd(db, stmt, &rows);
        benchmark::DoNotOptimize(rows.rows.size());
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(GroupedSumsSqlite);

// What each connection pays to have the dialect's collations and functions: an in-memory database opened,
// given them and closed.
void OpenWithExtensions(benchmark::State& state) {
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        tsql::registerExtensions(db);
        sqlite3_close(db);
    }
}
BENCHMARK(OpenWithExtensions)->Unit(benchmark::kMicrosecond);

void OpenWithout(benchmark::State& state) {
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        sqlite3_close(db);
    }
}
BENCHMARK(OpenWithout)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
