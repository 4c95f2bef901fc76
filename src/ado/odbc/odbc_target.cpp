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

std::optional<long long> OdbcTarget::schemaVersion() {
    if (!sqliteBackend_)
        return std::nullopt;
    try {
        if (!schemaVersion_)
            schemaVersion_ = prepare("PRAGMA schema_version", true);
        tsql::ResultSet result;
        schemaVersion_->run(&result);
        if (result.rows.size() == 1)
            return result.rows.front().at(0).toLongLong();
    } catch (const automation::Error&) {
        // A driver that does not pass the pragma through: changes made elsewhere go unseen.
    }
    return std::nullopt;
}

}  // namespace ado
