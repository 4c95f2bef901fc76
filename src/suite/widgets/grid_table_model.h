#pragma once

#include "brondel/console/host_components/grid_column.h"
#include "brondel/console/host_components/grid_row.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>
#include <memory>

namespace suite {

class GridModel;
class ViewHub;

// The rows of a grid model for a QTableView. It reads the model once per refresh(): the shown columns,
// the rows grouped by the level-1 and level-2 columns (a heading row above each group; the level columns
// are shown in the headings, not in the rows), each cell's text after DataFormatEXT and its colour from
// CustomDrawCell. Ticking a check cell or confirming an edited cell goes to the grid model's gestures.
class GridTableModel : public QAbstractTableModel {
public:
    GridTableModel(ViewHub& hub, std::shared_ptr<GridModel> grid, QObject* parent = nullptr);

    // Reads the grid model again; returns true when the rows or columns changed shape (the view was reset).
    bool refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The grid model's row shown at a view row; -1 for a heading.
    int gridRow(int viewRow) const;
    int viewRow(int gridRow) const;
    bool isHeading(int viewRow) const { return gridRow(viewRow) < 0 && viewRow >= 0 && viewRow < lines_.size(); }
    const host::GridColumn& column(int section) const { return columns_[section]; }
    bool isCheckColumn(int section) const;
    // The heading's indentation level (1 or 2); 0 for a row.
    int headingLevel(int viewRow) const;

private:
    struct Cell {
        QString text;
        QVariant stored;
        QColor colour;  // invalid: the grid's own
    };
    struct Line {
        int gridRow = -1;  // -1: a heading
        int level = 0;
        QString heading;
        QList<Cell> cells;
        bool operator==(const Line& other) const;
    };

    QList<Line> lines_;
    QList<host::GridColumn> columns_;
    ViewHub& hub_;
    std::shared_ptr<GridModel> grid_;
    bool editable_ = false;
};

}  // namespace suite
