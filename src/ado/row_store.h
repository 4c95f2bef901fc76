#pragma once

#include "ado/column_info.h"
#include "ado/record.h"
#include "ado/row_writer.h"
#include "ado/types.h"

#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ado {

class Connection;

// The rows a recordset and its clones share, with their one pending edit and their batch changes.
// Rows are never erased (a row's index is its bookmark); deleted rows stay as Removed. The rows of a
// result are kept as they came, in their block of cells; a row changed since (edited, added, removed, put
// back) has its own values instead. What a row remembers of its changes is kept only while it has some.
// version() changes whenever rows appear or disappear, resetVersion() when hidden rows come back
// (cancelBatch), so that each recordset can bring its own view up to date.
class RowStore {
public:
    RowStore(std::vector<ColumnInfo> columns, tsql::Rows rows, std::shared_ptr<Connection> connection,
             LockType lockType);
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    const std::vector<ColumnInfo>& columns() const { return columns_; }
    // Case-insensitive; -1 when absent.
    int indexOf(const QString& name) const;

    int rowCount() const { return static_cast<int>(status_.size()); }
    // How many values the row has: every column's, none once it is Removed.
    int width(int row) const {
        const tsql::Row* own = changed(row);
        return own ? static_cast<int>(own->size()) : static_cast<int>(columns_.size());
    }
    // column < width(row).
    QVariant value(int row, int column) const {
        const tsql::Row* own = changed(row);
        return own ? (*own)[static_cast<std::size_t>(column)]
                   : read_.value(static_cast<std::size_t>(row), static_cast<std::size_t>(column));
    }
    // A copy of the row's values.
    tsql::Row values(int row) const;
    RowStatus status(int row) const { return status_[static_cast<std::size_t>(row)]; }
    bool isVisible(int row) const { return ado::isVisible(status(row)); }
    Record record(int row) const;
    quint64 version() const { return version_; }
    quint64 resetVersion() const { return resetVersion_; }

    const std::shared_ptr<Connection>& connection() const { return connection_; }
    LockType lockType() const { return lockType_; }
    // In-memory rows (no connection) accept every change at once.
    bool isInMemory() const { return !connection_; }
    bool isReadOnly() const { return connection_ && lockType_ == LockType::ReadOnly; }
    QString uniqueTable() const { return uniqueTable_; }
    void setUniqueTable(const QString& table);

    int editRow() const { return editRow_; }
    EditMode editMode() const { return editRow_ < 0 ? EditMode::None : editMode_; }
    // The recordset whose moves end the pending edit (0: none).
    quint64 editOwner() const { return editOwner_; }
    void setEditOwner(quint64 owner) { editOwner_ = owner; }

    // Writes a value into a row, starting its edit; a pending edit of another row is committed first.
    void setValue(int row, int column, const QVariant& value, quint64 owner);
    // Appends a row and starts its edit (a pending edit is committed first); returns the row.
    int addRow(quint64 owner);
    void commitEdit();
    void cancelEdit();
    void deleteRow(int row);
    // rows: the rows in scope, or every row when null.
    void updateBatch(const std::vector<int>* rows);
    void cancelBatch(const std::vector<int>* rows);

private:
    // A row's state before its edit began, put back by cancelEdit().
    struct Saved {
        tsql::Row values;
        RowStatus status = RowStatus::Unchanged;
        std::optional<PendingChange> pending;
    };

    bool writesAtOnce() const { return connection_ && lockType_ != LockType::BatchOptimistic; }
    template <class Call>
    void forEachRow(const std::vector<int>* rows, Call&& call);
    // The row's pending change, started from its current values when it has none.
    PendingChange& pendingChange(int row);
    void accept(int row);
    void remove(int row);
    void endEdit();

    std::vector<ColumnInfo> columns_;
    QHash<QString, int> exactNames_;
    QHash<QString, int> foldedNames_;
    const tsql::Row* changed(int row) const {
        if (changed_.empty())
            return nullptr;
        const auto own = changed_.find(row);
        return own == changed_.end() ? nullptr : &own->second;
    }
    // The row's own values, copied from the result's first.
    tsql::Row& ownValues(int row);

    tsql::Rows read_;
    std::unordered_map<int, tsql::Row> changed_;
    std::vector<RowStatus> status_;
    std::unordered_map<int, PendingChange> pending_;
    std::shared_ptr<Connection> connection_;
    LockType lockType_;
    QString uniqueTable_;
    RowWriter writer_;
    quint64 version_ = 0;
    quint64 resetVersion_ = 0;

    int editRow_ = -1;
    EditMode editMode_ = EditMode::None;
    quint64 editOwner_ = 0;
    Saved beforeEdit_;
};

}  // namespace ado
