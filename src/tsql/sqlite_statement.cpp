#include "tsql/sqlite_statement.h"

#include "tsql/sql_target.h"
#include "tsql/translation_error.h"

#include "automation/error.h"
#include "automation/variant.h"

#include <sqlite3.h>

#include <type_traits>

namespace tsql {

namespace {

// SQLite's own limits (its parser's stack, terms of a compound query, depth of an expression), which SQL
// Server's are not: a statement that reaches one is refused, not reported as the provider's failure.
bool beyondSqliteLimits(const QString& message) {
    static const char* const limits[] = {"parser stack overflow", "too many terms in compound SELECT",
                                         "Expression tree is too large", "too many arguments on function",
                                         "at most 64 tables in a join"};
    for (const char* limit : limits) {
        if (message.startsWith(QLatin1String(limit)))
            return true;
    }
    return false;
}

}  // namespace

void throwSqliteError(sqlite3* db, int code) {
    const int primary = code & 0xff;
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    if (beyondSqliteLimits(message))
        raiseUnsupported(QStringLiteral("a statement beyond SQLite's limits (%1)").arg(message));
    const long number = primary == SQLITE_CONSTRAINT ? automation::errors::IntegrityViolation
                                                     : runtimeErrorNumber(message, automation::errors::ProviderError);
    throw automation::Error(number, QStringLiteral("SQLite"), message);
}

void bindValue(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& v) {
    const int rc = asBindable(v, [&](const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, std::nullptr_t>) {
            return sqlite3_bind_null(stmt, index);
        } else if constexpr (std::is_same_v<Value, qint64>) {
            return sqlite3_bind_int64(stmt, index, value);
        } else if constexpr (std::is_same_v<Value, double>) {
            return sqlite3_bind_double(stmt, index, value);
        } else if constexpr (std::is_same_v<Value, QByteArray>) {
            return sqlite3_bind_blob64(stmt, index, value.constData(), static_cast<sqlite3_uint64>(value.size()),
                                       SQLITE_TRANSIENT);
        } else {
            const QByteArray utf8 = value.toUtf8();
            return sqlite3_bind_text64(stmt, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
        }
    });
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
}

void bindValues(sqlite3* db, sqlite3_stmt* stmt, const std::vector<QVariant>& values) {
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 0; i < count && i < static_cast<int>(values.size()); ++i) {
        bindValue(db, stmt, i + 1, values[static_cast<std::size_t>(i)]);
    }
}

void FinalizeStatement::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

namespace {

// Reads one SQLite value once, through its own handle, and passes what a QVariant of it is made from to
// make.
template <class Make>
decltype(auto) withValue(sqlite3_value* value, Make&& make) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER: return make(static_cast<qlonglong>(sqlite3_value_int64(value)));
    case SQLITE_FLOAT: return make(sqlite3_value_double(value));
    case SQLITE_TEXT:
        return make(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value)));
    case SQLITE_BLOB:
        return make(QByteArray(static_cast<const char*>(sqlite3_value_blob(value)), sqlite3_value_bytes(value)));
    default: return make(automation::null());
    }
}

}  // namespace

QVariant columnValue(sqlite3_stmt* stmt, int i) {
    return withValue(sqlite3_column_value(stmt, i), [](auto&& v) { return QVariant(std::forward<decltype(v)>(v)); });
}

namespace {

QString text(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

bool onlyBlanks(const char* s) {
    for (; *s; ++s) {
        if (*s != ' ' && *s != '\t' && *s != '\r' && *s != '\n' && *s != ';')
            return false;
    }
    return true;
}

}  // namespace

long long stepToEnd(sqlite3* db, sqlite3_stmt* stmt, ResultSet* rows) {
    // The columns are read after the first step: a statement whose tables changed since it was prepared
    // (SELECT * from a temporary table made again) is prepared anew by that step.
    int rc = sqlite3_step(stmt);
    const int columns = sqlite3_column_count(stmt);
    if (rows && columns > 0) {
        rows->columns.clear();
        rows->columns.reserve(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            rows->columns.push_back(Column{text(sqlite3_column_name(stmt, i)), text(sqlite3_column_decltype(stmt, i)),
                                           text(sqlite3_column_table_name(stmt, i)),
                                           text(sqlite3_column_origin_name(stmt, i))});
        }
    }
    if (rows && columns > 0)
        rows->rows = Rows(static_cast<std::size_t>(columns));
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
        if (!rows)
            continue;
        for (int i = 0; i < columns; ++i) {
            sqlite3_value* value = sqlite3_column_value(stmt, i);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER: rows->rows.appendInteger(sqlite3_value_int64(value)); break;
            case SQLITE_FLOAT: rows->rows.appendReal(sqlite3_value_double(value)); break;
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                rows->rows.appendText(text, sqlite3_value_bytes(value));
                break;
            }
            case SQLITE_BLOB: {
                const void* blob = sqlite3_value_blob(value);
                rows->rows.appendBlob(blob, sqlite3_value_bytes(value));
                break;
            }
            default: rows->rows.appendNull();
            }
        }
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        throwSqliteError(db, sqlite3_extended_errcode(db));
    }
    const bool wrote = columns == 0 && !sqlite3_stmt_readonly(stmt);
    sqlite3_reset(stmt);
    return wrote ? sqlite3_changes64(db) : -1;
}

StatementCache::StatementCache(sqlite3* db, std::size_t capacity) : db_(db), capacity_(capacity) {}

StatementCache::~StatementCache() { clear(); }

void StatementCache::clear() {
    for (auto& [sql, entry] : map_)
        sqlite3_finalize(entry.stmt);
    map_.clear();
    order_.clear();
}

sqlite3_stmt* StatementCache::prepare(const std::string& sql) {
    auto it = map_.find(sql);
    if (it != map_.end()) {
        order_.splice(order_.begin(), order_, it->second.pos);
        sqlite3_reset(it->second.stmt);
        sqlite3_clear_bindings(it->second.stmt);
        return it->second.stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()) + 1, SQLITE_PREPARE_PERSISTENT,
                                      &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throwSqliteError(db_, rc);
    }
    if (!stmt) {
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("SQLite"),
                                QStringLiteral("The command text holds no statement."));
    }
    if (map_.size() >= capacity_) {
        auto last = map_.find(order_.back());
        sqlite3_finalize(last->second.stmt);
        map_.erase(last);
        order_.pop_back();
    }
    order_.push_front(sql);
    map_.emplace(sql, Entry{stmt, order_.begin()});
    return stmt;
}

BatchResult StatementCache::runText(const QString& text, const std::vector<QVariant>& parameters, bool single) {
    BatchResult result;
    const std::string sql = text.toStdString();

    auto runOne = [&](sqlite3_stmt* stmt) {
        bindValues(db_, stmt, parameters);
        ResultSet rows;
        const long long changed = stepToEnd(db_, stmt, &rows);
        if (sqlite3_column_count(stmt) > 0)
            result.resultSets.push_back(std::move(rows));
        if (changed >= 0)
            result.rowsAffected = changed;
    };

    if (map_.count(sql)) {
        runOne(prepare(sql));
        return result;
    }

    const char* head = sql.c_str();
    const char* end = head + sql.size();
    bool first = true;
    while (head < end && !onlyBlanks(head)) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db_, head, static_cast<int>(end - head), &stmt, &tail);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(stmt);
            throwSqliteError(db_, rc);
        }
        if (!stmt)
            break;  // only comments were left
        if (single && !onlyBlanks(tail)) {
            // Comments may follow the statement; anything else is a statement more (or malformed).
            sqlite3_stmt* next = nullptr;
            const int nextRc = sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &next, nullptr);
            const bool another = nextRc != SQLITE_OK || next != nullptr;
            sqlite3_finalize(next);
            if (another) {
                sqlite3_finalize(stmt);
                raiseMoreThanOneStatement();
            }
        }
        if (first && onlyBlanks(tail)) {
            // A single statement: keep it prepared for the next time.
            sqlite3_finalize(stmt);
            runOne(prepare(sql));
            return result;
        }
        first = false;
        try {
            runOne(stmt);
        } catch (...) {
            sqlite3_finalize(stmt);
            throw;
        }
        sqlite3_finalize(stmt);
        head = tail;
    }
    return result;
}

}  // namespace tsql
