#pragma once

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace ado::test {

// A fresh SQLite file in a temporary folder, with the statements of setup run on it natively.
class TestDatabase {
public:
    explicit TestDatabase(const QString& setup);

    QString path() const { return path_; }
    QString connectionString(const QString& extra = QString()) const;
    // A new open connection on the file (SQLite dialect).
    std::shared_ptr<Connection> connect(const QString& extra = QString()) const;
    // The rows of a query as text "a|b;c|d" (Null shown as NULL), read on a connection of its own.
    QString rows(const QString& query) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// Opens a statement as a recordset with the given lock type.
std::shared_ptr<Recordset> openRecordset(const std::shared_ptr<Connection>& connection, const QString& sql,
                                         LockType lockType = LockType::Optimistic);

// The values of one field over the recordset's visible rows in its order, walked on a clone that takes the
// recordset's filter and sort; the recordset itself does not move.
QStringList column(const Recordset& recordset, const QString& field);

// What a caller can rely on after any operation: recordCount() equals the rows visible when walking under
// the same filter and sort, positions run 1..N, bookmarks are unique, and the current row (if any) is at
// the same position and bookmark in that walk.
::testing::AssertionResult invariantsHold(const Recordset& recordset);

// Runs call and returns the automation::Error it raised (number 0 when it raised none).
automation::Error errorOf(const std::function<void()>& call);

}  // namespace ado::test
