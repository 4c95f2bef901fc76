#include "articles_fixture.h"

#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace console_test {
namespace {

using ArticleConfiguratorTest = ArticlesTest;

const QString storedSubCodes =
    "SELECT MG6F_PROGR, MG6F_DESCR, MG6F_SIZE FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = 1 ORDER BY MG6F_PROGR";
const QString warehouseOn = "INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 1)";

// A new sub-code confirmed after the stored ones: refused with the messages shown, or saved.
struct Addition {
    const char* name;
    QStringList stored;  // sub-codes already there
    const char* length;
    int treatment;
    QStringList messages;
    int rowsAfter;
};

void PrintTo(const Addition& addition, std::ostream* out) { *out << addition.name; }

class SubCodeAddition : public ArticlesTest, public ::testing::WithParamInterface<Addition> {};

TEST_P(SubCodeAddition, RefusesWhatBreaksTheArticleCodeWithItsMessage) {
    const Addition& c = GetParam();
    open("ITMCONFIGART", false, c.stored);

    addSubCode(c.length, c.treatment);

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(query(storedSubCodes).size(), c.rowsAfter);
}

const QString lengthRange =
    "48 " + ArticlesTest::caption + ": La lunghezza non può essere inferiore a 2 o maggiore di 25";

INSTANTIATE_TEST_SUITE_P(
    Cases, SubCodeAddition,
    ::testing::Values(
        Addition{"SeventhSubCode",
                 {subCode(1, 2), subCode(2, 2), subCode(3, 2), subCode(4, 2), subCode(5, 2), subCode(6, 2)},
                 "2",
                 0,
                 {"48 " + ArticlesTest::caption +
                  ": E' stato raggiunto il numero massimo di subcodici gestibili: \r\n"
                  "il configuratore non può gestire più di 6 subcodici!"},
                 6},
        Addition{"LengthOne", {}, "1", 0, {lengthRange}, 0}, Addition{"Length26", {}, "26", 0, {lengthRange}, 0},
        Addition{"PastTheTotal",
                 {subCode(1, 10), subCode(2, 10)},
                 "6",
                 0,
                 {"48 " + ArticlesTest::caption +
                  ": La somma della \"lunghezza\" dei subcodici ha superato i 25 caratteri: \r\n"
                  "la lunghezza ancora disponibile è 5."},
                 2},
        Addition{"UpToTheTotal", {subCode(1, 10), subCode(2, 10)}, "5", 0, {}, 3},
        Addition{"SecondCounter",
                 {subCode(1, 10, 2)},
                 "5",
                 3,
                 {"48 " + ArticlesTest::caption + ": Non è possibile configurare più di un contatore automatico!"},
                 1},
        Addition{"RelativeCounterFirst",
                 {},
                 "5",
                 3,
                 {"48 " + ArticlesTest::caption + ": Il primo subcodice non può essere un contatore relativo!"},
                 0},
        Addition{"RelativeCounterSecond", {subCode(1, 10)}, "5", 3, {}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArticleConfiguratorTest, FirstSubCodeMadeRelativeBesideACounterShowsBothCounterMessages) {
    open("ITMCONFIGART", false, {subCode(1, 5), subCode(2, 5, 2)});
    ASSERT_TRUE(grid("GRD_CONFIGART")->selectRow(0));

    combo("CBO_TRATTAMENTO")->pick(3);
    EXPECT_FALSE(press("GNV_CONFIGART", "Conferma"));

    EXPECT_EQ(shown(), (QStringList{
                           "48 " + caption + ": Non è possibile configurare più di un contatore automatico!",
                           "48 " + caption + ": Il primo subcodice non può essere un contatore relativo!",
                       }));
    EXPECT_TRUE(combo("CBO_TRATTAMENTO")->hasFocus());
}

// The fields the treatment switches on, off and forces.
struct Treatment {
    int code;
    bool lastNumberEnabled;
    const char* lastNumber;
    bool alignmentEnabled;
    const char* alignment;
};

void PrintTo(const Treatment& treatment, std::ostream* out) { *out << "treatment " << treatment.code; }

class TreatmentFields : public ArticlesTest, public ::testing::WithParamInterface<Treatment> {};

TEST_P(TreatmentFields, FollowTheTreatmentChosen) {
    const Treatment& c = GetParam();
    open("ITMCONFIGART", false);
    edit("TXT_ULTPROG")->setText("12");
    combo("CBO_INDALLIN")->pick(0);

    combo("CBO_TRATTAMENTO")->pick(c.code);

    EXPECT_EQ(edit("TXT_ULTPROG")->isEnabled(), c.lastNumberEnabled);
    EXPECT_EQ(edit("TXT_ULTPROG")->text(), c.lastNumber);
    EXPECT_EQ(combo("CBO_INDALLIN")->isEnabled(), c.alignmentEnabled);
    EXPECT_EQ(combo("CBO_INDALLIN")->text(), c.alignment);
}

INSTANTIATE_TEST_SUITE_P(Cases, TreatmentFields,
                         ::testing::Values(Treatment{1, false, "0", true, "0"}, Treatment{2, true, "12", false, "1"},
                                           Treatment{3, false, "0", false, "1"}),
                         [](const auto& info) { return "Treatment" + std::to_string(info.param.code); });

TEST_F(ArticleConfiguratorTest, DeletingARowInTheInitialDefinitionRenumbersTheRowsAfterIt) {
    open("ITMCONFIGART", false);
    for (const char* length : {"2", "3", "4", "5"})
        ASSERT_TRUE(addSubCode(length));
    ASSERT_TRUE(grid("GRD_CONFIGART")->selectRow(1));

    ASSERT_TRUE(press("GNV_CONFIGART", "Elimina"));

    EXPECT_EQ(query("SELECT MG6F_PROGR, MG6F_SIZE FROM MG6F_DIMEART ORDER BY MG6F_PROGR"),
              (QStringList{"1|2", "2|4", "3|5"}));
    EXPECT_EQ(edit("TXT_PROGRCONFART")->text(), "2");
}

TEST_F(ArticleConfiguratorTest, StoredConfiguratorKeepsItsRowsAndLengths) {
    open("ITMCONFIGART", false, {subCode(1, 5), subCode(2, 5)});
    ASSERT_TRUE(grid("GRD_CONFIGART")->selectRow(1));

    EXPECT_FALSE(navigator("GNV_CONFIGART")->isButtonAvailable("Elimina"));
    EXPECT_FALSE(edit("TXT_SIZECONFART")->isEnabled());
    EXPECT_TRUE(form().controlAs<host::Button>("CMD_ELIMINACONFART")->isEnabled());
}

TEST_F(ArticleConfiguratorTest, NoSubCodeCanBeStartedOnceTheLengthsReach25) {
    open("ITMCONFIGART", false, {subCode(1, 20), subCode(2, 5)});

    EXPECT_FALSE(navigator("GNV_CONFIGART")->isButtonAvailable("Nuovo"));
    EXPECT_EQ(configurator()->status(), host::frame_status::Browse);
}

TEST_F(ArticleConfiguratorTest, SavingACodedSubCodeSwitchesTheSubCodeSectionOn) {
    open("ITMCONFIGART", false, {warehouseOn});
    ASSERT_FALSE(form().isItemEnabled("ITMSUBCOD"));

    ASSERT_TRUE(addSubCode("5", 1));

    EXPECT_TRUE(form().isItemEnabled("ITMSUBCOD"));
}

// "Elimina configuratore": asked, refused while values exist, then the rows and the warehouse flag go.
struct DeleteAll {
    const char* name;
    QStringList setup;
    int answer;
    QStringList messages;
    QStringList stored;
    const char* flag;
};

void PrintTo(const DeleteAll& deletion, std::ostream* out) { *out << deletion.name; }

class ConfiguratorDelete : public ArticlesTest, public ::testing::WithParamInterface<DeleteAll> {};

TEST_P(ConfiguratorDelete, DeletesEverySubCodeOnlyWhenNoneHasValues) {
    const DeleteAll& c = GetParam();
    open("ITMCONFIGART", false, QStringList{subCode(1, 3, 1), subCode(2, 4), warehouseOn} + c.setup);
    host_->messages().answer(c.answer);

    form().controlAs<host::Button>("CMD_ELIMINACONFART")->click();

    EXPECT_EQ(shown(), c.messages);
    EXPECT_EQ(query("SELECT MG6F_PROGR FROM MG6F_DIMEART ORDER BY MG6F_PROGR"), c.stored);
    EXPECT_EQ(query("SELECT MG50_INDCODART FROM MG50_PARMAGAZ"), QStringList{c.flag});
}

const QString question = "68 Informazione: Confermi l'eliminazione di tutte le righe del configuratore articolo?";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfiguratorDelete,
    ::testing::Values(DeleteAll{"ValuesPresent",
                                {subCodeValue(1, "AB")},
                                host::message_answer::Yes,
                                {question,
                                 "16 Attenzione: Prima di poter procedere all'eliminazione del Configuratore "
                                 "occorre eliminare\r\ni subcodici esistenti nel programma \"Subcodici "
                                 "articoli di magazzino\"\r\n\r\n"},
                                {"1", "2"},
                                "1"},
                      DeleteAll{"AnsweredNo", {}, host::message_answer::No, {question}, {"1", "2"}, "1"},
                      DeleteAll{"AnsweredYes", {}, host::message_answer::Yes, {question}, {}, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArticleConfiguratorTest, DeletedConfiguratorStartsANewFirstSubCodeWithTheSubCodeSectionsOff) {
    open("ITMCONFIGART", false, {subCode(1, 3, 1), warehouseOn});
    ASSERT_TRUE(form().isItemEnabled("ITMSUBCOD"));
    host_->messages().answer(host::message_answer::Yes);

    form().controlAs<host::Button>("CMD_ELIMINACONFART")->click();

    EXPECT_EQ(configurator()->status(), host::frame_status::Adding);
    EXPECT_EQ(edit("TXT_PROGRCONFART")->text(), "1");
    EXPECT_FALSE(form().isItemEnabled("ITMSUBCOD"));
}

}  // namespace
}  // namespace console_test
