#include "ado/row_store.h"

#include "ado/connection.h"
#include "automation/variant.h"

namespace ado {

RowStore::RowStore(std::vector<ColumnInfo> columns, std::vector<tsql::Row> rows, std::shared_ptr<Connection> connection,
                   LockType lockType)
    : columns_(std::move(columns)),
      connection_(std::move(connection)),
      lockType_(lockType),
      writer_(columns_) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const int index = static_cast<int>(i);
        if (!exactNames_.contains(columns_[i].name)) exactNames_.insert(columns_[i].name, index);
        const QString folded = columns_[i].name.toCaseFolded();
        if (!foldedNames_.contains(folded)) foldedNames_.insert(folded, index);
    }
    records_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) records_[i].values = std::move(rows[i]);
}

int RowStore::indexOf(const QString& name) const {
    const auto exact = exactNames_.constFind(name);
    if (exact != exactNames_.constEnd()) return exact.value();
    return foldedNames_.value(name.toCaseFolded(), -1);
}

void RowStore::setUniqueTable(const QString& table) {
    uniqueTable_ = table;
    writer_.setUniqueTable(table);
}

void RowStore::setValue(int row, int column, const QVariant& value, quint64 owner) {
    QVariant coerced = columns_[static_cast<std::size_t>(column)].coerce(value);
    if (editRow_ >= 0 && editRow_ != row) commitEdit();
    Record& record = at(row);
    if (editRow_ < 0) {
        beforeEdit_ = record;
        editRow_ = row;
        editMode_ = EditMode::InProgress;
        editOwner_ = owner;
        if (record.status == RowStatus::Unchanged) {
            record.originals = record.values;
            record.changed.assign(columns_.size(), false);
            record.status = RowStatus::Modified;
        }
    }
    record.values[static_cast<std::size_t>(column)] = std::move(coerced);
    record.changed[static_cast<std::size_t>(column)] = true;
}

int RowStore::addRow(quint64 owner) {
    commitEdit();
    Record record;
    record.values.assign(columns_.size(), automation::null());
    record.originals = record.values;
    record.changed.assign(columns_.size(), false);
    record.status = RowStatus::New;
    records_.push_back(std::move(record));
    ++version_;
    editRow_ = static_cast<int>(records_.size()) - 1;
    editMode_ = EditMode::Add;
    editOwner_ = owner;
    return editRow_;
}

void RowStore::commitEdit() {
    if (editRow_ < 0) return;
    Record& record = at(editRow_);
    if (writesAtOnce()) {
        if (record.status == RowStatus::New) {
            writer_.insert(*connection_, record);
        } else {
            writer_.update(*connection_, record);
        }
        accept(record);
    } else if (isInMemory()) {
        accept(record);
    }
    endEdit();
}

void RowStore::cancelEdit() {
    if (editRow_ < 0) return;
    Record& record = at(editRow_);
    if (editMode_ == EditMode::Add) {
        remove(record);
    } else {
        record = std::move(beforeEdit_);
    }
    endEdit();
}

void RowStore::deleteRow(int row) {
    if (editRow_ >= 0 && editRow_ != row) commitEdit();
    if (editRow_ == row) {
        const bool adding = editMode_ == EditMode::Add;
        cancelEdit();
        if (adding) return;
    }
    Record& record = at(row);
    if (record.status == RowStatus::New || isInMemory()) {
        remove(record);
        return;
    }
    if (writesAtOnce()) {
        writer_.remove(*connection_, record);
        remove(record);
        return;
    }
    if (record.originals.empty()) record.originals = record.values;
    record.status = RowStatus::Deleted;
    ++version_;
}

template <class Call>
void RowStore::forEachRow(const std::vector<int>* rows, Call&& call) {
    if (rows) {
        for (int row : *rows) call(row);
    } else {
        for (std::size_t i = 0; i < records_.size(); ++i) call(static_cast<int>(i));
    }
}

void RowStore::updateBatch(const std::vector<int>* rows) {
    commitEdit();
    if (!connection_) return;
    auto write = [&](int row) {
        Record& record = at(row);
        switch (record.status) {
        case RowStatus::Deleted:
            writer_.remove(*connection_, record);
            remove(record);
            break;
        case RowStatus::New:
            writer_.insert(*connection_, record);
            accept(record);
            break;
        case RowStatus::Modified:
            writer_.update(*connection_, record);
            accept(record);
            break;
        default:
            break;
        }
    };
    forEachRow(rows, write);
}

void RowStore::cancelBatch(const std::vector<int>* rows) {
    cancelEdit();
    auto undo = [&](int row) {
        Record& record = at(row);
        switch (record.status) {
        case RowStatus::New:
            remove(record);
            break;
        case RowStatus::Deleted:
            ++resetVersion_;
            ++version_;
            [[fallthrough]];
        case RowStatus::Modified:
            record.values = std::move(record.originals);
            accept(record);
            break;
        default:
            break;
        }
    };
    forEachRow(rows, undo);
}

void RowStore::accept(Record& record) {
    record.originals.clear();
    record.changed.clear();
    record.status = RowStatus::Unchanged;
}

void RowStore::remove(Record& record) {
    record = Record();
    record.status = RowStatus::Removed;
    ++version_;
}

void RowStore::endEdit() {
    editRow_ = -1;
    editMode_ = EditMode::None;
    editOwner_ = 0;
    beforeEdit_ = Record();
}

}  // namespace ado
