#pragma once

#include "tsql/result.h"

#include <QString>
#include <memory>
#include <vector>

struct sqlite3;

namespace tsql {
class Dialect;
}

namespace suite::db {

struct TableRows {
    QString table;
    qint64 rows = 0;
};

// An open suite database file, set up as every suite connection must be: the DATABASE_DEFAULT collation and
// the SQL Server functions registered (tsql::registerExtensions), foreign keys enforced. Failures are
// automation::Error, constraint failures with errors::IntegrityViolation.
class SuiteFile {
public:
    enum class Mode {
        Open,    // an existing file
        Create,  // a new file, in WAL journal mode
    };

    SuiteFile(const QString& path, Mode mode);
    ~SuiteFile();
    SuiteFile(const SuiteFile&) = delete;
    SuiteFile& operator=(const SuiteFile&) = delete;

    sqlite3* handle() const { return db_; }

    // Runs every statement of SQLite text in order.
    tsql::BatchResult execute(const QString& sql);

    // The first column of the first row of the last result set, as integer.
    qint64 scalar(const QString& sql);

    // Every table of the file (not SQLite's own) with its number of rows, by name.
    std::vector<TableRows> tableRows();

private:
    sqlite3* db_ = nullptr;
    std::unique_ptr<tsql::Dialect> dialect_;
};

}  // namespace suite::db
