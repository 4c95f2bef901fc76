#include "console_bench.h"

#include "suite/db/suite_database.h"
#include "suite/db/suite_file.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <map>

namespace console_bench {

QString createDatabase(const QString& path, bool demo, const char* population) {
    suite::db::createSuiteDatabase(path, demo, true);
    if (population)
        suite::db::SuiteFile(path, suite::db::SuiteFile::Mode::Open).execute(QString::fromLatin1(population));
    return path;
}

const QString& runDatabase(const QString& fileName, bool demo, const char* population) {
    static QTemporaryDir dir;
    static std::map<QString, QString> made;
    auto found = made.find(fileName);
    if (found == made.end())
        found = made.emplace(fileName, createDatabase(dir.filePath(fileName), demo, population)).first;
    return found->second;
}

Console::Console(const QString& database, int company, const std::function<void(suite::HeadlessHost&)>& prepare)
    : host_(database, company) {
    if (prepare)
        prepare(host_);
    console_ = brondel::CLSMG_BRONDEL::create();
    host_.attach(console_);
    console_->showForm();
}

Console::~Console() { console_->closeForm(); }

bool Console::click(const char* group, const char* item) const {
    return control<suite::SidebarModel>("SDB_PARAMETRI")
        ->clickItem(QString::fromLatin1(group), QString::fromLatin1(item));
}

void Console::checkNoMessage(benchmark::State& state) const {
    if (!host_.messages().shown().isEmpty())
        state.SkipWithError(host_.messages().shown().first().text.toStdString().c_str());
}

}  // namespace console_bench

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
