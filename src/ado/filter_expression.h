#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace ado {

// A recordset's Filter text, compiled: comparisons "field op value" (= <> < > <= >= LIKE) joined with AND
// and OR (AND binds tighter) and grouped by parentheses. A field is a name or a [bracketed] name; a value
// is 'text' (a doubled quote inside stands for one), a number, or Null. A comparison with Null on either
// side holds only for "= Null" on a Null field and "<> Null" on any other.
class FilterExpression {
public:
    // fieldIndex gives a field's index by name, or -1 (which raises ItemNotFound). Malformed text raises
    // ArgumentsWrongType.
    static FilterExpression parse(const QString& text, const std::function<int(const QString&)>& fieldIndex);

    // field gives the value of a row's field by index; only the fields the filter tests are read.
    using FieldValue = std::function<QVariant(int field)>;
    bool matches(const FieldValue& field) const;

    struct Node;

private:
    std::shared_ptr<const Node> root_;
};

}  // namespace ado
