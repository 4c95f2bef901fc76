#include "tsql/dialect.h"
#include "tsql/functions.h"
#include "tsql/sqlite_statement.h"

#include "automation/error.h"

#include <sqlite3.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ucol.h>

#include <memory>

namespace tsql {

namespace {

// SQL Server's default collation: case-insensitive, accents significant, trailing blanks ignored.
int compareDatabaseDefault(void* context, int lengthA, const void* a, int lengthB, const void* b) {
    auto* collator = static_cast<icu::Collator*>(context);
    const char* sa = static_cast<const char*>(a);
    const char* sb = static_cast<const char*>(b);
    while (lengthA > 0 && sa[lengthA - 1] == ' ') --lengthA;
    while (lengthB > 0 && sb[lengthB - 1] == ' ') --lengthB;
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = collator->compareUTF8(icu::StringPiece(sa, lengthA), icu::StringPiece(sb, lengthB), status);
    if (U_FAILURE(status)) return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

void destroyCollator(void* context) { delete static_cast<icu::Collator*>(context); }

}  // namespace

void registerExtensions(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !collator) {
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("SQLite"),
                                QStringLiteral("The text collation could not be created (ICU error %1).").arg(status));
    }
    collator->setStrength(icu::Collator::SECONDARY);
    const int rc = sqlite3_create_collation_v2(db, "DATABASE_DEFAULT", SQLITE_UTF8, collator.get(),
                                               compareDatabaseDefault, destroyCollator);
    if (rc != SQLITE_OK) throwSqliteError(db, rc);
    collator.release();
    registerFunctions(db);
}

}  // namespace tsql
