#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace brondel {

// What stores one working row's description (the row is the walk's current one); each runs its statement.
struct DescriptionWriters {
    std::function<void(const ado::Recordset& row)> remove;
    std::function<bool(const ado::Recordset& row)> exists;
    std::function<void(const ado::Recordset& row, const QString& text)> insert;
    std::function<void(const ado::Recordset& row, const QString& text)> update;
};

// The description sections (option descriptions by language and by customer or supplier, sub-code
// descriptions by language) edit a working table and write it back after each edit with this pass.
//
// Writes every row of a working table's recordset back to its table, from the first row to the last: a
// description that is empty is deleted, one that is stored is updated, any other is inserted. The pass
// is all or nothing: a failing statement rolls back the rows written before it and reaches the caller.
void saveDescriptions(ado::Connection& connection, const std::shared_ptr<ado::Recordset>& rows,
                      const QString& descriptionColumn, const DescriptionWriters& writers);

}  // namespace brondel
