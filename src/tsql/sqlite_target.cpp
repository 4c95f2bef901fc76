#include "tsql/sqlite_target.h"

#include "tsql/sqlite_statement.h"

#include <sqlite3.h>

namespace tsql {

namespace {

// SQLite prepares a statement again, as it runs, when the schema changed since it was prepared; a statement
// runs with this set while the target watches the schema, so that preparing is refused (nothing was done
// yet) and the caller learns of the change. The authorizer is asked on every prepare, and only then.
thread_local bool refusePreparing = false;
thread_local bool preparingRefused = false;

int authorize(void*, int, const char*, const char*, const char*, const char*) {
    if (!refusePreparing)
        return SQLITE_OK;
    preparingRefused = true;
    return SQLITE_DENY;
}

class SqliteStatement final : public SqlTarget::Statement {
public:
    SqliteStatement(sqlite3* db, StatementHandle statement, const bool& watching)
        : db_(db), statement_(std::move(statement)), watching_(watching) {}

    void bindNull(int index) override { check(sqlite3_bind_null(statement_.get(), index)); }
    void bindInteger(int index, qint64 value) override { check(sqlite3_bind_int64(statement_.get(), index, value)); }
    void bindReal(int index, double value) override { check(sqlite3_bind_double(statement_.get(), index, value)); }
    void bindText(int index, std::string_view utf8, bool stable) override {
        // An empty view may have no address, which SQLite would bind as NULL.
        check(sqlite3_bind_text64(statement_.get(), index, utf8.data() ? utf8.data() : "", utf8.size(),
                                  stable ? SQLITE_STATIC : SQLITE_TRANSIENT, SQLITE_UTF8));
    }
    void bindBytes(int index, const QByteArray& bytes) override {
        check(sqlite3_bind_blob64(statement_.get(), index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                                  SQLITE_TRANSIENT));
    }
    long long run(ResultSet* rows) override {
        if (!watching_)
            return stepToEnd(db_, statement_.get(), rows);
        refusePreparing = true;
        preparingRefused = false;
        try {
            const long long changed = stepToEnd(db_, statement_.get(), rows);
            refusePreparing = false;
            return changed;
        } catch (...) {
            refusePreparing = false;
            if (preparingRefused)
                throw SchemaChanged{};
            throw;
        }
    }

private:
    void check(int rc) const {
        if (rc != SQLITE_OK)
            throwSqliteError(db_, rc);
    }

    sqlite3* db_;
    StatementHandle statement_;
    const bool& watching_;  // the target's
};

StatementHandle prepared(sqlite3* db, const std::string& sql, unsigned int flags) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()) + 1, flags, &raw, nullptr);
    StatementHandle statement(raw);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
    return statement;
}

}  // namespace

SqliteTarget::SqliteTarget(sqlite3* db) : db_(db) { sqlite3_set_authorizer(db_, authorize, nullptr); }

std::unique_ptr<SqlTarget::Statement> SqliteTarget::prepare(const std::string& sql, bool persistent) {
    return std::make_unique<SqliteStatement>(db_, prepared(db_, sql, persistent ? SQLITE_PREPARE_PERSISTENT : 0),
                                             watching_);
}

std::vector<std::string> SqliteTarget::columnsOf(const std::string& query) {
    const StatementHandle statement = prepared(db_, query, 0);
    std::vector<std::string> names;
    for (int i = 0; i < sqlite3_column_count(statement.get()); ++i)
        names.emplace_back(sqlite3_column_name(statement.get(), i));
    return names;
}

void SqliteTarget::runQuietly(const std::string& sql) noexcept {
    sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

std::optional<long long> SqliteTarget::schemaVersion() {
    if (!schemaVersion_) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v3(db_, "PRAGMA schema_version", -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr) != SQLITE_OK)
            return std::nullopt;
        schemaVersion_.reset(raw);
    }
    std::optional<long long> version;
    if (sqlite3_step(schemaVersion_.get()) == SQLITE_ROW)
        version = sqlite3_column_int64(schemaVersion_.get(), 0);
    sqlite3_reset(schemaVersion_.get());
    return version;
}

}  // namespace tsql
