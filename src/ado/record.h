#pragma once

#include <QVariant>
#include <vector>

namespace ado {

// Where a row stands between the database and the recordset.
enum class RowStatus {
    Unchanged,  // as last read or written
    Modified,   // changed, not yet written (being edited, or pending a batch update)
    New,        // added, not yet written
    Deleted,    // pending deletion by a batch update; hidden
    Removed,    // gone: deleted, or an addition that was cancelled; hidden
};

// One row of a recordset's rows. Its index in the rows is its identity (the bookmark) for life.
struct Record {
    std::vector<QVariant> values;
    std::vector<QVariant> originals;  // the values as last read or written; empty while Unchanged
    std::vector<bool> changed;        // columns changed since then; empty while Unchanged
    RowStatus status = RowStatus::Unchanged;

    bool isVisible() const {
        return status == RowStatus::Unchanged || status == RowStatus::Modified || status == RowStatus::New;
    }
    const QVariant& original(std::size_t column) const {
        return originals.empty() ? values[column] : originals[column];
    }
};

}  // namespace ado
