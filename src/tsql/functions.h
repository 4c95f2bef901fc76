#pragma once

struct sqlite3;

namespace tsql {

// Registers on a connection the SQL Server functions SQLite lacks or has with other rules, under the names
// the translation calls: LEN, SPACE, STUFF, REPLICATE, CHARINDEX, NEWID, GETDATE, SUBSTRING, UPPER, LOWER
// with SQL Server's meaning, and the helpers tsql_plus (+ decided by the operands' types), tsql_xml
// (FOR XML PATH escaping), tsql_like, tsql_left, tsql_right and tsql_replace.
void registerFunctions(sqlite3* db);

}  // namespace tsql
