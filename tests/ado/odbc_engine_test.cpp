#include "ado_test_support.h"

#include "automation/variant.h"

#include <QTemporaryDir>

namespace ado::test {
namespace {

// Debian's SQLite ODBC driver stands in for SQL Server: statement text passes through untranslated, unless
// the connection string asks for the translation (Dialect=SQLite; the T-SQL corpus runs that way too).
class OdbcEngineTest : public ::testing::Test {
protected:
    OdbcEngineTest()
        : database_(QStringLiteral("CREATE TABLE T (K INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(20) NOT NULL, "
                                   "AMOUNT FLOAT, NOTE TEXT CHECK (NOTE <> 'bad'));"
                                   "INSERT INTO T VALUES (1, 'one', 1.5, NULL), (2, 'two', NULL, 'x');")) {}

    QString odbcString() const { return QStringLiteral("Driver=SQLite3;Database=") + database_.path(); }

    std::shared_ptr<Connection> connect(const QString& extra = QString()) const {
        auto connection = std::make_shared<Connection>();
        connection->open(odbcString() + extra);
        return connection;
    }
    // SQL Server text translated for the SQLite behind the driver.
    std::shared_ptr<Connection> connectTranslating() const { return connect(QStringLiteral(";Dialect=SQLite")); }

    TestDatabase database_;
};

TEST_F(OdbcEngineTest, RowsComeBackWithTheirTypesAndNulls) {
    auto recordset = connect()->execute(QStringLiteral("SELECT K, NAME, AMOUNT, NOTE FROM T ORDER BY K"));

    ASSERT_EQ(recordset->recordCount(), 2);
    EXPECT_EQ(recordset->value(QStringLiteral("K")), QVariant(qint64(1)));
    EXPECT_EQ(recordset->value(QStringLiteral("NAME")), QVariant(QStringLiteral("one")));
    EXPECT_EQ(recordset->value(QStringLiteral("AMOUNT")), QVariant(1.5));
    EXPECT_TRUE(automation::isNull(recordset->value(QStringLiteral("NOTE"))));
    EXPECT_EQ(recordset->fields().item(QStringLiteral("NAME")).type(), DataType::VarChar);
    EXPECT_EQ(recordset->fields().item(QStringLiteral("NAME")).definedSize(), 20);
}

TEST_F(OdbcEngineTest, WritesReportTheRowsTheyChanged) {
    qint64 affected = 0;
    connect()->execute(QStringLiteral("UPDATE T SET AMOUNT = 0"), &affected);

    EXPECT_EQ(affected, 2);
    EXPECT_EQ(database_.rows(QStringLiteral("SELECT K, AMOUNT FROM T ORDER BY K")), QStringLiteral("1|0;2|0"));
}

TEST_F(OdbcEngineTest, RecordsetEditsAreWrittenBackByPrimaryKey) {
    auto connection = connect();
    auto recordset = openRecordset(connection, QStringLiteral("SELECT K, NAME, NOTE FROM T ORDER BY K"));
    recordset->moveLast();
    recordset->setValue(QStringLiteral("NAME"), QStringLiteral("due"));
    recordset->update();
    recordset->addNew();
    recordset->setValue(QStringLiteral("K"), 3);
    recordset->setValue(QStringLiteral("NAME"), QStringLiteral("three"));
    recordset->update();
    recordset->moveFirst();
    recordset->deleteCurrent();

    EXPECT_EQ(database_.rows(QStringLiteral("SELECT K, NAME FROM T ORDER BY K")), QStringLiteral("2|due;3|three"));
}

TEST_F(OdbcEngineTest, AnEditOfARowChangedMeanwhileIsRefused) {
    auto connection = connect();
    auto recordset = openRecordset(connection, QStringLiteral("SELECT K, NAME FROM T ORDER BY K"));
    connect()->execute(QStringLiteral("UPDATE T SET NAME = 'uno' WHERE K = 1"));

    recordset->setValue(QStringLiteral("NAME"), QStringLiteral("first"));
    EXPECT_EQ(errorOf([&] { recordset->update(); }).number(), automation::errors::RowNotFoundForUpdate);
    EXPECT_EQ(database_.rows(QStringLiteral("SELECT NAME FROM T WHERE K = 1")), QStringLiteral("uno"));
}

TEST_F(OdbcEngineTest, ARolledBackTransactionLeavesNoTrace) {
    auto connection = connect();
    connection->beginTrans();
    connection->execute(QStringLiteral("DELETE FROM T"));
    connection->rollbackTrans();
    connection->execute(QStringLiteral("UPDATE T SET NOTE = 'kept' WHERE K = 1"));

    EXPECT_EQ(database_.rows(QStringLiteral("SELECT K, NOTE FROM T ORDER BY K")), QStringLiteral("1|kept;2|x"));
}

TEST_F(OdbcEngineTest, FailuresCarryTheDriversMessage) {
    auto connection = connect();

    const automation::Error missing = errorOf([&] { connection->execute(QStringLiteral("SELECT * FROM MISSING")); });
    EXPECT_EQ(missing.number(), automation::errors::ProviderError);
    EXPECT_TRUE(missing.description().contains(QStringLiteral("MISSING"))) << missing.description().toStdString();
    EXPECT_FALSE(connection->errors().empty());

    const automation::Error duplicate =
        errorOf([&] { connection->execute(QStringLiteral("INSERT INTO T (K, NAME) VALUES (1, 'again')")); });
    EXPECT_EQ(duplicate.number(), automation::errors::IntegrityViolation) << duplicate.description().toStdString();
}

TEST_F(OdbcEngineTest, TranslatedRecordsetEditsAreWrittenBackByPrimaryKey) {
    auto connection = connectTranslating();
    auto recordset =
        openRecordset(connection, QStringLiteral("SELECT TOP 1 [K], NAME FROM T WITH (NOLOCK) ORDER BY K DESC"));
    recordset->setValue(QStringLiteral("NAME"), QStringLiteral("due"));
    recordset->update();

    EXPECT_EQ(database_.rows(QStringLiteral("SELECT K, NAME FROM T ORDER BY K")), QStringLiteral("1|one;2|due"));
}

TEST_F(OdbcEngineTest, ATranslatedGlobalTemporaryTableGoesWithItsConnection) {
    auto connection = connectTranslating();
    connection->execute(QStringLiteral("CREATE TABLE ##WORK (CODE VARCHAR(10))"));
    connection->execute(QStringLiteral("INSERT INTO ##WORK (CODE) VALUES ('x')"));
    EXPECT_EQ(database_.rows(QStringLiteral("SELECT CODE FROM \"##WORK\"")), QStringLiteral("x"));

    connection->close();
    EXPECT_EQ(database_.rows(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE name = '##WORK'")),
              QStringLiteral("0"));
}

TEST_F(OdbcEngineTest, AnUnknownDriverIsAClearErrorNamingTheSource) {
    Connection connection;
    const automation::Error error =
        errorOf([&] { connection.open(QStringLiteral("Driver=NoSuchDriver;Database=/nowhere/x.db")); });

    EXPECT_EQ(error.number(), automation::errors::ProviderError);
    EXPECT_TRUE(error.description().startsWith(QStringLiteral("Cannot open the ODBC data source '/nowhere/x.db': ")))
        << error.description().toStdString();
    EXPECT_EQ(connection.state(), ObjectState::Closed);
}

}  // namespace
}  // namespace ado::test
