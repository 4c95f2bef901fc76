#include "tsql/dialect.h"
#include "tsql/functions.h"
#include "tsql/sqlite_statement.h"
#include "tsql/text_comparison.h"

#include <sqlite3.h>

namespace tsql {

namespace {

int compareDatabaseDefault(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareText(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
                       std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

int compareWithCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareTextWithCase(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
                               std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

}  // namespace

void registerExtensions(sqlite3* db) {
    int rc = sqlite3_create_collation_v2(db, "DATABASE_DEFAULT", SQLITE_UTF8, nullptr, compareDatabaseDefault, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_collation_v2(db, "CASE_SENSITIVE", SQLITE_UTF8, nullptr, compareWithCase, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
    registerFunctions(db);
}

}  // namespace tsql
