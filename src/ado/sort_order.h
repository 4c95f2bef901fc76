#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace ado {

// A recordset's Sort text, compiled: "F1 [ASC|DESC], F2 ..." with names plain or [bracketed].
class SortOrder {
public:
    // fieldIndex gives a field's index by name, or -1 (which raises ItemNotFound); malformed text raises
    // ArgumentsWrongType.
    static SortOrder parse(const QString& text, const std::function<int(const QString&)>& fieldIndex);

    // Whether row a sorts before row b.
    bool less(const std::vector<QVariant>& a, const std::vector<QVariant>& b) const;

private:
    struct Key {
        int field;
        bool descending;
    };
    std::vector<Key> keys_;
};

}  // namespace ado
