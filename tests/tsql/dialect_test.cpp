// What the T-SQL dialect does beyond one statement's result: temporary tables across connections, the
// translation cache, the caller's parameters and write transactions.
#include "demo_database.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/batch_interpreter.h"
#include "tsql/dialect.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace {

QVariant scalar(tsql::Dialect& dialect, const QString& sql, const std::vector<QVariant>& parameters = {}) {
    const tsql::BatchResult result = dialect.execute(sql, parameters);
    if (result.resultSets.empty() || result.resultSets.back().rows.empty())
        return automation::empty();
    return result.resultSets.back().rows.front().front();
}

bool tableExists(sqlite3* db, const char* name) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_schema WHERE name = ?", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, name, -1, SQLITE_STATIC);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
}

const QString createWorkingTable = QStringLiteral(
    "CREATE TABLE ##LINGUA_T1\r\n(\r\n       CHIAVE                  UNIQUEIDENTIFIER NOT NULL DEFAULT NEWID()\r\n"
    "     , TBL_DESCRIZIONE         nvarchar(160)        COLLATE DATABASE_DEFAULT NULL\r\n )");

// A second connection to the same database with its own T-SQL dialect, closed in order.
struct OtherConnection {
    explicit OtherConnection(const DemoDatabase& database)
        : db(database.connect()), dialect(tsql::makeTsqlDialect(db)) {}
    ~OtherConnection() {
        dialect.reset();
        sqlite3_close(db);
    }
    sqlite3* db;
    std::unique_ptr<tsql::Dialect> dialect;
};

// The demo database with a T-SQL dialect on its connection.
class TemporaryTable : public testing::Test {
protected:
    DemoDatabase database;
    std::unique_ptr<tsql::Dialect> dialect = tsql::makeTsqlDialect(database.handle());
};

TEST_F(TemporaryTable, GlobalIsSeenByOtherConnectionsUntilItsConnectionCloses) {
    OtherConnection other(database);
    dialect->execute(createWorkingTable);
    dialect->execute(QStringLiteral("INSERT INTO ##LINGUA_T1 (TBL_DESCRIZIONE) VALUES ('White')"));

    EXPECT_EQ(scalar(*other.dialect, QStringLiteral("SELECT TBL_DESCRIZIONE FROM ##lingua_t1")),
              QVariant(QStringLiteral("White")));
    dialect.reset();
    EXPECT_FALSE(tableExists(other.db, "##LINGUA_T1"));
}

TEST_F(TemporaryTable, GlobalDroppedByItsOwnerIsNotDroppedAgainAtClose) {
    dialect->execute(createWorkingTable);
    dialect->execute(QStringLiteral("DROP TABLE ##LINGUA_T1"));
    DemoDatabase::exec(database.handle(), QStringLiteral("CREATE TABLE \"##LINGUA_T1\" (X)"));  // someone else's now
    dialect.reset();
    EXPECT_TRUE(tableExists(database.handle(), "##LINGUA_T1"));
}

TEST_F(TemporaryTable, GlobalLeftByAProcessThatEndedIsDroppedWhenAConnectionStarts) {
    dialect->execute(createWorkingTable);  // owned by this live process: kept
    DemoDatabase::exec(database.handle(),
                       QStringLiteral("CREATE TABLE \"##CLIFOR_OLD\" (/*tsql-owner 999999999 1 */ X);"
                                      "CREATE TABLE \"##FOREIGN\" (X);"));
    OtherConnection starting(database);
    EXPECT_FALSE(tableExists(starting.db, "##CLIFOR_OLD"));
    EXPECT_TRUE(tableExists(starting.db, "##LINGUA_T1"));
    EXPECT_TRUE(tableExists(starting.db, "##FOREIGN"));  // not made by this dialect: left alone
}

TEST_F(TemporaryTable, GlobalRowReadCanBeWrittenBackByKey) {
    dialect->execute(createWorkingTable);
    dialect->execute(QStringLiteral("INSERT INTO ##LINGUA_T1 (TBL_DESCRIZIONE) VALUES (NULL)"));
    const tsql::BatchResult read = dialect->execute(QStringLiteral("SELECT * FROM ##LINGUA_T1"));
    const tsql::ResultSet& set = read.resultSets.back();
    ASSERT_EQ(set.columns[1].table, QStringLiteral("##LINGUA_T1"));
    ASSERT_EQ(set.columns[1].origin, QStringLiteral("TBL_DESCRIZIONE"));
    const QVariant key = set.rows.front().front();

    const tsql::BatchResult write =
        dialect->execute(QStringLiteral("UPDATE [##LINGUA_T1] SET [TBL_DESCRIZIONE] = ? WHERE [CHIAVE] = ?"),
                         {QStringLiteral("Bianco"), key});
    EXPECT_EQ(write.rowsAffected, 1);
    EXPECT_EQ(scalar(*dialect, QStringLiteral("SELECT TBL_DESCRIZIONE FROM ##LINGUA_T1")),
              QVariant(QStringLiteral("Bianco")));
}

TEST_F(TemporaryTable, LocalBelongsToItsConnectionOnly) {
    OtherConnection other(database);
    dialect->execute(QStringLiteral("CREATE TABLE #MG5JJDOC (MG3G_CODDOCUM_MG36 CHAR(14))"));
    other.dialect->execute(QStringLiteral("CREATE TABLE #MG5JJDOC (X INT, Y INT)"));
    EXPECT_EQ(dialect->execute(QStringLiteral("SELECT * FROM #MG5JJDOC")).resultSets.back().columns.size(), 1u);
    EXPECT_EQ(other.dialect->execute(QStringLiteral("SELECT * FROM #MG5JJDOC")).resultSets.back().columns.size(), 2u);
}

TEST(TranslationCache, AStatementThatDiffersOnlyInLiteralsIsNeitherTranslatedNorPreparedAgain) {
    DemoDatabase database;
    tsql::BatchInterpreter interpreter(database.handle());
    const char* const texts[] = {
        "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'BIA'",
        "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = 'NE'",
        "SELECT  MG5E_DESCR\r\nFROM MG5E_OPZIONI  WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'it''s' -- blanks",
    };
    const char* const expected[] = {"Bianco", "Nero", nullptr};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const tsql::BatchResult result = interpreter.execute(texts[i], {});
        const auto& rows = result.resultSets.back().rows;
        if (expected[i]) {
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows.front().front(), QVariant(QString::fromUtf8(expected[i])));
        } else {
            EXPECT_TRUE(rows.empty());
        }
    }
    EXPECT_EQ(interpreter.translations(), 1);
    EXPECT_EQ(interpreter.preparations(), 1);
}

TEST(TranslationCache, ALiteralWrittenIntoTheTranslationIsPartOfItsShape) {
    DemoDatabase database;
    tsql::BatchInterpreter interpreter(database.handle());
    const char* const every = "SELECT COUNT(*) FROM (SELECT TOP 100 PERCENT MG5E_OPZIONE FROM MG5E_OPZIONI) AS T";
    const char* const half = "SELECT COUNT(*) FROM (SELECT TOP 50 PERCENT MG5E_OPZIONE FROM MG5E_OPZIONI) AS T";
    const long long all = interpreter.execute(every, {}).resultSets.back().rows.front().front().toLongLong();
    const long long some = interpreter.execute(half, {}).resultSets.back().rows.front().front().toLongLong();
    EXPECT_EQ(interpreter.execute(every, {}).resultSets.back().rows.front().front().toLongLong(), all);
    EXPECT_EQ(some, (all + 1) / 2);
    EXPECT_EQ(interpreter.translations(), 2);
}

TEST(TranslationCache, ATableRetypedByAnotherConnectionIsReadAgain) {
    DemoDatabase database;
    tsql::BatchInterpreter interpreter(database.handle());
    DemoDatabase::exec(database.handle(), QStringLiteral("CREATE TABLE T (X INT, Y INT); INSERT INTO T VALUES (1, 2)"));
    const char* const sum = "SELECT X + Y FROM T";
    EXPECT_EQ(interpreter.execute(sum, {}).resultSets.back().rows.front().front(), QVariant(3LL));

    sqlite3* other = database.connect();
    DemoDatabase::exec(other, QStringLiteral("DROP TABLE T; CREATE TABLE T (X VARCHAR(5), Y VARCHAR(5));"
                                             "INSERT INTO T VALUES ('1', '2')"));
    sqlite3_close(other);
    EXPECT_EQ(interpreter.execute(sum, {}).resultSets.back().rows.front().front(), QVariant(QStringLiteral("12")));
    EXPECT_EQ(interpreter.translations(), 2);
}

TEST(TranslationCache, AStatementFirstSeenAfterATableWasRetypedNativelyReadsItsNewTypes) {
    DemoDatabase database;
    tsql::BatchInterpreter interpreter(database.handle());
    DemoDatabase::exec(database.handle(), QStringLiteral("CREATE TABLE T (X INT, Y INT); INSERT INTO T VALUES (1, 2)"));
    EXPECT_EQ(interpreter.execute("SELECT X + Y FROM T", {}).resultSets.back().rows.front().front(), QVariant(3LL));

    DemoDatabase::exec(database.handle(), QStringLiteral("DROP TABLE T; CREATE TABLE T (X VARCHAR(5), Y VARCHAR(5));"
                                                         "INSERT INTO T VALUES ('1', '2')"));
    EXPECT_EQ(interpreter.execute("SELECT Y + X FROM T", {}).resultSets.back().rows.front().front(),
              QVariant(QStringLiteral("21")));
}

// Long operator chains, built here because they are too long to write out: SQL Server answers them, or the
// dialect refuses them with an error; the process never goes down.
struct Chain {
    const char* name;
    QString text;
    QVariant answer;  // invalid: refused with an automation error
};

QString repeated(const char* head, const char* term, int times) {
    QString text = QString::fromLatin1(head);
    text.reserve(text.size() + times * static_cast<int>(std::strlen(term)));
    for (int i = 0; i < times; ++i)
        text += QLatin1String(term);
    return text;
}

class LongChain : public testing::TestWithParam<Chain> {};

TEST_P(LongChain, IsAnsweredOrRefused) {
    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    const Chain& c = GetParam();
    if (!c.answer.isValid()) {
        EXPECT_THROW(dialect->execute(c.text), automation::Error);
        return;
    }
    EXPECT_EQ(scalar(*dialect, c.text), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Dialect, LongChain,
    testing::Values(Chain{"Sum95", repeated("SELECT 1", " + 1", 95), QVariant(96LL)},
                    Chain{"Sum800", repeated("SELECT 1", "+1", 800), QVariant(801LL)},
                    Chain{"Product300", repeated("SELECT 1", " * 1", 300), QVariant(1LL)},
                    Chain{"Or87",
                          repeated("SELECT COUNT(*) FROM MG5E_OPZIONI WHERE 1 = 0", " OR 1 = 0", 86) +
                              QStringLiteral(" OR MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = 'NE'"),
                          QVariant(1LL)},
                    Chain{"TextConcatenation200", repeated("SELECT 'a'", " + 'b'", 200),
                          QVariant(QStringLiteral("a") + QString(200, QLatin1Char('b')))},
                    Chain{"MixedPlusOnColumns150",
                          repeated("SELECT MG5E_DITTA_CG18", " + MG5E_DITTA_CG18 - 1", 150) +
                              QStringLiteral(" FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = 'NE'"),
                          QVariant(152LL)},
                    Chain{"BitAndThenPlusRunLeftToRight", QStringLiteral("SELECT 6 & 3 + 1"), QVariant(3LL)},
                    Chain{"ConcatenationThenPlus", QStringLiteral("SELECT '1' + '2' + 3"), QVariant(15LL)},
                    Chain{"Plus200000", repeated("SELECT 1", "+1", 200000), QVariant()},
                    Chain{"And40000", repeated("SELECT 1 WHERE 1=1", " AND 1=1", 40000), QVariant()},
                    Chain{"StarTimes37500", repeated("SELECT*", "*1", 37500), QVariant()},
                    Chain{"TopPercentOutOfRange", QStringLiteral("SELECT TOP 1e309 PERCENT 1"), QVariant()},
                    // a float too small is 0, as on SQL Server
                    Chain{"TopPercentUnderflow",
                          QStringLiteral("SELECT COUNT(*) FROM (SELECT TOP 1e-400 PERCENT 1 AS A) AS T"),
                          QVariant(0LL)}),
    [](const testing::TestParamInfo<Chain>& info) { return std::string(info.param.name); });

TEST(Parameters, BindToTheCallersPlaceholdersInOrder) {
    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    const tsql::BatchResult result = dialect->execute(
        QStringLiteral("UPDATE MG5E_OPZIONI SET MG5E_DESCR = ? WHERE MG5E_DITTA_CG18 = ? AND MG5E_OPZIONE = ?"),
        {QStringLiteral("Nero lucido"), 2, QStringLiteral("NE")});
    EXPECT_EQ(result.rowsAffected, 1);
    EXPECT_EQ(
        scalar(*dialect,
               QStringLiteral("SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = 'NE'")),
        QVariant(QStringLiteral("Nero lucido")));
}

TEST(Parameters, AMissingValueIsAnError) {
    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    try {
        dialect->execute(QStringLiteral("SELECT * FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = ?"));
        FAIL() << "no error";
    } catch (const automation::Error& e) {
        EXPECT_EQ(e.number(), automation::errors::ProviderError);
        EXPECT_EQ(e.description(), QStringLiteral("No value given for one or more required parameters."));
    }
}

TEST(Transaction, BeginTakesTheWriteLockAtOnce) {
    DemoDatabase database;
    OtherConnection other(database);
    sqlite3_busy_timeout(other.db, 0);
    auto dialect = tsql::makeTsqlDialect(database.handle());
    dialect->execute(QStringLiteral("BEGIN TRANSACTION"));
    EXPECT_EQ(sqlite3_exec(other.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_BUSY);
    dialect->execute(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(sqlite3_exec(other.db, "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
}

}  // namespace
