// The suite's collation and functions as a SQLite loadable extension (libbrondelsqlite.so), for SQLite
// connections that this program does not open itself: the SQLite ODBC driver loads it with LoadExt=PATH.
// The driver uses the system's libsqlite3, as this module does, so the module calls SQLite directly.
#include "automation/error.h"
#include "tsql/dialect.h"

#include <sqlite3.h>

// SQLite derives the entry point's name from the file name: libbrondelsqlite.so -> sqlite3_brondelsqlite_init.
extern "C" __attribute__((visibility("default"))) int sqlite3_brondelsqlite_init(sqlite3* db, char** message,
                                                                                 const sqlite3_api_routines*) {
    try {
        tsql::registerExtensions(db);
        return SQLITE_OK;
    } catch (const automation::Error& error) {
        if (message)
            *message = sqlite3_mprintf("%s", error.description().toUtf8().constData());
        return SQLITE_ERROR;
    }
}
