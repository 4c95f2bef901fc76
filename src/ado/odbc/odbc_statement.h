#pragma once

#include "tsql/sql_target.h"

#include <QString>

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

namespace ado {

// What the ODBC engine's errors carry as source.
extern const QString OdbcSource;

inline bool odbcSucceeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// Text for ODBC's wide-character calls.
std::u16string odbcText(const QString& text);
inline SQLWCHAR* odbcChars(std::u16string& text) { return reinterpret_cast<SQLWCHAR*>(text.data()); }
QString fromOdbcText(const SQLWCHAR* text, SQLLEN characters);

// Raises the first diagnostic record of a handle as an automation::Error (fallback when there is none).
// SQLSTATE class 23, or SQLite's constraint code behind a SQLite driver, is an integrity violation; the
// SQLite driver's decorations ("[SQLite]...", " (19)") are taken off its message so that it reads as
// SQLite's own.
[[noreturn]] void raiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle, const QString& fallback, bool sqliteBackend);

// An ODBC statement on a connection: text run at once (execute()), or prepared once and run many times
// with values bound (the SqlTarget seam). Values bound are kept by the statement until it runs.
class OdbcStatement final : public tsql::SqlTarget::Statement {
public:
    OdbcStatement(SQLHDBC connection, bool sqliteBackend);
    ~OdbcStatement() override;
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    SQLHSTMT handle() const { return handle_; }
    // Raises the statement's diagnostic for a failed call; SQL_NO_DATA is no failure.
    void check(SQLRETURN rc, const QString& what) const;

    // Runs text as it is and reads every result set and row count it produced.
    tsql::BatchResult execute(const QString& text);

    void prepare(const QString& sql);
    // The names of the prepared statement's columns.
    std::vector<std::string> columnNames() const;

    void bindNull(int index) override;
    void bindInteger(int index, qint64 value) override;
    void bindReal(int index, double value) override;
    void bindText(int index, std::string_view utf8, bool stable) override;
    void bindBytes(int index, const QByteArray& bytes) override;
    // A statement without columns returns the rows it changed when it is an INSERT, UPDATE or DELETE
    // (SQLRowCount), -1 otherwise, as SQLite's statements do. The SQLite driver describes a statement's
    // columns when it is prepared: a statement run again is prepared again, so that a table made anew
    // since (SELECT * from a temporary table) is read as it is now.
    long long run(tsql::ResultSet* rows) override;

    // Reads the current result set (columns and rows) of an executed statement.
    void readResultSet(tsql::ResultSet& set) const;

private:
    struct Parameter {
        SQLSMALLINT cType = SQL_C_WCHAR;
        SQLSMALLINT sqlType = SQL_WVARCHAR;
        SQLBIGINT integer = 0;
        double real = 0;
        std::u16string text;
        QByteArray bytes;
        SQLLEN indicator = SQL_NULL_DATA;
    };

    // The parameter at index, emptied and typed for a new value.
    Parameter& parameter(int index, SQLSMALLINT cType, SQLSMALLINT sqlType, SQLLEN indicator);
    void bindParameters();
    void prepareAgain();

    SQLHSTMT handle_ = SQL_NULL_HSTMT;
    bool sqliteBackend_;
    std::u16string sql_;
    bool fresh_ = false;  // prepared and not yet run
    bool writesRows_ = false;
    std::vector<Parameter> parameters_;
};

}  // namespace ado
