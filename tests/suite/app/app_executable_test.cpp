#include "app_fixture.h"

#include <QImage>
#include <QProcess>

namespace app_test {
namespace {

// suite-host run as a person or a check would run it, with a user data folder of its own.
class ExecutableTest : public AppTest {
protected:
    int run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dir_.filePath("data"));
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(environment);
        process.start(SUITE_HOST_EXECUTABLE, arguments);
        process.waitForFinished(120000);
        output_ = QString::fromUtf8(process.readAllStandardOutput());
        errors_ = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString output_;
    QString errors_;
};

TEST_F(ExecutableTest, OnAFreshMachineAScreenshotOfTheConsoleOnTheDemoDatabaseIsWritten) {
    const QString picture = dir_.filePath("out.png");
    EXPECT_EQ(run({"--screenshot", picture}), 0) << errors_.toStdString();
    EXPECT_EQ(output_.trimmed(), "Screenshot written to " + picture);
    const QImage image(picture);
    EXPECT_EQ(image.size(), QSize(1100, 800));
    EXPECT_TRUE(QFile::exists(dir_.filePath("data/suite-host/demo.db")));
}

TEST_F(ExecutableTest, AScriptEndsTheProcessWithItsOutcome) {
    const QString script = dir_.filePath("script.js");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("suite.section('ITMOPZVAR');\nprint('sezione', suite.console.title);\nsuite.control('NONESISTE');\n");
    file.close();
    EXPECT_EQ(run({"--db", database_, "--script", script}), 1);
    EXPECT_EQ(output_, "sezione Opzioni delle varianti\n");
    EXPECT_EQ(errors_.trimmed(), script + ":3: ReferenceError: the console has no control NONESISTE");
}

// Scripts that hold controls of the console past its close, or end with it open after saving a change.
struct Ending {
    const char* name;
    const char* script;
};

class ExecutableEnding : public ExecutableTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(ExecutableEnding, ReleasesEverythingAndLeavesEveryChangeInTheDatabaseFile) {
    const QString script = dir_.filePath("script.js");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().script);
    file.close();
    for (int run = 0; run < 3; ++run)  // a use after free shows only now and then
        ASSERT_EQ(this->run({"--db", database_, "--script", script}), 0) << errors_.toStdString();
    // Every connection closed: the write-ahead log was written back and removed.
    EXPECT_FALSE(QFile::exists(database_ + "-wal"));
    QProcess reader;
    // SQLite's own shell, without the suite's collation: the text is compared byte by byte.
    reader.start("sqlite3", {database_,
                             "SELECT COUNT(*) FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND "
                             "MG5F_DESCR_VAR COLLATE BINARY = 'TINTA'"});
    reader.waitForFinished(30000);
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(), "1")
        << reader.readAllStandardError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ExecutableEnding,
    ::testing::Values(Ending{"ControlsHeldPastTheClose",
                             "suite.section('ITMCONFIGVAR'); var nav = suite.control('GNV_CONFIGVAR');\n"
                             "var grid = suite.control('GRD_CONFIGVAR'); var field = suite.control('TXT_DESCR');\n"
                             "grid.select(0); field.type('tinta'); nav.press('Conferma'); suite.close();\n"},
                      Ending{"ConsoleLeftOpen",
                             "suite.section('ITMCONFIGVAR'); var nav = suite.control('GNV_CONFIGVAR');\n"
                             "suite.control('GRD_CONFIGVAR').select(0); suite.control('TXT_DESCR').type('tinta');\n"
                             "nav.press('Conferma');\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExecutableTest, HelpAndWrongArguments) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(output_.contains("--trace-sql <FILE>"));
    EXPECT_EQ(run({"--call", "ALTRO"}), 2);
    EXPECT_TRUE(errors_.startsWith("suite-host: --call wants one of VAR, ART, VAR.RagVar, not \"ALTRO\""));
}

}  // namespace
}  // namespace app_test
