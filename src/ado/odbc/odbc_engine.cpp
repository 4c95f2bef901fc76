#include "ado/odbc/odbc_engine.h"

#include "ado/connection_string.h"
#include "ado/odbc/odbc_statement.h"
#include "ado/odbc/odbc_target.h"
#include "automation/error.h"
#include "tsql/dialect.h"
#include "tsql/translation_error.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace ado {

namespace {

const QString ExtensionFile = QStringLiteral("libbrondelsqlite.so");

}  // namespace

QString sqliteExtensionPath() {
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    QStringList candidates;
    if (!program.isEmpty()) {
        const QDir folder = QFileInfo(program).dir();
        candidates << folder.filePath(ExtensionFile) << folder.filePath(QStringLiteral("../lib/") + ExtensionFile);
    }
#ifdef BRONDEL_SQLITE_EXTENSION
    candidates << QStringLiteral(BRONDEL_SQLITE_EXTENSION);
#endif
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

namespace {

// What the driver receives: the caller's string and, when SQLite is to run translated T-SQL and the
// string loads no extension of its own, the suite's extension module.
QString driverString(const QString& text, bool translate) {
    if (!translate || ConnectionString::parse(text).contains(QStringLiteral("loadext")))
        return text;
    const QString extension = sqliteExtensionPath();
    if (extension.isEmpty()) {
        throw automation::Error(automation::errors::ProviderError, OdbcSource,
                                QStringLiteral("The SQLite extension module %1 was not found next to the program; "
                                               "name it with LoadExt=PATH.")
                                    .arg(ExtensionFile));
    }
    QString full = text;
    if (!full.trimmed().endsWith(QLatin1Char(';')))
        full += QLatin1Char(';');
    return full + QStringLiteral("LoadExt=") + extension;
}

}  // namespace

struct OdbcEngine::Private {
    SQLHENV environment = SQL_NULL_HENV;
    SQLHDBC connection = SQL_NULL_HDBC;
    QString dataSource;
    bool sqliteBackend = false;              // SQLite behind the driver: its error codes tell constraint failures
    std::unique_ptr<tsql::Dialect> dialect;  // translation to SQLite; null when text passes unchanged

    void checkConnection(SQLRETURN rc, const QString& what) const {
        if (!odbcSucceeded(rc))
            raiseOdbcError(SQL_HANDLE_DBC, connection, what, sqliteBackend);
    }
    void endTransaction(SQLSMALLINT completion) {
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, connection, completion);
        SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        checkConnection(rc, QStringLiteral("Cannot end the transaction."));
    }
    OdbcStatement statement() const { return OdbcStatement(connection, sqliteBackend); }
};

OdbcEngine::OdbcEngine(const QString& driverConnectionString, bool translateFromTsql)
    : d_(std::make_unique<Private>()) {
    // Name the source without secrets: the DSN or the database file, never the password.
    static const QRegularExpression source(
        QStringLiteral("(?:^|;)\\s*(DSN|Database|Data Source|Server)\\s*=\\s*([^;]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = source.match(driverConnectionString);
    d_->dataSource =
        match.hasMatch() ? match.captured(2).trimmed() : driverConnectionString.section(QLatin1Char(';'), 0, 0);

    if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &d_->environment)))
        throw automation::Error(automation::errors::ProviderError, OdbcSource, QStringLiteral("Cannot start ODBC."));
    SQLSetEnvAttr(d_->environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_DBC, d_->environment, &d_->connection))) {
        SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
        throw automation::Error(automation::errors::ProviderError, OdbcSource, QStringLiteral("Cannot start ODBC."));
    }
    SQLRETURN rc = SQL_ERROR;
    try {
        std::u16string text = odbcText(driverString(driverConnectionString, translateFromTsql));
        rc = SQLDriverConnectW(d_->connection, nullptr, odbcChars(text), static_cast<SQLSMALLINT>(text.size()), nullptr,
                               0, nullptr, SQL_DRIVER_NOPROMPT);
        if (!odbcSucceeded(rc))
            raiseOdbcError(SQL_HANDLE_DBC, d_->connection, QStringLiteral("Cannot connect."), false);
        SQLWCHAR dbms[64] = {};
        SQLSMALLINT length = 0;
        if (odbcSucceeded(SQLGetInfoW(d_->connection, SQL_DBMS_NAME, dbms, sizeof(dbms), &length)))
            d_->sqliteBackend = fromOdbcText(dbms, length / 2).startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive);
        if (translateFromTsql) {
            // Set up as the embedded engine sets up its connections: foreign keys enforced.
            d_->statement().execute(QStringLiteral("PRAGMA foreign_keys = ON"));
            d_->dialect = tsql::makeTsqlDialect(std::make_unique<OdbcTarget>(d_->connection, d_->sqliteBackend));
        }
    } catch (const automation::Error& error) {
        if (odbcSucceeded(rc))
            SQLDisconnect(d_->connection);
        SQLFreeHandle(SQL_HANDLE_DBC, d_->connection);
        SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
        throw automation::Error(
            error.number(), error.source(),
            QStringLiteral("Cannot open the ODBC data source '%1': %2").arg(d_->dataSource, error.description()));
    }
}

OdbcEngine::~OdbcEngine() {
    d_->dialect.reset();  // its statements and ##tables go while the connection is open
    SQLDisconnect(d_->connection);
    SQLFreeHandle(SQL_HANDLE_DBC, d_->connection);
    SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
}

QString OdbcEngine::dataSource() const { return d_->dataSource; }

tsql::BatchResult OdbcEngine::execute(const QString& text) {
    if (d_->dialect)
        return d_->dialect->execute(text);
    return d_->statement().execute(text);
}

tsql::BatchResult OdbcEngine::executeStatement(const QString& text) {
    if (d_->dialect)
        return d_->dialect->executeStatement(text);
    if (tsql::statementCount(text) > 1)
        tsql::raiseMoreThanOneStatement();
    return d_->statement().execute(text);
}

tsql::BatchResult OdbcEngine::executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) {
    OdbcStatement statement = d_->statement();
    statement.prepare(sql);
    for (std::size_t i = 0; i < parameters.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, parameters[i]);
    tsql::BatchResult result;
    tsql::ResultSet rows;
    result.rowsAffected = statement.run(&rows);
    if (!rows.columns.empty())
        result.resultSets.push_back(std::move(rows));
    return result;
}

QStringList OdbcEngine::primaryKey(const QString& table) {
    OdbcStatement statement = d_->statement();
    std::u16string name = odbcText(table);
    statement.check(SQLPrimaryKeysW(statement.handle(), nullptr, 0, nullptr, 0, odbcChars(name),
                                    static_cast<SQLSMALLINT>(name.size())),
                    QStringLiteral("Cannot read the primary key of %1.").arg(table));
    tsql::ResultSet catalog;
    statement.readResultSet(catalog);
    // Columns 4 (COLUMN_NAME) and 5 (KEY_SEQ) of the catalog result.
    std::vector<std::pair<int, QString>> columns;
    for (const tsql::Row& row : catalog.rows)
        columns.emplace_back(row[4].toInt(), row[3].toString());
    std::sort(columns.begin(), columns.end());
    QStringList key;
    for (const auto& [sequence, column] : columns)
        key << column;
    return key;
}

void OdbcEngine::beginTransaction() {
    d_->checkConnection(
        SQLSetConnectAttrW(d_->connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
        QStringLiteral("Cannot begin a transaction."));
}

void OdbcEngine::commitTransaction() { d_->endTransaction(SQL_COMMIT); }

void OdbcEngine::rollbackTransaction() { d_->endTransaction(SQL_ROLLBACK); }

// SQL Server names a savepoint with SAVE TRANSACTION and has no release: the work stays in the transaction.
void OdbcEngine::setSavepoint(const QString& name) {
    executeGenerated((d_->sqliteBackend ? QStringLiteral("SAVEPOINT ") : QStringLiteral("SAVE TRANSACTION ")) + name,
                     {});
}

void OdbcEngine::releaseSavepoint(const QString& name) {
    if (d_->sqliteBackend)
        executeGenerated(QStringLiteral("RELEASE ") + name, {});
}

void OdbcEngine::rollbackToSavepoint(const QString& name) {
    executeGenerated(
        (d_->sqliteBackend ? QStringLiteral("ROLLBACK TO ") : QStringLiteral("ROLLBACK TRANSACTION ")) + name, {});
}

QString OdbcEngine::quoteIdentifier(const QString& name) const {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace ado
