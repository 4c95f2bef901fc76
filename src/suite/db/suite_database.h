#pragma once

#include <QString>

namespace suite::db {

// VB's "File already exists": createSuiteDatabase found a file at the path and was not told to replace it.
constexpr long FileAlreadyExists = 58;

// Creates a suite database file at path (the schema; with demo, also the demo data). An existing file is
// refused with an automation::Error unless overwrite is true. Throws automation::Error on any failure, and
// then leaves no file behind.
void createSuiteDatabase(const QString& path, bool demo, bool overwrite = false);

}  // namespace suite::db
