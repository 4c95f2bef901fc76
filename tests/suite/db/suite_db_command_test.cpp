#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct CommandResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CommandResult suiteDb(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(SUITE_DB_EXECUTABLE), arguments);
    process.write(input);
    process.closeWriteChannel();
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
    EXPECT_EQ(refused.err, "suite-db: error 58: The file " + path() + " already exists. Add --force to replace it.\n");

    EXPECT_EQ(suiteDb({"init", path(), "--demo", "--force"}).exitCode, 0);
}

TEST_F(SuiteDbCommandTest, WrongArgumentsShowTheUsageAndFail) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"init"}, QStringList{"init", path(), "--dmeo"}, QStringList{"create", path()},
          QStringList{"init", path(), "--demo", "--company", "X"}, QStringList{"shell"}}) {
        const CommandResult run = suiteDb(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("Usage: suite-db init PATH [--demo | --company NAME] [--force]\n"));
        EXPECT_FALSE(QFileInfo::exists(path()));
    }
}

TEST_F(SuiteDbCommandTest, SqlPrintsEveryResultSetUnderItsHeaderWithNullsSpelledOut) {
    ASSERT_EQ(suiteDb({"init", path(), "--demo"}).exitCode, 0);

    const CommandResult run = suiteDb(
        {"sql", path(), "-c",
         "SELECT MG5F_CODICEVAR, MG5F_SIZE FROM MG5F_DIMECONF WITH (NOLOCK) WHERE MG5F_DITTA_CG18 = 2 ORDER BY 1\r\n"
         "SELECT NULL AS NOTHING, 'x' AS SOMETHING"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "MG5F_CODICEVAR\tMG5F_SIZE\nA0\t2\nA1\t2\n\nNOTHING\tSOMETHING\nNULL\tx\n");
}

TEST_F(SuiteDbCommandTest, SqlReadsTheBatchFromStandardInputAndReportsRowsAffected) {
    ASSERT_EQ(suiteDb({"init", path(), "--demo"}).exitCode, 0);

    const CommandResult run =
        suiteDb({"sql", path()}, "UPDATE MG5E_OPZIONI SET MG5E_DESCR = MG5E_DESCR WHERE MG5E_DITTA_CG18 = 2");

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "(5 rows affected)\n");
}

TEST_F(SuiteDbCommandTest, SqlErrorGoesToStandardErrorWithItsNumber) {
    ASSERT_EQ(suiteDb({"init", path()}).exitCode, 0);

    const CommandResult run = suiteDb({"sql", path(), "-c", "SELECT * FROM NO_SUCH_TABLE"});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("suite-db: error -2147467259: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("NO_SUCH_TABLE")) << run.err.toStdString();
}

TEST_F(SuiteDbCommandTest, HelpShowsTheUsage) {
    const CommandResult run = suiteDb({"--help"});

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: suite-db init PATH [--demo | --company NAME] [--force]\n"));
}

// The standard shell reads the file with the suite's own comparison: case and trailing blanks ignored.
TEST_F(SuiteDbCommandTest, ShellOpensTheFileInSqlite3WithTheSuiteCollation) {
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        GTEST_SKIP() << "no sqlite3 shell";
    ASSERT_EQ(suiteDb({"init", path(), "--company", "Rossi"}).exitCode, 0);

    const CommandResult run =
        suiteDb({"shell", path()}, "SELECT CG18_RAGSOC FROM CG18_DITTE WHERE CG18_RAGSOC = 'ROSSI  ';\n");

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Rossi\n");
    ASSERT_EQ(suiteDb({"init", path(), "--force"}).exitCode, 0);
    EXPECT_EQ(suiteDb({"shell", path()}, "SELECT CG18_RAGSOC FROM CG18_DITTE;\n").out, "Nuova ditta\n");
    EXPECT_EQ(run.err, "");
}

}  // namespace
