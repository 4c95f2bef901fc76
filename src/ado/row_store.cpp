#include "ado/row_store.h"

#include "ado/connection.h"
#include "automation/variant.h"

namespace ado {

RowStore::RowStore(std::vector<ColumnInfo> columns, tsql::Rows rows, std::shared_ptr<Connection> connection,
                   LockType lockType)
    : columns_(std::move(columns)), read_(std::move(rows)), status_(read_.size(), RowStatus::Unchanged),
      connection_(std::move(connection)), lockType_(lockType), writer_(columns_) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const int index = static_cast<int>(i);
        if (!exactNames_.contains(columns_[i].name))
            exactNames_.insert(columns_[i].name, index);
        const QString folded = columns_[i].name.toCaseFolded();
        if (!foldedNames_.contains(folded))
            foldedNames_.insert(folded, index);
    }
}

tsql::Row RowStore::values(int row) const {
    const tsql::Row* own = changed(row);
    return own ? *own : read_.row(static_cast<std::size_t>(row));
}

tsql::Row& RowStore::ownValues(int row) {
    auto [own, added] = changed_.try_emplace(row);
    if (added)
        own->second = read_.row(static_cast<std::size_t>(row));
    return own->second;
}

Record RowStore::record(int row) const {
    const auto pending = pending_.find(row);
    return Record{values(row), status(row), pending == pending_.end() ? nullptr : &pending->second};
}

PendingChange& RowStore::pendingChange(int row) {
    auto [it, added] = pending_.try_emplace(row);
    if (added) {
        it->second.originals = values(row);
        it->second.changed.assign(columns_.size(), false);
    }
    return it->second;
}

int RowStore::indexOf(const QString& name) const {
    const auto exact = exactNames_.constFind(name);
    if (exact != exactNames_.constEnd())
        return exact.value();
    return foldedNames_.value(name.toCaseFolded(), -1);
}

void RowStore::setUniqueTable(const QString& table) {
    uniqueTable_ = table;
    writer_.setUniqueTable(table);
}

void RowStore::setValue(int row, int column, const QVariant& value, quint64 owner) {
    QVariant coerced = columns_[static_cast<std::size_t>(column)].coerce(value);
    if (editRow_ >= 0 && editRow_ != row)
        commitEdit();
    if (editRow_ < 0) {
        const auto pending = pending_.find(row);
        beforeEdit_ = Saved{values(row), status(row),
                            pending == pending_.end() ? std::nullopt : std::optional<PendingChange>(pending->second)};
        editRow_ = row;
        editMode_ = EditMode::InProgress;
        editOwner_ = owner;
        if (status(row) == RowStatus::Unchanged)
            status_[static_cast<std::size_t>(row)] = RowStatus::Modified;
    }
    pendingChange(row).changed[static_cast<std::size_t>(column)] = true;
    ownValues(row)[static_cast<std::size_t>(column)] = std::move(coerced);
}

int RowStore::addRow(quint64 owner) {
    commitEdit();
    const int row = rowCount();
    changed_.insert_or_assign(row, tsql::Row(columns_.size(), automation::null()));
    status_.push_back(RowStatus::New);
    pendingChange(row);
    ++version_;
    editRow_ = row;
    editMode_ = EditMode::Add;
    editOwner_ = owner;
    return editRow_;
}

void RowStore::commitEdit() {
    if (editRow_ < 0)
        return;
    if (writesAtOnce()) {
        if (status(editRow_) == RowStatus::New) {
            writer_.insert(*connection_, record(editRow_));
        } else {
            writer_.update(*connection_, record(editRow_));
        }
        accept(editRow_);
    } else if (isInMemory()) {
        accept(editRow_);
    }
    endEdit();
}

void RowStore::cancelEdit() {
    if (editRow_ < 0)
        return;
    if (editMode_ == EditMode::Add) {
        remove(editRow_);
    } else {
        const auto index = static_cast<std::size_t>(editRow_);
        changed_.insert_or_assign(editRow_, std::move(beforeEdit_.values));
        status_[index] = beforeEdit_.status;
        if (beforeEdit_.pending) {
            pending_[editRow_] = std::move(*beforeEdit_.pending);
        } else {
            pending_.erase(editRow_);
        }
    }
    endEdit();
}

void RowStore::deleteRow(int row) {
    if (editRow_ >= 0 && editRow_ != row)
        commitEdit();
    if (editRow_ == row) {
        const bool adding = editMode_ == EditMode::Add;
        cancelEdit();
        if (adding)
            return;
    }
    if (status(row) == RowStatus::New || isInMemory()) {
        remove(row);
        return;
    }
    if (writesAtOnce()) {
        writer_.remove(*connection_, record(row));
        remove(row);
        return;
    }
    pendingChange(row);
    status_[static_cast<std::size_t>(row)] = RowStatus::Deleted;
    ++version_;
}

template <class Call>
void RowStore::forEachRow(const std::vector<int>* rows, Call&& call) {
    if (rows) {
        for (int row : *rows)
            call(row);
    } else {
        for (int row = 0; row < rowCount(); ++row)
            call(row);
    }
}

void RowStore::updateBatch(const std::vector<int>* rows) {
    commitEdit();
    if (!connection_)
        return;
    auto write = [&](int row) {
        switch (status(row)) {
        case RowStatus::Deleted:
            writer_.remove(*connection_, record(row));
            remove(row);
            break;
        case RowStatus::New:
            writer_.insert(*connection_, record(row));
            accept(row);
            break;
        case RowStatus::Modified:
            writer_.update(*connection_, record(row));
            accept(row);
            break;
        default: break;
        }
    };
    forEachRow(rows, write);
}

void RowStore::cancelBatch(const std::vector<int>* rows) {
    cancelEdit();
    auto undo = [&](int row) {
        switch (status(row)) {
        case RowStatus::New: remove(row); break;
        case RowStatus::Deleted:
            ++resetVersion_;
            ++version_;
            [[fallthrough]];
        case RowStatus::Modified:
            changed_.insert_or_assign(row, std::move(pending_[row].originals));
            accept(row);
            break;
        default: break;
        }
    };
    forEachRow(rows, undo);
}

void RowStore::accept(int row) {
    pending_.erase(row);
    status_[static_cast<std::size_t>(row)] = RowStatus::Unchanged;
}

void RowStore::remove(int row) {
    changed_.insert_or_assign(row, tsql::Row());
    pending_.erase(row);
    status_[static_cast<std::size_t>(row)] = RowStatus::Removed;
    ++version_;
}

void RowStore::endEdit() {
    editRow_ = -1;
    editMode_ = EditMode::None;
    editOwner_ = 0;
    beforeEdit_ = Saved();
}

}  // namespace ado
