#pragma once

#include <QList>

namespace suite {

// What the person did in a lookup window: closed it, picked one row, or confirmed a selection of several
// (multiple selection only). Rows are 0-based indexes into the rows shown.
struct LookupPick {
    enum class Kind { Cancel, Row, Selection };

    Kind kind = Kind::Cancel;
    QList<int> rows;

    static LookupPick cancel() { return {}; }
    static LookupPick row(int index) { return {Kind::Row, {index}}; }
    static LookupPick selection(QList<int> indexes) { return {Kind::Selection, std::move(indexes)}; }
};

}  // namespace suite
