#pragma once

#include <QString>
#include <QTemporaryDir>

struct sqlite3;

// A private copy of the demo suite database, opened as the data layer opens a suite connection: the T-SQL
// extensions registered and foreign keys enforced. Further connections to the same file can be opened.
class DemoDatabase {
public:
    DemoDatabase();
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase&) = delete;
    DemoDatabase& operator=(const DemoDatabase&) = delete;

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }

    // Another connection to the same file, set up the same way; the caller closes it.
    sqlite3* connect() const;
    // Runs SQLite text on a connection, failing the test on an error.
    static void exec(sqlite3* db, const QString& sql);

private:
    QTemporaryDir dir_;
    QString path_;
    sqlite3* db_ = nullptr;
};
