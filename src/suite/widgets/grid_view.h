#pragma once

#include "suite/widgets/view_binding.h"

#include <QSet>
#include <QTableView>

namespace suite {

class GridModel;
class GridTableModel;

// A grid: a table over the grid model's rows (GridTableModel), with the model's current row selected.
// Choosing a row is selectRow() (a refused move keeps the selection where the model is), a click in a
// check cell is tickCell(), a confirmed cell edit is editCell(), a click on a check column's header is
// clickSelectAll(), keys go to pressKey().
class GridView : public QTableView, public ViewBinding {
public:
    GridView(ViewHub& hub, std::shared_ptr<GridModel> model, QWidget* parent);

    void sync() override;
    // Reading the rows runs the form's DataFormatEXT and CustomDrawCell handlers: never in the middle of
    // the form's own work, but once the gesture is over.
    void modelChanged() override;
    GridTableModel& rows() const { return *rows_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLayout();
    // Columns open at their designed widths; the room the grid has beyond them widens, left to right,
    // the columns whose caption or texts would be cut. A column the person sized keeps its size.
    void fitColumns();
    int designedWidth(int section) const;
    void showCurrentRow();

    std::shared_ptr<GridModel> model_;
    GridTableModel* rows_;
    QSet<int> sizedByPerson_;
    bool fitting_ = false;
    bool fitPending_ = false;  // texts changed since the columns were last fitted
};

}  // namespace suite
