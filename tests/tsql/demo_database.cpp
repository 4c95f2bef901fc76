#include "demo_database.h"

#include "suite/db/suite_database.h"
#include "tsql/dialect.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The demo database is built once per test program and copied for each test.
const QString& templatePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("demo.db"));
        suite::db::createSuiteDatabase(p, true);
        return p;
    }();
    return path;
}

}  // namespace

DemoDatabase::DemoDatabase() : path_(dir_.filePath(QStringLiteral("suite.db"))) {
    if (!QFile::copy(templatePath(), path_))
        ADD_FAILURE() << "cannot copy the demo database";
    db_ = connect();
}

DemoDatabase::~DemoDatabase() { sqlite3_close(db_); }

sqlite3* DemoDatabase::connect() const {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db);
    }
    tsql::registerExtensions(db);
    sqlite3_busy_timeout(db, 2000);
    exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    return db;
}

void DemoDatabase::exec(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        ADD_FAILURE() << message << "\n" << sql.toStdString();
        sqlite3_free(message);
    }
}
