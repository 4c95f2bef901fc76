#include "brondel/host/entry_points.h"
#include "brondel/host/type_library.h"
#include "brondel/priorities/clsmg_priorlett.h"

#include "suite/db/suite_database.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/class_factory.h"
#include "automation/error.h"
#include "automation/registry.h"
#include "automation/typelib.h"
#include "automation/variant.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

namespace {

using automation::MemberKind;
using brondel::CLSMG_PRIORLETT;
namespace ae = automation::errors;

// A company (7) with variants in MG5F_DIMECONF and lists of its own for the element indicators 0, 4 and 5,
// on a fresh suite database.
class PrioritiesClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.filePath(QStringLiteral("suite.db"));
        suite::db::createSuiteDatabase(path_, false);
        connection_ = open();
        for (const int element : {0, 4, 5}) {
            for (const int priority : {1, 2})
                execute(
                    QStringLiteral("INSERT INTO MG5L_LETVARIANTI (MG5L_DITTA_CG18, MG5L_INDELEMENTO, MG5L_PRIORITA, "
                                   "MG5L_FLGPOSVAR1, MG5L_FLGPOSVAR2) VALUES (7, %1, %2, 1, 1)")
                        .arg(element)
                        .arg(priority));
        }
    }

    std::shared_ptr<ado::Connection> open(const QString& extra = QString()) const {
        auto connection = std::make_shared<ado::Connection>();
        connection->open(QStringLiteral("Provider=SQLite;Data Source=") + path_ + extra);
        return connection;
    }
    void execute(const QString& statement) const { connection_->execute(statement); }

    void addVariants(int count) const {
        for (int i = 0; i < count; ++i)
            execute(QStringLiteral("INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR) "
                                   "VALUES (7, 'A%1', 'VARIANTE %1')")
                        .arg(i));
    }

    // The list of an element indicator, one text of ten flags per step in priority order, each step
    // checked to hold the next priority.
    QStringList list(int element) const {
        const auto rows = connection_->execute(
            QStringLiteral("SELECT * FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = 7 AND MG5L_INDELEMENTO = %1 "
                           "ORDER BY MG5L_PRIORITA")
                .arg(element));
        QStringList steps;
        for (; !rows->isEof(); rows->moveNext()) {
            EXPECT_EQ(rows->value(QStringLiteral("MG5L_PRIORITA")).toInt(), steps.size() + 1);
            QString flags;
            for (int position = 1; position <= 10; ++position)
                flags += automation::cstr(rows->value(QStringLiteral("MG5L_FLGPOSVAR%1").arg(position)));
            steps << flags;
        }
        return steps;
    }
    // Every list of the company, indicator by indicator.
    QString lists() const {
        QStringList all;
        for (int element = 0; element <= 5; ++element)
            all << QString::number(element) + QLatin1Char(':') + list(element).join(QLatin1Char(' '));
        return all.join(QLatin1Char('\n'));
    }

    std::shared_ptr<CLSMG_PRIORLETT> object(const std::shared_ptr<ado::Connection>& connection) const {
        auto priorities = CLSMG_PRIORLETT::create();
        priorities->setDitta(7);
        priorities->setConnessione(connection);
        return priorities;
    }

    QTemporaryDir dir_;
    QString path_;
    std::shared_ptr<ado::Connection> connection_;
};

automation::Error errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const automation::Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return automation::Error(0, QString(), QString());
}

const QString OwnLists = QStringLiteral("1100000000 1100000000");

struct DefaultLists {
    int variants;
    QStringList expected;  // of each of the indicators 0 to 3
};

TEST_F(PrioritiesClassTest, DefaultListsRebuildIndicatorsZeroToThreeDropFourAndKeepFive) {
    const DefaultLists cases[] = {
        {0, {"0000000000"}},
        {1, {"1000000000", "0000000000"}},
        {3, {"1110000000", "1100000000", "1000000000", "0110000000", "0010000000", "0000000000"}},
        {10, {"1111111111", "1111111110", "1111111100", "1111111000", "1111110000", "1111100000", "1111000000",
              "1110000000", "1100000000", "1000000000", "0111111111", "0011111111", "0001111111", "0000111111",
              "0000011111", "0000001111", "0000000111", "0000000011", "0000000001", "0000000000"}},
    };
    for (const DefaultLists& c : cases) {
        SCOPED_TRACE(c.variants);
        execute(QStringLiteral("DELETE FROM MG5F_DIMECONF"));
        addVariants(c.variants);
        EXPECT_TRUE(automation::isEmpty(object(connection_)->PrioritaPredefinite()));
        const QString list = c.expected.join(QLatin1Char(' '));
        EXPECT_EQ(lists(), QStringList({"0:" + list, "1:" + list, "2:" + list, "3:" + list, "4:", "5:" + OwnLists})
                               .join(QLatin1Char('\n')));
    }
}

TEST_F(PrioritiesClassTest, SendsTheDeleteTheVariantsQueryAndOneInsertPerStep) {
    addVariants(1);
    QStringList sent;
    connection_->setStatementObserver([&](const QString& statement) { sent << statement; });
    object(connection_)->PrioritaPredefinite();
    ASSERT_EQ(sent.size(), 2 + 4 * 2);
    EXPECT_EQ(sent[0], "DELETE FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = 7 AND MG5L_INDELEMENTO <> 5");
    EXPECT_EQ(sent[1], "SELECT MG5F_DESCR_VAR  FROM MG5F_DIMECONF  WHERE  MG5F_DITTA_CG18 = 7");
    const QString columns =
        "INSERT INTO MG5L_LETVARIANTI (MG5L_DITTA_CG18, MG5L_INDELEMENTO, MG5L_PRIORITA, "
        "MG5L_FLGPOSVAR1, MG5L_FLGPOSVAR2, MG5L_FLGPOSVAR3, MG5L_FLGPOSVAR4, MG5L_FLGPOSVAR5, "
        "MG5L_FLGPOSVAR6, MG5L_FLGPOSVAR7, MG5L_FLGPOSVAR8, MG5L_FLGPOSVAR9, MG5L_FLGPOSVAR10 )  ";
    EXPECT_EQ(sent[2], columns + "VALUES (7,0,1,1,0,0,0,0,0,0,0,0,0 ) ");
    EXPECT_EQ(sent[9], columns + "VALUES (7,3,2,0,0,0,0,0,0,0,0,0,0 ) ");
}

TEST_F(PrioritiesClassTest, AFailedInsertLeavesEveryListAsItWas) {
    addVariants(3);
    const QString before = lists();
    open(QStringLiteral(";Dialect=SQLite"))
        ->execute(
            QStringLiteral("CREATE TRIGGER REFUSE BEFORE INSERT ON MG5L_LETVARIANTI WHEN NEW.MG5L_INDELEMENTO = 2 "
                           "AND NEW.MG5L_PRIORITA = 4 BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"));
    const automation::Error error = errorOf([&] { object(connection_)->PrioritaPredefinite(); });
    EXPECT_TRUE(error.description().contains(QStringLiteral("refused by the test")))
        << error.description().toStdString();
    EXPECT_EQ(lists(), before);
    EXPECT_FALSE(connection_->inTransaction());
}

TEST_F(PrioritiesClassTest, InsideACallersTransactionOnlyItsOwnWorkIsUndoneOnFailure) {
    addVariants(3);
    const QString before = lists();
    open(QStringLiteral(";Dialect=SQLite"))
        ->execute(
            QStringLiteral("CREATE TRIGGER REFUSE BEFORE INSERT ON MG5L_LETVARIANTI WHEN NEW.MG5L_INDELEMENTO = 3 "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    connection_->beginTrans();
    execute(
        QStringLiteral("INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR) "
                       "VALUES (7, 'B0', 'DEL CHIAMANTE')"));
    errorOf([&] { object(connection_)->PrioritaPredefinite(); });
    ASSERT_TRUE(connection_->inTransaction());
    connection_->commitTrans();
    EXPECT_EQ(lists(), before);
    EXPECT_EQ(connection_->execute(QStringLiteral("SELECT COUNT(*) FROM MG5F_DIMECONF WHERE MG5F_CODICEVAR = 'B0'"))
                  ->value(0)
                  .toInt(),
              1);
}

TEST_F(PrioritiesClassTest, TheConfiguredVariantsAreTheCompanysDescriptions) {
    addVariants(3);
    execute(
        QStringLiteral("INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR) "
                       "VALUES (8, 'A0', 'ALTRA DITTA')"));
    auto priorities = object(connection_);
    const std::shared_ptr<ado::Recordset> variants = priorities->VariantiConfigurate_Descrizioni();
    QStringList descriptions;
    for (; !variants->isEof(); variants->moveNext())
        descriptions << variants->value(QStringLiteral("MG5F_DESCR_VAR")).toString();
    descriptions.sort();
    EXPECT_EQ(descriptions, QStringList({"VARIANTE 0", "VARIANTE 1", "VARIANTE 2"}));
    // Released, the object closes its recordset, which was never the caller's.
    priorities->setConnessione(nullptr);
    priorities.reset();
    EXPECT_FALSE(variants->isOpen());
}

// One object, one call: what a second call meets, and that it changes nothing.
TEST_F(PrioritiesClassTest, AnObjectServesOneCall) {
    addVariants(2);
    const auto queried = object(connection_);
    queried->VariantiConfigurate_Descrizioni();
    EXPECT_EQ(errorOf([&] { queried->VariantiConfigurate_Descrizioni(); }).number(), ae::ObjectOpen);

    const auto rebuilt = object(connection_);
    rebuilt->PrioritaPredefinite();
    const QString after = lists();
    execute(QStringLiteral("DELETE FROM MG5F_DIMECONF"));
    EXPECT_EQ(errorOf([&] { rebuilt->PrioritaPredefinite(); }).number(), ae::ObjectVariableNotSet);
    EXPECT_EQ(errorOf([&] { rebuilt->VariantiConfigurate_Descrizioni(); }).number(), ae::ObjectVariableNotSet);
    EXPECT_EQ(lists(), after);

    EXPECT_EQ(errorOf([&] { object(nullptr)->PrioritaPredefinite(); }).number(), ae::ObjectVariableNotSet);
}

// Another program's way: the class from the component registry's library, called by late binding.
class PrioritiesLateBound : public PrioritiesClassTest {
protected:
    void SetUp() override {
        PrioritiesClassTest::SetUp();
        registry_ = dir_.filePath(QStringLiteral("components.json")).toUtf8();
        ASSERT_EQ(DllRegisterServer(registry_.constData()), automation::hresult::Ok);
        ASSERT_TRUE(
            automation::ComponentRegistry(QString::fromUtf8(registry_)).libraryPath(u"MGUO_BRONDEL.CLSMG_PRIORLETT"));
        std::shared_ptr<automation::ClassFactory> factory;
        ASSERT_EQ(DllGetClassObject("MGUO_BRONDEL.CLSMG_PRIORLETT", &factory), automation::hresult::Ok);
        instance_ = factory->createInstance();
    }
    QVariant call(const char* member, MemberKind kind, QVariantList args = {}) {
        return instance_->invokeByName(QString::fromLatin1(member), kind, args);
    }

    QByteArray registry_;
    std::shared_ptr<automation::Dispatch> instance_;
};

TEST_F(PrioritiesLateBound, RebuildsTheDefaultsAsAnotherProgramCallsIt) {
    addVariants(1);
    call("Ditta", MemberKind::PropertyPut, {7});
    call("CONNESSIONE", MemberKind::PropertyPutRef, {QVariant::fromValue(connection_)});
    EXPECT_EQ(call("connessione", MemberKind::PropertyGet).value<std::shared_ptr<ado::Connection>>(), connection_);
    EXPECT_TRUE(automation::isEmpty(call("PrioritaPredefinite", MemberKind::Method)));
    call("connessione", MemberKind::PropertyPutRef, {automation::nothing()});
    EXPECT_TRUE(automation::isNothing(call("connessione", MemberKind::PropertyGet)));
    EXPECT_EQ(list(2), QStringList({"1000000000", "0000000000"}));
}

TEST_F(PrioritiesLateBound, AConnectionIsTheOnlyObjectItTakes) {
    const QVariant refused[] = {QVariant(5), QVariant(QStringLiteral("Provider=SQLite")), automation::null(),
                                QVariant::fromValue(std::make_shared<ado::Recordset>()),
                                QVariant::fromValue(instance_)};
    for (const QVariant& value : refused) {
        SCOPED_TRACE(value.metaType().name());
        EXPECT_EQ(errorOf([&] { call("connessione", MemberKind::PropertyPutRef, {value}); }).number(),
                  ae::TypeMismatch);
    }
    EXPECT_EQ(errorOf([&] { call("Ditta", MemberKind::PropertyGet); }).number(), ae::MemberNotSupported);
}

TEST(PrioritiesTypeLibrary, PublishesItsMembersWithTheirIds) {
    const automation::ClassInfo* info = brondel::typeLibrary().findClass(u"CLSMG_PRIORLETT");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->version(), QVersionNumber(1, 0));
    EXPECT_TRUE(info->isCreatable());
    QStringList members;
    for (const automation::Member& member : info->members())
        members << QStringLiteral("%1 %2 %3").arg(member.name).arg(int(member.kind)).arg(member.dispId, 0, 16);
    EXPECT_EQ(members, QStringList({"connessione 0 68030001", "connessione 2 68030001", "Ditta 1 68030000",
                                    "VariantiConfigurate_Descrizioni 3 60030004", "PrioritaPredefinite 3 60030005"}));
}

}  // namespace
