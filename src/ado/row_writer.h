#pragma once

#include "ado/column_info.h"
#include "ado/record.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ado {

class Connection;

// Writes a recordset row back to its base tables: per table, the columns whose origin is that table (only
// the "Unique Table" when one is set; computed columns never), addressed by the table's primary key.
// Updates carry optimistic criteria (the key's and the changed columns' original values), deletes the
// original values of every column of the table; both raise RowNotFoundForUpdate when no row matches.
class RowWriter {
public:
    explicit RowWriter(const std::vector<ColumnInfo>& columns) : columns_(columns) {}

    void setUniqueTable(const QString& table);

    void insert(Connection& connection, const Record& record);
    void update(Connection& connection, const Record& record);
    void remove(Connection& connection, const Record& record);

private:
    struct Table {
        QString name;
        std::vector<int> columns;
        std::vector<int> keyColumns;  // recordset columns holding the primary key, in key order
        bool keyResolved = false;
    };

    std::vector<Table>& tables();
    const std::vector<int>& keyColumns(Connection& connection, Table& table);
    // Appends "col = ?" / "col IS NULL" for value to a WHERE clause.
    void criterion(Connection& connection, QString& sql, std::vector<QVariant>& parameters, int column,
                   const QVariant& value) const;
    // The WHERE criteria of a row as it was read: the key's original values, then those of columns.
    void rowAsRead(Connection& connection, QString& sql, std::vector<QVariant>& parameters, const std::vector<int>& key,
                   const std::vector<int>& columns, const Record& record) const;
    void run(Connection& connection, const QString& sql, const std::vector<QVariant>& parameters, bool mustMatch);

    const std::vector<ColumnInfo>& columns_;
    QString uniqueTable_;
    std::vector<Table> tables_;
    bool tablesKnown_ = false;
};

}  // namespace ado
