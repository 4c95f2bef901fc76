#include "ado/odbc/odbc_target.h"

#include "ado/odbc/odbc_statement.h"
#include "automation/error.h"

namespace ado {

std::unique_ptr<tsql::SqlTarget::Statement> OdbcTarget::prepare(const std::string& sql, bool) {
    auto statement = std::make_unique<OdbcStatement>(connection_, sqliteBackend_);
    statement->prepare(QString::fromStdString(sql));
    return statement;
}

std::vector<std::string> OdbcTarget::columnsOf(const std::string& query) {
    OdbcStatement statement(connection_, sqliteBackend_);
    statement.prepare(QString::fromStdString(query));
    return statement.columnNames();
}

void OdbcTarget::runQuietly(const std::string& sql) noexcept {
    try {
        OdbcStatement(connection_, sqliteBackend_).execute(QString::fromStdString(sql));
    } catch (const automation::Error&) {
        // Clean-up: what could not be done now is done by a later connection.
    }
}

}  // namespace ado
