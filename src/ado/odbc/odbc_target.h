#pragma once

#include "tsql/sql_target.h"

#include <sql.h>

namespace ado {

// Translated statements run through an ODBC connection (a SQLite database behind Debian's SQLite ODBC
// driver): prepared with SQLPrepare, values bound with SQLBindParameter, run with SQLExecute, columns
// described with SQLDescribeCol and SQLColAttribute. The connection outlives the target.
class OdbcTarget final : public tsql::SqlTarget {
public:
    OdbcTarget(SQLHDBC connection, bool sqliteBackend) : connection_(connection), sqliteBackend_(sqliteBackend) {}

    std::unique_ptr<Statement> prepare(const std::string& sql, bool persistent) override;
    std::vector<std::string> columnsOf(const std::string& query) override;
    void runQuietly(const std::string& sql) noexcept override;
    std::optional<long long> schemaVersion() override;

private:
    SQLHDBC connection_;
    bool sqliteBackend_;
    std::unique_ptr<Statement> schemaVersion_;  // prepared on first use
};

}  // namespace ado
