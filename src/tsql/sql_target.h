#pragma once

#include "tsql/result.h"

#include "automation/variant.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsql {

// Thrown by a statement run while the target watches the schema (SqlTarget::watchSchema) when the schema
// changed since the statement was prepared: nothing of it was done, and its SQL was written for the old
// column types.
struct SchemaChanged {};

// Where translated statements run: the embedded engine's SQLite connection, or a SQLite database reached
// through an ODBC driver. The T-SQL dialect prepares, binds, runs and reads only through this seam.
// Failures are automation::Error as Dialect describes them.
class SqlTarget {
public:
    // A statement prepared once and run any number of times. Values bind to its parameters (1-based, in
    // the order of ?NNN) and stay bound until bound again.
    class Statement {
    public:
        virtual ~Statement() = default;

        virtual void bindNull(int index) = 0;
        virtual void bindInteger(int index, qint64 value) = 0;
        virtual void bindReal(int index, double value) = 0;
        // UTF-8 text. stable: the bytes stay as they are until the statement has run, so they need not be
        // copied.
        virtual void bindText(int index, std::string_view utf8, bool stable) = 0;
        virtual void bindBytes(int index, const QByteArray& bytes) = 0;
        // A value of the data layer, by its type.
        void bind(int index, const QVariant& value);

        // Runs the statement to its end. A statement with columns describes them and gives its rows to
        // rows (when not null) and returns -1; one that writes returns the rows it changed.
        virtual long long run(ResultSet* rows) = 0;
    };

    virtual ~SqlTarget() = default;

    // One statement of the target's SQL. persistent: it will be kept and run many times.
    virtual std::unique_ptr<Statement> prepare(const std::string& sql, bool persistent) = 0;
    // The names of a query's columns, as the target knows them now.
    virtual std::vector<std::string> columnsOf(const std::string& query) = 0;
    // Runs a statement for what it does and ignores a failure: clean-up that must not throw.
    virtual void runQuietly(const std::string& sql) noexcept = 0;
    // A mark of the database's schema that moves whenever any connection changes it (SQLite's schema
    // cookie), or nullopt when the target cannot tell. Costs a statement: not for every run.
    virtual std::optional<long long> schemaVersion() { return std::nullopt; }
    // While on, a prepared statement whose schema changed is not prepared again as it runs but throws
    // SchemaChanged; only targets that can watch it do.
    virtual bool canWatchSchema() const { return false; }
    virtual void watchSchema(bool) {}
};

// What a value of the data layer binds as: visit receives std::nullptr_t (Null, Empty), qint64 (integers
// and booleans), double, a QByteArray or, for anything else, its text as a QString.
template <class Visit>
decltype(auto) asBindable(const QVariant& value, Visit&& visit) {
    if (automation::isEmpty(value) || automation::isNull(value))
        return visit(nullptr);
    switch (value.metaType().id()) {
    case QMetaType::Bool: return visit(static_cast<qint64>(value.toBool() ? 1 : 0));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return visit(static_cast<qint64>(value.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float: return visit(value.toDouble());
    case QMetaType::QByteArray: return visit(value.toByteArray());
    default: return visit(value.toString());
    }
}

}  // namespace tsql
