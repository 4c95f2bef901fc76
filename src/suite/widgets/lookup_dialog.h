#pragma once

#include "suite/framework/lookup_presenter.h"

#include <QDialog>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QPushButton;

namespace suite {

// The lookup window as a dialog: the rows under their column headers, a search field that filters them
// (any column containing the text, case ignored), one row picked by a double click, Enter or "Seleziona",
// or with multiple selection several rows confirmed together.
class LookupDialog : public QDialog {
public:
    LookupDialog(const LookupView& view, QWidget* parent = nullptr);

    // What the person did once the dialog has closed.
    LookupPick pick() const { return pick_; }

    QLineEdit* searchField() const { return search_; }
    QTableView* table() const { return table_; }
    // Selects the rows shown at these indexes (as a person would) and confirms; for tests.
    void confirmRows(const QList<int>& shownRows);

private:
    void confirm();
    void updateButtons();

    bool multiple_;
    QLineEdit* search_;
    QTableView* table_;
    QStandardItemModel* rows_;
    QSortFilterProxyModel* filter_;
    QPushButton* choose_;
    LookupPick pick_;
};

}  // namespace suite
