#include "suite/framework/grid_layout_model.h"

namespace suite {

void GridLayoutModel::initialize(std::shared_ptr<host::Cinterface> host, std::shared_ptr<ado::Recordset> recordset,
                                 const QString& keyField, int option) {
    host_ = host;
    recordset_ = std::move(recordset);
    keyField_ = keyField;
    option_ = option;
}

void GridLayoutModel::addColumn(const QString& field, const QString& caption, int kind, int width, bool visible) {
    host::GridColumn column;
    column.field = field;
    column.caption = caption;
    column.kind = kind;
    column.width = width;
    column.visible = visible;
    columns_.append(column);
}

void GridLayoutModel::addCheckColumn(const QString& field, const QString& caption, const QString& checkedValue,
                                     const QString& uncheckedValue, bool selectAllChecked, int width, bool visible) {
    addColumn(field, caption, host::column_kind::Check, width, visible);
    host::GridColumn& column = columns_.last();
    column.checkedValue = checkedValue;
    column.uncheckedValue = uncheckedValue;
    column.selectAllChecked = selectAllChecked;
}

void GridLayoutModel::addValueListColumn(const QString& field, const QString& statement, const QString& caption,
                                         int width) {
    addColumn(field, caption, host::column_kind::ValueList, width, true);
    columns_.last().valueListStatement = statement;
}

}  // namespace suite
