#pragma once

#include "ado/engine.h"

#include <memory>

namespace ado {

// The ODBC engine, for a real SQL Server: statement text goes to the driver unchanged. With translation on
// (used to run the SQL Server statements against Debian's SQLite ODBC driver), text is translated to SQLite
// first, exactly as the embedded engine does, and run through the driver (OdbcTarget). The driver's SQLite
// connection then needs the suite's collation and functions: unless the string names an extension with
// LoadExt=PATH, the engine adds LoadExt= with the module libbrondelsqlite.so found next to the running
// program, in ../lib from there, or where the build put it (BRONDEL_SQLITE_EXTENSION); foreign keys are
// enforced as on the embedded engine. Generated statements (write-back) and transactions go to the driver
// as they are.
// The suite's SQLite extension module (libbrondelsqlite.so) as found above; empty when there is none. Also
// what "suite-db shell" loads into the sqlite3 shell.
QString sqliteExtensionPath();

class OdbcEngine final : public Engine {
public:
    // driverConnectionString is what SQLDriverConnect receives ("Driver={SQLite3};Database=..." or
    // "DSN=..."); messages name the source by its DSN or database, never with the password.
    OdbcEngine(const QString& driverConnectionString, bool translateFromTsql);
    ~OdbcEngine() override;

    QString dataSource() const override;
    tsql::BatchResult execute(const QString& text) override;
    tsql::BatchResult executeStatement(const QString& text) override;
    tsql::BatchResult executeGenerated(const QString& sql, const std::vector<QVariant>& parameters) override;
    QStringList primaryKey(const QString& table) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void setSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;
    QString quoteIdentifier(const QString& name) const override;

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace ado
