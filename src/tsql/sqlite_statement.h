#pragma once

#include "tsql/result.h"

#include <QString>
#include <QVariant>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tsql {

// Turns the current SQLite error of db into an automation::Error and throws it.
[[noreturn]] void throwSqliteError(sqlite3* db, int code);

// Binds values (Null, Empty, integers, doubles, booleans, text, bytes) to a prepared statement, 1-based.
void bindValues(sqlite3* db, sqlite3_stmt* stmt, const std::vector<QVariant>& values);
void bindValue(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& value);

// Column i of the current row as a QVariant: Null, qint64, double, QString or QByteArray.
QVariant columnValue(sqlite3_stmt* stmt, int i);

struct FinalizeStatement {
    void operator()(sqlite3_stmt* stmt) const;
};
// A prepared statement that finalizes itself.
using StatementHandle = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// Steps a prepared, bound statement to its end. Rows and column descriptions go to the result set when
// the statement has columns; returns sqlite3_changes() for statements that wrote rows, -1 otherwise.
long long stepToEnd(sqlite3* db, sqlite3_stmt* stmt, ResultSet* rows);

// Prepared statements kept per exact SQL text (least recently used dropped past a bound), so that a
// statement run again is neither parsed nor planned again.
class StatementCache {
public:
    explicit StatementCache(sqlite3* db, std::size_t capacity = 256);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    sqlite3* database() const { return db_; }

    // A reset, unbound statement for exactly this single-statement SQL text, prepared on first use.
    sqlite3_stmt* prepare(const std::string& sql);

    // Runs every statement of a text; parameters bind to each statement that has placeholders.
    // With single, a text holding more than one statement is refused before any runs.
    BatchResult runText(const QString& text, const std::vector<QVariant>& parameters, bool single = false);

    void clear();

private:
    sqlite3* db_;
    std::size_t capacity_;
    std::list<std::string> order_;  // most recently used first
    struct Entry {
        sqlite3_stmt* stmt;
        std::list<std::string>::iterator pos;
    };
    std::unordered_map<std::string, Entry> map_;
};

}  // namespace tsql
