#include "ado/column_info.h"

#include "ado/value_comparison.h"
#include "automation/error.h"
#include "automation/variant.h"

#include <QRegularExpression>

namespace ado {

namespace {

enum class Kind { Integer, Real, Text, Other };

// Numbers in text, read as VB reads them ("." as the decimal separator whatever the locale).
double textToNumber(const QVariant& value) {
    try {
        return automation::cdbl(value.toString());
    } catch (automation::Error& error) {
        error.setSource(QStringLiteral("ADODB.Field"));
        throw;
    }
}

Kind kindOf(DataType type) {
    switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::TinyInt:
    case DataType::UnsignedTinyInt:
    case DataType::BigInt:
    case DataType::Boolean: return Kind::Integer;
    case DataType::Single:
    case DataType::Double:
    case DataType::Currency:
    case DataType::Decimal:
    case DataType::Numeric: return Kind::Real;
    case DataType::BSTR:
    case DataType::Char:
    case DataType::WChar:
    case DataType::VarChar:
    case DataType::LongVarChar:
    case DataType::VarWChar:
    case DataType::LongVarWChar: return Kind::Text;
    default: return Kind::Other;
    }
}

// Bytes of fixed-size types; characters of text types come from the declaration.
qint64 ownSize(DataType type) {
    switch (type) {
    case DataType::TinyInt:
    case DataType::UnsignedTinyInt: return 1;
    case DataType::SmallInt:
    case DataType::Boolean: return 2;
    case DataType::Integer:
    case DataType::Single: return 4;
    case DataType::BigInt:
    case DataType::Double:
    case DataType::Currency:
    case DataType::Date: return 8;
    case DataType::Guid:
    case DataType::Decimal:
    case DataType::DBTimeStamp: return 16;
    case DataType::Numeric: return 19;
    case DataType::DBDate: return 6;
    case DataType::DBTime: return 6;
    default: return 0;
    }
}

constexpr qint64 LongSize = 2147483647;

struct Declared {
    const char* name;
    DataType type;
};

// SQL Server's types (and SQLite's own names) by the first word of a declaration.
constexpr Declared DeclaredTypes[] = {
    {"INT", DataType::Integer},
    {"INTEGER", DataType::Integer},
    {"SMALLINT", DataType::SmallInt},
    {"TINYINT", DataType::UnsignedTinyInt},
    {"BIGINT", DataType::BigInt},
    {"BIT", DataType::Boolean},
    {"VARCHAR", DataType::VarChar},
    {"NVARCHAR", DataType::VarWChar},
    {"CHAR", DataType::Char},
    {"NCHAR", DataType::WChar},
    {"TEXT", DataType::LongVarChar},
    {"NTEXT", DataType::LongVarWChar},
    {"CLOB", DataType::LongVarChar},
    {"DECIMAL", DataType::Numeric},
    {"NUMERIC", DataType::Numeric},
    {"MONEY", DataType::Currency},
    {"SMALLMONEY", DataType::Currency},
    {"FLOAT", DataType::Double},
    {"DOUBLE", DataType::Double},
    {"REAL", DataType::Single},
    {"DATETIME", DataType::DBTimeStamp},
    {"DATETIME2", DataType::DBTimeStamp},
    {"SMALLDATETIME", DataType::DBTimeStamp},
    {"DATE", DataType::DBDate},
    {"TIME", DataType::DBTime},
    {"UNIQUEIDENTIFIER", DataType::Guid},
    {"BLOB", DataType::LongVarBinary},
    {"VARBINARY", DataType::VarBinary},
    {"BINARY", DataType::Binary},
    {"IMAGE", DataType::LongVarBinary},
};

bool fromDeclaration(const QString& declaration, DataType* type, qint64* size) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([A-Za-z0-9_]+)(?:\s+[A-Za-z]+)*\s*(?:\(\s*(\w+)\s*(?:,\s*\d+\s*)?\))?)"));
    const QRegularExpressionMatch match = pattern.match(declaration);
    if (!match.hasMatch())
        return false;
    const QString word = match.captured(1).toUpper();
    for (const Declared& d : DeclaredTypes) {
        if (word != QLatin1String(d.name))
            continue;
        *type = d.type;
        const QString length = match.captured(2);
        if (kindOf(d.type) == Kind::Text || d.type == DataType::VarBinary || d.type == DataType::Binary) {
            if (length.compare(QLatin1String("MAX"), Qt::CaseInsensitive) == 0 || length.isEmpty()) {
                if (d.type == DataType::VarChar)
                    *type = DataType::LongVarChar;
                if (d.type == DataType::VarWChar)
                    *type = DataType::LongVarWChar;
                if (d.type == DataType::VarBinary)
                    *type = DataType::LongVarBinary;
                *size = (d.type == DataType::Char || d.type == DataType::WChar) && length.isEmpty() ? 1 : LongSize;
            } else {
                *size = length.toLongLong();
            }
        } else {
            *size = ownSize(d.type);
        }
        return true;
    }
    return false;
}

DataType fromValue(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::LongLong: {
        const qint64 v = value.toLongLong();
        return v >= INT32_MIN && v <= INT32_MAX ? DataType::Integer : DataType::BigInt;
    }
    case QMetaType::Double: return DataType::Double;
    case QMetaType::QByteArray: return DataType::LongVarBinary;
    default: return DataType::VarWChar;
    }
}

}  // namespace

ColumnInfo ColumnInfo::fromResult(const tsql::Column& column, const tsql::ResultSet& rows, std::size_t index) {
    ColumnInfo info;
    info.name = column.name;
    info.table = column.table;
    info.origin = column.origin;
    if (fromDeclaration(column.declaredType, &info.type, &info.definedSize))
        return info;
    info.type = DataType::VarWChar;
    for (std::size_t row = 0; row < rows.rows.size(); ++row) {
        if (!rows.rows.isNull(row, index)) {
            info.type = fromValue(rows.rows.value(row, index));
            break;
        }
    }
    info.definedSize =
        kindOf(info.type) == Kind::Text || info.type == DataType::LongVarBinary ? LongSize : ownSize(info.type);
    return info;
}

ColumnInfo ColumnInfo::appended(const QString& name, DataType type, qint64 definedSize) {
    ColumnInfo info;
    info.name = name;
    info.type = type;
    info.definedSize = definedSize > 0 ? definedSize : ownSize(type);
    return info;
}

QVariant ColumnInfo::coerce(const QVariant& value) const {
    if (automation::isEmpty(value) || automation::isNull(value))
        return automation::null();
    const int id = value.metaType().id();
    switch (kindOf(type)) {
    case Kind::Integer:
        if (isIntegerType(id))
            return QVariant(value.toLongLong());
        if (id == QMetaType::Bool)
            return QVariant(static_cast<qint64>(value.toBool() ? 1 : 0));
        if (id == QMetaType::Double || id == QMetaType::Float)
            return QVariant(static_cast<qint64>(automation::roundHalfToEven(value.toDouble())));
        return QVariant(static_cast<qint64>(automation::roundHalfToEven(textToNumber(value))));
    case Kind::Real:
        if (isIntegerType(id) || id == QMetaType::Double || id == QMetaType::Float)
            return QVariant(value.toDouble());
        if (id == QMetaType::Bool)
            return QVariant(value.toBool() ? 1.0 : 0.0);
        return QVariant(textToNumber(value));
    case Kind::Text: return QVariant(value.toString());
    case Kind::Other: break;
    }
    if (isIntegerType(id))
        return QVariant(value.toLongLong());
    switch (id) {
    case QMetaType::Float: return QVariant(value.toDouble());
    default: return value;
    }
}

}  // namespace ado
