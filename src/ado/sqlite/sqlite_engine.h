#pragma once

#include "ado/engine.h"

#include <QHash>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace tsql {
class Dialect;
}

namespace ado {

class ConnectionString;

// The embedded engine: one SQLite database file per connection. The file is opened read-write and never
// created; the connection runs in WAL mode (synchronous NORMAL: a commit survives a crash of the process,
// the file stays consistent after a power loss) with foreign keys enforced and the suite's collation and
// functions registered, and waits up to its busy timeout for another connection's lock. The connection
// takes no lock of its own around each call (SQLite's "multi-thread" mode): a connection and its
// recordsets belong to one thread, the user-interface thread.
class SqliteEngine final : public Engine {
public:
    static constexpr int DefaultBusyTimeoutMs = 5000;

    // Reads "Data Source", "Dialect" (SQLite or T-SQL) and "Busy Timeout" (milliseconds).
    explicit SqliteEngine(const ConnectionString& settings);
    ~SqliteEngine() override;

    QString dataSource() const override { return path_; }
    tsql::BatchResult execute(const QString& text) override;
    tsql::BatchResult executeStatement(const QString& text) override;
    tsql::BatchResult executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) override;
    QStringList primaryKey(const QString& table) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void setSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;
    QString quoteIdentifier(const QString& name) const override;
    // This connection's row changes and rollbacks, and the file's data and schema versions.
    std::optional<DataVersion> dataVersion() override;

    sqlite3* handle() const { return db_; }

private:
    // Runs a call on the database; a failure because another connection holds the lock names the file.
    template <class Call>
    auto guarded(Call&& call) -> decltype(call());

    QString path_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<tsql::Dialect> native_;
    std::unique_ptr<tsql::Dialect> dialect_;  // null when statement text is run natively
    sqlite3_stmt* versionQuery_ = nullptr;    // prepared on first use
    qint64 rollbacks_ = 0;
};

}  // namespace ado
