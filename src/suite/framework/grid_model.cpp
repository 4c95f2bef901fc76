#include "suite/framework/grid_model.h"

#include "suite/framework/grid_layout_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"

namespace suite {

namespace {

bool isNumericType(ado::DataType type) {
    switch (type) {
    case ado::DataType::SmallInt:
    case ado::DataType::Integer:
    case ado::DataType::Single:
    case ado::DataType::Double:
    case ado::DataType::Currency:
    case ado::DataType::Decimal:
    case ado::DataType::TinyInt:
    case ado::DataType::UnsignedTinyInt:
    case ado::DataType::BigInt:
    case ado::DataType::Numeric:
    case ado::DataType::Boolean: return true;
    default: return false;
    }
}

// A check value as the field stores it: a number for numeric fields.
QVariant valueForField(const ado::Field& field, const QString& text) {
    if (isNumericType(field.type())) {
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        if (ok)
            return number;
    }
    return text;
}

host::GridRow readRow(const ado::Recordset& recordset, int index) {
    host::GridRow row;
    row.index = index;
    row.bookmark = recordset.bookmark();
    const ado::Fields& fields = recordset.fields();
    for (int i = 0; i < fields.count(); ++i) {
        const ado::Field field = fields.item(i);
        row.values.insert(field.name().toUpper(), field.value());
    }
    return row;
}

}  // namespace

GridModel::GridModel(const host::ControlDesign& design) : ControlBase<host::Grid>(design) {}

void GridModel::setDataSource(std::shared_ptr<ado::Recordset> recordset) {
    dataSource_ = std::move(recordset);
    valueLists_.clear();
    notifyChanged();
}

void GridModel::setColumnLayout(std::shared_ptr<host::GridLayout> layout) { layout_ = std::move(layout); }

void GridModel::beginColumnDefinition() { columns_.clear(); }

void GridModel::endColumnDefinition() {
    columns_ = layout_ ? layout_->columns() : QList<host::GridColumn>();
    if (layout_ && layout_->recordset())
        dataSource_ = layout_->recordset();
    valueLists_.clear();
    notifyChanged();
}

void GridModel::applyLayout() { notifyChanged(); }

host::GridColumn* GridModel::find(const QString& field) {
    const int index = columnIndex(field);
    return index >= 0 ? &columns_[index] : nullptr;
}

const host::GridColumn* GridModel::find(const QString& field) const {
    const int index = columnIndex(field);
    return index >= 0 ? &columns_[index] : nullptr;
}

int GridModel::columnIndex(const QString& field) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

template <class T>
void GridModel::setColumn(const QString& field, T host::GridColumn::*member, const T& value) {
    if (host::GridColumn* column = find(field)) {
        column->*member = value;
        notifyChanged();
    }
}

void GridModel::setColumnCaption(const QString& field, const QString& caption) {
    setColumn(field, &host::GridColumn::caption, caption);
}
void GridModel::setColumnWidth(const QString& field, int width) { setColumn(field, &host::GridColumn::width, width); }
void GridModel::setColumnVisible(const QString& field, bool visible) {
    setColumn(field, &host::GridColumn::visible, visible);
}
void GridModel::setColumnLevel(const QString& field, int level) { setColumn(field, &host::GridColumn::level, level); }
void GridModel::setColumnEditable(const QString& field, int editable) {
    setColumn(field, &host::GridColumn::editable, editable);
}
void GridModel::setColumnAlignment(const QString& field, int alignment) {
    setColumn(field, &host::GridColumn::alignment, alignment);
}
void GridModel::setColumnHeaderAlignment(const QString& field, int alignment) {
    setColumn(field, &host::GridColumn::headerAlignment, alignment);
}
void GridModel::setColumnSortable(const QString& field, bool sortable) {
    setColumn(field, &host::GridColumn::sortable, sortable);
}
void GridModel::setSelectAllChecked(const QString& field, bool checked) {
    setColumn(field, &host::GridColumn::selectAllChecked, checked);
}

void GridModel::setColumnCheckValues(const QString& field, const QString& checked, const QString& unchecked) {
    if (host::GridColumn* column = find(field)) {
        column->kind = host::column_kind::Check;
        column->checkedValue = checked;
        column->uncheckedValue = unchecked;
        notifyChanged();
    }
}

bool GridModel::isSelectAllChecked(const QString& field) const {
    const host::GridColumn* column = find(field);
    return column && column->selectAllChecked;
}

void GridModel::setEditable(bool editable) {
    editable_ = editable;
    notifyChanged();
}

void GridModel::setCellEditing(const QString&, bool editing, bool) { cellEditingAllowed_ = editing; }

void GridModel::setRedrawEnabled(bool enabled) {
    redrawEnabled_ = enabled;
    if (enabled)
        notifyChanged();
}

void GridModel::refresh() {
    valueLists_.clear();
    notifyChanged();
}

void GridModel::redraw() { notifyChanged(); }

void GridModel::endEdit() { notifyChanged(); }

void GridModel::release() {
    dataSource_.reset();
    layout_.reset();
    columns_.clear();
    valueLists_.clear();
    notifyChanged();
}

bool GridModel::isOpen() const { return dataSource_ && dataSource_->isOpen(); }

QList<host::GridRow> GridModel::rows() const {
    QList<host::GridRow> result;
    if (!isOpen())
        return result;
    const std::shared_ptr<ado::Recordset> walker = dataSource_->clone();
    walker->setFilter(dataSource_->filter());
    walker->setSort(dataSource_->sort());
    if (walker->isBof() && walker->isEof())
        return result;
    for (walker->moveFirst(); !walker->isEof(); walker->moveNext())
        result.append(readRow(*walker, int(result.size())));
    return result;
}

int GridModel::rowCount() const { return isOpen() ? int(dataSource_->recordCount()) : 0; }

int GridModel::currentRow() const {
    if (!isOpen() || dataSource_->isBof() || dataSource_->isEof())
        return -1;
    const qint64 position = dataSource_->absolutePosition();
    return position > 0 ? int(position - 1) : -1;
}

host::GridRow GridModel::currentGridRow() const { return readRow(*dataSource_, currentRow()); }

QString GridModel::valueListText(const host::GridColumn& column, const QVariant& code) {
    auto list = valueLists_.find(column.field);
    if (list == valueLists_.end()) {
        list = valueLists_.insert(column.field, {});
        std::shared_ptr<ado::Connection> connection;
        if (const auto* layout = dynamic_cast<const GridLayoutModel*>(layout_.get()); layout && layout->host())
            connection = layout->host()->connection();
        if (!connection && dataSource_)
            connection = dataSource_->activeConnection();
        if (connection) {
            const std::shared_ptr<ado::Recordset> rows =
                connection->execute(column.valueListStatement, nullptr, ado::TextKind::Statement);
            if (rows->isOpen()) {
                for (; !rows->isEof(); rows->moveNext())
                    list->insert(automation::cstr(rows->value(0)), automation::cstr(rows->value(1)));
            }
        }
    }
    const QString key = automation::cstr(code);
    return list->value(key, key);
}

QVariant GridModel::displayValue(const host::GridRow& row, const QString& field) {
    QVariant value = row.value(field);
    if (const host::GridColumn* column = find(field);
        column && column->kind == host::column_kind::ValueList && !column->valueListStatement.isEmpty())
        value = valueListText(*column, value);
    DataFormatEXT.raise(value, field);
    return value;
}

qint32 GridModel::cellColor(const host::GridRow& row, const QString& field) {
    qint32 color = -1;
    CustomDrawCell.raise(row, field, color);
    return color;
}

QList<GridModel::Group> GridModel::groups() {
    QString level1;
    QString level2;
    for (const host::GridColumn& column : columns_) {
        if (column.level == 1)
            level1 = column.field;
        else if (column.level == 2)
            level2 = column.field;
    }
    QList<Group> result;
    QHash<QPair<QString, QString>, qsizetype> found;  // the group of each pair of shown texts
    const QList<host::GridRow> all = rows();
    for (const host::GridRow& row : all) {
        const QVariant first = level1.isEmpty() ? QVariant() : displayValue(row, level1);
        const QVariant second = level2.isEmpty() ? QVariant() : displayValue(row, level2);
        const QPair<QString, QString> key{automation::cstr(first), automation::cstr(second)};
        auto group = found.constFind(key);
        if (group == found.constEnd()) {
            group = found.insert(key, result.size());
            result.append(Group{first, second, {}});
        }
        result[*group].rows.append(row.index);
    }
    return result;
}

QStringList GridModel::checkInvariants() const {
    QStringList broken;
    if (!isOpen()) {
        if (currentRow() != -1)
            broken << QStringLiteral("a grid without rows has a current row");
        return broken;
    }
    const QList<host::GridRow> all = rows();
    if (all.size() != dataSource_->recordCount())
        broken
            << QStringLiteral("%1 rows shown, the recordset counts %2").arg(all.size()).arg(dataSource_->recordCount());
    const int current = currentRow();
    if (current < -1 || current >= all.size())
        broken << QStringLiteral("current row %1 outside the %2 rows").arg(current).arg(all.size());
    else if (current >= 0 && all[current].bookmark != dataSource_->bookmark())
        broken << QStringLiteral("current row %1 is not the recordset's current row").arg(current);
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].index != i)
            broken << QStringLiteral("row %1 numbered %2").arg(i).arg(all[i].index);
    }
    const ado::Fields& fields = dataSource_->fields();
    for (const host::GridColumn& column : columns_) {
        if (fields.indexOf(column.field) < 0)
            broken << QStringLiteral("column %1 has no field in the recordset").arg(column.field);
    }
    for (const host::GridRow& row : all) {
        if (row.values.size() != fields.count())
            broken << QStringLiteral("row %1 has %2 values for %3 fields")
                          .arg(row.index)
                          .arg(row.values.size())
                          .arg(fields.count());
    }
    return broken;
}

bool GridModel::selectRow(int row) {
    if (!canTakeFocus() || row < 0 || row >= rowCount())
        return false;
    takeFocus();
    if (row == currentRow())
        return true;
    bool cancel = false;
    BeforeRowChange.raise(row, cancel);
    if (cancel)
        return false;
    dataSource_->setAbsolutePosition(row + 1);
    RowChanged.raise();
    notifyChanged();
    return true;
}

bool GridModel::cellEditable(const host::GridColumn& column) const { return editable_ && column.editable == 1; }

bool GridModel::askBeforeEdit(const QString& field) {
    cellEditingAllowed_ = true;
    bool cancel = false;
    BeforeEdit.raise(field, cancel);
    return !cancel && cellEditingAllowed_;
}

bool GridModel::tickCell(int row, const QString& field) {
    const host::GridColumn* found = find(field);
    if (!found || found->kind != host::column_kind::Check || !selectRow(row))
        return false;
    const host::GridColumn column = *found;
    const QString name = column.field;
    const bool editable = cellEditable(column);
    if (editable && !askBeforeEdit(name))
        return false;
    const QVariant before = dataSource_->value(name);
    const QString after = automation::cstr(before) == column.checkedValue ? column.uncheckedValue : column.checkedValue;
    dataSource_->setValue(name, valueForField(dataSource_->fields().item(name), after));
    CellChanged.raise();
    const host::GridRow changed = currentGridRow();
    SelectionBoxClick.raise(changed, name, before);
    if (editable)
        CheckEditToggleClick.raise(changed, name, after);
    notifyChanged();
    return true;
}

bool GridModel::editCell(int row, const QString& field, const QVariant& value) {
    const host::GridColumn* column = find(field);
    if (!column || !cellEditable(*column) || !selectRow(row))
        return false;
    const QString name = column->field;
    if (!askBeforeEdit(name))
        return false;
    host::GridRow edited = currentGridRow();
    edited.values.insert(name.toUpper(), value);
    OnEdited.raise(edited);
    notifyChanged();
    return true;
}

bool GridModel::clickSelectAll(const QString& field) {
    host::GridColumn* column = find(field);
    if (!canTakeFocus() || !column || column->kind != host::column_kind::Check)
        return false;
    column->selectAllChecked = !column->selectAllChecked;
    const QString name = column->field;
    const int state = column->selectAllChecked ? -1 : 0;
    notifyChanged();
    SelectAllClickEXT.raise(name, state);
    return true;
}

int GridModel::pressKey(int keyCode, int shift) { return pressKeyOn(KeyDown, keyCode, shift); }

}  // namespace suite
