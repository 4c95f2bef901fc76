#pragma once

#include <QVariant>
#include <vector>

namespace ado {

// Where a row stands between the database and the recordset.
enum class RowStatus : unsigned char {
    Unchanged,  // as last read or written
    Modified,   // changed, not yet written (being edited, or pending a batch update)
    New,        // added, not yet written
    Deleted,    // pending deletion by a batch update; hidden
    Removed,    // gone: deleted, or an addition that was cancelled; hidden
};

inline bool isVisible(RowStatus status) {
    return status == RowStatus::Unchanged || status == RowStatus::Modified || status == RowStatus::New;
}

// What a row with a pending change (Modified, New, Deleted) remembers: its values as last read or written,
// and the columns changed since.
struct PendingChange {
    std::vector<QVariant> originals;
    std::vector<bool> changed;
};

// One row of a recordset's rows, as the fields and the writer read it (its values a copy); valid until the
// rows change. Its index in the rows is its identity (the bookmark) for life.
struct Record {
    std::vector<QVariant> values;
    RowStatus status;
    const PendingChange* pending;  // null while Unchanged

    bool isChanged(std::size_t column) const { return pending && pending->changed[column]; }
    const QVariant& original(std::size_t column) const { return pending ? pending->originals[column] : values[column]; }
};

}  // namespace ado
