// What the T-SQL dialect does beyond one statement's result: temporary tables across connections, the
// translation cache, the caller's parameters and write transactions.
#include "demo_database.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/batch_interpreter.h"
#include "tsql/dialect.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

namespace {

QVariant scalar(tsql::Dialect& dialect, const QString& sql, const std::vector<QVariant>& parameters = {}) {
    const tsql::BatchResult result = dialect.execute(sql, parameters);
    if (result.resultSets.empty() || result.resultSets.back().rows.empty()) return automation::empty();
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

TEST(GlobalTemporaryTable, IsSeenByOtherConnectionsUntilItsConnectionCloses) {
    DemoDatabase database;
    sqlite3* other = database.connect();
    auto owner = tsql::makeTsqlDialect(database.handle());
    auto reader = tsql::makeTsqlDialect(other);
    owner->execute(createWorkingTable);
    owner->execute(QStringLiteral("INSERT INTO ##LINGUA_T1 (TBL_DESCRIZIONE) VALUES ('White')"));

    EXPECT_EQ(scalar(*reader, QStringLiteral("SELECT TBL_DESCRIZIONE FROM ##lingua_t1")), QVariant(QStringLiteral("White")));
    owner.reset();
    EXPECT_FALSE(tableExists(other, "##LINGUA_T1"));
    sqlite3_close(other);
}

TEST(GlobalTemporaryTable, DroppedByItsOwnerIsNotDroppedAgainAtClose) {
    DemoDatabase database;
    auto owner = tsql::makeTsqlDialect(database.handle());
    owner->execute(createWorkingTable);
    owner->execute(QStringLiteral("DROP TABLE ##LINGUA_T1"));
    DemoDatabase::exec(database.handle(), QStringLiteral("CREATE TABLE \"##LINGUA_T1\" (X)"));  // someone else's now
    owner.reset();
    EXPECT_TRUE(tableExists(database.handle(), "##LINGUA_T1"));
}

TEST(GlobalTemporaryTable, LeftByAProcessThatEndedIsDroppedWhenAConnectionStarts) {
    DemoDatabase database;
    auto owner = tsql::makeTsqlDialect(database.handle());
    owner->execute(createWorkingTable);  // owned by this live process: kept
    DemoDatabase::exec(database.handle(),
                       QStringLiteral("CREATE TABLE \"##CLIFOR_OLD\" (/*tsql-owner 999999999 1 */ X);"
                                      "CREATE TABLE \"##FOREIGN\" (X);"));
    sqlite3* other = database.connect();
    auto starting = tsql::makeTsqlDialect(other);
    EXPECT_FALSE(tableExists(other, "##CLIFOR_OLD"));
    EXPECT_TRUE(tableExists(other, "##LINGUA_T1"));
    EXPECT_TRUE(tableExists(other, "##FOREIGN"));  // not made by this dialect: left alone
    starting.reset();
    sqlite3_close(other);
}

TEST(GlobalTemporaryTable, ARowReadFromItCanBeWrittenBackByKey) {
    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    dialect->execute(createWorkingTable);
    dialect->execute(QStringLiteral("INSERT INTO ##LINGUA_T1 (TBL_DESCRIZIONE) VALUES (NULL)"));
    const tsql::BatchResult read = dialect->execute(QStringLiteral("SELECT * FROM ##LINGUA_T1"));
    const tsql::ResultSet& set = read.resultSets.back();
    ASSERT_EQ(set.columns[1].table, QStringLiteral("##LINGUA_T1"));
    ASSERT_EQ(set.columns[1].origin, QStringLiteral("TBL_DESCRIZIONE"));
    const QVariant key = set.rows.front().front();

    const tsql::BatchResult write = dialect->execute(
        QStringLiteral("UPDATE [##LINGUA_T1] SET [TBL_DESCRIZIONE] = ? WHERE [CHIAVE] = ?"), {QStringLiteral("Bianco"), key});
    EXPECT_EQ(write.rowsAffected, 1);
    EXPECT_EQ(scalar(*dialect, QStringLiteral("SELECT TBL_DESCRIZIONE FROM ##LINGUA_T1")), QVariant(QStringLiteral("Bianco")));
}

TEST(LocalTemporaryTable, BelongsToItsConnectionOnly) {
    DemoDatabase database;
    sqlite3* other = database.connect();
    auto mine = tsql::makeTsqlDialect(database.handle());
    auto theirs = tsql::makeTsqlDialect(other);
    mine->execute(QStringLiteral("CREATE TABLE #MG5JJDOC (MG3G_CODDOCUM_MG36 CHAR(14))"));
    theirs->execute(QStringLiteral("CREATE TABLE #MG5JJDOC (X INT, Y INT)"));
    EXPECT_EQ(mine->execute(QStringLiteral("SELECT * FROM #MG5JJDOC")).resultSets.back().columns.size(), 1u);
    EXPECT_EQ(theirs->execute(QStringLiteral("SELECT * FROM #MG5JJDOC")).resultSets.back().columns.size(), 2u);
    theirs.reset();
    sqlite3_close(other);
}

TEST(TranslationCache, AStatementThatDiffersOnlyInLiteralsIsNeitherTranslatedNorPreparedAgain) {
    DemoDatabase database;
    tsql::BatchInterpreter interpreter(database.handle());
    const char* const texts[] = {
        "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'BIA'",
        "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = N'NE'",
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
    interpreter.execute("SELECT * FROM (SELECT TOP 100 PERCENT MG5E_OPZIONE FROM MG5E_OPZIONI ORDER BY 1) AS T", {});
    EXPECT_THROW(interpreter.execute("SELECT * FROM (SELECT TOP 50 PERCENT MG5E_OPZIONE FROM MG5E_OPZIONI ORDER BY 1) AS T", {}),
                 automation::Error);
    interpreter.execute("SELECT * FROM (SELECT TOP 100 PERCENT MG5E_OPZIONE FROM MG5E_OPZIONI ORDER BY 1) AS T", {});
    EXPECT_EQ(interpreter.translations(), 2);
}

TEST(Parameters, BindToTheCallersPlaceholdersInOrder) {
    DemoDatabase database;
    auto dialect = tsql::makeTsqlDialect(database.handle());
    const tsql::BatchResult result = dialect->execute(
        QStringLiteral("UPDATE MG5E_OPZIONI SET MG5E_DESCR = ? WHERE MG5E_DITTA_CG18 = ? AND MG5E_OPZIONE = ?"),
        {QStringLiteral("Nero lucido"), 2, QStringLiteral("NE")});
    EXPECT_EQ(result.rowsAffected, 1);
    EXPECT_EQ(scalar(*dialect, QStringLiteral("SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2 AND MG5E_OPZIONE = 'NE'")),
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
    sqlite3* other = database.connect();
    sqlite3_busy_timeout(other, 0);
    auto dialect = tsql::makeTsqlDialect(database.handle());
    dialect->execute(QStringLiteral("BEGIN TRANSACTION"));
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_BUSY);
    dialect->execute(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
}

}  // namespace
