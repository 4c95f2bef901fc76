#pragma once

struct sqlite3;

namespace tsql {

// Registers the SQL Server functions SQLite lacks (LEN, SPACE, STUFF, NEWID, ISNULL...) on a connection.
void registerFunctions(sqlite3* db);

}  // namespace tsql
