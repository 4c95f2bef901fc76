#pragma once

#include "tsql/sql_target.h"
#include "tsql/sqlite_statement.h"

struct sqlite3;

namespace tsql {

// The embedded engine's target: statements prepared on one SQLite connection, which the caller keeps open
// while the target and its statements live. Values are read as stepToEnd() reads them.
class SqliteTarget final : public SqlTarget {
public:
    explicit SqliteTarget(sqlite3* db);

    std::unique_ptr<Statement> prepare(const std::string& sql, bool persistent) override;
    std::vector<std::string> columnsOf(const std::string& query) override;
    void runQuietly(const std::string& sql) noexcept override;
    std::optional<long long> schemaVersion() override;
    bool canWatchSchema() const override { return true; }
    void watchSchema(bool on) override { watching_ = on; }

private:
    sqlite3* db_;
    StatementHandle schemaVersion_;  // prepared on first use
    bool watching_ = false;
};

}  // namespace tsql
