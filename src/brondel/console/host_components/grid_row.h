#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

namespace host {

// One row of a grid as its events report it: the stored values of the row's fields (before any
// DataFormatEXT), by field name in upper case, and the row's bookmark in the bound recordset.
struct GridRow {
    int index = -1;  // 0-based position among the grid's rows
    QVariant bookmark;
    QHash<QString, QVariant> values;

    QVariant value(const QString& field) const { return values.value(field.toUpper()); }
};

}  // namespace host
