#include "ado_test_support.h"

#include "automation/variant.h"

#include <sqlite3.h>

namespace ado::test {

TestDatabase::TestDatabase(const QString& setup) : path_(dir_.filePath(QStringLiteral("suite.db"))) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_close(db);
    connect()->execute(setup);
}

QString TestDatabase::connectionString(const QString& extra) const {
    return QStringLiteral("Provider=SQLite;Data Source=%1;Dialect=SQLite").arg(path_) + extra;
}

std::shared_ptr<Connection> TestDatabase::connect(const QString& extra) const {
    auto connection = std::make_shared<Connection>();
    connection->open(connectionString(extra));
    return connection;
}

QString TestDatabase::rows(const QString& query) const {
    auto connection = connect();
    auto recordset = connection->execute(query);
    QStringList rows;
    for (; !recordset->isEof(); recordset->moveNext()) {
        QStringList values;
        for (int i = 0; i < recordset->fields().count(); ++i) {
            const QVariant v = recordset->value(i);
            values << (automation::isNull(v) ? QStringLiteral("NULL") : v.toString());
        }
        rows << values.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

std::shared_ptr<Recordset> openRecordset(const std::shared_ptr<Connection>& connection, const QString& sql,
                                         LockType lockType) {
    auto recordset = std::make_shared<Recordset>();
    recordset->open(sql, connection, CursorType::Static, lockType);
    return recordset;
}

namespace {

std::shared_ptr<Recordset> walker(const Recordset& recordset) {
    auto copy = recordset.clone();
    copy->setFilter(recordset.filter());
    copy->setSort(recordset.sort());
    return copy;
}

}  // namespace

QStringList column(const Recordset& recordset, const QString& field) {
    QStringList values;
    for (auto copy = walker(recordset); !copy->isEof(); copy->moveNext()) {
        const QVariant v = copy->value(field);
        values << (automation::isNull(v) ? QStringLiteral("NULL") : v.toString());
    }
    return values;
}

::testing::AssertionResult invariantsHold(const Recordset& recordset) {
    auto copy = walker(recordset);
    std::set<qint64> bookmarks;
    qint64 expected = 0;
    const bool onRow = !recordset.isBof() && !recordset.isEof() && recordset.absolutePosition() > 0;
    for (; !copy->isEof(); copy->moveNext()) {
        ++expected;
        if (copy->absolutePosition() != expected) {
            return ::testing::AssertionFailure()
                   << "row " << expected << " reports position " << copy->absolutePosition();
        }
        if (!bookmarks.insert(copy->bookmark().toLongLong()).second) {
            return ::testing::AssertionFailure() << "bookmark repeated at row " << expected;
        }
        if (onRow && recordset.absolutePosition() == expected && recordset.bookmark() != copy->bookmark()) {
            return ::testing::AssertionFailure() << "current row is not at its position " << expected;
        }
    }
    if (recordset.recordCount() != expected) {
        return ::testing::AssertionFailure()
               << "recordCount " << recordset.recordCount() << ", rows walked " << expected;
    }
    if (expected == 0 && !(recordset.isBof() && recordset.isEof()) && recordset.absolutePosition() != PosUnknown) {
        return ::testing::AssertionFailure() << "no rows, yet not at BOF and EOF";
    }
    return ::testing::AssertionSuccess();
}

automation::Error errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const automation::Error& error) {
        return error;
    }
    return automation::Error(0, QString(), QString());
}

}  // namespace ado::test
