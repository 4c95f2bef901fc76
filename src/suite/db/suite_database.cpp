#include "suite/db/suite_database.h"

#include "suite/db/suite_file.h"
#include "suite/db/suite_scripts.h"

#include "automation/error.h"

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

}  // namespace

void createSuiteDatabase(const QString& path, bool demo, bool overwrite) {
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
        if (demo) file.execute(demoScript());
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
