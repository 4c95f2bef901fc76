// The data layer's cost next to the same work done with raw sqlite3 prepared statements: walking a
// 10,000-row result reading every field, and 1,000 single-row updates; and filtering that result.
#include "ado/connection.h"
#include "ado/recordset.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace {

constexpr int Rows = 10000;
constexpr int Updates = 1000;

const char* const WalkSql = "SELECT ID, CODE, DESCR, QTY, PRICE FROM BENCH";

// One database for the whole program: a table of Rows rows.
class BenchDatabase {
public:
    BenchDatabase() : path_(dir_.filePath(QStringLiteral("bench.db"))) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_exec(
            db,
            "PRAGMA journal_mode=WAL;"
            "CREATE TABLE BENCH (ID INT PRIMARY KEY, CODE VARCHAR(20), DESCR VARCHAR(40), QTY INT, PRICE FLOAT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)"
            " INSERT INTO BENCH SELECT i, 'C' || i, 'Description of row ' || i, i % 100, i * 0.25 FROM n;",
            nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    std::shared_ptr<ado::Connection> connect() const {
        auto connection = std::make_shared<ado::Connection>();
        connection->open(QStringLiteral("Provider=SQLite;Data Source=%1;Dialect=SQLite").arg(path_));
        return connection;
    }

    // A raw connection with the settings the engine uses.
    sqlite3* connectRaw() const {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;", nullptr,
                     nullptr, nullptr);
        return db;
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

const BenchDatabase& database() {
    static const BenchDatabase db;
    return db;
}

void BM_WalkRecordset(benchmark::State& state) {
    auto connection = database().connect();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.open(QString::fromLatin1(WalkSql), connection);
        const int fields = rs.fields().count();
        for (; !rs.isEof(); rs.moveNext()) {
            for (int i = 0; i < fields; ++i)
                benchmark::DoNotOptimize(rs.value(i));
        }
    }
}

void BM_WalkRaw(benchmark::State& state) {
    sqlite3* db = database().connectRaw();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, WalkSql, -1, &stmt, nullptr);
    for (auto _ : state) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int64(stmt, 0));
            for (int i : {1, 2}) {
                benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                                           sqlite3_column_bytes(stmt, i)));
            }
            benchmark::DoNotOptimize(sqlite3_column_int64(stmt, 3));
            benchmark::DoNotOptimize(sqlite3_column_double(stmt, 4));
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

// Filtering the walked rows: every row tested against a condition on one of its fields.
void BM_FilterRecordset(benchmark::State& state) {
    auto connection = database().connect();
    ado::Recordset rs;
    rs.open(QString::fromLatin1(WalkSql), connection);
    for (auto _ : state) {
        rs.setFilter(QStringLiteral("QTY = 5"));
        benchmark::DoNotOptimize(rs.recordCount());
    }
}

void BM_UpdateRecordset(benchmark::State& state) {
    auto connection = database().connect();
    qint64 round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ado::Recordset rs;
        rs.open(QStringLiteral("SELECT ID, CODE, DESCR, QTY, PRICE FROM BENCH WHERE ID <= %1").arg(Updates), connection,
                ado::CursorType::Static, ado::LockType::Optimistic);
        ++round;
        state.ResumeTiming();
        for (; !rs.isEof(); rs.moveNext()) {
            rs.setValue(QStringLiteral("QTY"), round);
            rs.update();
        }
    }
}

void BM_UpdateRaw(benchmark::State& state) {
    sqlite3* db = database().connectRaw();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "UPDATE BENCH SET QTY = ? WHERE ID = ?", -1, &stmt, nullptr);
    qint64 round = 0;
    for (auto _ : state) {
        ++round;
        for (int id = 1; id <= Updates; ++id) {
            sqlite3_bind_int64(stmt, 1, round);
            sqlite3_bind_int64(stmt, 2, id);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

}  // namespace

// The walk pair is compared by the ratio of their medians: ten repetitions each (a count given here wins over
// --benchmark_repetitions).
BENCHMARK(BM_WalkRecordset)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_WalkRaw)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_FilterRecordset)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateRecordset)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateRaw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
