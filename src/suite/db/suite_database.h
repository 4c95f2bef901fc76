#pragma once

#include <QString>

namespace suite::db {

// VB's "File already exists": createSuiteDatabase found a file at the path and was not told to replace it.
constexpr long FileAlreadyExists = 58;

// The name of the first company of a new installation when none is given.
inline const char* const DefaultCompanyName = "Nuova ditta";

// Creates a suite database file at path: the schema; then, with demo or a firstCompany, the reference data
// (languages, document types, menu of programs) and either the demo companies 1 and 2 (demo) or a first
// company 1 named firstCompany with Italian as its language, every document type and variants managed, so
// that the host opens it (suite-db init). With neither, the tables stay empty (tests fill them). An existing file is refused with an automation::Error unless overwrite is true. Throws
// automation::Error on any failure, and then leaves no file behind.
void createSuiteDatabase(const QString& path, bool demo, bool overwrite = false,
                         const QString& firstCompany = QString());

}  // namespace suite::db
