#include "ado/odbc/odbc_engine.h"

#include "automation/error.h"
#include "automation/variant.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <QRegularExpression>

#include <algorithm>

namespace ado {

namespace {

const QString kSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

std::u16string wide(const QString& text) { return text.toStdU16String(); }

SQLWCHAR* sqlText(std::u16string& text) { return reinterpret_cast<SQLWCHAR*>(text.data()); }

QString fromWide(const SQLWCHAR* text, SQLLEN characters) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), static_cast<qsizetype>(characters));
}

bool succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// Reads the first diagnostic record of a handle into an automation error. SQLSTATE class 23 is an integrity
// constraint violation, which callers test by number.
[[noreturn]] void raise(SQLSMALLINT handleType, SQLHANDLE handle, const QString& fallback, bool sqliteBackend = false) {
    SQLWCHAR state[6] = {};
    SQLWCHAR message[1024] = {};
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    QString sqlState;
    QString description = fallback;
    if (handle && succeeded(SQLGetDiagRecW(handleType, handle, 1, state, &nativeError, message,
                                          static_cast<SQLSMALLINT>(std::size(message)), &length))) {
        sqlState = fromWide(state, 5);
        description = fromWide(message, std::min<SQLLEN>(length, static_cast<SQLLEN>(std::size(message)) - 1));
    }
    // SQLite's driver reports every failure as HY000 and gives SQLite's own code as the native error.
    constexpr SQLINTEGER sqliteConstraint = 19;
    const bool integrity = sqlState.startsWith(QLatin1String("23")) || (sqliteBackend && nativeError == sqliteConstraint);
    const long number = integrity ? automation::errors::IntegrityViolation : automation::errors::ProviderError;
    throw automation::Error(number, kSource, description);
}

class Statement {
public:
    Statement(SQLHDBC connection, bool sqliteBackend) : sqliteBackend_(sqliteBackend) {
        if (!succeeded(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle_)))
            raise(SQL_HANDLE_DBC, connection, QStringLiteral("Cannot allocate an ODBC statement."));
    }
    ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    SQLHSTMT handle() const { return handle_; }
    void check(SQLRETURN rc, const QString& what) const {
        if (!succeeded(rc) && rc != SQL_NO_DATA) raise(SQL_HANDLE_STMT, handle_, what, sqliteBackend_);
    }

private:
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
    bool sqliteBackend_;
};

QString columnText(SQLHSTMT stmt, SQLUSMALLINT column, SQLUSMALLINT field) {
    SQLWCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    if (!succeeded(SQLColAttributeW(stmt, column, field, buffer, sizeof(buffer), &length, nullptr))) return {};
    return fromWide(buffer, std::min<SQLLEN>(length / static_cast<SQLSMALLINT>(sizeof(SQLWCHAR)), 255));
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

enum class ValueKind { Integer, Real, Text, Bytes };

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

QVariant readValue(const Statement& stmt, SQLUSMALLINT column, ValueKind kind) {
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
            if (rc == SQL_NO_DATA) break;
            stmt.check(rc, QStringLiteral("Cannot read a column."));
            if (indicator == SQL_NULL_DATA) return automation::null();
            const qsizetype terminator = cType == SQL_C_WCHAR ? 2 : 0;
            const qsizetype piece = (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof(buffer)))
                                        ? static_cast<qsizetype>(sizeof(buffer)) - terminator
                                        : static_cast<qsizetype>(indicator);
            bytes.append(buffer, piece);
            if (rc == SQL_SUCCESS) break;
        }
        if (kind == ValueKind::Bytes) return QVariant(bytes);
        return QVariant(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2));
    }
    }
    return automation::null();
}

// Reads every result set and row count a statement produced.
tsql::BatchResult collect(const Statement& stmt) {
    tsql::BatchResult result;
    for (;;) {
        SQLSMALLINT columns = 0;
        stmt.check(SQLNumResultCols(stmt.handle(), &columns), QStringLiteral("Cannot describe a result."));
        if (columns > 0) {
            tsql::ResultSet set;
            std::vector<ValueKind> kinds;
            for (SQLUSMALLINT c = 1; c <= static_cast<SQLUSMALLINT>(columns); ++c) {
                SQLWCHAR name[256] = {};
                SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
                SQLULEN size = 0;
                stmt.check(SQLDescribeColW(stmt.handle(), c, name, 256, &nameLength, &type, &size, &digits, &nullable),
                           QStringLiteral("Cannot describe a column."));
                QString table = columnText(stmt.handle(), c, SQL_DESC_BASE_TABLE_NAME);
                if (table.isEmpty()) table = columnText(stmt.handle(), c, SQL_DESC_TABLE_NAME);
                const QString origin = table.isEmpty() ? QString() : columnText(stmt.handle(), c, SQL_DESC_BASE_COLUMN_NAME);
                set.columns.push_back(tsql::Column{fromWide(name, std::min<SQLLEN>(nameLength, 255)),
                                                   declaredType(type, size, digits), table, origin});
                kinds.push_back(kindOf(type, digits));
            }
            for (;;) {
                const SQLRETURN rc = SQLFetch(stmt.handle());
                if (rc == SQL_NO_DATA) break;
                stmt.check(rc, QStringLiteral("Cannot fetch a row."));
                tsql::Row row;
                row.reserve(kinds.size());
                for (std::size_t c = 0; c < kinds.size(); ++c)
                    row.push_back(readValue(stmt, static_cast<SQLUSMALLINT>(c + 1), kinds[c]));
                set.rows.push_back(std::move(row));
            }
            result.resultSets.push_back(std::move(set));
        } else {
            SQLLEN count = -1;
            if (succeeded(SQLRowCount(stmt.handle(), &count)) && count >= 0) result.rowsAffected = count;
        }
        const SQLRETURN more = SQLMoreResults(stmt.handle());
        if (more == SQL_NO_DATA) break;
        stmt.check(more, QStringLiteral("Cannot read the next result."));
    }
    return result;
}

}  // namespace

struct OdbcEngine::Private {
    SQLHENV environment = SQL_NULL_HENV;
    SQLHDBC connection = SQL_NULL_HDBC;
    QString dataSource;
    bool translate = false;
    bool sqliteBackend = false;  // SQLite behind the driver: its error codes tell constraint failures

    void checkConnection(SQLRETURN rc, const QString& what) const {
        if (!succeeded(rc)) raise(SQL_HANDLE_DBC, connection, what, sqliteBackend);
    }
    void endTransaction(SQLSMALLINT completion) {
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, connection, completion);
        SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        checkConnection(rc, QStringLiteral("Cannot end the transaction."));
    }
};

OdbcEngine::OdbcEngine(const QString& driverConnectionString, bool translateFromTsql) : d_(std::make_unique<Private>()) {
    d_->translate = translateFromTsql;
    // Name the source without secrets: the DSN or the database file, never the password.
    static const QRegularExpression source(QStringLiteral("(?:^|;)\\s*(DSN|Database|Data Source|Server)\\s*=\\s*([^;]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto match = source.match(driverConnectionString);
    d_->dataSource = match.hasMatch() ? match.captured(2).trimmed() : driverConnectionString.section(QLatin1Char(';'), 0, 0);

    if (!succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &d_->environment)))
        throw automation::Error(automation::errors::ProviderError, kSource, QStringLiteral("Cannot start ODBC."));
    SQLSetEnvAttr(d_->environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_DBC, d_->environment, &d_->connection))) {
        SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
        throw automation::Error(automation::errors::ProviderError, kSource, QStringLiteral("Cannot start ODBC."));
    }
    std::u16string text = wide(driverConnectionString);
    const SQLRETURN rc = SQLDriverConnectW(d_->connection, nullptr, sqlText(text), static_cast<SQLSMALLINT>(text.size()),
                                           nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!succeeded(rc)) {
        try {
            raise(SQL_HANDLE_DBC, d_->connection, QStringLiteral("Cannot connect."));
        } catch (const automation::Error& error) {
            SQLFreeHandle(SQL_HANDLE_DBC, d_->connection);
            SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
            throw automation::Error(error.number(), error.source(),
                                    QStringLiteral("Cannot open the ODBC data source '%1': %2").arg(d_->dataSource, error.description()));
        }
    }
    SQLWCHAR dbms[64] = {};
    SQLSMALLINT length = 0;
    if (succeeded(SQLGetInfoW(d_->connection, SQL_DBMS_NAME, dbms, sizeof(dbms), &length)))
        d_->sqliteBackend = fromWide(dbms, length / 2).startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive);
}

OdbcEngine::~OdbcEngine() {
    SQLDisconnect(d_->connection);
    SQLFreeHandle(SQL_HANDLE_DBC, d_->connection);
    SQLFreeHandle(SQL_HANDLE_ENV, d_->environment);
}

QString OdbcEngine::dataSource() const { return d_->dataSource; }

tsql::BatchResult OdbcEngine::execute(const QString& text) {
    Statement stmt(d_->connection, d_->sqliteBackend);
    std::u16string sql = wide(text);
    stmt.check(SQLExecDirectW(stmt.handle(), sqlText(sql), static_cast<SQLINTEGER>(sql.size())),
               QStringLiteral("Cannot run the statement."));
    return collect(stmt);
}

tsql::BatchResult OdbcEngine::executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) {
    Statement stmt(d_->connection, d_->sqliteBackend);
    std::u16string text = wide(sql);
    stmt.check(SQLPrepareW(stmt.handle(), sqlText(text), static_cast<SQLINTEGER>(text.size())),
               QStringLiteral("Cannot prepare the statement."));
    // The buffers must live until SQLExecute: keep them in vectors sized up front.
    std::vector<std::u16string> texts(parameters.size());
    std::vector<SQLBIGINT> integers(parameters.size());
    std::vector<double> reals(parameters.size());
    std::vector<SQLLEN> indicators(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const QVariant& value = parameters[i];
        const auto number = static_cast<SQLUSMALLINT>(i + 1);
        SQLRETURN rc;
        if (automation::isNull(value) || automation::isEmpty(value)) {
            indicators[i] = SQL_NULL_DATA;
            rc = SQLBindParameter(stmt.handle(), number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 1, 0, nullptr, 0,
                                  &indicators[i]);
        } else if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float) {
            reals[i] = value.toDouble();
            rc = SQLBindParameter(stmt.handle(), number, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &reals[i], 0,
                                  nullptr);
        } else if (value.metaType().id() != QMetaType::QString && value.canConvert<qlonglong>()) {
            integers[i] = value.toLongLong();
            rc = SQLBindParameter(stmt.handle(), number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &integers[i],
                                  0, nullptr);
        } else {
            texts[i] = wide(value.toString());
            indicators[i] = static_cast<SQLLEN>(texts[i].size() * sizeof(char16_t));
            rc = SQLBindParameter(stmt.handle(), number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                                  std::max<SQLULEN>(texts[i].size(), 1), 0, texts[i].data(), indicators[i], &indicators[i]);
        }
        stmt.check(rc, QStringLiteral("Cannot bind a parameter."));
    }
    stmt.check(SQLExecute(stmt.handle()), QStringLiteral("Cannot run the statement."));
    return collect(stmt);
}

QStringList OdbcEngine::primaryKey(const QString& table) {
    Statement stmt(d_->connection, d_->sqliteBackend);
    std::u16string name = wide(table);
    stmt.check(SQLPrimaryKeysW(stmt.handle(), nullptr, 0, nullptr, 0, sqlText(name), static_cast<SQLSMALLINT>(name.size())),
               QStringLiteral("Cannot read the primary key of %1.").arg(table));
    // Columns 4 (COLUMN_NAME) and 5 (KEY_SEQ) of the catalog result.
    std::vector<std::pair<int, QString>> columns;
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt.handle());
        if (rc == SQL_NO_DATA) break;
        stmt.check(rc, QStringLiteral("Cannot read the primary key of %1.").arg(table));
        const QVariant column = readValue(stmt, 4, ValueKind::Text);
        const QVariant sequence = readValue(stmt, 5, ValueKind::Integer);
        columns.emplace_back(sequence.toInt(), column.toString());
    }
    std::sort(columns.begin(), columns.end());
    QStringList key;
    for (const auto& [sequence, column] : columns) key << column;
    return key;
}

void OdbcEngine::beginTransaction() {
    d_->checkConnection(SQLSetConnectAttrW(d_->connection, SQL_ATTR_AUTOCOMMIT,
                                           reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                        QStringLiteral("Cannot begin a transaction."));
}

void OdbcEngine::commitTransaction() { d_->endTransaction(SQL_COMMIT); }

void OdbcEngine::rollbackTransaction() { d_->endTransaction(SQL_ROLLBACK); }

QString OdbcEngine::quoteIdentifier(const QString& name) const {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace ado
