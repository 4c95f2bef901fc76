#include "suite/widgets/lookup_dialog.h"

#include "ado/fields.h"
#include "ado/recordset.h"
#include "automation/variant.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace suite {

namespace {

// Fills model with the recordset's rows; the columns are the headers' (field names when there are none).
void fill(QStandardItemModel& model, const LookupView& view) {
    const ado::Recordset* rows = view.rows.get();
    const int fieldCount = rows && rows->isOpen() ? rows->fields().count() : 0;
    int columns = view.headers.isEmpty() ? fieldCount : std::min(int(view.headers.size()), fieldCount);
    if (fieldCount == 0)
        columns = int(view.headers.size());
    model.setColumnCount(columns);
    for (int column = 0; column < columns; ++column) {
        const QString caption =
            column < view.headers.size() ? view.headers[column].value(0) : rows->fields().item(column).name();
        model.setHeaderData(column, Qt::Horizontal, caption);
    }
    if (!rows || !rows->isOpen() || (rows->isBof() && rows->isEof()))
        return;
    const std::shared_ptr<ado::Recordset> walker = view.rows->clone();
    for (walker->moveFirst(); !walker->isEof(); walker->moveNext()) {
        QList<QStandardItem*> line;
        for (int column = 0; column < columns; ++column) {
            auto* item = new QStandardItem(automation::cstr(walker->value(column)));
            item->setEditable(false);
            line.append(item);
        }
        line.first()->setData(model.rowCount(), Qt::UserRole);
        model.appendRow(line);
    }
}

}  // namespace

LookupDialog::LookupDialog(const LookupView& view, QWidget* parent)
    : QDialog(parent), multiple_(view.multipleSelection) {
    setWindowTitle(view.title.isEmpty() ? QStringLiteral("Ricerca") : view.title);
    auto* layout = new QVBoxLayout(this);

    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(QStringLiteral("Cerca:"), this);
    search_ = new QLineEdit(this);
    search_->setClearButtonEnabled(true);
    search_->setPlaceholderText(QStringLiteral("Testo contenuto in una qualsiasi colonna"));
    searchLabel->setBuddy(search_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    layout->addLayout(searchRow);

    rows_ = new QStandardItemModel(this);
    fill(*rows_, view);
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(rows_);
    filter_->setFilterKeyColumn(-1);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    table_ = new QTableView(this);
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(multiple_ ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();
    layout->addWidget(table_, 1);

    auto* count = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(QStringLiteral("Seleziona"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    const auto showCount = [this, count] {
        count->setText(QStringLiteral("%1 di %2 righe").arg(filter_->rowCount()).arg(rows_->rowCount()));
    };
    showCount();
    connect(search_, &QLineEdit::textChanged, this, [this, showCount](const QString& text) {
        filter_->setFilterFixedString(text);
        showCount();
        if (!table_->selectionModel()->hasSelection() && filter_->rowCount() > 0)
            table_->selectRow(0);
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
    connect(table_, &QTableView::doubleClicked, this, [this] { confirm(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { confirm(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (filter_->rowCount() > 0)
        table_->selectRow(0);
    updateButtons();
    search_->setFocus();
    resize(std::max(480, std::min(900, table_->horizontalHeader()->length() + 60)), 420);
}

void LookupDialog::updateButtons() { choose_->setEnabled(table_->selectionModel()->hasSelection()); }

void LookupDialog::confirm() {
    QList<int> picked;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        picked.append(filter_->mapToSource(index).row());
    if (picked.isEmpty())
        return;
    std::sort(picked.begin(), picked.end());
    pick_ = multiple_ ? LookupPick::selection(picked) : LookupPick::row(picked.first());
    accept();
}

void LookupDialog::confirmRows(const QList<int>& shownRows) {
    table_->clearSelection();
    for (const int row : shownRows)
        table_->selectionModel()->select(filter_->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    confirm();
}

}  // namespace suite
