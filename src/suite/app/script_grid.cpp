#include "suite/app/script_grid.h"

#include "suite/app/script_host.h"

#include "suite/framework/grid_model.h"

#include "automation/variant.h"

#include <QJSEngine>

namespace suite {

ScriptGrid::ScriptGrid(ScriptHost& host, std::shared_ptr<host::Control> control)
    : ScriptControlBase(host, control), grid_(dynamic_cast<GridModel&>(*control)) {}

int ScriptGrid::rowCount() const { return grid_.rowCount(); }

int ScriptGrid::currentRow() const { return grid_.currentRow(); }

QJSValue ScriptGrid::columns() const {
    QJSValue list = host().engine().newArray(quint32(grid_.columnCount()));
    for (int i = 0; i < grid_.columnCount(); ++i) {
        const host::GridColumn column = grid_.column(i);
        QJSValue shown = host().engine().newObject();
        shown.setProperty(QStringLiteral("field"), column.field);
        shown.setProperty(QStringLiteral("caption"), column.caption);
        shown.setProperty(QStringLiteral("visible"), column.visible);
        shown.setProperty(QStringLiteral("width"), column.width);
        list.setProperty(quint32(i), shown);
    }
    return list;
}

QStringList ScriptGrid::fields() const {
    QStringList result;
    for (int i = 0; i < grid_.columnCount(); ++i)
        result << grid_.columnField(i);
    return result;
}

bool ScriptGrid::checkRow(int row) {
    if (row >= 0 && row < grid_.rowCount())
        return true;
    host().engine().throwError(
        QJSValue::RangeError,
        QStringLiteral("%1 has no row %2 (it has %3)").arg(name()).arg(row).arg(grid_.rowCount()));
    return false;
}

QString ScriptGrid::cell(int row, const QString& field) {
    if (!checkRow(row))
        return QString();
    QString text;
    host().gesture([&] { text = automation::cstr(grid_.displayValue(grid_.rows().at(row), field)); });
    return text;
}

QJSValue ScriptGrid::value(int row, const QString& field) {
    if (!checkRow(row))
        return QJSValue();
    return host().toScript(grid_.rows().at(row).value(field));
}

bool ScriptGrid::select(int row) {
    return checkRow(row) && host().perform([&] { return grid_.selectRow(row); });
}

bool ScriptGrid::tick(int row, const QString& field) {
    return checkRow(row) && host().perform([&] { return grid_.tickCell(row, field); });
}

bool ScriptGrid::selectAll(const QString& field, bool checked) {
    if (grid_.isSelectAllChecked(field) == checked)
        return true;
    return host().perform([&] { return grid_.clickSelectAll(field); });
}

bool ScriptGrid::isSelectAllChecked(const QString& field) const { return grid_.isSelectAllChecked(field); }

bool ScriptGrid::edit(int row, const QString& field, const QVariant& text) {
    return checkRow(row) && host().perform([&] { return grid_.editCell(row, field, text); });
}

int ScriptGrid::colour(int row) {
    if (!checkRow(row))
        return -1;
    qint32 colour = -1;
    host().gesture([&] {
        for (int i = 0; i < grid_.columnCount(); ++i) {
            const host::GridColumn column = grid_.column(i);
            if (column.visible) {
                colour = grid_.cellColor(grid_.rows().at(row), column.field);
                return;
            }
        }
    });
    return colour;
}

int ScriptGrid::key(int code, int shift) {
    int left = code;
    host().gesture([&] { left = grid_.pressKey(code, shift); });
    return left;
}

}  // namespace suite
