#include "ado/connection.h"

#include "ado/connection_string.h"
#include "ado/engine.h"
#include "ado/odbc/odbc_engine.h"
#include "ado/recordset.h"
#include "ado/sqlite/sqlite_engine.h"

#include <QRegularExpression>

namespace ado {

namespace {

const QString Source = QStringLiteral("ADODB.Connection");

std::unique_ptr<Engine> openEngine(const QString& text) {
    const ConnectionString settings = ConnectionString::parse(text);
    const QString provider = settings.value(QStringLiteral("provider"));
    if (provider.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0) {
        return std::make_unique<SqliteEngine>(settings);
    }
    if (provider.isEmpty() &&
        (settings.contains(QStringLiteral("driver")) || settings.contains(QStringLiteral("dsn")))) {
        // The driver gets the string as written, less the key that only this layer reads.
        static const QRegularExpression dialectKey(QStringLiteral("(^|;)\\s*Dialect\\s*=[^;]*"),
                                                   QRegularExpression::CaseInsensitiveOption);
        QString driverText = text;
        driverText.replace(dialectKey, QStringLiteral("\\1"));
        const bool translate =
            settings.value(QStringLiteral("dialect")).compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
        return std::make_unique<OdbcEngine>(driverText, translate);
    }
    const automation::Error base = adoError(errors::ProviderNotFound, Source);
    throw automation::Error(
        base.number(), base.source(),
        base.description() + (provider.isEmpty() ? QStringLiteral(" (no Provider, Driver or DSN given)")
                                                 : QStringLiteral(" (\"%1\")").arg(provider)));
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
    if (engine_ && inTransaction_) {
        try {
            engine_->rollbackTransaction();
        } catch (const automation::Error&) {
            // The connection goes away either way; the engine drops the transaction when it closes.
        }
    }
}

void Connection::open(const QString& connectionString) {
    if (engine_)
        throw adoError(automation::errors::ObjectOpen, Source);
    const QString text = connectionString.isEmpty() ? connectionString_ : connectionString;
    try {
        engine_ = openEngine(text);
    } catch (const automation::Error& error) {
        recordError(error);
        throw;
    }
    connectionString_ = text;
    ++openings_;
}

void Connection::close() {
    if (!engine_)
        throw adoError(automation::errors::ObjectClosed, Source);
    if (inTransaction_) {
        inTransaction_ = false;
        try {
            engine_->rollbackTransaction();
        } catch (const automation::Error&) {
            // Closing the database below rolls the transaction back regardless.
        }
    }
    engine_.reset();
}

ObjectState Connection::state() const { return engine_ ? ObjectState::Open : ObjectState::Closed; }

void Connection::setConnectionString(const QString& connectionString) {
    if (engine_)
        throw adoError(automation::errors::ObjectOpen, Source);
    connectionString_ = connectionString;
}

std::optional<DataVersion> Connection::dataVersion() const {
    if (!engine_)
        return std::nullopt;
    std::optional<DataVersion> version = engine_->dataVersion();
    if (version)
        version->session = openings_;
    return version;
}

Engine& Connection::engine() {
    if (!engine_)
        throw adoError(automation::errors::ObjectClosed, Source);
    return *engine_;
}

std::shared_ptr<Recordset> Connection::execute(const QString& text, qint64* recordsAffected, TextKind kind) {
    tsql::BatchResult result = executeText(text, kind);
    if (recordsAffected)
        *recordsAffected = result.rowsAffected;
    auto recordset = std::make_shared<Recordset>();
    if (!result.resultSets.empty())
        recordset->openResult(text, weak_from_this().lock(), std::move(result.resultSets.back()));
    return recordset;
}

tsql::BatchResult Connection::executeText(const QString& text, TextKind kind) {
    if (observer_)
        observer_(text);
    return run([&](Engine& e) { return kind == TextKind::Statement ? e.executeStatement(text) : e.execute(text); });
}

int Connection::beginTrans() {
    run([](Engine& e) { e.beginTransaction(); });
    inTransaction_ = true;
    return 1;
}

void Connection::commitTrans() {
    run([](Engine& e) { e.commitTransaction(); });
    inTransaction_ = false;
}

void Connection::rollbackTrans() {
    run([](Engine& e) { e.rollbackTransaction(); });
    inTransaction_ = false;
}

void Connection::runAllOrNothing(const std::function<void()>& work) {
    const bool ownTransaction = !inTransaction_;
    const QString savepoint = QStringLiteral("brondel_work_%1").arg(savepoints_ + 1);
    if (ownTransaction)
        beginTrans();
    else
        run([&](Engine& e) { e.setSavepoint(savepoint); });
    ++savepoints_;
    try {
        work();
    } catch (...) {
        --savepoints_;
        // The work's error is the one reported, in errors() too, whatever the undoing does.
        const std::vector<Error> reported = errors_;
        try {
            if (ownTransaction) {
                rollbackTrans();
            } else {
                run([&](Engine& e) {
                    e.rollbackToSavepoint(savepoint);
                    e.releaseSavepoint(savepoint);
                });
            }
        } catch (const automation::Error&) {
            if (ownTransaction)
                inTransaction_ = false;  // a failed rollback leaves no transaction behind
        }
        errors_ = reported;
        throw;
    }
    --savepoints_;
    if (!ownTransaction) {
        run([&](Engine& e) { e.releaseSavepoint(savepoint); });
        return;
    }
    try {
        commitTrans();
    } catch (const automation::Error&) {
        // Nothing of the work stays when it cannot be kept whole.
        const std::vector<Error> reported = errors_;
        try {
            rollbackTrans();
        } catch (const automation::Error&) {
            inTransaction_ = false;
        }
        errors_ = reported;
        throw;
    }
}

void Connection::recordError(const automation::Error& error) { errors_.assign(1, Error(error)); }

}  // namespace ado
