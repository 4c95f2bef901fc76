#include "ado_test_support.h"

#include "ado/error.h"
#include "automation/variant.h"

using namespace ado;
using namespace ado::test;
namespace ae = automation::errors;

namespace {

// Options of a variant and their composition into groupings, with a foreign key between them.
const QString Schema = QStringLiteral(
    "CREATE TABLE MG5E_OPZIONI (MG5E_CODICEVAR_MG5F CHAR(2) COLLATE DATABASE_DEFAULT,"
    " MG5E_OPZIONE VARCHAR(20) COLLATE DATABASE_DEFAULT, MG5E_DESCR VARCHAR(40),"
    " PRIMARY KEY (MG5E_CODICEVAR_MG5F, MG5E_OPZIONE));"
    "CREATE TABLE MG5H_COMPRAGVAR (MG5H_CODICEVAR_MG5F CHAR(2), MG5H_OPZIONE_MG5E VARCHAR(20),"
    " MG5H_SEQOPZIONE SMALLINT, MG5H_DESCR VARCHAR(40), PRIMARY KEY (MG5H_CODICEVAR_MG5F, MG5H_OPZIONE_MG5E),"
    " FOREIGN KEY (MG5H_CODICEVAR_MG5F, MG5H_OPZIONE_MG5E) REFERENCES MG5E_OPZIONI);"
    "INSERT INTO MG5E_OPZIONI VALUES ('A0', 'R', 'Rosso'), ('A0', 'V', 'Verde'), ('A0', 'B', NULL), ('A0', 'G', 'Giallo');"
    "INSERT INTO MG5H_COMPRAGVAR VALUES ('A0', 'R', 1, NULL), ('A0', 'V', 2, NULL);");

const QString Options =
    QStringLiteral("SELECT MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI ORDER BY MG5E_OPZIONE");
const QString Composition = QStringLiteral(
    "SELECT MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E, MG5E_DESCR, MG5H_CODICEVAR_MG5F, MG5H_DESCR, MG5E_OPZIONE,"
    " MG5E_CODICEVAR_MG5F,"
    " MG5E_DESCR || '!' AS SHOUT FROM MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI"
    " ON MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E ORDER BY MG5H_SEQOPZIONE");

class WriteBackTest : public ::testing::Test {
protected:
    WriteBackTest() : db_(Schema), connection_(db_.connect()) {}

    QString descriptions() const {
        return db_.rows(QStringLiteral("SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI ORDER BY MG5E_OPZIONE"));
    }

    TestDatabase db_;
    std::shared_ptr<Connection> connection_;
};

TEST_F(WriteBackTest, UpdateWritesTheChangedColumnByKeyAndTakesItAsOriginal) {
    auto rs = openRecordset(connection_, Options);
    rs->moveLast();  // V
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Verde scuro"));
    EXPECT_EQ(rs->editMode(), EditMode::InProgress);
    rs->update();
    EXPECT_EQ(rs->editMode(), EditMode::None);
    EXPECT_EQ(rs->fields().item(QStringLiteral("MG5E_DESCR")).originalValue().toString(),
              QStringLiteral("Verde scuro"));
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso;V|Verde scuro"));
}

TEST_F(WriteBackTest, MovingOffAnEditedRowWritesIt) {
    auto rs = openRecordset(connection_, Options);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Blu"));  // B, whose description is Null
    rs->moveNext();
    EXPECT_EQ(descriptions(), QStringLiteral("B|Blu;G|Giallo;R|Rosso;V|Verde"));
}

TEST_F(WriteBackTest, AddNewInsertsAndDeleteDeletesByKey) {
    auto rs = openRecordset(connection_, Options);
    rs->addNew();
    rs->setValue(QStringLiteral("MG5E_CODICEVAR_MG5F"), QStringLiteral("A0"));
    rs->setValue(QStringLiteral("MG5E_OPZIONE"), QStringLiteral("N"));
    rs->update();
    rs->moveFirst();
    rs->deleteCurrent();
    EXPECT_EQ(descriptions(), QStringLiteral("G|Giallo;N|NULL;R|Rosso;V|Verde"));
    EXPECT_TRUE(invariantsHold(*rs));
}

TEST_F(WriteBackTest, RowChangedByAnotherConnectionCannotBeLocated) {
    auto rs = openRecordset(connection_, Options);  // on B, whose description is Null
    db_.connect()->execute(QStringLiteral("UPDATE MG5E_OPZIONI SET MG5E_DESCR = 'Blu' WHERE MG5E_OPZIONE = 'B'"));
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Azzurro"));
    const automation::Error error = errorOf([&] { rs->update(); });
    EXPECT_EQ(error.number(), ae::RowNotFoundForUpdate);
    EXPECT_EQ(error.description(), QStringLiteral("Row cannot be located for updating. Some values may have been "
                                                  "changed since it was last read."));
    EXPECT_EQ(rs->editMode(), EditMode::InProgress);
    rs->cancelUpdate();
    EXPECT_TRUE(automation::isNull(rs->value(QStringLiteral("MG5E_DESCR"))));
    db_.connect()->execute(QStringLiteral("DELETE FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'B'"));
    EXPECT_EQ(errorOf([&] { rs->deleteCurrent(); }).number(), ae::RowNotFoundForUpdate);
}

TEST_F(WriteBackTest, DeleteOfARowChangedByAnotherConnectionDeletesNothing) {
    auto rs = openRecordset(connection_, Options);
    rs->moveLast();  // V, read as Verde
    db_.connect()->execute(
        QStringLiteral("UPDATE MG5E_OPZIONI SET MG5E_DESCR = 'Verde scuro' WHERE MG5E_OPZIONE = 'V'"));
    const automation::Error error = errorOf([&] { rs->deleteCurrent(); });
    EXPECT_EQ(error.number(), ae::RowNotFoundForUpdate);
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso;V|Verde scuro"));
}

TEST_F(WriteBackTest, ConstraintFailuresRaiseIntegrityViolationWithTheEnginesMessage) {
    auto rs = openRecordset(connection_, Options);
    rs->addNew();
    rs->setValue(QStringLiteral("MG5E_CODICEVAR_MG5F"), QStringLiteral("A0"));
    rs->setValue(QStringLiteral("MG5E_OPZIONE"), QStringLiteral("r"));  // R exists: the key ignores case
    automation::Error error = errorOf([&] { rs->update(); });
    EXPECT_EQ(error.number(), ae::IntegrityViolation);
    EXPECT_TRUE(error.description().contains(QStringLiteral("UNIQUE constraint failed")))
        << error.description().toStdString();
    EXPECT_EQ(connection_->errors().front().number(), ae::IntegrityViolation);
    rs->cancelUpdate();

    rs->setAbsolutePosition(3);  // R, used by a composition row
    error = errorOf([&] { rs->deleteCurrent(); });
    EXPECT_EQ(error.number(), ae::IntegrityViolation);
    EXPECT_TRUE(error.description().contains(QStringLiteral("FOREIGN KEY constraint failed")));
}

TEST_F(WriteBackTest, EachColumnGoesToItsTableAndComputedColumnsNowhere) {
    auto rs = openRecordset(connection_, Composition);
    rs->setValue(QStringLiteral("MG5H_DESCR"), QStringLiteral("nel gruppo"));
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Rosso fuoco"));
    rs->setValue(QStringLiteral("SHOUT"), QStringLiteral("ignored"));
    rs->update();
    EXPECT_EQ(db_.rows(QStringLiteral("SELECT MG5H_DESCR FROM MG5H_COMPRAGVAR WHERE MG5H_OPZIONE_MG5E = 'R'")),
              QStringLiteral("nel gruppo"));
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso fuoco;V|Verde"));
}

TEST_F(WriteBackTest, UniqueTableRestrictsWritesToThatTable) {
    auto rs = std::make_shared<Recordset>();
    rs->setProperty(QStringLiteral("Unique Table"), QStringLiteral("MG5H_COMPRAGVAR"));
    rs->open(Composition, connection_, CursorType::Static, LockType::Optimistic);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("not written"));
    rs->setValue(QStringLiteral("MG5H_SEQOPZIONE"), 7);
    rs->update();
    EXPECT_EQ(db_.rows(QStringLiteral("SELECT MG5H_SEQOPZIONE FROM MG5H_COMPRAGVAR WHERE MG5H_OPZIONE_MG5E = 'R'")),
              QStringLiteral("7"));
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso;V|Verde"));
}

TEST_F(WriteBackTest, ClonesSwapSequencesThroughFilters) {
    auto rs = openRecordset(connection_, Composition);  // on R, sequence 1
    auto copy = rs->clone();
    copy->setFilter(QStringLiteral("MG5H_SEQOPZIONE = 2"));
    copy->setValue(QStringLiteral("MG5H_SEQOPZIONE"), 1);
    copy->setFilter(QStringLiteral("MG5H_OPZIONE_MG5E = 'R'"));  // moving writes the first change
    copy->setValue(QStringLiteral("MG5H_SEQOPZIONE"), 2);
    rs->update();
    rs->setSort(QStringLiteral("MG5H_SEQOPZIONE ASC"));
    EXPECT_EQ(column(*rs, QStringLiteral("MG5H_OPZIONE_MG5E")), QStringList({"V", "R"}));
    EXPECT_EQ(db_.rows(QStringLiteral("SELECT MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR ORDER BY MG5H_SEQOPZIONE")),
              QStringLiteral("V;R"));
}

TEST_F(WriteBackTest, SqlServerTextIsTheDefaultDialectAndWritesBackAlike) {
    auto connection = std::make_shared<Connection>();
    connection->open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(db_.path()));
    auto rs =
        openRecordset(connection, QStringLiteral("SELECT TOP 1 [MG5E_CODICEVAR_MG5F], MG5E_OPZIONE, MG5E_DESCR"
                                                 " FROM MG5E_OPZIONI WITH (NOLOCK) WHERE ISNULL(MG5E_DESCR, '') = ''"));
    ASSERT_EQ(rs->recordCount(), 1);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Blu"));
    rs->update();
    EXPECT_EQ(descriptions(), QStringLiteral("B|Blu;G|Giallo;R|Rosso;V|Verde"));
}

TEST_F(WriteBackTest, BatchChangesWaitForUpdateBatch) {
    auto rs = openRecordset(connection_, Options, LockType::BatchOptimistic);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Blu"));
    rs->update();
    rs->moveNext();
    rs->deleteCurrent();
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso;V|Verde"));
    EXPECT_EQ(rs->recordCount(), 3);
    rs->updateBatch();
    EXPECT_EQ(descriptions(), QStringLiteral("B|Blu;R|Rosso;V|Verde"));
}

TEST_F(WriteBackTest, CancelBatchRestoresValuesAndDeletedRows) {
    auto rs = openRecordset(connection_, Options, LockType::BatchOptimistic);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Blu"));
    rs->moveLast();
    rs->deleteCurrent();
    rs->cancelBatch();
    EXPECT_EQ(column(*rs, QStringLiteral("MG5E_DESCR")), QStringList({"NULL", "Giallo", "Rosso", "Verde"}));
    rs->updateBatch();
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Giallo;R|Rosso;V|Verde"));
    EXPECT_TRUE(invariantsHold(*rs));
}

TEST_F(WriteBackTest, UpdateBatchOfTheCurrentRowLeavesOthersPending) {
    auto rs = openRecordset(connection_, Options, LockType::BatchOptimistic);
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Blu"));
    rs->moveNext();
    rs->setValue(QStringLiteral("MG5E_DESCR"), QStringLiteral("Oro"));
    rs->updateBatch(Affect::Current);
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;G|Oro;R|Rosso;V|Verde"));
    rs->deleteCurrent();
    rs->updateBatch(Affect::Current);
    EXPECT_EQ(descriptions(), QStringLiteral("B|NULL;R|Rosso;V|Verde"));
}

}  // namespace
