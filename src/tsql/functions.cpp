#include "tsql/functions.h"

#include <sqlite3.h>

namespace tsql {

void registerFunctions(sqlite3* /*db*/) {}

}  // namespace tsql
