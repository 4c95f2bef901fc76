#include "ado_test_support.h"

#include "ado/error.h"
#include "automation/variant.h"

#include <limits>

using namespace ado;
using namespace ado::test;
namespace ae = automation::errors;

namespace {

// Rows the cursor and view tests walk: IDs 1..5, mixed case and trailing blanks in text, one Null.
const QString Schema = QStringLiteral(
    "CREATE TABLE MG5H_COMPRAGVAR (ID INT PRIMARY KEY, MG5H_SEQOPZIONE SMALLINT, MG5H_OPZIONE_MG5E VARCHAR(20), "
    "A0 TINYINT, B INT);"
    "INSERT INTO MG5H_COMPRAGVAR VALUES (1, 3, 'R', 1, 1), (2, 1, 'r  ', 1, 2), (3, 2, 'x', 0, 1),"
    " (4, 3, 'X', NULL, 2), (5, 5, 'it''s', 1, NULL);");

class RecordsetTest : public ::testing::Test {
protected:
    RecordsetTest() : db_(Schema), connection_(db_.connect()) {
        rs_ = openRecordset(connection_, QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR ORDER BY ID"));
    }

    TestDatabase db_;
    std::shared_ptr<Connection> connection_;
    std::shared_ptr<Recordset> rs_;
};

TEST_F(RecordsetTest, WalkingPastEitherEndGivesBofOrEofThenRaises) {
    EXPECT_FALSE(rs_->isBof());
    EXPECT_EQ(rs_->absolutePosition(), 1);
    rs_->movePrevious();
    EXPECT_TRUE(rs_->isBof());
    EXPECT_EQ(rs_->absolutePosition(), PosBof);
    EXPECT_EQ(errorOf([&] { rs_->movePrevious(); }).number(), ae::BofOrEof);
    EXPECT_EQ(errorOf([&] { rs_->value(0); }).number(), ae::BofOrEof);
    rs_->moveLast();
    rs_->moveNext();
    EXPECT_TRUE(rs_->isEof());
    EXPECT_EQ(rs_->absolutePosition(), PosEof);
    EXPECT_EQ(errorOf([&] { rs_->moveNext(); }).number(), ae::BofOrEof);
    rs_->move(-2);
    EXPECT_EQ(rs_->value(QStringLiteral("ID")).toLongLong(), 4);
    rs_->move(10);
    EXPECT_TRUE(rs_->isEof());
    EXPECT_TRUE(invariantsHold(*rs_));
}

TEST_F(RecordsetTest, EmptyResultIsBofAndEof) {
    auto empty = openRecordset(connection_, QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR WHERE ID = 0"));
    EXPECT_TRUE(empty->isBof());
    EXPECT_TRUE(empty->isEof());
    EXPECT_EQ(empty->recordCount(), 0);
    EXPECT_EQ(empty->absolutePosition(), PosBof);
    EXPECT_TRUE(invariantsHold(*empty));
}

TEST_F(RecordsetTest, DeletedRowStaysCurrentUntilTheNextMove) {
    rs_->setAbsolutePosition(2);
    rs_->deleteCurrent();
    EXPECT_FALSE(rs_->isBof());
    EXPECT_FALSE(rs_->isEof());
    EXPECT_EQ(rs_->absolutePosition(), PosUnknown);
    EXPECT_EQ(errorOf([&] { rs_->value(0); }).number(), errors::DeletedRow);
    EXPECT_EQ(rs_->recordCount(), 4);
    rs_->moveNext();
    EXPECT_EQ(rs_->value(QStringLiteral("ID")).toLongLong(), 3);
    rs_->moveLast();
    rs_->deleteCurrent();
    rs_->moveNext();
    EXPECT_TRUE(rs_->isEof());
    EXPECT_TRUE(invariantsHold(*rs_));
}

TEST_F(RecordsetTest, ClonesShareRowsAndEditsButNotPositions) {
    auto clone = rs_->clone();
    clone->moveLast();
    clone->setValue(QStringLiteral("MG5H_OPZIONE_MG5E"), QStringLiteral("changed"));
    rs_->setBookmark(clone->bookmark());
    EXPECT_EQ(rs_->value(QStringLiteral("MG5H_OPZIONE_MG5E")).toString(), QStringLiteral("changed"));
    EXPECT_EQ(rs_->editMode(), EditMode::InProgress);
    rs_->update();  // ends the edit the clone started
    EXPECT_EQ(db_.rows(QStringLiteral("SELECT MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR WHERE ID = 5")),
              QStringLiteral("changed"));

    rs_->moveFirst();
    clone->addNew();
    clone->setValue(QStringLiteral("ID"), 6);
    clone->update();
    EXPECT_EQ(rs_->recordCount(), 6);
    EXPECT_EQ(rs_->absolutePosition(), 1);
    rs_->deleteCurrent();
    EXPECT_EQ(clone->recordCount(), 5);
    EXPECT_EQ(clone->value(QStringLiteral("ID")).toLongLong(), 6);
    EXPECT_TRUE(invariantsHold(*rs_));
    EXPECT_TRUE(invariantsHold(*clone));
}

TEST_F(RecordsetTest, ClonesKeepTheirOwnFilterAndSort) {
    rs_->setFilter(QStringLiteral("B = 1"));
    auto clone = rs_->clone();
    EXPECT_EQ(clone->recordCount(), 5);
    clone->setSort(QStringLiteral("ID DESC"));
    EXPECT_EQ(column(*rs_, QStringLiteral("ID")), QStringList({"1", "3"}));
    EXPECT_EQ(column(*clone, QStringLiteral("ID")), QStringList({"5", "4", "3", "2", "1"}));
}

struct FilterCase {
    const char* name;
    QString filter;
    QStringList ids;
};

class RecordsetFilter : public RecordsetTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(RecordsetFilter, ShowsTheMatchingRows) {
    rs_->setFilter(GetParam().filter);
    EXPECT_EQ(column(*rs_, QStringLiteral("ID")), GetParam().ids);
    EXPECT_TRUE(invariantsHold(*rs_));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordsetFilter,
    ::testing::Values(
        FilterCase{"BracketedName", QStringLiteral("[A0] = 1"), {"1", "2", "5"}},
        FilterCase{"TextAndNumber", QStringLiteral("MG5H_OPZIONE_MG5E = 'x' And B <> 1"), {"4"}},
        FilterCase{"NumberAndText", QStringLiteral("MG5H_SEQOPZIONE = 3 AND MG5H_OPZIONE_MG5E = 'R'"), {"1"}},
        FilterCase{"CaseAndTrailingBlanksIgnored", QStringLiteral("MG5H_OPZIONE_MG5E = 'R'"), {"1", "2"}},
        FilterCase{"DoubledQuote", QStringLiteral("MG5H_OPZIONE_MG5E = 'IT''S'"), {"5"}},
        FilterCase{"OrWithParentheses", QStringLiteral("(B = 2 OR B = 1) and A0 = 0"), {"3"}},
        FilterCase{"AndBindsTighterThanOr", QStringLiteral("ID = 1 or ID > 3 and B = 2"), {"1", "4"}},
        FilterCase{"Comparisons", QStringLiteral("ID >= 2 AND ID < 4 AND MG5H_SEQOPZIONE <= 2"), {"2", "3"}},
        FilterCase{"Like", QStringLiteral("MG5H_OPZIONE_MG5E LIKE 'I*'"), {"5"}},
        FilterCase{"NullField", QStringLiteral("A0 = Null"), {"4"}},
        FilterCase{"NullNeverEqualsAValue", QStringLiteral("A0 <> 1"), {"3"}},
        FilterCase{"TextNumberLiteral", QStringLiteral("MG5H_SEQOPZIONE = '3'"), {"1", "4"}},
        FilterCase{"EmptyShowsAll", QString(), {"1", "2", "3", "4", "5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordsetTest, MalformedFilterRaisesAndKeepsThePreviousOne) {
    rs_->setFilter(QStringLiteral("B = 2"));
    EXPECT_EQ(errorOf([&] { rs_->setFilter(QStringLiteral("B = = 2")); }).number(), ae::ArgumentsWrongType);
    EXPECT_EQ(errorOf([&] { rs_->setFilter(QStringLiteral("NOPE = 2")); }).number(), ae::ItemNotFound);
    EXPECT_EQ(rs_->filter(), QStringLiteral("B = 2"));
    EXPECT_EQ(rs_->recordCount(), 2);
}

TEST_F(RecordsetTest, SortOrdersByEachKeyNullFirstTextIgnoringCase) {
    rs_->setSort(QStringLiteral("MG5H_OPZIONE_MG5E ASC, [ID] DESC"));
    EXPECT_EQ(column(*rs_, QStringLiteral("ID")), QStringList({"5", "2", "1", "4", "3"}));
    rs_->setSort(QStringLiteral("A0"));
    EXPECT_EQ(column(*rs_, QStringLiteral("ID")), QStringList({"4", "3", "1", "2", "5"}));
    EXPECT_EQ(rs_->absolutePosition(), 1);
}

TEST_F(RecordsetTest, BookmarkSurvivesSortAndFilter) {
    rs_->setAbsolutePosition(4);
    const QVariant bookmark = rs_->bookmark();
    rs_->setSort(QStringLiteral("ID DESC"));
    rs_->setBookmark(bookmark);
    EXPECT_EQ(rs_->value(QStringLiteral("ID")).toLongLong(), 4);
    EXPECT_EQ(rs_->absolutePosition(), 2);
    rs_->setFilter(QStringLiteral("B = 2"));
    rs_->setBookmark(bookmark);
    EXPECT_EQ(rs_->absolutePosition(), 1);
    rs_->setFilter(QStringLiteral("B = 1"));
    EXPECT_EQ(errorOf([&] { rs_->setBookmark(bookmark); }).number(), ae::ArgumentsWrongType);
}

TEST_F(RecordsetTest, CancelledAddNewReturnsToThePreviousRow) {
    rs_->setAbsolutePosition(3);
    rs_->addNew();
    EXPECT_EQ(rs_->editMode(), EditMode::Add);
    EXPECT_EQ(rs_->absolutePosition(), 6);
    EXPECT_TRUE(automation::isNull(rs_->value(QStringLiteral("ID"))));
    rs_->cancelUpdate();
    EXPECT_EQ(rs_->editMode(), EditMode::None);
    EXPECT_EQ(rs_->value(QStringLiteral("ID")).toLongLong(), 3);
    EXPECT_EQ(rs_->recordCount(), 5);
}

TEST_F(RecordsetTest, FieldsDescribeTheColumns) {
    const Fields& fields = rs_->fields();
    ASSERT_EQ(fields.count(), 5);
    EXPECT_EQ(fields.item(QStringLiteral("mg5h_opzione_mg5e")).name(), QStringLiteral("MG5H_OPZIONE_MG5E"));
    EXPECT_EQ(fields.item(2).type(), DataType::VarChar);
    EXPECT_EQ(fields.item(2).definedSize(), 20);
    EXPECT_EQ(fields.item(QStringLiteral("MG5H_SEQOPZIONE")).type(), DataType::SmallInt);
    EXPECT_EQ(fields.item(QStringLiteral("ID")).value(), QVariant(qint64(1)));
    EXPECT_EQ(errorOf([&] { fields.item(QStringLiteral("NOPE")); }).number(), ae::ItemNotFound);
}

struct ValueCase {
    const char* expression;
    QVariant expected;  // Null stands for automation::null()
};

TEST(RecordsetValues, ReadBackWithTheTypeAndValueSqliteGave) {
    const std::vector<ValueCase> cases = {
        {"42", QVariant(qint64(42))},
        {"-9223372036854775808", QVariant(std::numeric_limits<qint64>::min())},
        {"2.5", QVariant(2.5)},
        {"'àè€ 😀'", QVariant(QStringLiteral("àè€ 😀"))},
        {"''", QVariant(QString(""))},
        {"'a' || char(0) || 'b'", QVariant(QString::fromUtf8("a\0b", 3))},
        {"x'00FF41'", QVariant(QByteArray("\0\xff"
                                          "A",
                                          3))},
        {"x''", QVariant(QByteArray())},
        {"NULL", automation::null()},
    };
    QString columns;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        columns += QStringLiteral("%1%2 AS C%3")
                       .arg(i ? QStringLiteral(", ") : QString(), QString::fromUtf8(cases[i].expression))
                       .arg(i);
    }
    TestDatabase db(QStringLiteral("CREATE TABLE T (ID INT);"));
    // Three rows: values of one row must not leak into the next.
    auto rs =
        openRecordset(db.connect(), QStringLiteral("SELECT %1 UNION ALL SELECT %1 UNION ALL SELECT %1").arg(columns));
    int rows = 0;
    for (; !rs->isEof(); rs->moveNext(), ++rows) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const QVariant value = rs->value(static_cast<int>(i));
            EXPECT_EQ(value.metaType(), cases[i].expected.metaType()) << cases[i].expression;
            EXPECT_EQ(value, cases[i].expected) << cases[i].expression;
        }
    }
    EXPECT_EQ(rows, 3);
}

TEST(RecordsetValues, ComputedColumnTakesTheTypeOfItsFirstValue) {
    TestDatabase db(QStringLiteral("CREATE TABLE T (ID INT); INSERT INTO T VALUES (1), (2), (3);"));
    auto rs = openRecordset(
        db.connect(), QStringLiteral("SELECT CASE WHEN ID < 3 THEN NULL ELSE ID * 0.5 END AS X FROM T ORDER BY ID"));
    EXPECT_EQ(rs->fields().item(0).type(), DataType::Double);
    EXPECT_TRUE(automation::isNull(rs->value(0)));
}

TEST(RecordsetValues, EditedRowReadsItsNewValuesAndCancelGivesBackTheOldOnes) {
    TestDatabase db(
        QStringLiteral("CREATE TABLE T (ID INT PRIMARY KEY, NAME VARCHAR(10));"
                       "INSERT INTO T VALUES (1, 'uno'), (2, 'due');"));
    auto rs =
        openRecordset(db.connect(), QStringLiteral("SELECT ID, NAME FROM T ORDER BY ID"), LockType::BatchOptimistic);
    rs->setValue(QStringLiteral("NAME"), QStringLiteral("one"));
    EXPECT_EQ(rs->value(1), QVariant(QStringLiteral("one")));
    EXPECT_EQ(rs->fields().item(1).originalValue(), QVariant(QStringLiteral("uno")));
    rs->cancelUpdate();
    EXPECT_EQ(rs->value(1), QVariant(QStringLiteral("uno")));
    rs->moveNext();
    EXPECT_EQ(rs->value(1), QVariant(QStringLiteral("due")));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT NAME FROM T ORDER BY ID")), QStringLiteral("uno;due"));
}

struct TypeCase {
    const char* declared;
    DataType type;
    qint64 definedSize;
};

TEST(RecordsetFieldTypes, DeclaredTypesMapToAdoTypesAndSizes) {
    const std::vector<TypeCase> cases = {
        {"INT", DataType::Integer, 4},
        {"SMALLINT", DataType::SmallInt, 2},
        {"TINYINT", DataType::UnsignedTinyInt, 1},
        {"BIT", DataType::Boolean, 2},
        {"VARCHAR(20)", DataType::VarChar, 20},
        {"NVARCHAR(50)", DataType::VarWChar, 50},
        {"CHAR(2)", DataType::Char, 2},
        {"TEXT", DataType::LongVarChar, 2147483647},
        {"DECIMAL(18, 5)", DataType::Numeric, 19},
        {"FLOAT", DataType::Double, 8},
        {"DATETIME", DataType::DBTimeStamp, 16},
    };
    QString columns;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        columns += QStringLiteral("%1C%2 %3")
                       .arg(i ? QStringLiteral(", ") : QString())
                       .arg(i)
                       .arg(QLatin1String(cases[i].declared));
    }
    TestDatabase db(QStringLiteral("CREATE TABLE T (%1);").arg(columns));
    auto rs = openRecordset(db.connect(), QStringLiteral("SELECT *, C0 + 1 AS EXPR FROM T"));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Field field = rs->fields().item(static_cast<int>(i));
        EXPECT_EQ(field.type(), cases[i].type) << cases[i].declared;
        EXPECT_EQ(field.definedSize(), cases[i].definedSize) << cases[i].declared;
    }
    EXPECT_EQ(rs->fields().item(QStringLiteral("EXPR")).type(), DataType::VarWChar);  // no rows to tell
}

TEST(InMemoryRecordset, AppendedFieldsHoldRowsAddedUpdatedAndDeleted) {
    Recordset rs;
    rs.fields().append(QStringLiteral("MG5F_CODICEVAR"), DataType::VarChar, 20);
    rs.fields().append(QStringLiteral("FLGOBBLIG"), DataType::Integer);
    rs.open();
    EXPECT_TRUE(rs.isBof() && rs.isEof());
    EXPECT_EQ(rs.fields().item(0).definedSize(), 20);
    EXPECT_EQ(rs.fields().item(1).type(), DataType::Integer);
    for (const char* code : {"A1", "A0", "B0"}) {
        rs.addNew();
        rs.setValue(QStringLiteral("MG5F_CODICEVAR"), QString::fromLatin1(code));
        rs.fields().item(QStringLiteral("FLGOBBLIG")).setValue(QStringLiteral("1"));
        rs.update();
    }
    EXPECT_EQ(rs.value(1), QVariant(qint64(1)));
    rs.setSort(QStringLiteral("MG5F_CODICEVAR"));
    EXPECT_EQ(column(rs, QStringLiteral("MG5F_CODICEVAR")), QStringList({"A0", "A1", "B0"}));
    rs.deleteCurrent();
    rs.setFilter(QStringLiteral("MG5F_CODICEVAR LIKE 'A%'"));
    EXPECT_EQ(column(rs, QStringLiteral("MG5F_CODICEVAR")), QStringList({"A1"}));
    EXPECT_TRUE(invariantsHold(rs));
}

TEST(InMemoryRecordset, AnIntegerFieldRoundsHalvesToEvenAndRefusesText) {
    Recordset rs;
    rs.fields().append(QStringLiteral("N"), DataType::Integer);
    rs.open();
    rs.addNew();
    const struct {
        QVariant written;
        qint64 stored;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.6, 3}, {QStringLiteral(" 4.5 "), 4}, {QStringLiteral("7"), 7}};
    for (const auto& c : cases) {
        rs.setValue(QStringLiteral("N"), c.written);
        EXPECT_EQ(rs.value(QStringLiteral("N")), QVariant(c.stored)) << c.written.toString().toStdString();
    }
    const automation::Error error = errorOf([&] { rs.setValue(QStringLiteral("N"), QStringLiteral("due")); });
    EXPECT_EQ(error.number(), automation::errors::TypeMismatch);
    EXPECT_EQ(error.source(), QStringLiteral("ADODB.Field"));
}

// ADO's literal forms in a filter: dates in pound signs, currency, scientific notation.
const QString LiteralSchema = QStringLiteral(
    "CREATE TABLE L (ID INT PRIMARY KEY, D DATETIME, P MONEY);"
    "INSERT INTO L VALUES (1, '2000-01-31 00:00:00', 50), (2, '2000-02-01 08:30:00', 250), (3, '1999-12-31', 12.5);");

class RecordsetFilterLiteral : public ::testing::TestWithParam<FilterCase> {};

TEST_P(RecordsetFilterLiteral, ShowsTheMatchingRows) {
    TestDatabase db(LiteralSchema);
    auto rs = openRecordset(db.connect(), QStringLiteral("SELECT * FROM L ORDER BY ID"));
    rs->setFilter(GetParam().filter);
    EXPECT_EQ(column(*rs, QStringLiteral("ID")), GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordsetFilterLiteral,
                         ::testing::Values(FilterCase{"MonthFirstDate", QStringLiteral("D = #1/31/2000#"), {"1"}},
                                           FilterCase{"IsoDate", QStringLiteral("D > #2000-01-31#"), {"2"}},
                                           FilterCase{"DateAndTime", QStringLiteral("D >= #2/1/2000 08:30:00#"), {"2"}},
                                           FilterCase{
                                               "QuotesInsidePoundSigns", QStringLiteral("D < #'1/1/2000'#"), {"3"}},
                                           FilterCase{"Currency", QStringLiteral("P = $50.00"), {"1"}},
                                           FilterCase{"Scientific", QStringLiteral("P = 2.5E2"), {"2"}},
                                           FilterCase{"NegativeExponent", QStringLiteral("P = 125E-1"), {"3"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordsetFilterLiteral, UnreadableDateRaises) {
    TestDatabase db(LiteralSchema);
    auto rs = openRecordset(db.connect(), QStringLiteral("SELECT * FROM L"));
    EXPECT_EQ(errorOf([&] { rs->setFilter(QStringLiteral("D = #someday#")); }).number(), ae::ArgumentsWrongType);
    EXPECT_EQ(errorOf([&] { rs->setFilter(QStringLiteral("D = #1/1/2000")); }).number(), ae::ArgumentsWrongType);
}

TEST_F(RecordsetTest, EveryMoveOnAnEmptyRecordsetKeepsBofAndEof) {
    const std::pair<const char*, std::function<void(Recordset&)>> moves[] = {
        {"MoveFirst", [](Recordset& r) { r.moveFirst(); }},
        {"MoveLast", [](Recordset& r) { r.moveLast(); }},
        {"MoveLastThenMoveFirst",
         [](Recordset& r) {
             r.moveLast();
             r.moveFirst();
         }},
        {"Requery", [](Recordset& r) { r.requery(); }}};
    for (const auto& [name, move] : moves) {
        auto empty = openRecordset(connection_, QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR WHERE ID = 0"));
        move(*empty);
        EXPECT_TRUE(empty->isBof()) << name;
        EXPECT_TRUE(empty->isEof()) << name;
        EXPECT_EQ(errorOf([&] { empty->value(0); }).number(), ae::BofOrEof) << name;
    }
}

TEST_F(RecordsetTest, MoveZeroRaisesAtBofAndEofOnly) {
    rs_->move(0);
    EXPECT_EQ(rs_->value(QStringLiteral("ID")).toLongLong(), 1);
    rs_->movePrevious();
    EXPECT_EQ(errorOf([&] { rs_->move(0); }).number(), ae::BofOrEof);
    rs_->moveLast();
    rs_->moveNext();
    EXPECT_EQ(errorOf([&] { rs_->move(0); }).number(), ae::BofOrEof);
}

TEST_F(RecordsetTest, EditModeNeedsACurrentRecord) {
    auto empty = openRecordset(connection_, QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR WHERE ID = 0"));
    EXPECT_EQ(errorOf([&] { empty->editMode(); }).number(), ae::BofOrEof);
    rs_->moveLast();
    rs_->moveNext();
    EXPECT_EQ(errorOf([&] { rs_->editMode(); }).number(), ae::BofOrEof);
    rs_->moveFirst();
    EXPECT_EQ(rs_->editMode(), EditMode::None);
    rs_->deleteCurrent();
    EXPECT_EQ(errorOf([&] { rs_->editMode(); }).number(), ae::BofOrEof);
}

TEST_F(RecordsetTest, BatchEditModeStaysUntilUpdateBatch) {
    auto batch = openRecordset(connection_, QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR ORDER BY ID"),
                               LockType::BatchOptimistic);
    batch->setValue(QStringLiteral("B"), 9);
    batch->update();
    EXPECT_EQ(batch->editMode(), EditMode::InProgress);
    EXPECT_EQ(batch->pendingEdit(), EditMode::None);
    batch->addNew();
    batch->setValue(QStringLiteral("ID"), 6);
    batch->update();
    EXPECT_EQ(batch->editMode(), EditMode::Add);
    batch->updateBatch();
    EXPECT_EQ(batch->editMode(), EditMode::None);
    batch->moveFirst();
    EXPECT_EQ(batch->editMode(), EditMode::None);
}

TEST(RecordsetOpen, FilterAndSortSetWhileClosedApplyAtOpen) {
    TestDatabase db(Schema);
    Recordset rs;
    rs.setFilter(QStringLiteral("B = 1"));
    rs.setSort(QStringLiteral("ID DESC"));
    rs.open(QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR"), db.connect());
    EXPECT_EQ(column(rs, QStringLiteral("ID")), QStringList({"3", "1"}));
    EXPECT_EQ(rs.value(QStringLiteral("ID")).toLongLong(), 3);
}

TEST(RecordsetOpen, WithoutAConnectionRaises3709) {
    Recordset bare;
    EXPECT_EQ(errorOf([&] { bare.open(); }).number(), errors::ConnectionCannotBeUsed);
    EXPECT_EQ(errorOf([&] { bare.open(QStringLiteral("SELECT 1")); }).number(), errors::ConnectionCannotBeUsed);
    EXPECT_EQ(bare.state(), ObjectState::Closed);
}

TEST(RecordsetOpen, FieldsAreGoneAfterClose) {
    TestDatabase db(Schema);
    auto rs = openRecordset(db.connect(), QStringLiteral("SELECT * FROM MG5H_COMPRAGVAR"));
    rs->close();
    EXPECT_EQ(rs->fields().count(), 0);
    Recordset memory;
    memory.fields().append(QStringLiteral("N"), DataType::Integer);
    memory.open();
    memory.close();
    EXPECT_EQ(memory.fields().count(), 0);
}

}  // namespace
