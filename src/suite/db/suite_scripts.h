#pragma once

#include <QString>

namespace suite::db {

// The SQLite scripts of schema/, built into the library.
QString schemaScript();  // every table of the suite database, empty
QString demoScript();    // the demo companies; runs on a database made by schemaScript()

}  // namespace suite::db
