#include "suite/widgets/grid_table_model.h"

#include "suite/widgets/view_hub.h"

#include "suite/framework/grid_model.h"

#include "automation/variant.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>

namespace suite {

namespace {

const QColor HeadingBackground(0xe4, 0xec, 0xf5);

// A check box as the header shows it for a check column's select-all box.
QPixmap checkBoxPixmap(bool checked) {
    QStyle* style = QApplication::style();
    const int side = style->pixelMetric(QStyle::PM_IndicatorWidth);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOptionButton option;
    option.rect = QRect(0, 0, side, side);
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    return pixmap;
}

// The grid's colours are 0x00BBGGRR; -1 is the grid's own.
QColor fromGridColour(qint32 colour) {
    if (colour < 0)
        return {};
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

Qt::Alignment alignmentOf(int alignment) {
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

bool GridTableModel::Line::operator==(const Line& other) const {
    if (gridRow != other.gridRow || level != other.level || heading != other.heading ||
        cells.size() != other.cells.size())
        return false;
    for (int i = 0; i < cells.size(); ++i) {
        if (cells[i].text != other.cells[i].text || cells[i].colour != other.cells[i].colour ||
            automation::cstr(cells[i].stored) != automation::cstr(other.cells[i].stored))
            return false;
    }
    return true;
}

GridTableModel::GridTableModel(ViewHub& hub, std::shared_ptr<GridModel> grid, QObject* parent)
    : QAbstractTableModel(parent), hub_(hub), grid_(std::move(grid)) {
    refresh();
}

bool GridTableModel::refresh() {
    QList<host::GridColumn> columns;
    QList<host::GridColumn> levels;  // level 1, then level 2
    for (int i = 0; i < grid_->columnCount(); ++i) {
        const host::GridColumn column = grid_->column(i);
        if (column.level == 1 || column.level == 2)
            levels.insert(column.level == 1 ? 0 : levels.size(), column);
        else if (column.visible)
            columns.append(column);
    }

    const QList<host::GridRow> rows = grid_->rows();
    const auto rowLine = [&](const host::GridRow& row) {
        Line line;
        line.gridRow = row.index;
        for (const host::GridColumn& column : columns) {
            Cell cell;
            cell.stored = row.value(column.field);
            cell.text = automation::cstr(grid_->displayValue(row, column.field));
            cell.colour = fromGridColour(grid_->cellColor(row, column.field));
            line.cells.append(cell);
        }
        return line;
    };
    QList<Line> lines;
    if (levels.isEmpty()) {
        for (const host::GridRow& row : rows)
            lines.append(rowLine(row));
    } else {
        QStringList previous;
        for (const GridModel::Group& group : grid_->groups()) {
            QStringList values;
            for (const host::GridColumn& level : levels)
                values << automation::cstr(level.level == 1 ? group.level1 : group.level2);
            for (int level = 0; level < levels.size(); ++level) {
                if (previous.size() > level && previous[level] == values[level] &&
                    (level == 0 || previous[0] == values[0]))
                    continue;
                Line heading;
                heading.level = level + 1;
                const QString caption = levels[level].caption;
                heading.heading = caption.isEmpty() ? values[level] : caption + QStringLiteral(": ") + values[level];
                lines.append(heading);
            }
            previous = values;
            for (const int index : group.rows)
                lines.append(rowLine(rows[index]));
        }
    }

    bool sameShape = columns.size() == columns_.size() && lines.size() == lines_.size();
    for (int i = 0; sameShape && i < columns.size(); ++i)
        sameShape = columns[i].field == columns_[i].field && columns[i].caption == columns_[i].caption &&
                    columns[i].width == columns_[i].width && columns[i].kind == columns_[i].kind &&
                    columns[i].selectAllChecked == columns_[i].selectAllChecked;
    for (int i = 0; sameShape && i < lines.size(); ++i)
        sameShape = lines[i].gridRow == lines_[i].gridRow && lines[i].level == lines_[i].level;
    const bool editable = grid_->isEditable();
    if (sameShape && editable == editable_) {
        if (lines != lines_) {
            lines_ = lines;
            emit dataChanged(index(0, 0), index(int(lines_.size()) - 1, int(columns_.size()) - 1));
        }
        return false;
    }
    beginResetModel();
    columns_ = columns;
    lines_ = lines;
    editable_ = editable;
    endResetModel();
    return true;
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(lines_.size()); }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

int GridTableModel::gridRow(int viewRow) const {
    return viewRow >= 0 && viewRow < lines_.size() ? lines_[viewRow].gridRow : -1;
}

int GridTableModel::viewRow(int gridRow) const {
    if (gridRow < 0)
        return -1;
    for (int i = 0; i < lines_.size(); ++i) {
        if (lines_[i].gridRow == gridRow)
            return i;
    }
    return -1;
}

int GridTableModel::headingLevel(int viewRow) const { return isHeading(viewRow) ? lines_[viewRow].level : 0; }

bool GridTableModel::isCheckColumn(int section) const {
    return section >= 0 && section < columns_.size() && columns_[section].kind == host::column_kind::Check;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size() || index.column() >= columns_.size())
        return {};
    const Line& line = lines_[index.row()];
    if (line.gridRow < 0) {
        switch (role) {
        case Qt::DisplayRole: return index.column() == 0 ? QVariant(line.heading) : QVariant();
        case Qt::FontRole: {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::BackgroundRole: return QBrush(HeadingBackground);
        default: return {};
        }
    }
    const host::GridColumn& column = columns_[index.column()];
    const Cell& cell = line.cells[index.column()];
    switch (role) {
    case Qt::DisplayRole: return isCheckColumn(index.column()) ? QVariant() : QVariant(cell.text);
    case Qt::EditRole: return cell.text;
    case Qt::CheckStateRole:
        if (!isCheckColumn(index.column()))
            return {};
        return automation::cstr(cell.stored) == column.checkedValue ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole: return cell.colour.isValid() ? QVariant(QBrush(cell.colour)) : QVariant();
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(column.alignment));
    case Qt::ToolTipRole: return cell.text.size() > 20 ? QVariant(cell.text) : QVariant();
    default: return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const host::GridColumn& column = columns_[section];
    switch (role) {
    case Qt::DisplayRole: return column.caption;
    case Qt::DecorationRole:
        return isCheckColumn(section) ? QVariant(checkBoxPixmap(column.selectAllChecked)) : QVariant();
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(column.headerAlignment));
    case Qt::ToolTipRole:
        return isCheckColumn(section) ? QVariant(QStringLiteral("Seleziona o deseleziona tutte le righe")) : QVariant();
    default: return {};
    }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines_.size())
        return Qt::NoItemFlags;
    if (lines_[index.row()].gridRow < 0)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const host::GridColumn& column = columns_[index.column()];
    if (isCheckColumn(index.column()))
        flags |= Qt::ItemIsUserCheckable;
    else if (editable_ && column.editable == 1)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = gridRow(index.row());
    if (row < 0 || index.column() >= columns_.size())
        return false;
    const QString field = columns_[index.column()].field;
    if (role == Qt::CheckStateRole && isCheckColumn(index.column()))
        return hub_.run([&] { grid_->tickCell(row, field); });
    if (role == Qt::EditRole && (flags(index) & Qt::ItemIsEditable))
        return hub_.run([&] { grid_->editCell(row, field, value); });
    return false;
}

}  // namespace suite
