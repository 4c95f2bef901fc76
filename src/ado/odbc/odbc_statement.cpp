#include "ado/odbc/odbc_statement.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/translation_error.h"

#include <sqlucode.h>

#include <QRegularExpression>

#include <algorithm>

namespace ado {

const QString OdbcSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

namespace {

// SQLite's own message: the driver puts its name before it and SQLite's code after it.
QString sqliteMessage(QString message) {
    static const QRegularExpression decoration(QStringLiteral(R"(^(\[[^\]]*\])+|\s*\(\d+\)$)"));
    return message.remove(decoration);
}

QString columnText(SQLHSTMT stmt, SQLUSMALLINT column, SQLUSMALLINT field) {
    SQLWCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    if (!odbcSucceeded(SQLColAttributeW(stmt, column, field, buffer, sizeof(buffer), &length, nullptr)))
        return {};
    return fromOdbcText(buffer, std::min<SQLLEN>(length / static_cast<SQLSMALLINT>(sizeof(SQLWCHAR)), 255));
}

// The declared type of a column, written as SQL Server would name it, so that the data layer maps it to
// the same ADO type as it does for the embedded engine.
QString declaredType(SQLSMALLINT type, SQLULEN size, SQLSMALLINT digits) {
    switch (type) {
    case SQL_CHAR: return QStringLiteral("CHAR(%1)").arg(size);
    case SQL_VARCHAR: return QStringLiteral("VARCHAR(%1)").arg(size);
    case SQL_WCHAR: return QStringLiteral("NCHAR(%1)").arg(size);
    case SQL_WVARCHAR: return QStringLiteral("NVARCHAR(%1)").arg(size);
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR: return QStringLiteral("TEXT");
    case SQL_SMALLINT:
    case SQL_TINYINT: return QStringLiteral("SMALLINT");
    case SQL_INTEGER: return QStringLiteral("INT");
    case SQL_BIGINT: return QStringLiteral("BIGINT");
    case SQL_BIT: return QStringLiteral("BIT");
    case SQL_REAL: return QStringLiteral("REAL");
    case SQL_FLOAT:
    case SQL_DOUBLE: return QStringLiteral("FLOAT");
    case SQL_DECIMAL:
    case SQL_NUMERIC: return QStringLiteral("DECIMAL(%1,%2)").arg(size).arg(digits);
    case SQL_TYPE_DATE: return QStringLiteral("DATE");
    case SQL_TYPE_TIMESTAMP: return QStringLiteral("DATETIME");
    case SQL_GUID: return QStringLiteral("UNIQUEIDENTIFIER");
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return QStringLiteral("VARBINARY");
    default: return {};
    }
}

enum class ValueKind {
    Integer,
    Real,
    Text,
    Bytes,
    Number,  // SQLite's DECIMAL and NUMERIC, which its driver gives as text: an integer, a real, or text
};

ValueKind kindOf(SQLSMALLINT type, SQLSMALLINT digits) {
    switch (type) {
    case SQL_SMALLINT:
    case SQL_TINYINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_BIT: return ValueKind::Integer;
    case SQL_DECIMAL:
    case SQL_NUMERIC: return digits == 0 ? ValueKind::Integer : ValueKind::Real;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return ValueKind::Real;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return ValueKind::Bytes;
    default: return ValueKind::Text;
    }
}

// A value as SQLite keeps it in a column of numeric affinity: text that reads as an integer is an integer,
// one that reads as a real a real, other text stays text.
QVariant numericAffinity(const QVariant& text) {
    if (automation::isNull(text))
        return text;
    const QString digits = text.toString();
    bool ok = false;
    const qint64 integer = digits.toLongLong(&ok);
    if (ok)
        return QVariant(integer);
    const double real = digits.toDouble(&ok);
    return ok ? QVariant(real) : text;
}

QVariant readValue(const OdbcStatement& stmt, SQLUSMALLINT column, ValueKind kind) {
    SQLLEN indicator = 0;
    switch (kind) {
    case ValueKind::Integer: {
        SQLBIGINT value = 0;
        stmt.check(SQLGetData(stmt.handle(), column, SQL_C_SBIGINT, &value, 0, &indicator),
                   QStringLiteral("Cannot read a column."));
        return indicator == SQL_NULL_DATA ? automation::null() : QVariant(static_cast<qint64>(value));
    }
    case ValueKind::Real: {
        double value = 0;
        stmt.check(SQLGetData(stmt.handle(), column, SQL_C_DOUBLE, &value, 0, &indicator),
                   QStringLiteral("Cannot read a column."));
        return indicator == SQL_NULL_DATA ? automation::null() : QVariant(value);
    }
    case ValueKind::Bytes:
    case ValueKind::Text: {
        // Long values come in pieces: read until the driver says there is no more.
        const SQLSMALLINT cType = kind == ValueKind::Text ? SQL_C_WCHAR : SQL_C_BINARY;
        QByteArray bytes;
        char buffer[4096];
        for (;;) {
            const SQLRETURN rc = SQLGetData(stmt.handle(), column, cType, buffer, sizeof(buffer), &indicator);
            if (rc == SQL_NO_DATA)
                break;
            stmt.check(rc, QStringLiteral("Cannot read a column."));
            if (indicator == SQL_NULL_DATA)
                return automation::null();
            const qsizetype terminator = cType == SQL_C_WCHAR ? 2 : 0;
            const qsizetype piece = (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof(buffer)))
                                        ? static_cast<qsizetype>(sizeof(buffer)) - terminator
                                        : static_cast<qsizetype>(indicator);
            bytes.append(buffer, piece);
            if (rc == SQL_SUCCESS)
                break;
        }
        if (kind == ValueKind::Bytes)
            return QVariant(bytes);
        return QVariant(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2));
    }
    case ValueKind::Number: return numericAffinity(readValue(stmt, column, ValueKind::Text));
    }
    return automation::null();
}

// Whether SQL text changes rows, so that its row count means something: INSERT, UPDATE, DELETE, also after
// common table expressions.
bool writesRows(const QString& sql) {
    static const QRegularExpression keyword(QStringLiteral(R"(^\s*(INSERT|UPDATE|DELETE|REPLACE|WITH)\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return keyword.match(sql).hasMatch();
}

}  // namespace

std::u16string odbcText(const QString& text) { return text.toStdU16String(); }

QString fromOdbcText(const SQLWCHAR* text, SQLLEN characters) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), static_cast<qsizetype>(characters));
}

void raiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle, const QString& fallback, bool sqliteBackend) {
    SQLWCHAR state[6] = {};
    SQLWCHAR message[1024] = {};
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    QString sqlState;
    QString description = fallback;
    if (handle && odbcSucceeded(SQLGetDiagRecW(handleType, handle, 1, state, &nativeError, message,
                                               static_cast<SQLSMALLINT>(std::size(message)), &length))) {
        sqlState = fromOdbcText(state, 5);
        description = fromOdbcText(message, std::min<SQLLEN>(length, static_cast<SQLLEN>(std::size(message)) - 1));
        if (sqliteBackend)
            description = sqliteMessage(description);
    }
    // SQLite's driver reports every failure as HY000 and gives SQLite's own code as the native error.
    constexpr SQLINTEGER sqliteConstraint = 19;
    const bool integrity =
        sqlState.startsWith(QLatin1String("23")) || (sqliteBackend && (nativeError & 0xff) == sqliteConstraint);
    const long number = integrity ? automation::errors::IntegrityViolation
                                  : tsql::runtimeErrorNumber(description, automation::errors::ProviderError);
    throw automation::Error(number, OdbcSource, description);
}

OdbcStatement::OdbcStatement(SQLHDBC connection, bool sqliteBackend) : sqliteBackend_(sqliteBackend) {
    if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle_)))
        raiseOdbcError(SQL_HANDLE_DBC, connection, QStringLiteral("Cannot allocate an ODBC statement."), sqliteBackend);
}

OdbcStatement::~OdbcStatement() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }

void OdbcStatement::check(SQLRETURN rc, const QString& what) const {
    if (!odbcSucceeded(rc) && rc != SQL_NO_DATA)
        raiseOdbcError(SQL_HANDLE_STMT, handle_, what, sqliteBackend_);
}

tsql::BatchResult OdbcStatement::execute(const QString& text) {
    std::u16string sql = odbcText(text);
    check(SQLExecDirectW(handle_, odbcChars(sql), static_cast<SQLINTEGER>(sql.size())),
          QStringLiteral("Cannot run the statement."));
    tsql::BatchResult result;
    for (;;) {
        SQLSMALLINT columns = 0;
        check(SQLNumResultCols(handle_, &columns), QStringLiteral("Cannot describe a result."));
        if (columns > 0) {
            readResultSet(result.resultSets.emplace_back());
        } else {
            SQLLEN count = -1;
            if (odbcSucceeded(SQLRowCount(handle_, &count)) && count >= 0)
                result.rowsAffected = count;
        }
        const SQLRETURN more = SQLMoreResults(handle_);
        if (more == SQL_NO_DATA)
            break;
        check(more, QStringLiteral("Cannot read the next result."));
    }
    return result;
}

void OdbcStatement::prepare(const QString& sql) {
    sql_ = odbcText(sql);
    writesRows_ = writesRows(sql);
    prepareAgain();
}

void OdbcStatement::prepareAgain() {
    check(SQLPrepareW(handle_, odbcChars(sql_), static_cast<SQLINTEGER>(sql_.size())),
          QStringLiteral("Cannot prepare the statement."));
    fresh_ = true;
}

std::vector<std::string> OdbcStatement::columnNames() const {
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(handle_, &columns), QStringLiteral("Cannot describe a result."));
    std::vector<std::string> names;
    for (SQLUSMALLINT c = 1; c <= static_cast<SQLUSMALLINT>(columns); ++c) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT length = 0;
        check(SQLDescribeColW(handle_, c, name, 256, &length, nullptr, nullptr, nullptr, nullptr),
              QStringLiteral("Cannot describe a column."));
        names.push_back(fromOdbcText(name, std::min<SQLLEN>(length, 255)).toStdString());
    }
    return names;
}

OdbcStatement::Parameter& OdbcStatement::parameter(int index, SQLSMALLINT cType, SQLSMALLINT sqlType,
                                                   SQLLEN indicator) {
    if (parameters_.size() < static_cast<std::size_t>(index))
        parameters_.resize(static_cast<std::size_t>(index));
    Parameter& p = parameters_[static_cast<std::size_t>(index - 1)];
    p = Parameter();
    p.cType = cType;
    p.sqlType = sqlType;
    p.indicator = indicator;
    return p;
}

void OdbcStatement::bindNull(int index) { parameter(index, SQL_C_WCHAR, SQL_WVARCHAR, SQL_NULL_DATA); }

void OdbcStatement::bindInteger(int index, qint64 value) {
    parameter(index, SQL_C_SBIGINT, SQL_BIGINT, 0).integer = value;
}

void OdbcStatement::bindReal(int index, double value) { parameter(index, SQL_C_DOUBLE, SQL_DOUBLE, 0).real = value; }

void OdbcStatement::bindText(int index, std::string_view utf8, bool) {
    std::u16string text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
    const auto bytes = static_cast<SQLLEN>(text.size() * sizeof(char16_t));
    parameter(index, SQL_C_WCHAR, SQL_WVARCHAR, bytes).text = std::move(text);
}

void OdbcStatement::bindBytes(int index, const QByteArray& bytes) {
    parameter(index, SQL_C_BINARY, SQL_VARBINARY, static_cast<SQLLEN>(bytes.size())).bytes = bytes;
}

void OdbcStatement::bindParameters() {
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        Parameter& p = parameters_[i];
        SQLPOINTER buffer = nullptr;
        SQLLEN bufferLength = 0;
        SQLULEN columnSize = 0;
        switch (p.cType) {
        case SQL_C_SBIGINT: buffer = &p.integer; break;
        case SQL_C_DOUBLE: buffer = &p.real; break;
        case SQL_C_BINARY:
            buffer = p.bytes.data();
            bufferLength = p.indicator;
            columnSize = std::max<SQLULEN>(static_cast<SQLULEN>(p.bytes.size()), 1);
            break;
        default:
            buffer = p.text.data();
            bufferLength = p.indicator == SQL_NULL_DATA ? 0 : p.indicator;
            columnSize = std::max<SQLULEN>(p.text.size(), 1);
            break;
        }
        check(SQLBindParameter(handle_, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, p.cType, p.sqlType,
                               columnSize, 0, buffer, bufferLength, &p.indicator),
              QStringLiteral("Cannot bind a parameter."));
    }
}

long long OdbcStatement::run(tsql::ResultSet* rows) {
    if (!fresh_)
        prepareAgain();
    fresh_ = false;
    bindParameters();
    check(SQLExecute(handle_), QStringLiteral("Cannot run the statement."));
    // The cursor is closed whatever happens, so that the statement can run again.
    struct CloseCursor {
        SQLHSTMT handle;
        ~CloseCursor() { SQLFreeStmt(handle, SQL_CLOSE); }
    } closeCursor{handle_};
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(handle_, &columns), QStringLiteral("Cannot describe a result."));
    if (columns > 0) {
        if (rows)
            readResultSet(*rows);
        return -1;
    }
    SQLLEN count = -1;
    if (!writesRows_ || !odbcSucceeded(SQLRowCount(handle_, &count)))
        return -1;
    return std::max<SQLLEN>(count, 0);
}

void OdbcStatement::readResultSet(tsql::ResultSet& set) const {
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(handle_, &columns), QStringLiteral("Cannot describe a result."));
    set.columns.clear();
    std::vector<ValueKind> kinds;
    for (SQLUSMALLINT c = 1; c <= static_cast<SQLUSMALLINT>(columns); ++c) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        check(SQLDescribeColW(handle_, c, name, 256, &nameLength, &type, &size, &digits, &nullable),
              QStringLiteral("Cannot describe a column."));
        // The SQLite driver names the result column, alias included, as the base column.
        QString table = columnText(handle_, c, SQL_DESC_BASE_TABLE_NAME);
        if (table.isEmpty())
            table = columnText(handle_, c, SQL_DESC_TABLE_NAME);
        const QString origin = table.isEmpty() ? QString() : columnText(handle_, c, SQL_DESC_BASE_COLUMN_NAME);
        // The SQLite driver gives DECIMAL and NUMERIC columns as character data, under their own type name.
        if (sqliteBackend_ && (type == SQL_VARCHAR || type == SQL_WVARCHAR)) {
            const QString typeName = columnText(handle_, c, SQL_DESC_TYPE_NAME);
            if (typeName.compare(QLatin1String("DECIMAL"), Qt::CaseInsensitive) == 0 ||
                typeName.compare(QLatin1String("NUMERIC"), Qt::CaseInsensitive) == 0) {
                type = SQL_DECIMAL;
            }
        }
        set.columns.push_back(tsql::Column{fromOdbcText(name, std::min<SQLLEN>(nameLength, 255)),
                                           declaredType(type, size, digits), table, origin});
        kinds.push_back(type == SQL_DECIMAL && sqliteBackend_ ? ValueKind::Number : kindOf(type, digits));
    }
    for (;;) {
        const SQLRETURN rc = SQLFetch(handle_);
        if (rc == SQL_NO_DATA)
            break;
        check(rc, QStringLiteral("Cannot fetch a row."));
        tsql::Row row;
        row.reserve(kinds.size());
        for (std::size_t c = 0; c < kinds.size(); ++c) {
            row.push_back(readValue(*this, static_cast<SQLUSMALLINT>(c + 1), kinds[c]));
        }
        set.rows.push_back(row);
    }
}

}  // namespace ado
