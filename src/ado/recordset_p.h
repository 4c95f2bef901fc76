#pragma once

#include "ado/column_info.h"
#include "ado/filter_expression.h"
#include "ado/recordset.h"
#include "ado/row_store.h"
#include "ado/sort_order.h"

#include <optional>
#include <vector>

namespace ado {

// A recordset's own state: its settings, and its view (filter, sort, position) over the shared rows.
struct Recordset::Private {
    quint64 serial;  // identifies the recordset as the owner of a pending edit

    CursorLocation cursorLocation = CursorLocation::Server;
    CursorType cursorType = CursorType::ForwardOnly;
    LockType lockType = LockType::ReadOnly;
    std::shared_ptr<Connection> connection;
    QString source;
    QString uniqueTable;
    std::vector<ColumnInfo> appended;

    std::shared_ptr<RowStore> store;
    std::vector<int> view;  // visible rows in this recordset's order
    // Index into view: -1 is BOF, view.size() is EOF. On a deleted row, the index of the row after it.
    qint64 pos = -1;
    bool onDeleted = false;
    int deletedRow = -1;  // the deleted row stood on
    quint64 version = 0;
    quint64 resetVersion = 0;
    std::size_t known = 0;  // rows of the store this view has considered
    int rowBeforeAdd = -1;

    QString filterText;
    std::optional<FilterExpression> filter;
    QString sortText;
    std::optional<SortOrder> sort;

    Private();

    void requireOpen() const;
    void requireUpdatable() const;
    const ColumnInfo& column(int index) const;
    int indexOf(const QString& name) const;     // -1 when absent
    int fieldIndex(const QString& name) const;  // raises ItemNotFound

    // Brings the view up to date with rows added or removed through clones.
    void sync() {
        if (store->version() != version)
            resync();
    }
    void resync();
    // Whether a row belongs in the view: visible and passing the filter.
    bool shows(int row) const;
    // Recomputes the view under the filter and sort; stays on the current row when asked and possible,
    // otherwise goes to the first row.
    void rebuild(bool keepCurrent);
    void compile();
    // Sets the filter or sort text (text is filterText or sortText) and goes to the first row; malformed
    // text raises and leaves the previous one in force.
    void setViewText(QString& text, const QString& value);
    // Before the cursor moves: a pending edit this recordset started is updated.
    void leave();

    int currentRow() {
        // The common case inline (a walk reads every field through it): open, up to date, on a row.
        if (store && store->version() == version && !onDeleted && pos >= 0 && pos < static_cast<qint64>(view.size()))
            return view[static_cast<std::size_t>(pos)];
        return checkedCurrentRow();
    }
    // currentRow() the long way, raising where there is no current row.
    int checkedCurrentRow();
    Record currentRecord() { return store->record(currentRow()); }
    // Runs a batch operation of the rows on the rows in scope: the current row (also when just deleted),
    // the rows under the filter, or all.
    void applyToScope(Affect affect, void (RowStore::*batch)(const std::vector<int>*));
};

}  // namespace ado
