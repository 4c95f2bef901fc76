#include "tsql/dialect.h"

namespace tsql {

// Until the translator lands, SQL Server text runs as SQLite text.
std::unique_ptr<Dialect> makeTsqlDialect(sqlite3* db) { return makeNativeDialect(db); }

}  // namespace tsql
