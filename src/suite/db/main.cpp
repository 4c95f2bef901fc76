// suite-db: creates and inspects suite database files.

#include "suite/db/suite_database.h"
#include "suite/db/suite_file.h"

#include "automation/error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: suite-db init PATH [--demo] [--force]\n"
    "       suite-db --help\n"
    "\n"
    "Commands:\n"
    "  init PATH   create a suite database file at PATH with every table, empty\n"
    "\n"
    "Options of init:\n"
    "  --demo      fill it with the demo companies 1 and 2\n"
    "  --force     replace a file that already exists at PATH\n";

// A command gets the arguments after its name; it returns false when they make no sense and throws
// automation::Error when it fails.
using Command = std::function<bool(const QStringList& arguments, QTextStream& out)>;

bool init(const QStringList& arguments, QTextStream& out) {
    QString path;
    bool demo = false;
    bool force = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--demo")) {
            demo = true;
        } else if (argument == QLatin1String("--force")) {
            force = true;
        } else if (!argument.startsWith(QLatin1Char('-')) && path.isEmpty()) {
            path = argument;
        } else {
            return false;
        }
    }
    if (path.isEmpty()) return false;

    suite::db::createSuiteDatabase(path, demo, force);

    out << "Created " << QFileInfo(path).absoluteFilePath() << (demo ? " with the demo data" : "") << ":\n";
    suite::db::SuiteFile file(path, suite::db::SuiteFile::Mode::Open);
    for (const suite::db::TableRows& table : file.tableRows()) {
        out << "  " << table.table.leftJustified(24) << ' ' << table.rows << '\n';
    }
    return true;
}

const std::vector<std::pair<QString, Command>>& commands() {
    static const std::vector<std::pair<QString, Command>> list = {
        {QStringLiteral("init"), init},
    };
    return list;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString first = arguments.value(0);

    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << kUsage;
        return 0;
    }
    for (const auto& [name, command] : commands()) {
        if (first != name) continue;
        try {
            if (command(arguments.mid(1), out)) return 0;
            err << kUsage;
        } catch (const automation::Error& error) {
            err << "suite-db: " << error.description();
            if (error.number() == suite::db::FileAlreadyExists) err << " Add --force to replace it.";
            err << '\n';
        }
        return 1;
    }
    err << kUsage;
    return 1;
}
