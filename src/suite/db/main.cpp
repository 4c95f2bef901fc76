// suite-db: creates and inspects suite database files.

#include "suite/db/suite_database.h"
#include "suite/db/suite_file.h"

#include "ado/connection.h"
#include "ado/engine.h"
#include "ado/odbc/odbc_engine.h"
#include "automation/error.h"
#include "automation/variant.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: suite-db init PATH [--demo | --company NAME] [--force]\n"
    "       suite-db sql PATH [-c TEXT]\n"
    "       suite-db shell PATH [SQLITE3-OPTIONS...]\n"
    "       suite-db --help\n"
    "\n"
    "Commands:\n"
    "  init PATH   create a suite database file at PATH that suite-host opens: every table, the\n"
    "              languages, document types and menu of programs, and company 1\n"
    "  sql PATH    run one T-SQL batch (standard input, or TEXT after -c) as the console does;\n"
    "              each result set is printed as tab-separated rows under a header line\n"
    "  shell PATH  open the file in the standard sqlite3 shell with the suite's extension module\n"
    "              (libbrondelsqlite.so: the DATABASE_DEFAULT collation and the SQL Server functions)\n"
    "              loaded; options after PATH go to sqlite3\n"
    "\n"
    "Options of init:\n"
    "  --demo      fill it with the demo companies 1 and 2 instead\n"
    "  --company NAME  the name of company 1 (default \"Nuova ditta\")\n"
    "  --force     replace a file that already exists at PATH\n";

// A command gets the arguments after its name; it returns false when they make no sense and throws
// automation::Error when it fails.
using Command = std::function<bool(const QStringList& arguments, QTextStream& out)>;

bool init(const QStringList& arguments, QTextStream& out) {
    QString path;
    bool demo = false;
    bool force = false;
    QString company;
    bool haveCompany = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--demo") && !haveCompany) {
            demo = true;
        } else if (argument == QLatin1String("--company") && i + 1 < arguments.size() && !demo && !haveCompany) {
            company = arguments[++i];
            haveCompany = true;
        } else if (argument == QLatin1String("--force")) {
            force = true;
        } else if (!argument.startsWith(QLatin1Char('-')) && path.isEmpty()) {
            path = argument;
        } else {
            return false;
        }
    }
    if (path.isEmpty())
        return false;

    if (!demo && company.isEmpty())
        company = QString::fromUtf8(suite::db::DefaultCompanyName);
    suite::db::createSuiteDatabase(path, demo, force, company);

    out << "Created " << QFileInfo(path).absoluteFilePath() << (demo ? " with the demo data" : "") << ":\n";
    suite::db::SuiteFile file(path, suite::db::SuiteFile::Mode::Open);
    for (const suite::db::TableRows& table : file.tableRows()) {
        out << "  " << table.table.leftJustified(24) << ' ' << table.rows << '\n';
    }
    return true;
}

QString cell(const QVariant& value) {
    return automation::isNull(value) ? QStringLiteral("NULL") : automation::cstr(value);
}

// Runs a batch through the same connection and dialect layer the console uses, and prints every result set.
bool sql(const QStringList& arguments, QTextStream& out) {
    QString path;
    QString text;
    bool haveText = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-c") && i + 1 < arguments.size() && !haveText) {
            text = arguments[++i];
            haveText = true;
        } else if (!arguments[i].startsWith(QLatin1Char('-')) && path.isEmpty()) {
            path = arguments[i];
        } else {
            return false;
        }
    }
    if (path.isEmpty())
        return false;
    if (!haveText)
        text = QTextStream(stdin).readAll();

    auto connection = std::make_shared<ado::Connection>();
    connection->open(QStringLiteral("Provider=SQLite;Data Source=") + path);
    const tsql::BatchResult result = connection->run([&](ado::Engine& engine) { return engine.execute(text); });
    bool first = true;
    for (const tsql::ResultSet& set : result.resultSets) {
        if (!first)
            out << '\n';
        first = false;
        QStringList header;
        for (const tsql::Column& column : set.columns)
            header << column.name;
        out << header.join(QLatin1Char('\t')) << '\n';
        for (const tsql::Row& row : set.rows) {
            QStringList cells;
            for (const QVariant& value : row)
                cells << cell(value);
            out << cells.join(QLatin1Char('\t')) << '\n';
        }
    }
    if (result.resultSets.empty() && result.rowsAffected >= 0)
        out << "(" << result.rowsAffected << " rows affected)\n";
    return true;
}

// sqlite3 on the file, with the module loaded first: without it every text column, declared COLLATE
// DATABASE_DEFAULT, fails in the shell with "no such collation sequence". The shell's exit code is returned.
int shell(const QStringList& arguments, QTextStream& err) {
    const QString path = arguments.value(0);
    if (path.isEmpty() || path.startsWith(QLatin1Char('-')))
        return -1;
    if (!QFileInfo::exists(path)) {
        err << "suite-db: there is no database file " << path << '\n';
        return 1;
    }
    const QString program = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (program.isEmpty()) {
        err << "suite-db: the sqlite3 shell is not on the PATH (Debian: apt-get install sqlite3)\n";
        return 1;
    }
    const QString extension = ado::sqliteExtensionPath();
    if (extension.isEmpty()) {
        err << "suite-db: the extension module libbrondelsqlite.so is not next to suite-db\n";
        return 1;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program,
                  QStringList{QStringLiteral("-cmd"), QStringLiteral(".load ") + extension, path} + arguments.mid(1));
    if (!process.waitForStarted(-1)) {
        err << "suite-db: " << program << " did not start: " << process.errorString() << '\n';
        return 1;
    }
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 1;
}

const std::vector<std::pair<QString, Command>>& commands() {
    static const std::vector<std::pair<QString, Command>> list = {
        {QStringLiteral("init"), init},
        {QStringLiteral("sql"), sql},
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
    if (first == QLatin1String("shell")) {
        const int code = shell(arguments.mid(1), err);
        if (code >= 0)
            return code;
        err << kUsage;
        return 1;
    }
    for (const auto& [name, command] : commands()) {
        if (first != name)
            continue;
        try {
            if (command(arguments.mid(1), out))
                return 0;
            err << kUsage;
        } catch (const automation::Error& error) {
            err << "suite-db: error " << error.number() << ": " << error.description();
            if (error.number() == suite::db::FileAlreadyExists)
                err << " Add --force to replace it.";
            err << '\n';
        }
        return 1;
    }
    err << kUsage;
    return 1;
}
