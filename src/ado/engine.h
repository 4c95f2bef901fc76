#pragma once

#include "ado/types.h"
#include "tsql/result.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

namespace ado {

// What a Connection needs from a database engine. The SQLite engine lives in sqlite/; an ODBC engine can
// be added in odbc/ behind the same seam. Every failure is an automation::Error carrying the engine's
// own message.
class Engine {
public:
    virtual ~Engine() = default;

    // Where the data lives, for messages (the file path for SQLite, the DSN for ODBC).
    virtual QString dataSource() const = 0;

    // Runs caller text in the connection's dialect (SQL Server text translated, or the engine's own SQL).
    virtual tsql::BatchResult execute(const QString& text) = 0;
    // The same for text built as one statement: a text holding a second one is refused, nothing run.
    virtual tsql::BatchResult executeStatement(const QString& text) = 0;

    // Runs a statement this layer generated (recordset write-back) in the engine's own SQL, with
    // identifiers quoted by quoteIdentifier() and values bound to ? placeholders.
    virtual tsql::BatchResult executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) = 0;

    // The primary key columns of a table in key order; empty when the table has none.
    virtual QStringList primaryKey(const QString& table) = 0;

    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    // Savepoints inside the current transaction: release keeps the work done since the savepoint, rollback
    // undoes it (the transaction goes on). name is a plain identifier.
    virtual void setSavepoint(const QString& name) = 0;
    virtual void releaseSavepoint(const QString& name) = 0;
    virtual void rollbackToSavepoint(const QString& name) = 0;

    virtual QString quoteIdentifier(const QString& name) const = 0;

    // Marks that change whenever the data read through this engine may have changed (session left 0);
    // nullopt when the engine cannot tell, so that every read counts as new. Never raises.
    virtual std::optional<DataVersion> dataVersion() { return std::nullopt; }
};

}  // namespace ado
