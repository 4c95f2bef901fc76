#include "ado_test_support.h"

#include "ado/error.h"

using namespace ado;
using namespace ado::test;
namespace ae = automation::errors;

namespace {

const QString Schema = QStringLiteral(
    "CREATE TABLE T (ID INT PRIMARY KEY, NAME VARCHAR(20));"
    "INSERT INTO T VALUES (1, 'one'), (2, 'two');");

struct OpenFailure {
    const char* name;
    QString connectionString;  // %1 is a path in an empty temporary folder
    long number;
    QString describedAs;  // part of the description
};

class ConnectionOpenFailure : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(ConnectionOpenFailure, RaisesAndRecordsTheError) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    Connection connection;
    const automation::Error error =
        errorOf([&] { connection.open(QString(GetParam().connectionString).replace(QLatin1String("%1"), missing)); });
    EXPECT_EQ(error.number(), GetParam().number);
    EXPECT_TRUE(error.description().contains(QString(GetParam().describedAs).replace(QLatin1String("%1"), missing)))
        << error.description().toStdString();
    EXPECT_EQ(connection.state(), ObjectState::Closed);
    ASSERT_EQ(connection.errors().size(), 1u);
    EXPECT_EQ(connection.errors().front().number(), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionOpenFailure,
    ::testing::Values(OpenFailure{"KeyWithoutValue", QStringLiteral("Provider=SQLite;Data Source"),
                                  errors::BadInitString, QStringLiteral("does not conform")},
                      OpenFailure{"UnterminatedQuote", QStringLiteral("Provider=SQLite;Data Source='%1"),
                                  errors::BadInitString, QStringLiteral("does not conform")},
                      OpenFailure{"NoDataSource", QStringLiteral("Provider=SQLite"), errors::BadInitString,
                                  QStringLiteral("Data Source")},
                      OpenFailure{"UnknownDialect", QStringLiteral("Provider=SQLite;Data Source=%1;Dialect=Jet"),
                                  errors::BadInitString, QStringLiteral("Jet")},
                      OpenFailure{"MissingFile", QStringLiteral("Provider=SQLite;Data Source=%1"), ae::ProviderError,
                                  QStringLiteral("\"%1\"")},
                      OpenFailure{"UnknownProvider", QStringLiteral("Provider=Jet;Data Source=%1"),
                                  errors::ProviderNotFound, QStringLiteral("Provider cannot be found")},
                      OpenFailure{"NoProviderDriverOrDsn", QStringLiteral("Data Source=%1"), errors::ProviderNotFound,
                                  QStringLiteral("no Provider, Driver or DSN given")},
                      OpenFailure{"UnknownDsn", QStringLiteral("DSN=no_such_suite"), ae::ProviderError,
                                  QStringLiteral("Cannot open the ODBC data source 'no_such_suite'")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Connection, KeysAnyCaseAndQuotedValues) {
    TestDatabase db(Schema);
    Connection connection;
    connection.open(QStringLiteral(" provider = sqlite ; DATA SOURCE=\"%1\";dialect='SQLite';").arg(db.path()));
    EXPECT_EQ(connection.state(), ObjectState::Open);
    EXPECT_EQ(connection.execute(QStringLiteral("SELECT COUNT(*) FROM T"))->value(0).toLongLong(), 2);
}

TEST(Connection, ExecuteReportsRowsAffectedAndRowsAsReadOnlyRecordset) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    qint64 affected = 0;
    auto written = connection->execute(QStringLiteral("UPDATE T SET NAME = 'x'"), &affected);
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(written->state(), ObjectState::Closed);

    auto rows = connection->execute(QStringLiteral("SELECT ID, NAME FROM T ORDER BY ID"));
    EXPECT_EQ(rows->state(), ObjectState::Open);
    EXPECT_EQ(rows->recordCount(), 2);
    EXPECT_EQ(rows->activeConnection(), connection);
    EXPECT_EQ(errorOf([&] { rows->setValue(QStringLiteral("NAME"), QStringLiteral("y")); }).number(),
              errors::UpdateNotSupported);
}

struct StatementText {
    const char* name;
    bool tsql;  // SQL Server text, translated; otherwise SQLite's own
    QString text;
    bool refused;
    QString rowsAfter;  // T's rows afterwards
};

class ConnectionStatementText : public ::testing::TestWithParam<StatementText> {};

// A value pasted between apostrophes that closes them and adds a statement of its own.
const QString Injected = QStringLiteral("SELECT NAME FROM T WHERE NAME = '';DELETE FROM T--'");

TEST_P(ConnectionStatementText, RunsOneStatementAndRefusesASecondBeforeRunningAny) {
    TestDatabase db(Schema);
    auto connection = std::make_shared<Connection>();
    connection->open(GetParam().tsql ? QStringLiteral("Provider=SQLite;Data Source=%1").arg(db.path())
                                     : db.connectionString());
    const automation::Error error =
        errorOf([&] { connection->execute(GetParam().text, nullptr, TextKind::Statement); });
    if (GetParam().refused) {
        EXPECT_EQ(error.number(), ae::ProviderError);
        EXPECT_EQ(error.description(),
                  QStringLiteral("The statement was refused: its text holds more than one statement."));
    } else {
        EXPECT_EQ(error.number(), 0) << error.description().toStdString();
    }
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ID, NAME FROM T ORDER BY ID")), GetParam().rowsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConnectionStatementText,
    ::testing::Values(
        StatementText{"TsqlSingle", true, QStringLiteral("UPDATE T SET NAME = 'x' WHERE ID = 1"), false, "1|x;2|two"},
        StatementText{"TsqlInjected", true, Injected, true, "1|one;2|two"},
        StatementText{"TsqlWithoutSeparator", true, QStringLiteral("UPDATE T SET NAME = 'x' DELETE FROM T"), true,
                      "1|one;2|two"},
        StatementText{"NativeSingle", false, QStringLiteral("DELETE FROM T WHERE ID = 2;"), false, "1|one"},
        StatementText{"NativeInjected", false, Injected, true, "1|one;2|two"}),
    [](const ::testing::TestParamInfo<StatementText>& info) { return std::string(info.param.name); });

TEST(Connection, BatchTextRunsEveryStatement) {
    TestDatabase db(Schema);
    db.connect()->execute(QStringLiteral("UPDATE T SET NAME = 'x' WHERE ID = 1; DELETE FROM T WHERE ID = 2"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ID, NAME FROM T ORDER BY ID")), QStringLiteral("1|x"));
}

TEST(Connection, ErrorsStayAfterLaterSuccessesUntilTheNextFailure) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    const automation::Error error =
        errorOf([&] { connection->execute(QStringLiteral("INSERT INTO T VALUES (1, 'dup')")); });
    EXPECT_EQ(error.number(), ae::IntegrityViolation);
    connection->execute(QStringLiteral("SELECT 1"));
    ASSERT_EQ(connection->errors().size(), 1u);
    EXPECT_EQ(connection->errors().front().description(), error.description());
    const automation::Error next = errorOf([&] { connection->execute(QStringLiteral("SELECT * FROM NOWHERE")); });
    ASSERT_EQ(connection->errors().size(), 1u);
    EXPECT_EQ(connection->errors().front().number(), next.number());
    connection->clearErrors();
    EXPECT_TRUE(connection->errors().empty());
}

TEST(Connection, LockedDatabaseRaisesNamingTheFileAfterTheBusyTimeout) {
    TestDatabase db(Schema);
    auto holder = db.connect();
    holder->beginTrans();
    holder->execute(QStringLiteral("UPDATE T SET NAME = 'held' WHERE ID = 1"));

    auto waiter = db.connect(QStringLiteral(";Busy Timeout=50"));
    const automation::Error error =
        errorOf([&] { waiter->execute(QStringLiteral("UPDATE T SET NAME = 'w' WHERE ID = 2")); });
    EXPECT_EQ(error.number(), ae::ProviderError);
    EXPECT_TRUE(error.description().contains(QStringLiteral("locked"))) << error.description().toStdString();
    EXPECT_TRUE(error.description().contains(db.path())) << error.description().toStdString();

    holder->commitTrans();
    waiter->execute(QStringLiteral("UPDATE T SET NAME = 'w' WHERE ID = 2"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT NAME FROM T ORDER BY ID")), QStringLiteral("held;w"));
}

TEST(Connection, RollbackDiscardsAndCommitKeepsTheTransactionsWrites) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    connection->beginTrans();
    connection->execute(QStringLiteral("DELETE FROM T WHERE ID = 1"));
    connection->rollbackTrans();
    connection->beginTrans();
    connection->execute(QStringLiteral("DELETE FROM T WHERE ID = 2"));
    connection->commitTrans();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ID FROM T")), QStringLiteral("1"));
}

// Work that deletes row 1, then fails or not.
void work(Connection& connection, bool fails) {
    connection.execute(QStringLiteral("DELETE FROM T WHERE ID = 1"));
    if (fails)
        connection.execute(QStringLiteral("INSERT INTO MISSING VALUES (1)"));
}

TEST(Connection, AllOrNothingWorkAloneKeepsAllOrNothingOfIt) {
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "failing" : "succeeding");
        TestDatabase db(Schema);
        auto connection = db.connect();
        const automation::Error error =
            errorOf([&] { connection->runAllOrNothing([&] { work(*connection, fails); }); });
        EXPECT_EQ(db.rows(QStringLiteral("SELECT ID FROM T ORDER BY ID")),
                  fails ? QStringLiteral("1;2") : QStringLiteral("2"));
        EXPECT_FALSE(connection->inTransaction());
        if (fails) {
            EXPECT_TRUE(error.description().contains(QStringLiteral("MISSING"))) << error.description().toStdString();
            ASSERT_EQ(connection->errors().size(), 1u);
        }
    }
}

TEST(Connection, AllOrNothingWorkInsideACallersTransactionUndoesOnlyItsOwnChanges) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    connection->beginTrans();
    connection->execute(QStringLiteral("DELETE FROM T WHERE ID = 2"));
    EXPECT_NE(errorOf([&] { connection->runAllOrNothing([&] { work(*connection, true); }); }).number(), 0);
    EXPECT_TRUE(connection->inTransaction());
    EXPECT_EQ(connection->execute(QStringLiteral("SELECT COUNT(*) FROM T WHERE ID = 1"))->value(0).toInt(), 1);
    EXPECT_EQ(connection->execute(QStringLiteral("SELECT COUNT(*) FROM T WHERE ID = 2"))->value(0).toInt(), 0);
    // Nested work keeps what it did as part of the caller's transaction.
    connection->runAllOrNothing([&] { connection->runAllOrNothing([&] { work(*connection, false); }); });
    connection->commitTrans();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT COUNT(*) FROM T")), QStringLiteral("0"));
}

TEST(Connection, CallsOnAClosedConnectionRaiseObjectClosed) {
    Connection connection;
    EXPECT_EQ(errorOf([&] { connection.execute(QStringLiteral("SELECT 1")); }).number(), ae::ObjectClosed);
    EXPECT_EQ(errorOf([&] { connection.close(); }).number(), ae::ObjectClosed);
}

}  // namespace

namespace {

// What happens after a connection has read its data marks, and whether the data may have changed by then.
struct DataChange {
    const char* name;
    std::function<void(Connection&)> before;  // before the marks are read
    std::function<void(Connection&, const TestDatabase&)> change;
    bool changes;
};

class ConnectionDataVersion : public ::testing::TestWithParam<DataChange> {};

TEST_P(ConnectionDataVersion, MarksMoveWhenTheDataMayHaveChanged) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    if (GetParam().before)
        GetParam().before(*connection);
    const std::optional<DataVersion> read = connection->dataVersion();
    ASSERT_TRUE(read);
    GetParam().change(*connection, db);
    EXPECT_EQ(connection->dataVersion() != read, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionDataVersion,
    ::testing::Values(
        DataChange{"Reading",
                   {},
                   [](Connection& c, const TestDatabase&) { c.execute(QStringLiteral("SELECT * FROM T")); },
                   false},
        DataChange{"RowUpdated",
                   {},
                   [](Connection& c, const TestDatabase&) { c.execute(QStringLiteral("UPDATE T SET NAME = 'x'")); },
                   true},
        DataChange{"UpdateOfNoRow",
                   {},
                   [](Connection& c, const TestDatabase&) {
                       c.execute(QStringLiteral("UPDATE T SET NAME = 'x' WHERE ID = 9"));
                   },
                   false},
        DataChange{"TransactionRolledBack",
                   [](Connection& c) {
                       c.beginTrans();
                       c.execute(QStringLiteral("DELETE FROM T"));
                   },
                   [](Connection& c, const TestDatabase&) { c.rollbackTrans(); }, true},
        DataChange{"RollbackStatement", [](Connection& c) { c.execute(QStringLiteral("BEGIN; DELETE FROM T;")); },
                   [](Connection& c, const TestDatabase&) { c.execute(QStringLiteral("ROLLBACK")); }, true},
        DataChange{"OtherConnectionCommits",
                   {},
                   [](Connection&, const TestDatabase& db) { db.connect()->execute(QStringLiteral("DELETE FROM T")); },
                   true},
        DataChange{"TableCreated",
                   {},
                   [](Connection& c, const TestDatabase&) { c.execute(QStringLiteral("CREATE TABLE U (X INT)")); },
                   true},
        DataChange{"OpenedAgain",
                   {},
                   [](Connection& c, const TestDatabase&) {
                       c.close();
                       EXPECT_FALSE(c.dataVersion());
                       c.open();
                   },
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Connection, DataVersionMovesWhenWorkInsideATransactionIsUndone) {
    TestDatabase db(Schema);
    auto connection = db.connect();
    connection->beginTrans();
    std::optional<DataVersion> read;
    errorOf([&] {
        connection->runAllOrNothing([&] {
            connection->execute(QStringLiteral("DELETE FROM T"));
            read = connection->dataVersion();
            connection->execute(QStringLiteral("INSERT INTO MISSING VALUES (1)"));
        });
    });
    ASSERT_TRUE(read);
    EXPECT_NE(connection->dataVersion(), read);
}

}  // namespace
