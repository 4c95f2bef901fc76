#include "groupings_fixture.h"

namespace console_test {
namespace {

const QString mandatoryDescription =
    "48 Console parametri varianti: Il campo \"Descrizione raggruppamento\" è obbligatorio.";

class GroupingList : public GroupingsTest {
protected:
    // Company 1's groupings of a variant as "CODE|DESCRIPTION", by code.
    QStringList groupings(const QString& variant) const {
        return query(
            "SELECT MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND "
            "MG5G_CODICEVAR_MG5F = '" +
            variant + "' ORDER BY MG5G_CODRAGGVAR");
    }
    qint16 status() const { return groupingFrame() ? groupingFrame()->status() : -1; }
};

struct VariantState {
    const char* name;
    const char* rank;
    const char* description;  // TXT_DESCPROGR
    bool fieldsEnabled;
    int rows;       // a new grouping is a row too
    qint16 status;  // -1: no frame
};

void PrintTo(const VariantState& state, std::ostream* out) { *out << state.name; }

class GroupingListVariant : public GroupingList, public ::testing::WithParamInterface<VariantState> {};

TEST_P(GroupingListVariant, SetsTheFieldsTheGridAndTheFrame) {
    const VariantState& c = GetParam();
    openSection("ITMRAGGRUP");
    EXPECT_TRUE(edit("TXT_PROGRAGGR")->hasFocus());
    enterVariant("1");
    edit("TXT_CODRAGGR")->typeText("X");  // left over from the variant before

    enterVariant(c.rank);

    EXPECT_EQ(edit("TXT_DESCPROGR")->text(), QString::fromLatin1(c.description));
    EXPECT_EQ(edit("TXT_CODRAGGR")->isEnabled(), c.fieldsEnabled);
    EXPECT_EQ(edit("TXT_DESRAGGR")->isEnabled(), c.fieldsEnabled);
    EXPECT_EQ(model<suite::GridModel>("GRD_RAGGRUP")->rowCount(), c.rows);
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(groupingNavigator()->isButtonAvailable("Nuovo"), c.status >= 0);
    if (!c.fieldsEnabled) {
        EXPECT_EQ(edit("TXT_CODRAGGR")->text(), QString());
    }
}

INSTANTIATE_TEST_SUITE_P(Ranks, GroupingListVariant,
                         ::testing::Values(VariantState{"WithGroupings", "1", "COLORE", true, 2, 0},
                                           VariantState{"WithoutGroupingsStartsANewOne", "3", "MATERIALE", true, 1, 2},
                                           VariantState{"Zero", "0", "", false, 0, -1},
                                           VariantState{"Unknown", "9", "", false, 0, -1},
                                           VariantState{"ReservedForConfiguration", "6", "", false, 0, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingList, NewGroupingIsSavedAsSoonAsItsCodeIsConfirmed) {
    openSection("ITMRAGGRUP");
    enterVariant("3");
    edit("TXT_DESRAGGR")->typeText("fibre naturali");
    edit("TXT_CODRAGGR")->typeText("naturali");
    edit("TXT_CODRAGGR")->leave();

    EXPECT_EQ(groupings("A2"), QStringList{"NATURALI|FIBRE NATURALI"});
    EXPECT_EQ(status(), host::frame_status::Browse);
    EXPECT_EQ(shown(), QStringList());
}

TEST_F(GroupingList, CodeWithoutDescriptionAsksForItAndEnterSavesIt) {
    openSection("ITMRAGGRUP");
    enterVariant("3");
    edit("TXT_CODRAGGR")->typeText("NATURALI");
    edit("TXT_CODRAGGR")->leave();
    EXPECT_EQ(shown(), QStringList{mandatoryDescription});
    EXPECT_EQ(groupings("A2"), QStringList());
    EXPECT_TRUE(edit("TXT_DESRAGGR")->hasFocus());

    edit("TXT_DESRAGGR")->typeText("FIBRE NATURALI");
    EXPECT_TRUE(edit("TXT_DESRAGGR")->pressEnter());

    EXPECT_EQ(groupings("A2"), QStringList{"NATURALI|FIBRE NATURALI"});
    EXPECT_EQ(status(), host::frame_status::Adding);  // the next grouping started
    EXPECT_TRUE(edit("TXT_CODRAGGR")->hasFocus());
}

struct RefusedCode {
    const char* name;
    const char* code;
    const char* message;
};

void PrintTo(const RefusedCode& refused, std::ostream* out) { *out << refused.name; }

class GroupingListRefusedCode : public GroupingList, public ::testing::WithParamInterface<RefusedCode> {};

TEST_P(GroupingListRefusedCode, IsSaidAndNothingIsStored) {
    openSection("ITMRAGGRUP");
    enterVariant("1");
    ASSERT_TRUE(groupingNavigator()->pressButton("Nuovo"));
    edit("TXT_DESRAGGR")->typeText("NUOVI");
    edit("TXT_CODRAGGR")->typeText(QString::fromLatin1(GetParam().code));
    edit("TXT_CODRAGGR")->leave();

    EXPECT_EQ(shown(), QStringList{"48 " + caption + ": " + QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(groupings("A0"), (QStringList{"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI"}));
    EXPECT_TRUE(edit("TXT_CODRAGGR")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Codes, GroupingListRefusedCode,
                         ::testing::Values(RefusedCode{"Apostrophe", "L'ESTATE",
                                                       "Il codice non può contenere il carattere (')."},
                                           RefusedCode{"Taken", "classici", "Il codice \"CLASSICI\" è già presente."}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Pending { Adding, Edited, Nothing };

struct EnterFlow {
    const char* name;
    Pending pending;
    qint16 statusAfter;
    QStringList stored;
};

void PrintTo(const EnterFlow& flow, std::ostream* out) { *out << flow.name; }

class GroupingListEnter : public GroupingList, public ::testing::WithParamInterface<EnterFlow> {};

TEST_P(GroupingListEnter, InTheDescriptionConfirmsOrStartsAGrouping) {
    const EnterFlow& c = GetParam();
    openSection("ITMRAGGRUP");
    enterVariant("1");
    if (c.pending == Pending::Adding) {
        ASSERT_TRUE(groupingNavigator()->pressButton("Nuovo"));
        edit("TXT_CODRAGGR")->typeText("NEUTRI");
    }
    if (c.pending != Pending::Nothing)
        edit("TXT_DESRAGGR")->typeText("COLORI NEUTRI");

    EXPECT_EQ(edit("TXT_DESRAGGR")->pressKey(host::key::Return), 0);

    EXPECT_EQ(status(), c.statusAfter);
    EXPECT_EQ(groupings("A0"), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    States, GroupingListEnter,
    ::testing::Values(EnterFlow{"WhileAddingSavesAndStartsTheNext",
                                Pending::Adding,
                                2,
                                {"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI", "NEUTRI|COLORI NEUTRI"}},
                      EnterFlow{
                          "WithAnEditSavesIt", Pending::Edited, 0, {"CLASSICI|COLORI NEUTRI", "ESTATE|COLORI ESTIVI"}},
                      EnterFlow{"WithNothingPendingStartsANewOne",
                                Pending::Nothing,
                                2,
                                {"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingList, DeleteLeavesTheCompositionRows) {
    openSection("ITMRAGGRUP", {"INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
                               "MG5G_DESCRRAGGVAR) VALUES (1, 'A0', 'PROVA', 'DI PROVA')",
                               "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, "
                               "MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES (1, 'A0', 'PROVA', 1, 'VER')"});
    enterVariant("1");
    ASSERT_TRUE(model<suite::GridModel>("GRD_RAGGRUP")->selectRow(2));
    ASSERT_TRUE(groupingNavigator()->pressButton("Elimina"));

    EXPECT_EQ(groupings("A0"), (QStringList{"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI"}));
    EXPECT_EQ(members("A0", "PROVA"), QStringList{"VER:1"});
    EXPECT_EQ(shown(), QStringList());
}

TEST_F(GroupingList, FirstGroupingSwitchesTheCompositionOn) {
    openSection("ITMRAGGRUP",
                {"DELETE FROM MG6B_GESVARART", "DELETE FROM MG5H_COMPRAGVAR", "DELETE FROM MG5G_RAGGVAR"});
    ASSERT_FALSE(enabledItems().contains("ITMRAGVAR"));
    enterVariant("2");
    edit("TXT_DESRAGGR")->typeText("TAGLIE FORTI");
    edit("TXT_CODRAGGR")->typeText("FORTI");
    edit("TXT_CODRAGGR")->leave();

    EXPECT_TRUE(enabledItems().contains("ITMRAGVAR"));
}

}  // namespace
}  // namespace console_test
