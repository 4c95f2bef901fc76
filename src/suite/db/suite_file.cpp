#include "suite/db/suite_file.h"

#include "automation/error.h"
#include "tsql/dialect.h"

#include <sqlite3.h>

namespace suite::db {

SuiteFile::SuiteFile(const QString& path, Mode mode) {
    const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
        sqlite3_close(db_);
        db_ = nullptr;
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("SQLite"),
                                QStringLiteral("%1: %2").arg(message, path));
    }
    try {
        tsql::registerExtensions(db_);
        dialect_ = tsql::makeNativeDialect(db_);
        execute(QStringLiteral("PRAGMA foreign_keys = ON"));
        if (mode == Mode::Create)
            execute(QStringLiteral("PRAGMA journal_mode = WAL"));
    } catch (...) {
        dialect_.reset();
        sqlite3_close(db_);
        throw;
    }
}

SuiteFile::~SuiteFile() {
    dialect_.reset();  // finalizes its prepared statements, which would keep the connection open
    sqlite3_close(db_);
}

tsql::BatchResult SuiteFile::execute(const QString& sql) { return dialect_->execute(sql); }

qint64 SuiteFile::scalar(const QString& sql) {
    const tsql::BatchResult result = execute(sql);
    if (result.resultSets.empty() || result.resultSets.back().rows.empty())
        return 0;
    return result.resultSets.back().rows.front().front().toLongLong();
}

std::vector<TableRows> SuiteFile::tableRows() {
    const tsql::BatchResult names = execute(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                       "ORDER BY name"));
    std::vector<TableRows> tables;
    if (names.resultSets.empty())
        return tables;
    for (const tsql::Row& row : names.resultSets.back().rows) {
        const QString table = row.front().toString();
        tables.push_back({table, scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table))});
    }
    return tables;
}

}  // namespace suite::db
