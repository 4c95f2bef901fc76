// Opening the console in suite-host on the demo database (offscreen, no person): the component's form,
// its models and the Qt views, until the pending view syncs have run; then closing it. The host's own
// start-up (main window, session, program menu) happens once, outside the measure.
#include "suite/app/host_application.h"
#include "suite/app/module_window.h"
#include "suite/db/suite_database.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

class Host {
public:
    Host() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toLocal8Bit());
        static int argc = 1;
        static char name[] = "console_open_bench";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        const QString database = dir_.filePath(QStringLiteral("demo.db"));
        suite::db::createSuiteDatabase(database, true);
        suite::HostOptions options;
        options.database = database;
        options.screenshot = dir_.filePath(QStringLiteral("unused.png"));  // no person: nothing waits for one
        host_ = std::make_unique<suite::HostApplication>(options);
    }
    ~Host() {
        host_.reset();
        app_.reset();
    }

    suite::HostApplication& host() const { return *host_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<suite::HostApplication> host_;
};

Host& host() {
    static Host instance;
    return instance;
}

void OpenConsole(benchmark::State& state) {
    suite::HostApplication& app = host().host();
    // The first opening loads the component library and registers it: not what a later opening costs.
    app.openProgram(suite::HostApplication::ConsoleProgram);
    app.closeModules();
    QApplication::processEvents();
    for (auto _ : state) {
        suite::ModuleWindow* window = app.openProgram(suite::HostApplication::ConsoleProgram);
        QApplication::processEvents();
        if (!window)
            state.SkipWithError("the console did not open");
        state.PauseTiming();
        app.closeModules();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenConsole)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
