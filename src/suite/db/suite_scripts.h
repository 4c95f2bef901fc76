#pragma once

#include <QString>

namespace suite::db {

// The SQLite scripts of schema/, built into the library.
QString schemaScript();     // every table of the suite database, empty
QString referenceScript();  // languages, document types, menu of programs; runs after schemaScript()
QString demoScript();       // the demo companies; runs after referenceScript()

}  // namespace suite::db
