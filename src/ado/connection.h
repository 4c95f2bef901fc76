#pragma once

#include "ado/error.h"
#include "ado/types.h"
#include "automation/error.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace tsql {
struct BatchResult;
}

namespace ado {

class Engine;
class Recordset;

// An ADO connection. Objects are shared (std::shared_ptr) as COM objects are reference-counted; recordsets
// keep the connection they were opened on.
//
// Connection strings:
//   Provider=SQLite;Data Source=PATH[;Dialect=SQLite][;Busy Timeout=MS]
// The file must exist (it is opened read-write, never created). Statement text is SQL Server text,
// translated for SQLite, unless Dialect=SQLite asks for SQLite's own SQL. Busy Timeout is how long a
// statement waits for another connection's lock (default 5000 ms).
// Driver=... or DSN=... select the ODBC engine: the string goes to the driver (less Dialect) and text passes
// unchanged, for SQL Server; with Dialect=SQLite it is translated as on the embedded engine and the driver's
// SQLite connection loads the suite's extension module (LoadExt=, see OdbcEngine).
//
// Every failure is an automation::Error; the failures the engine reports also fill errors(), which keeps
// them, as ADO's Errors collection does, until the next failure replaces them or clearErrors() is called:
// the error box reads them after the failing call, whatever ran in between.
class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with the given string, or with connectionString() when it is empty. Raises ObjectOpen when
    // already open.
    void open(const QString& connectionString = QString());
    // Rolls back an open transaction. Closing a closed connection raises ObjectClosed.
    void close();
    ObjectState state() const;
    bool isOpen() const { return state() == ObjectState::Open; }

    QString connectionString() const { return connectionString_; }
    void setConnectionString(const QString& connectionString);

    // Runs statement text. When the text yields rows the result is an open, read-only recordset over the
    // last result set; otherwise a closed recordset. recordsAffected receives the rows changed by the last
    // statement that changed rows, or -1.
    // The recordset refers back to the connection when the connection is held by a std::shared_ptr.
    // TextKind::Statement runs text built as one statement: a text holding a second one is refused before
    // anything runs, so that a value pasted into it can never add a statement of its own.
    std::shared_ptr<Recordset> execute(const QString& text, qint64* recordsAffected = nullptr,
                                       TextKind kind = TextKind::Batch);

    // Statement tracing: the observer gets the text of every statement run through execute() or by a
    // recordset opened (or requeried) on this connection, exactly as given, before any translation.
    using StatementObserver = std::function<void(const QString&)>;
    void setStatementObserver(StatementObserver observer) { observer_ = std::move(observer); }
    // Runs statement text on the engine, for this connection or one of its recordsets.
    tsql::BatchResult executeText(const QString& text, TextKind kind = TextKind::Batch);

    // Write transactions take the database's write lock at once (BEGIN IMMEDIATE). Transactions do not
    // nest: a second beginTrans() raises the engine's error. Returns the nesting level (1).
    int beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return inTransaction_; }

    // Runs work all or nothing: when it raises, what it changed on this connection is undone and the error
    // raised again unchanged. Outside a transaction the work gets one of its own; inside the caller's it runs
    // under a savepoint, so that only its own changes are undone and the caller's transaction goes on.
    void runAllOrNothing(const std::function<void()>& work);

    // Marks of the data this connection reads: a result read at equal marks would be read again unchanged.
    // They change with the rows this connection writes, its rollbacks (ROLLBACK statements and the
    // savepoints of runAllOrNothing; a ROLLBACK TO written in statement text is not seen), schema changes
    // and other connections' commits, and when the connection is opened again. nullopt when closed or when
    // the engine cannot tell (ODBC): read again.
    std::optional<DataVersion> dataVersion() const;

    // The Errors collection: what the engine reported for the last failed call.
    const std::vector<Error>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }

    // The open engine; raises ObjectClosed when the connection is closed.
    Engine& engine();

    // Runs an engine call on behalf of this connection or of a recordset using it: a failure is recorded
    // in errors() and raised again; success leaves errors() as it is.
    template <class Call>
    auto run(Call&& call) -> decltype(call(std::declval<Engine&>())) {
        Engine& e = engine();
        try {
            if constexpr (std::is_void_v<decltype(call(e))>) {
                call(e);
            } else {
                return call(e);
            }
        } catch (const automation::Error& error) {
            recordError(error);
            throw;
        }
    }

private:
    void recordError(const automation::Error& error);

    QString connectionString_;
    std::unique_ptr<Engine> engine_;
    bool inTransaction_ = false;
    int savepoints_ = 0;  // open savepoints, which name the next one
    quint64 openings_ = 0;
    std::vector<Error> errors_;
    StatementObserver observer_;
};

}  // namespace ado
