#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tsql {

class SqlTarget;

// A name in upper case (ASCII letters only): how T-SQL names compare, whatever their case.
std::string upperAscii(std::string_view text);

// A value's SQL Server type family, as far as the translation can know it: what ISNULL converts its
// replacement to.
// DateTime is SQL Server's DATETIME, held as text "yyyy-mm-dd hh:mi:ss.mmm".
enum class ScalarType : unsigned char { Unknown, Null, Integer, Decimal, Float, Text, DateTime };

// The declared types of the database's tables' columns, read through the target once per table and kept
// for the connection's life: a table's columns do not change under the console's statements, and a
// translated program keeps the types it was written with. Temporary tables are never read: their
// definitions differ from batch to batch. Those the batch being translated creates are known from its text.
class ColumnTypes {
public:
    // What a declared type tells the translation.
    struct Column {
        ScalarType type = ScalarType::Unknown;
        int bits = 0;           // integers: 8 (tinyint), 16, 32 or 64; else 0
        int length = 0;         // texts: the length in characters, -1 for MAX and the large types; else 0
        bool national = false;  // NCHAR, NVARCHAR, NTEXT, SYSNAME
        bool fixed = false;     // CHAR, NCHAR
        // Numbers: SQL Server's precision and scale (an integer's are its type's: int is 10 and 0); 0 and 0
        // where they are not known (MONEY, whose arithmetic keeps its own type, among them).
        int precision = 0;
        int scale = 0;
        bool money = false;  // MONEY, SMALLMONEY
        bool bit = false;    // BIT: no number to SUM and AVG
    };
    using Columns = std::unordered_map<std::string, Column>;  // by upper-case column name

    explicit ColumnTypes(SqlTarget& target);

    // The columns of a table, or nullptr for a name that is no table of the database (yet).
    const Columns* columns(std::string_view table);
    // The same table's column names (upper case) in their declared order, or nullptr.
    const std::vector<std::string>* columnNames(std::string_view table);
    // Forgets what was read of a table the batch creates or drops.
    void forget(std::string_view table);
    // The columns of a temporary table the batch being translated created so far, or nullptr.
    const Columns* temporary(std::string_view table) const;
    void declareTemporary(std::string_view table, Columns columns);
    // A new batch: the temporary tables it has not created are not known.
    void forgetTemporaries() { temporaries_.clear(); }

    // The family of a T-SQL type name (VARCHAR, DECIMAL...), upper case, or of a declared type as SQLite
    // keeps it ("VARCHAR(20)", "decimal(18, 4) COLLATE ...").
    static ScalarType ofTypeName(std::string_view declared);
    // The same with the integer's width and the text's length: "NVARCHAR(20)", "int", "varchar(max)".
    static Column ofDeclared(std::string_view declared);
    // Forgets every table: the schema changed.
    void clear() {
        tables_.clear();
        order_.clear();
    }

private:
    SqlTarget& target_;
    std::unordered_map<std::string, Columns> tables_;                  // by upper-case table name
    std::unordered_map<std::string, std::vector<std::string>> order_;  // the same tables' column names
    std::unordered_map<std::string, Columns> temporaries_;             // the batch's temporary tables
};

}  // namespace tsql
