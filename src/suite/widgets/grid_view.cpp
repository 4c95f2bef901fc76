#include "suite/widgets/grid_view.h"

#include "suite/widgets/grid_table_model.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/grid_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

namespace suite {

GridView::GridView(ViewHub& hub, std::shared_ptr<GridModel> model, QWidget* parent)
    : QTableView(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    rows_ = new GridTableModel(hub, model_, this);
    setModel(rows_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the grid for the next control: the grid is one stop, and Tab never changes its record.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (!rows_->isCheckColumn(section))
            return;
        const QString field = rows_->column(section).field;
        gesture([this, field] { model_->clickSelectAll(field); });
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (!fitting_)
            sizedByPerson_.insert(section);
    });
    connect(rows_, &QAbstractItemModel::dataChanged, this, [this] { fitPending_ = true; });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (isSyncing() || !current.isValid())
            return;
        const int row = rows_->gridRow(current.row());
        if (row >= 0 && row != model_->currentRow())
            gesture([this, row] { model_->selectRow(row); });
        showCurrentRow();
        // A click selects its row after this signal: when the row change was refused, the highlight goes
        // back to the current row once the click is over, so that what is highlighted is what is shown.
        if (row != model_->currentRow())
            QTimer::singleShot(0, this, [this] { showCurrentRow(); });
    });
    // The model read the rows it had before this view existed.
    applyLayout();
    sync();
}

void GridView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    if (updatesEnabled() != model_->isRedrawEnabled())
        setUpdatesEnabled(model_->isRedrawEnabled());
    if (!model_->isRedrawEnabled())
        return;
    if (state() == QAbstractItemView::EditingState)
        return;  // the rows are read again once the edit is confirmed
    if (rows_->refresh())
        applyLayout();
    else if (std::exchange(fitPending_, false))
        fitColumns();
    showCurrentRow();
}

void GridView::modelChanged() { hub().scheduleSync(); }

void GridView::applyLayout() {
    clearSpans();
    sizedByPerson_.clear();
    {
        QScopedValueRollback guard(fitting_, true);
        for (int section = 0; section < rows_->columnCount(); ++section)
            setColumnWidth(section, designedWidth(section));
    }
    for (int row = 0; row < rows_->rowCount(); ++row) {
        if (rows_->isHeading(row) && rows_->columnCount() > 1)
            setSpan(row, 0, 1, rows_->columnCount());
    }
    fitColumns();
}

int GridView::designedWidth(int section) const { return std::max(toPixels(rows_->column(section).width), 24); }

void GridView::fitColumns() {
    fitPending_ = false;
    const int columns = rows_->columnCount();
    int last = columns - 1;  // it stretches to the grid's edge by itself
    while (last >= 0 && isColumnHidden(last))
        --last;
    if (last <= 0)
        return;
    QScopedValueRollback guard(fitting_, true);
    int room = viewport()->width() - designedWidth(last);
    for (int section = 0; section < last; ++section) {
        if (!isColumnHidden(section))
            room -= sizedByPerson_.contains(section) ? columnWidth(section) : designedWidth(section);
    }
    for (int section = 0; section < last; ++section) {
        if (isColumnHidden(section) || sizedByPerson_.contains(section))
            continue;
        const int designed = designedWidth(section);
        const int wanted = std::max(sizeHintForColumn(section), horizontalHeader()->sectionSizeHint(section));
        const int extra = std::clamp(wanted - designed, 0, std::max(room, 0));
        if (columnWidth(section) != designed + extra)
            setColumnWidth(section, designed + extra);
        room -= extra;
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

void GridView::showCurrentRow() {
    SyncScope scope(*this);
    const int row = rows_->viewRow(model_->currentRow());
    if (row < 0) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex current = currentIndex();
    const QModelIndexList highlighted = selectionModel()->selectedRows();
    if (current.isValid() && current.row() == row && highlighted.size() == 1 && highlighted.front().row() == row)
        return;
    const int column = current.isValid() ? current.column() : 0;
    selectionModel()->setCurrentIndex(rows_->index(row, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(rows_->index(row, column));
}

void GridView::keyPressEvent(QKeyEvent* event) {
    // While a cell is edited its keys belong to the editor.
    if (state() == QAbstractItemView::EditingState ||
        keyGoesOn(*event, [this](int code, int shift) { return model_->pressKey(code, shift); }))
        QTableView::keyPressEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    focusFromPerson();
}

}  // namespace suite
