#pragma once

#include "ado/types.h"
#include "tsql/result.h"

#include <QString>
#include <QVariant>

namespace ado {

// What a recordset knows of one of its columns: how it is shown as a Field and where it is written back.
struct ColumnInfo {
    QString name;
    DataType type = DataType::VarWChar;
    qint64 definedSize = 0;
    QString table;   // base table, empty for computed columns and in-memory fields
    QString origin;  // column of the base table

    // A column of a result set. Without a declared type (an expression) the type follows the first
    // value that is not Null.
    static ColumnInfo fromResult(const tsql::Column& column, const tsql::ResultSet& rows, std::size_t index);
    // A field appended to an in-memory recordset; definedSize 0 takes the type's own size.
    static ColumnInfo appended(const QString& name, DataType type, qint64 definedSize);

    // A value written to the field, held the way values read from the engine are: Null and Empty give
    // Null, integers qint64, reals double, text QString. Text that is not a number for a numeric field
    // raises TypeMismatch.
    QVariant coerce(const QVariant& value) const;
};

}  // namespace ado
