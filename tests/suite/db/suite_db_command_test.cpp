#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct CommandResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CommandResult suiteDb(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(SUITE_DB_EXECUTABLE), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class SuiteDbCommandTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("demo.db")); }

    QTemporaryDir dir_;
};

TEST_F(SuiteDbCommandTest, InitDemoListsTablesWithTheirRows) {
    const CommandResult run = suiteDb({"init", path(), "--demo"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Created " + QFileInfo(path()).absoluteFilePath() + " with the demo data:\n"));
    EXPECT_TRUE(run.out.contains(QRegularExpression("\n  MG5F_DIMECONF +8\n"))) << run.out.toStdString();
}

TEST_F(SuiteDbCommandTest, InitRefusesAnExistingFileWithoutForce) {
    ASSERT_EQ(suiteDb({"init", path()}).exitCode, 0);

    const CommandResult refused = suiteDb({"init", path(), "--demo"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "suite-db: The file " + path() + " already exists. Add --force to replace it.\n");

    EXPECT_EQ(suiteDb({"init", path(), "--demo", "--force"}).exitCode, 0);
}

TEST_F(SuiteDbCommandTest, WrongArgumentsShowTheUsageAndFail) {
    for (const QStringList& arguments : {QStringList{}, QStringList{"init"}, QStringList{"init", path(), "--dmeo"},
                                         QStringList{"create", path()}}) {
        const CommandResult run = suiteDb(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("Usage: suite-db init PATH [--demo] [--force]\n"));
        EXPECT_FALSE(QFileInfo::exists(path()));
    }
}

TEST_F(SuiteDbCommandTest, HelpShowsTheUsage) {
    const CommandResult run = suiteDb({"--help"});

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: suite-db init PATH [--demo] [--force]\n"));
}

}  // namespace
