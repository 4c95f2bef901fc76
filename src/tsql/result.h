#pragma once

#include <QString>
#include <QVariant>
#include <vector>

namespace tsql {

// One column of a result set as SQLite describes it. table/origin are empty for computed columns;
// they tell the data layer where a recordset writes the column back.
struct Column {
    QString name;          // the column's name in the result (alias if any)
    QString declaredType;  // the declared type of the origin column, or empty
    QString table;         // sqlite3_column_table_name
    QString origin;        // sqlite3_column_origin_name
};

// A value is Null (automation::null()), qint64, double, QString or QByteArray.
using Row = std::vector<QVariant>;

struct ResultSet {
    std::vector<Column> columns;
    std::vector<Row> rows;
};

// What running a batch produced: every result set in order (the caller reads the last one) and the
// rows affected by the last statement that changed rows (-1 when none did).
struct BatchResult {
    std::vector<ResultSet> resultSets;
    long long rowsAffected = -1;
};

}  // namespace tsql
