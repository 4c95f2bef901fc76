#include "options_fixture.h"

#include "ado/connection.h"
#include "brondel/console/host_components/types.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace console_test {
namespace {

using Options = OptionsTest;

const QString caption = QStringLiteral("Console parametri varianti");

QString warning(const QString& text) { return "48 " + caption + ": " + text; }

QString tooLong(int maximum) {
    return warning("Il numero massimo di carattere consentito per il valore di variante è " + QString::number(maximum) +
                   "  , inserimento impossibile!");
}

const QString deleteQuestion =
    "36 " + caption +
    ": L'operazione comporterà la cancellazione di descrizioni lingua, raggruppamenti e descrizioni "
    "clienti/fornitori. Continuare?";

QString optionsOf(const char* code) {
    return QStringLiteral(
               "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
               "MG5E_CODICEVAR_MG5F = '%1' ORDER BY MG5E_OPZIONE")
        .arg(QString::fromLatin1(code));
}

// A new option's value typed into TXT_OPZIONE of a variant (by its position) and the field left.
struct NewValue {
    const char* name;
    QStringList setup;  // run on the demo database before the console opens
    const char* position;
    const char* typed;
    QStringList messages;
    QStringList stored;  // the variant's options afterwards, "value|description"
};

void PrintTo(const NewValue& value, std::ostream* out) { *out << value.name; }

class OptionNewValue : public OptionsTest, public ::testing::WithParamInterface<NewValue> {};

TEST_P(OptionNewValue, IsSavedAtOnceOrRefusedWithItsMessage) {
    const NewValue& c = GetParam();
    openSection("ITMOPZVAR", true, c.setup);
    chooseVariant(c.position);
    ASSERT_TRUE(navigator()->pressButton("Nuovo"));

    enter("TXT_OPZIONE", c.typed);

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(query(optionsOf("A4")), c.stored);
    if (!c.messages.isEmpty()) {
        EXPECT_TRUE(edit("TXT_OPZIONE")->hasFocus());
    }
}

const QStringList finishes{"LU|Lucida", "OP|Opaca", "SA|Satinata"};

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionNewValue,
    ::testing::Values(
        NewValue{"AtTheVariantsSize", {}, "5", "MA", {}, {"LU|Lucida", "MA|", "OP|Opaca", "SA|Satinata"}},
        NewValue{"LowerCaseTurnedUpper", {}, "5", "ma", {}, {"LU|Lucida", "MA|", "OP|Opaca", "SA|Satinata"}},
        NewValue{"LongerThanTheVariantsSize", {}, "5", "MAT", {tooLong(2)}, finishes},
        NewValue{"WithAnApostrophe",
                 {},
                 "5",
                 "M'",
                 {warning("Il valore di variante non può contenere il carattere (').")},
                 finishes},
        NewValue{"AlreadyPresent", {}, "5", "op", {warning("Il codice \"OP\" è già presente.")}, finishes}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Options, ReservedVariantFoundOnlyBeforeItWasReservedHasSizeZero) {
    openSection("ITMOPZVAR");
    chooseVariant("5");
    execute("UPDATE MG5F_DIMECONF SET MG5F_INDPROGCONFIG = 1 WHERE MG5F_CODICEVAR = 'A4'");
    ASSERT_TRUE(navigator()->pressButton("Nuovo"));

    enter("TXT_OPZIONE", "M");

    EXPECT_EQ(shown(), QStringList{tooLong(0)});
    EXPECT_EQ(query(optionsOf("A4")), finishes);
}

TEST_F(Options, NewOptionGetsItsDescriptionAsAnEditAndEnablesTheDescriptionSections) {
    openSection("ITMOPZVAR", false,
                {"INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE) "
                 "VALUES (1, 'A0', 'COLORE', 3)"});
    chooseVariant("1");
    ASSERT_EQ(frame()->status(), host::frame_status::Adding);
    ASSERT_FALSE(form().isItemEnabled("ITMLINGUAVAR"));

    enter("TXT_OPZIONE", "ros");
    edit("TXT_DESOPZ")->typeText("Rosso");
    edit("TXT_DESOPZ")->pressEnter();

    EXPECT_EQ(query(optionsOf("A0")), QStringList{"ROS|Rosso"});
    EXPECT_TRUE(form().isItemEnabled("ITMLINGUAVAR"));
    EXPECT_TRUE(shown().isEmpty()) << shown().join('\n').toStdString();
}

// What the section shows for the position typed into TXT_VAROPZ.
struct Position {
    const char* name;
    const char* typed;
    bool optionFields;
    const char* description;
    int rows;
    qint16 status;
};

void PrintTo(const Position& position, std::ostream* out) { *out << position.name; }

class OptionVariantField : public OptionsTest, public ::testing::WithParamInterface<Position> {};

TEST_P(OptionVariantField, OpensTheVariantOrEmptiesTheSection) {
    const Position& c = GetParam();
    openSection("ITMOPZVAR", true,
                {"INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE) "
                 "VALUES (1, 'A6', 'STAGIONE', 1)"});
    chooseVariant("1");
    ASSERT_TRUE(edit("TXT_OPZIONE")->typeText("BIA"));

    chooseVariant(c.typed);

    EXPECT_EQ(edit("TXT_OPZIONE")->isEnabled(), c.optionFields);
    EXPECT_EQ(edit("TXT_DESOPZ")->isEnabled(), c.optionFields);
    EXPECT_EQ(edit("TXT_DESVAROPZ")->text(), c.description);
    EXPECT_EQ(grid("GRD_OPZIONI")->rowCount(), c.rows);
    if (c.optionFields) {
        EXPECT_EQ(frame()->status(), c.status);
    } else {
        EXPECT_EQ(frame(), nullptr);
        EXPECT_TRUE(edit("TXT_OPZIONE")->text().isEmpty());
        EXPECT_FALSE(navigator()->isButtonAvailable("Nuovo"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionVariantField,
    ::testing::Values(Position{"WithOptions", "2", true, "TAGLIA", 6, host::frame_status::Browse},
                      Position{"WithoutOptions", "7", true, "STAGIONE", 1, host::frame_status::Adding},
                      Position{"Reserved", "6", false, "", 0, 0}, Position{"Unknown", "9", false, "", 0, 0},
                      Position{"Empty", "", false, "", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Deleting an option of A2 (MATERIALE) that has descriptions by language, by customer or supplier and a
// place in a grouping.
const QStringList dependents{
    "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) "
    "VALUES (1, 'A2', 'L''A', 'Lana d''angora')",
    "INSERT INTO MG5I_OPZLINGUA (MG5I_DITTA_CG18, MG5I_CODICEVAR_MG5F, MG5I_OPZIONE_MG5E, MG5I_LINGUA_MG52, MG5I_DESCR) "
    "VALUES (1, 'A2', 'L''A', 'ENG', 'Angora wool')",
    "INSERT INTO MG5S_VARCLIFOR (MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_OPZIONE_MG5E, MG5S_TIPOCF_CG44, "
    "MG5S_CLIFOR_CG44, MG5S_DESCR) VALUES (1, 'A2', 'L''A', 0, 1001, 'Angora')",
    "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) VALUES (1, 'A2', 'PREGIATI')",
    "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, "
    "MG5H_OPZIONE_MG5E) VALUES (1, 'A2', 'PREGIATI', 1, 'L''A')",
};

const QString everyRowOfTheOption =
    "SELECT 'E', COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'L''A' UNION ALL "
    "SELECT 'I', COUNT(*) FROM MG5I_OPZLINGUA WHERE MG5I_OPZIONE_MG5E = 'L''A' UNION ALL "
    "SELECT 'S', COUNT(*) FROM MG5S_VARCLIFOR WHERE MG5S_OPZIONE_MG5E = 'L''A' UNION ALL "
    "SELECT 'H', COUNT(*) FROM MG5H_COMPRAGVAR WHERE MG5H_OPZIONE_MG5E = 'L''A'";
const QStringList allThere{"E|1", "I|1", "S|1", "H|1"};

struct Deletion {
    const char* name;
    QStringList setup;  // after the dependents
    int answer;
    QStringList messages;
    QStringList rows;  // everyRowOfTheOption afterwards
    int gridRows;      // -1: the grid has no data source
};

void PrintTo(const Deletion& deletion, std::ostream* out) { *out << deletion.name; }

class OptionDelete : public OptionsTest, public ::testing::WithParamInterface<Deletion> {};

TEST_P(OptionDelete, DeletesTheOptionWithEverythingThatDependsOnItOrNothing) {
    const Deletion& c = GetParam();
    openSection("ITMOPZVAR", true, dependents + c.setup);
    chooseVariant("3");
    ASSERT_TRUE(grid("GRD_OPZIONI")->selectRow(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "L'A")));
    host_->messages().answer(c.answer);

    navigator()->pressButton("Elimina");

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(query(everyRowOfTheOption), c.rows);
    if (c.gridRows < 0) {
        EXPECT_EQ(grid("GRD_OPZIONI")->dataSource(), nullptr);
    } else {
        EXPECT_EQ(grid("GRD_OPZIONI")->rowCount(), c.gridRows);
        EXPECT_EQ(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "L'A") >= 0, c.gridRows == 6);
    }
}

// A trigger that refuses the customer/supplier descriptions' delete, the third statement of four.
const QString refusal =
    "CREATE TRIGGER REFUSE_MG5S BEFORE DELETE ON MG5S_VARCLIFOR "
    "BEGIN SELECT RAISE(ABORT, 'refused'); END";

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionDelete,
    ::testing::Values(
        Deletion{"AnsweredYes", {}, host::message_answer::Yes, {deleteQuestion}, {"E|0", "I|0", "S|0", "H|0"}, 5},
        Deletion{"AnsweredNo", {}, host::message_answer::No, {deleteQuestion}, allThere, 6},
        Deletion{"RefusedByTheDatabase",
                 {refusal},
                 host::message_answer::Yes,
                 {deleteQuestion, warning("L'opzione di variante risulta utilizzata, impossibile effettuare la "
                                          "cancellazione")},
                 allThere,
                 -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Options, DeleteFailingPartWayChangesNothingAndReportsTheError) {
    openSection("ITMOPZVAR", true, dependents);
    chooseVariant("3");
    ASSERT_TRUE(grid("GRD_OPZIONI")->selectRow(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "L'A")));
    host_->messages().answer(host::message_answer::Yes);
    // The third statement finds no table.
    executeSqlite("ALTER TABLE MG5S_VARCLIFOR RENAME TO MG5S_ALTROVE");

    EXPECT_ANY_THROW(navigator()->pressButton("Elimina"));

    EXPECT_EQ(query(everyRowOfTheOption.section(" UNION ALL ", 0, 1) + " UNION ALL " +
                    everyRowOfTheOption.section(" UNION ALL ", 3, 3)),
              (QStringList{"E|1", "I|1", "H|1"}));
}

TEST_F(Options, DeleteSendsTheFourStatementsInOrderInOneTransaction) {
    openSection("ITMOPZVAR", true, dependents);
    chooseVariant("3");
    ASSERT_TRUE(grid("GRD_OPZIONI")->selectRow(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "L'A")));
    host_->messages().answer(host::message_answer::Yes);
    sent();

    navigator()->pressButton("Elimina");

    const QStringList statements = sent();
    ASSERT_GE(statements.size(), 4);
    EXPECT_EQ(
        statements.mid(0, 4),
        (QStringList{"  DELETE FROM    MG5I_OPZLINGUA WHERE    MG5I_DITTA_CG18 = 1 AND    MG5I_CODICEVAR_MG5F = "
                     "'A2' AND    MG5I_OPZIONE_MG5E = 'L''A'",
                     "   DELETE FROM    MG5H_COMPRAGVAR WHERE    MG5H_DITTA_CG18 = 1 AND    MG5H_CODICEVAR_MG5F = "
                     "'A2' AND    MG5H_OPZIONE_MG5E = 'L''A'",
                     "   DELETE FROM    MG5S_VARCLIFOR WHERE    MG5S_DITTA_CG18 = 1 AND    MG5S_CODICEVAR_MG5F = "
                     "'A2' AND    MG5S_OPZIONE_MG5E = 'L''A'",
                     "   DELETE FROM    MG5E_OPZIONI WHERE    MG5E_DITTA_CG18 = 1 AND    MG5E_CODICEVAR_MG5F = "
                     "'A2' AND    MG5E_OPZIONE = 'L''A'"}));
}

// The delete inside a transaction its caller holds on the console's connection: the caller's own change
// and transaction outlive the delete, whether it succeeds or the database refuses it part-way.
struct CallersTransaction {
    const char* name;
    QStringList setup;  // after the dependents
    QStringList rows;   // everyRowOfTheOption after the caller commits
};

void PrintTo(const CallersTransaction& c, std::ostream* out) { *out << c.name; }

class OptionDeleteInACallersTransaction : public OptionsTest,
                                          public ::testing::WithParamInterface<CallersTransaction> {};

TEST_P(OptionDeleteInACallersTransaction, UndoesOnlyItsOwnStatements) {
    const CallersTransaction& c = GetParam();
    openSection("ITMOPZVAR", true, dependents + c.setup);
    chooseVariant("3");
    ASSERT_TRUE(grid("GRD_OPZIONI")->selectRow(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "L'A")));
    host_->messages().answer(host::message_answer::Yes);
    const std::shared_ptr<ado::Connection> connection = form().connection();
    connection->beginTrans();
    connection->execute(
        "INSERT INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA, MG52_SIGLALINGUA) "
        "VALUES ('CHI', 'Del chiamante', 'CH')");

    navigator()->pressButton("Elimina");

    ASSERT_TRUE(connection->inTransaction());
    connection->commitTrans();
    EXPECT_EQ(query(everyRowOfTheOption), c.rows);
    EXPECT_EQ(query("SELECT MG52_DESCRLINGUA FROM MG52_LINGUE WHERE MG52_CODLINGUA = 'CHI'"),
              QStringList{"Del chiamante"});
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionDeleteInACallersTransaction,
                         ::testing::Values(CallersTransaction{"Succeeding", {}, {"E|0", "I|0", "S|0", "H|0"}},
                                           CallersTransaction{"RefusedPartWay", {refusal}, allThere}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Options, VariantLookupOffersOnlyVariantsThatOwnOptions) {
    openSection("ITMOPZVAR");
    host_->lookups().pickRow(2);

    ASSERT_TRUE(edit("TXT_VAROPZ")->openLookup());

    ASSERT_EQ(host_->lookups().shown().size(), 1);
    EXPECT_EQ(host_->lookups().shown().first().rows.size(), 5);
    EXPECT_EQ(edit("TXT_VAROPZ")->text(), "3");
    EXPECT_EQ(edit("TXT_DESVAROPZ")->text(), "MATERIALE");
    EXPECT_EQ(grid("GRD_OPZIONI")->rowCount(), 5);
}

TEST_F(Options, EnterInTheDescriptionConfirmsAnEditAndStartsTheNextOption) {
    openSection("ITMOPZVAR");
    chooseVariant("5");
    ASSERT_TRUE(grid("GRD_OPZIONI")->selectRow(rowOf("GRD_OPZIONI", "MG5E_OPZIONE", "OP")));
    edit("TXT_DESOPZ")->typeText("Opaca fine");

    edit("TXT_DESOPZ")->pressEnter();
    EXPECT_EQ(frame()->status(), host::frame_status::Browse);
    edit("TXT_DESOPZ")->pressEnter();

    EXPECT_EQ(query(optionsOf("A4")), (QStringList{"LU|Lucida", "OP|Opaca fine", "SA|Satinata"}));
    EXPECT_EQ(frame()->status(), host::frame_status::Adding);
    EXPECT_TRUE(edit("TXT_OPZIONE")->hasFocus());
}

}  // namespace
}  // namespace console_test
