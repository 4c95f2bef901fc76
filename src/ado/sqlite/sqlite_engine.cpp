#include "ado/sqlite/sqlite_engine.h"

#include "ado/connection_string.h"
#include "ado/error.h"
#include "automation/error.h"
#include "tsql/dialect.h"

#include <sqlite3.h>

namespace ado {

namespace {

const QString Source = QStringLiteral("SQLite");

[[noreturn]] void badSetting(const QString& what) {
    const automation::Error base = adoError(errors::BadInitString, QStringLiteral("ADODB.Connection"));
    throw automation::Error(base.number(), base.source(), base.description() + QLatin1Char(' ') + what);
}

bool isLockError(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

}  // namespace

template <class Call>
auto SqliteEngine::guarded(Call&& call) -> decltype(call()) {
    try {
        return call();
    } catch (const automation::Error& error) {
        if (!isLockError(sqlite3_extended_errcode(db_)))
            throw;
        throw automation::Error(
            error.number(), error.source(),
            QStringLiteral("%1 (\"%2\" is in use by another connection)").arg(error.description(), path_));
    }
}

SqliteEngine::SqliteEngine(const ConnectionString& settings) : path_(settings.value(QStringLiteral("data source"))) {
    if (path_.isEmpty())
        badSetting(QStringLiteral("The SQLite provider needs \"Data Source\" (the database file)."));

    const QString dialect = settings.value(QStringLiteral("dialect"));
    const bool native = dialect.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
    if (!native && !dialect.isEmpty() && dialect.compare(QLatin1String("T-SQL"), Qt::CaseInsensitive) != 0) {
        badSetting(QStringLiteral("Unknown dialect \"%1\" (SQLite or T-SQL).").arg(dialect));
    }
    int busyTimeout = DefaultBusyTimeoutMs;
    if (settings.contains(QStringLiteral("busy timeout"))) {
        bool ok = false;
        busyTimeout = settings.value(QStringLiteral("busy timeout")).toInt(&ok);
        if (!ok || busyTimeout < 0)
            badSetting(QStringLiteral("\"Busy Timeout\" must be a number of milliseconds."));
    }

    const QByteArray file = path_.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    try {
        if (rc != SQLITE_OK) {
            throw automation::Error(automation::errors::ProviderError, Source,
                                    QStringLiteral("Cannot open the database \"%1\": %2")
                                        .arg(path_, QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc))));
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, busyTimeout);
        native_ = tsql::makeNativeDialect(db_);
        guarded([&] {
            native_->execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            native_->execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
            native_->execute(QStringLiteral("PRAGMA foreign_keys=ON"));
            return 0;
        });
        tsql::registerExtensions(db_);
        sqlite3_rollback_hook(
            db_, [](void* engine) { ++static_cast<SqliteEngine*>(engine)->rollbacks_; }, this);
        if (!native)
            dialect_ = tsql::makeTsqlDialect(db_);
    } catch (const automation::Error& error) {
        native_.reset();
        sqlite3_close_v2(db_);
        db_ = nullptr;
        if (error.description().contains(path_))
            throw;
        throw automation::Error(error.number(), error.source(),
                                QStringLiteral("Cannot open the database \"%1\": %2").arg(path_, error.description()));
    }
}

SqliteEngine::~SqliteEngine() {
    // Statements are finalized before the connection closes.
    dialect_.reset();
    native_.reset();
    sqlite3_finalize(versionQuery_);
    if (db_)
        sqlite3_close_v2(db_);
}

tsql::BatchResult SqliteEngine::execute(const QString& text) {
    return guarded([&] { return (dialect_ ? *dialect_ : *native_).execute(text); });
}

tsql::BatchResult SqliteEngine::executeStatement(const QString& text) {
    return guarded([&] { return (dialect_ ? *dialect_ : *native_).executeStatement(text); });
}

tsql::BatchResult SqliteEngine::executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) {
    return guarded([&] { return native_->execute(sql, parameters); });
}

QStringList SqliteEngine::primaryKey(const QString& table) {
    const tsql::BatchResult result = executeGenerated(
        QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk"), {QVariant(table)});
    QStringList key;
    if (!result.resultSets.empty()) {
        for (const tsql::Row& row : result.resultSets.back().rows)
            key << row.front().toString();
    }
    return key;
}

void SqliteEngine::beginTransaction() { executeGenerated(QStringLiteral("BEGIN IMMEDIATE"), {}); }

void SqliteEngine::commitTransaction() { executeGenerated(QStringLiteral("COMMIT"), {}); }

void SqliteEngine::rollbackTransaction() { executeGenerated(QStringLiteral("ROLLBACK"), {}); }

void SqliteEngine::setSavepoint(const QString& name) { executeGenerated(QStringLiteral("SAVEPOINT ") + name, {}); }

void SqliteEngine::releaseSavepoint(const QString& name) { executeGenerated(QStringLiteral("RELEASE ") + name, {}); }

void SqliteEngine::rollbackToSavepoint(const QString& name) {
    ++rollbacks_;  // no hook reports a savepoint undone
    executeGenerated(QStringLiteral("ROLLBACK TO ") + name, {});
}

std::optional<DataVersion> SqliteEngine::dataVersion() {
    // data_version moves with other connections' commits only; this connection's own writes are its changes
    // and rollbacks.
    if (!versionQuery_ &&
        sqlite3_prepare_v3(db_, "SELECT data_version, schema_version FROM pragma_data_version, pragma_schema_version",
                           -1, SQLITE_PREPARE_PERSISTENT, &versionQuery_, nullptr) != SQLITE_OK) {
        return std::nullopt;
    }
    std::optional<DataVersion> version;
    if (sqlite3_step(versionQuery_) == SQLITE_ROW) {
        version = DataVersion{0, sqlite3_total_changes64(db_), rollbacks_, sqlite3_column_int64(versionQuery_, 0),
                              sqlite3_column_int64(versionQuery_, 1)};
    }
    sqlite3_reset(versionQuery_);
    return version;
}

QString SqliteEngine::quoteIdentifier(const QString& name) const {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace ado
