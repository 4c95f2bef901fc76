#include "suite/db/suite_database.h"

#include "suite/db/suite_file.h"
#include "suite/db/suite_scripts.h"

#include "automation/error.h"
#include "automation/sql_quote.h"

#include <QFile>
#include <QFileInfo>

namespace suite::db {

namespace {

const QString kSource = QStringLiteral("createSuiteDatabase");

// The database file and the journal files SQLite keeps beside it in WAL mode.
void removeDatabaseFiles(const QString& path) {
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString file = path + suffix;
        if (QFileInfo::exists(file) && !QFile::remove(file)) {
            throw automation::Error(automation::errors::PathFileAccessError, kSource,
                                    QStringLiteral("The file %1 cannot be removed.").arg(file));
        }
    }
}

QString firstCompanyScript(const QString& name) {
    const QString company = automation::sqlQuoted(name);
    return QStringLiteral(
               "INSERT INTO CG18_DITTE (CG18_CODDITTA, CG18_RAGSOC) VALUES (1, %1);\n"
               "INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES (1, 'ITA');\n"
               "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_FLGVARIANTI, MG50_INDCODART) VALUES (1, 1, 0);\n"
               "INSERT INTO MG3G_DOCDITTA (MG3G_DITTA_CG18, MG3G_CODDOCUM_MG36) "
               "SELECT 1, MG36_CODDOCUM FROM MG36_DOCUMENTI;\n")
        .arg(company);
}

}  // namespace

void createSuiteDatabase(const QString& path, bool demo, bool overwrite, const QString& firstCompany) {
    if (QFileInfo::exists(path)) {
        if (!overwrite) {
            throw automation::Error(FileAlreadyExists, kSource,
                                    QStringLiteral("The file %1 already exists.").arg(path));
        }
        removeDatabaseFiles(path);
    }
    try {
        SuiteFile file(path, SuiteFile::Mode::Create);
        // One transaction: all or nothing, and one write of the file instead of one per row.
        file.execute(QStringLiteral("BEGIN"));
        file.execute(schemaScript());
        if (demo || !firstCompany.isEmpty())
            file.execute(referenceScript());
        if (demo) {
            file.execute(demoScript());
        } else if (!firstCompany.isEmpty()) {
            file.execute(firstCompanyScript(firstCompany));
        }
        file.execute(QStringLiteral("COMMIT"));
    } catch (automation::Error& error) {
        try {
            removeDatabaseFiles(path);
        } catch (const automation::Error&) {
            // The failure that brought us here is the one to report.
        }
        error.setSource(kSource + QStringLiteral(":\r\n") + error.source());
        throw;
    }
}

}  // namespace suite::db
