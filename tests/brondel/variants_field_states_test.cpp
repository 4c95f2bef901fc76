// The variant configurator's fields follow the row shown without changing its values, and typed values go
// into statements as values.
#include "variants_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_lookups.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/label.h"

#include <functional>

namespace console_test {
namespace {

using VariantFieldStates = VariantsTest;

// Moving between rows, adding and undoing only switch fields on and off; values change only by a person.
TEST_F(VariantFieldStates, ANewDimensionAfterAnAutomaticOneStoresTheDefaultFlags) {
    openConfigurator(true);
    select("A3");  // "Variante automatica" ticked
    ASSERT_TRUE(navigator()->pressButton(QStringLiteral("Nuovo")));
    edit("TXT_DESCR")->typeText(QStringLiteral("nuova"));
    edit("TXT_SIZE")->typeText(QStringLiteral("1"));
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_FLGVARAUTO, MG5F_FLGCONFERMAVARAUTO, MG5F_FLGDESCRVARAUTO").last(), "0|1|1");
}

TEST_F(VariantFieldStates, BrowsingKeepsTheAutomaticVariantsOptionsAsStored) {
    openConfigurator(true);
    select("A3");
    select("A4");  // stored 0, 1, 1
    EXPECT_EQ(check("CHK_FLGCONFERMAVARAUTO")->text(), "1");
    EXPECT_EQ(check("CHK_FLGDESCRVARAUTO")->text(), "1");
    edit("TXT_DESCR")->typeText(QStringLiteral("finitura fine"));
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_FLGVARAUTO, MG5F_FLGCONFERMAVARAUTO, MG5F_FLGDESCRVARAUTO").at(4), "0|1|1");
}

TEST_F(VariantFieldStates, APersonsUntickOfTheAutomaticVariantStillResetsItsOptions) {
    openConfigurator(true);
    select("A3");
    ASSERT_TRUE(check("CHK_FLGVARAUTO")->toggle());
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("MG5F_FLGVARAUTO, MG5F_FLGCONFERMAVARAUTO, MG5F_FLGDESCRVARAUTO").at(3), "0|0|0");
}

// The fields on and off as the row shown asks, however it came to be shown.
struct Shown {
    const char* name;
    std::function<void(VariantsTest&)> gestures;
    QStringList expected;  // "name:on" / "name:off"
};

void PrintTo(const Shown& shown, std::ostream* out) { *out << shown.name; }

class VariantShownRow : public VariantsTest, public ::testing::WithParamInterface<Shown> {
public:
    using VariantsTest::navigator;
    using VariantsTest::select;
};

TEST_P(VariantShownRow, SwitchesTheFieldsAsItsValuesAsk) {
    openConfigurator(true);
    GetParam().gestures(*this);
    host_->messages().clear();
    QStringList states;
    for (const QString& entry : GetParam().expected) {
        const QString name = entry.section(':', 0, 0);
        states << name + (form().control(name)->isEnabled() ? ":on" : ":off");
    }
    EXPECT_EQ(states, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ways, VariantShownRow,
                         ::testing::Values(Shown{"FirstDisplay",
                                                 [](VariantsTest&) {},
                                                 {"TXT_VALDEFAULT:off", "TXT_POSINI:off", "TXT_NUMINT:off"}},
                                           Shown{"AfterAMove",
                                                 [](VariantsTest& t) { static_cast<VariantShownRow&>(t).select("A4"); },
                                                 {"TXT_VALDEFAULT:on", "TXT_NUMINT:off", "CBO_INDPRCLIFOR:on"}},
                                           Shown{"AfterARefusedDeleteAndAMove",
                                                 [](VariantsTest& t) {
                                                     auto& test = static_cast<VariantShownRow&>(t);
                                                     test.select("A2");
                                                     test.navigator()->pressButton(QStringLiteral("Elimina"));
                                                     test.select("A3");
                                                 },
                                                 {"TXT_NUMINT:on", "TXT_NUMDEC:on", "TXT_POSINI:off",
                                                  "TXT_VALDEFAULT:off"}},
                                           Shown{"AfterARefusedDeleteAndAMoveBack",
                                                 [](VariantsTest& t) {
                                                     auto& test = static_cast<VariantShownRow&>(t);
                                                     test.select("A3");
                                                     test.navigator()->pressButton(QStringLiteral("Elimina"));
                                                     test.select("A2");
                                                 },
                                                 {"TXT_NUMINT:off", "TXT_POSINI:on", "TXT_POSFIN:on"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantFieldStates, TheRebuiltConfiguratorKeepsTheDefaultValueOffWhileItsBoxIsUnticked) {
    openConfigurator(false, {dimension("A0", 3)});
    host_->messages().answer(host::message_answer::Yes);
    form().controlAs<host::Button>("CmdDel")->click();
    EXPECT_FALSE(edit("TXT_VALDEFAULT")->isEnabled());
    EXPECT_FALSE(edit("TXT_VALDEFAULT")->typeText(QStringLiteral("XY7")));
}

TEST_F(VariantFieldStates, UntickingTheDefaultValueEmptiesItsDescriptionToo) {
    openConfigurator(true);
    select("A4");
    ASSERT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), "Lucida");
    ASSERT_TRUE(check("CHK_FLGDEFAULT")->toggle());
    EXPECT_EQ(edit("TXT_VALDEFAULT")->text(), "");
    EXPECT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), "");
}

// With no row shown, nothing can be typed that would be lost.
struct Rowless {
    const char* name;
    QStringList setup;
    std::function<void(VariantsTest&)> gestures;
};

void PrintTo(const Rowless& rowless, std::ostream* out) { *out << rowless.name; }

class VariantWithoutRows : public VariantsTest, public ::testing::WithParamInterface<Rowless> {
public:
    using VariantsTest::navigator;
};

TEST_P(VariantWithoutRows, TakesNoTyping) {
    openConfigurator(false, GetParam().setup);
    GetParam().gestures(*this);
    for (const char* name : {"TXT_DESCR", "CBO_NATURA", "TXT_SIZE", "CHK_FLGDEFAULT", "CBO_GESTGRIGLIA", "TXT_SEQCOMP"})
        EXPECT_FALSE(form().control(name)->isEnabled()) << name;
    EXPECT_FALSE(edit("TXT_DESCR")->typeText(QStringLiteral("persa")));
    ASSERT_TRUE(navigator()->pressButton(QStringLiteral("Nuovo")));
    EXPECT_TRUE(edit("TXT_DESCR")->typeText(QStringLiteral("nuova")));
    EXPECT_TRUE(edit("TXT_SIZE")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, VariantWithoutRows,
    ::testing::Values(Rowless{"OnlyRowDeleted",
                              {dimension("A0", 3)},
                              [](VariantsTest& t) {
                                  ASSERT_TRUE(static_cast<VariantWithoutRows&>(t).navigator()->pressButton("Elimina"));
                              }},
                      Rowless{"FirstNewRowUndone",
                              {},
                              [](VariantsTest& t) {
                                  ASSERT_TRUE(static_cast<VariantWithoutRows&>(t).navigator()->pressButton("Annulla"));
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantFieldStates, NuovoAsksForTheHighestCodeOnce) {
    openConfigurator(true);
    select("A4");
    statements_.clear();
    ASSERT_TRUE(navigator()->pressButton(QStringLiteral("Nuovo")));
    EXPECT_EQ(statements_.filter(QStringLiteral("MAX(MG5F_CODICEVAR)")).size(), 1)
        << statements_.join("\n").toStdString();
}

// Text typed into the default value is a value: found or stored as typed, never run.
struct Hostile {
    const char* name;
    const char* typed;
    QString decoded;  // the description shown beside the field
};

void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

class VariantHostileValue : public VariantsTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(VariantHostileValue, IsDecodedAndStoredAsTyped) {
    const Hostile& c = GetParam();
    openConfigurator(true, {"INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) "
                            "VALUES (1, 'A4', 'L''A', 'Laccata')"});
    const auto companies = [this] {
        return host_->factory()
            ->openConnection(host_->connectionString())
            ->execute("SELECT COUNT(*) FROM CG18_DITTE")
            ->value(0)
            .toInt();
    };
    const int before = companies();
    select("A4");
    edit("TXT_VALDEFAULT")->typeText(c.typed);
    edit("TXT_VALDEFAULT")->leave();
    EXPECT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), c.decoded);
    ASSERT_TRUE(save());
    select("A3");
    select("A4");

    EXPECT_EQ(form().controlAs<host::Label>("LBL_DECVAR")->caption(), c.decoded);
    EXPECT_EQ(shown(), QStringList());
    EXPECT_EQ(companies(), before);
    EXPECT_EQ(stored("MG5F_VARDEFAULT").at(4), QString(c.typed).toUpper());
}

INSTANTIATE_TEST_SUITE_P(Texts, VariantHostileValue,
                         ::testing::Values(Hostile{"SecondStatement", "';DELETE CG18_DITTE--", ""},
                                           Hostile{"AlwaysTrue", "' OR '1'='1", ""},
                                           Hostile{"Apostrophe", "L'A", "Laccata"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace console_test
