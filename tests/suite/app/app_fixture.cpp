#include "app_fixture.h"

#include "suite/app/main_window.h"
#include "suite/app/module_window.h"

#include "suite/widgets/view_hub.h"

#include "suite/db/suite_database.h"

#include <QApplication>

namespace app_test {

void AppTest::SetUpTestSuite() {
    if (QApplication::instance())
        return;
    static QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("suite-host"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void AppTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    database_ = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(database_, true);
}

suite::HostOptions AppTest::headless() const {
    suite::HostOptions options;
    options.database = database_;
    options.screenshot = dir_.filePath(QStringLiteral("console.png"));
    return options;
}

std::unique_ptr<suite::HostApplication> AppTest::start(const suite::HostOptions& options) {
    auto host = std::make_unique<suite::HostApplication>(options);
    host->mainWindow().resize(1100, 800);
    host->mainWindow().show();
    return host;
}

suite::ModuleWindow& AppTest::openConsole(suite::HostApplication& host) {
    suite::ModuleWindow* window = host.openProgram(suite::HostApplication::ConsoleProgram);
    EXPECT_NE(window, nullptr);
    if (!window)
        throw std::runtime_error("the console did not open");
    window->hub().syncAll();
    return *window;
}

}  // namespace app_test
