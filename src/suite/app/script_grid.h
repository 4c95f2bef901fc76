#pragma once

#include "suite/app/script_control_base.h"

#include <QJSValue>
#include <QString>
#include <QVariant>

namespace suite {

class GridModel;

// A grid: its rows as a person sees them (cell() is the shown text, after the value lists and
// DataFormatEXT; value() the stored value), and its gestures. columns: [{field, caption, visible, width}] in
// the grid's order (width in twips). colour(row) is the text colour of the row's
// first shown cell as the grid numbers colours (0x00BBGGRR), -1 for the grid's own.
class ScriptGrid : public ScriptControlBase {
    Q_OBJECT
    Q_PROPERTY(int rowCount READ rowCount)
    Q_PROPERTY(int currentRow READ currentRow)
    Q_PROPERTY(QStringList fields READ fields)
    Q_PROPERTY(QJSValue columns READ columns)

public:
    ScriptGrid(ScriptHost& host, std::shared_ptr<host::Control> control);

    int rowCount() const;
    int currentRow() const;
    QStringList fields() const;
    QJSValue columns() const;

    Q_INVOKABLE QString cell(int row, const QString& field);
    Q_INVOKABLE QJSValue value(int row, const QString& field);
    Q_INVOKABLE bool select(int row);
    Q_INVOKABLE bool tick(int row, const QString& field);
    Q_INVOKABLE bool selectAll(const QString& field, bool checked);
    Q_INVOKABLE bool edit(int row, const QString& field, const QVariant& text);
    Q_INVOKABLE int colour(int row);
    Q_INVOKABLE int key(int code, int shift = 0);
    Q_INVOKABLE bool isSelectAllChecked(const QString& field) const;

private:
    // The row, or a JavaScript error when the grid has no such row.
    bool checkRow(int row);

    GridModel& grid_;
};

}  // namespace suite
