#include "groupings_fixture.h"

#include "suite/framework/label_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/scripted_lookups.h"

#include "automation/variant.h"

#include <algorithm>

namespace console_test {
namespace {

const QString inUse = "48 Console parametri varianti: Non è possibile rimuovere un'opzione già in uso.";
const QStringList allCommands = {"TXT_RAGGRUPP", "BTN_CERCASX", "BTN_ADD", "BTN_ADDALL", "BTN_CERCADX",
                                 "BTN_DEL",      "BTN_DELALL",  "BTN_SU",  "BTN_GIU",    "BTN_VIEW"};

// A grouping of the first dimension that no article uses: VER 1, BLU 2, GIA 3.
const QStringList unusedGrouping = {
    "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR) VALUES "
    "(1, 'A0', 'PROVA', NULL)",
    "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, "
    "MG5H_OPZIONE_MG5E) VALUES (1, 'A0', 'PROVA', 1, 'VER'), (1, 'A0', 'PROVA', 2, 'BLU'), (1, 'A0', 'PROVA', 3, "
    "'GIA')"};

class GroupingComposition : public GroupingsTest {
protected:
    QStringList enabledCommands() const {
        QStringList names;
        for (const QString& name : allCommands) {
            if (form().control(name)->isEnabled())
                names << name;
        }
        return names;
    }
    QString message() const { return form().control("LBL_RAGMES")->caption(); }
    QStringList shownOptions() const {
        QStringList shown;
        for (const host::GridRow& row : composition()->rows())
            shown << automation::cstr(row.value("MG5H_OPZIONE_MG5E")) + ':' +
                         automation::cstr(row.value("MG5H_SEQOPZIONE"));
        return shown;
    }
    QString currentOption() const {
        const int row = composition()->currentRow();
        return row < 0 ? QString() : automation::cstr(composition()->rows().at(row).value("MG5H_OPZIONE_MG5E"));
    }
    // The left grid's options not in the list, in its order.
    QStringList optionsBut(const QStringList& skipped) const {
        QStringList rest;
        for (const host::GridRow& row : options()->rows()) {
            const QString option = automation::cstr(row.value("MG5E_OPZIONE"));
            if (!skipped.contains(option))
                rest << option;
        }
        return rest;
    }
};

TEST_F(GroupingComposition, SelectorOffersTheVariantsNotReservedAndStartsOnTheFirst) {
    openSection("ITMRAGVAR");
    QStringList offered;
    for (int i = 0; i < combo("CBO_PROGR_RAGGR")->count(); ++i)
        offered << combo("CBO_PROGR_RAGGR")->itemCode(i).toString() + ' ' + combo("CBO_PROGR_RAGGR")->itemText(i);
    EXPECT_EQ(offered, (QStringList{"1 COLORE", "2 TAGLIA", "3 MATERIALE", "4 LUNGHEZZA", "5 FINITURA"}));
    EXPECT_EQ(combo("CBO_PROGR_RAGGR")->text(), "1");
    EXPECT_EQ(options()->rowCount(), 7);
    EXPECT_EQ(composition()->rowCount(), 0);
}

TEST_F(GroupingComposition, VariantWithoutGroupingsDisablesEveryCommand) {
    openSection("ITMRAGVAR");
    EXPECT_EQ(message(), "\"Descrizioni nel raggruppamento\" editabile in griglia");
    EXPECT_EQ(enabledCommands(), allCommands);

    openGrouping("3", QString());

    EXPECT_EQ(message(), "L'elemento di variante selezionato non permette raggruppamenti");
    EXPECT_EQ(enabledCommands(), QStringList());
    EXPECT_EQ(options()->rowCount(), 5);
    EXPECT_EQ(composition()->rowCount(), 0);
}

struct Opening {
    const char* name;
    const char* grouping;
    QStringList shown;
    QStringList red;
    const char* description;
};

void PrintTo(const Opening& opening, std::ostream* out) { *out << opening.name; }

class GroupingCompositionOpening : public GroupingComposition, public ::testing::WithParamInterface<Opening> {};

TEST_P(GroupingCompositionOpening, ShowsTheGroupingAndItsOptionsInRed) {
    openSection("ITMRAGVAR");
    openGrouping("1", "ESTATE");
    openGrouping("1", QString::fromLatin1(GetParam().grouping));

    EXPECT_EQ(shownOptions(), GetParam().shown);
    QStringList red = redOptions();
    red.sort();
    EXPECT_EQ(red, GetParam().red);
    EXPECT_EQ(edit("TXT_DESCRRAGGR")->text(), QString::fromLatin1(GetParam().description));
}

INSTANTIATE_TEST_SUITE_P(
    Groupings, GroupingCompositionOpening,
    ::testing::Values(
        Opening{"Classici", "classici", {"BIA:1", "NER:2", "GRI:3"}, {"BIA", "GRI", "NER"}, "COLORI CLASSICI"},
        Opening{"Unknown", "NESSUNO", {}, {}, ""}, Opening{"WithAnApostrophe", "L'ESTATE' OR '1'='1", {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingComposition, AddingOneByOneNumbersFromOne) {
    openSection("ITMRAGVAR");
    openGrouping("2", "BAMBINO");
    for (const char* option : {"M", "S", "XS", "M"}) {
        selectOption(options(), option);
        click("BTN_ADD");
    }
    EXPECT_EQ(members("A1", "BAMBINO"), (QStringList{"M:1", "S:2", "XS:3"}));
    EXPECT_EQ(shownOptions(), (QStringList{"M:1", "S:2", "XS:3"}));
    QStringList red = redOptions();
    red.sort();
    EXPECT_EQ(red, (QStringList{"M", "S", "XS"}));
}

TEST_F(GroupingComposition, AddAllAppendsTheMissingOptionsInTheGridsOrder) {
    openSection("ITMRAGVAR");
    openGrouping("1", "ESTATE");
    const QStringList missing = optionsBut({"GIA", "VER", "BLU", "ROS"});

    const qsizetype mark = statements_.size();
    click("BTN_ADDALL");

    // Each option already there is tested; each missing one is tested, numbered and inserted.
    const QStringList sent = sentSince(mark);
    const auto count = [&](const char* piece) {
        return std::count_if(sent.begin(), sent.end(), [&](const QString& s) { return s.contains(piece); });
    };
    EXPECT_EQ(count("MAXSEQ"), missing.size());
    EXPECT_EQ(count("INSERT"), missing.size());
    EXPECT_EQ(count("TOP 1 (1)"), missing.size() + 4);
    QStringList expected = {"GIA:1", "VER:2", "BLU:3", "ROS:4"};
    for (int i = 0; i < missing.size(); ++i)
        expected << missing.at(i) + ':' + QString::number(5 + i);
    EXPECT_EQ(shownOptions(), expected);
    EXPECT_EQ(redOptions().size(), 7);
}

TEST_F(GroupingComposition, RemovingOneClosesTheGapAndClearsItsRed) {
    openSection("ITMRAGVAR");
    openGrouping("1", "ESTATE");
    selectOption(composition(), "VER");
    click("BTN_DEL");

    EXPECT_EQ(members("A0", "ESTATE"), (QStringList{"GIA:1", "BLU:2", "ROS:3"}));
    EXPECT_FALSE(redOptions().contains("VER"));
    EXPECT_EQ(shown(), QStringList());
}

struct Refusal {
    const char* name;
    const char* button;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class GroupingCompositionInUse : public GroupingComposition, public ::testing::WithParamInterface<Refusal> {};

TEST_P(GroupingCompositionInUse, RemovalIsRefusedWithTheUses) {
    openSection("ITMRAGVAR");
    openGrouping("1", "ESTATE");
    selectOption(composition(), "ROS");
    click(GetParam().button);

    EXPECT_EQ(shown(), QStringList{inUse + "\r\n - Articolo di un documento"});
    EXPECT_EQ(members("A0", "ESTATE"), (QStringList{"GIA:1", "VER:2", "BLU:3", "ROS:4"}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, GroupingCompositionInUse,
                         ::testing::Values(Refusal{"One", "BTN_DEL"}, Refusal{"All", "BTN_DELALL"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingComposition, RemoveAllDeletesWithOneStatement) {
    openSection("ITMRAGVAR", unusedGrouping);
    openGrouping("1", "PROVA");
    const qsizetype mark = statements_.size();
    click("BTN_DELALL");

    EXPECT_EQ(members("A0", "PROVA"), QStringList());
    EXPECT_EQ(composition()->rowCount(), 0);
    EXPECT_EQ(redOptions(), QStringList());
    const QStringList deletes = sentSince(mark).filter("DELETE");
    EXPECT_EQ(deletes.size(), 1);
}

struct Move {
    const char* name;
    QStringList setup;  // run after the demo's rows
    const char* option;
    const char* button;
    QStringList after;
};

void PrintTo(const Move& move, std::ostream* out) { *out << move.name; }

class GroupingCompositionMove : public GroupingComposition, public ::testing::WithParamInterface<Move> {};

TEST_P(GroupingCompositionMove, ExchangesTheRowWithItsNeighbour) {
    const Move& c = GetParam();
    openSection("ITMRAGVAR", c.setup);
    openGrouping("1", "CLASSICI");
    selectOption(composition(), c.option);
    click(c.button);

    EXPECT_EQ(members("A0", "CLASSICI"), c.after);
    EXPECT_EQ(shownOptions(), c.after);
    EXPECT_EQ(currentOption(), QString::fromLatin1(c.option));
}

const QString sequence =
    "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = %1 WHERE MG5H_RAGGR_MG5G = 'CLASSICI' AND "
    "MG5H_OPZIONE_MG5E = '%2'";

INSTANTIATE_TEST_SUITE_P(
    Moves, GroupingCompositionMove,
    ::testing::Values(
        Move{"Down", {}, "NER", "BTN_GIU", {"BIA:1", "GRI:2", "NER:3"}},
        Move{"Up", {}, "NER", "BTN_SU", {"NER:1", "BIA:2", "GRI:3"}},
        Move{"UpOnTheFirst", {}, "BIA", "BTN_SU", {"BIA:1", "NER:2", "GRI:3"}},
        Move{"DownOnTheLast", {}, "GRI", "BTN_GIU", {"BIA:1", "NER:2", "GRI:3"}},
        Move{"UpAfterAGap",
             {sequence.arg(7).arg("GRI"), sequence.arg(4).arg("NER")},
             "GRI",
             "BTN_SU",
             {"BIA:1", "GRI:4", "NER:7"}},
        Move{"UpOverASharedSequence", {sequence.arg(1).arg("NER")}, "NER", "BTN_SU", {"NER:1", "BIA:2", "GRI:3"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Renumbering {
    const char* name;
    const char* grouping;
    const char* key;
    QStringList after;
};

void PrintTo(const Renumbering& renumbering, std::ostream* out) { *out << renumbering.name; }

class GroupingCompositionRenumber : public GroupingComposition, public ::testing::WithParamInterface<Renumbering> {};

TEST_P(GroupingCompositionRenumber, NumbersTheGroupingInItsOrder) {
    const Renumbering& c = GetParam();
    // CLASSICI: descriptions in the grouping that sort otherwise than the options' own, and a gap.
    openSection("ITMRAGVAR", {"UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = 'A' WHERE MG5H_OPZIONE_MG5E = 'NER'",
                              sequence.arg(9).arg("GRI")});
    openGrouping(c.grouping[0] == 'A' ? "2" : "1", QString::fromLatin1(c.grouping));
    ASSERT_TRUE(model<suite::MenuButtonModel>("CMD_RINUMERA")->chooseItem(QString::fromLatin1(c.key)));

    EXPECT_EQ(shownOptions(), c.after);
    EXPECT_EQ(members(c.grouping[0] == 'A' ? "A1" : "A0", c.grouping), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GroupingCompositionRenumber,
    ::testing::Values(Renumbering{"ByOption", "ADULTO", "key_opzione", {"L:1", "M:2", "S:3", "XL:4"}},
                      Renumbering{
                          "ByTheOptionsDescription", "CLASSICI", "key_descrizione", {"BIA:1", "GRI:2", "NER:3"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DescriptionEdit {
    const char* name;
    const char* typed;
    const char* stored;  // "NULL" for none
};

void PrintTo(const DescriptionEdit& edit, std::ostream* out) { *out << edit.name; }

class GroupingCompositionDescription : public GroupingComposition,
                                       public ::testing::WithParamInterface<DescriptionEdit> {};

TEST_P(GroupingCompositionDescription, IsStoredTrimmed) {
    openSection("ITMRAGVAR");
    openGrouping("1", "CLASSICI");
    ASSERT_TRUE(composition()->editCell(2, "MG5H_DESCR", QString::fromUtf8(GetParam().typed)));

    EXPECT_EQ(query("SELECT ISNULL(MG5H_DESCR, 'NULL') FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'CLASSICI' AND "
                    "MG5H_OPZIONE_MG5E = 'GRI'"),
              QStringList{QString::fromUtf8(GetParam().stored)});
    EXPECT_EQ(currentOption(), "GRI");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GroupingCompositionDescription,
    ::testing::Values(DescriptionEdit{"WithAnApostrophe", "  Grigio d'autunno ", "Grigio d'autunno"},
                      DescriptionEdit{"Blanks", "   ", "NULL"}, DescriptionEdit{"Cleared", "", "NULL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingComposition, PickingSeveralOptionsAppendsThemUnderTheHourglass) {
    openSection("ITMRAGVAR");
    openGrouping("2", "BAMBINO");
    host_->lookups().pickSelection({4, 2});  // XS, S of L, M, S, XL, XS, XXL
    click("BTN_CERCASX");
    host_->lookups().pickSelection({2});
    click("BTN_CERCASX");

    EXPECT_EQ(members("A1", "BAMBINO"), (QStringList{"XS:1", "S:2"}));
    EXPECT_EQ(host_->lookups().shown().first().view.title, "Elenco varianti");
    EXPECT_EQ(host_->screen().hourglassPeriods(), 2);
    EXPECT_EQ(host_->screen().mousePointer(), 0);
    QStringList red = redOptions();
    red.sort();
    EXPECT_EQ(red, (QStringList{"S", "XS"}));
}

struct ListRemoval {
    const char* name;
    QList<int> rows;  // of S 1, M 2, L 3, XL 4
    bool several;
    QStringList after;
};

void PrintTo(const ListRemoval& removal, std::ostream* out) { *out << removal.name; }

class GroupingCompositionListRemoval : public GroupingComposition, public ::testing::WithParamInterface<ListRemoval> {};

TEST_P(GroupingCompositionListRemoval, RemovesWithoutTheInUseCheck) {
    const ListRemoval& c = GetParam();
    openSection("ITMRAGVAR");
    openGrouping("2", "ADULTO");  // M is in use in a document
    if (c.several)
        host_->lookups().pickSelection(c.rows);
    else
        host_->lookups().pickRow(c.rows.first());
    click("BTN_CERCADX");

    EXPECT_EQ(members("A1", "ADULTO"), c.after);
    EXPECT_EQ(shown(), QStringList());
    QStringList red = redOptions();
    red.sort();
    QStringList expected;
    for (const QString& member : c.after)
        expected << member.section(':', 0, 0);
    expected.sort();
    EXPECT_EQ(red, expected);
}

INSTANTIATE_TEST_SUITE_P(Picks, GroupingCompositionListRemoval,
                         ::testing::Values(ListRemoval{"OneClosesTheGap", {1}, false, {"S:1", "L:2", "XL:3"}},
                                           ListRemoval{"SeveralKeepTheirGaps", {1, 2}, true, {"S:1", "XL:4"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingComposition, MoveAfterASeveralRowRemovalTakesTheNeighboursPlace) {
    openSection("ITMRAGVAR");
    openGrouping("2", "ADULTO");
    host_->lookups().pickSelection({1, 2});
    click("BTN_CERCADX");
    selectOption(composition(), "XL");
    click("BTN_SU");

    EXPECT_EQ(members("A1", "ADULTO"), (QStringList{"XL:1", "S:4"}));
}

TEST_F(GroupingComposition, TreeShowsTheVariantsGroupingsAndOptionsInsteadOfTheGrid) {
    openSection("ITMRAGVAR", {sequence.arg(12).arg("GRI"),
                              "UPDATE MG5G_RAGGVAR SET MG5G_DESCRRAGGVAR = NULL WHERE "
                              "MG5G_CODRAGGVAR = 'ESTATE'"});
    openGrouping("1", "CLASSICI");
    click("BTN_VIEW");

    ASSERT_EQ(tree()->rootKeys(), QStringList{"V|A0|"});
    EXPECT_EQ(tree()->node("V|A0|").text, "COLORE");
    EXPECT_TRUE(tree()->node("V|A0|").expanded);
    EXPECT_EQ(tree()->childKeys("V|A0|"), (QStringList{"R|A0|CLASSICI|", "R|A0|ESTATE|"}));
    EXPECT_EQ(tree()->node("R|A0|CLASSICI|").text, "CLASSICI - COLORI CLASSICI");
    EXPECT_EQ(tree()->node("R|A0|ESTATE|").text, "ESTATE");
    EXPECT_FALSE(tree()->node("R|A0|CLASSICI|").expanded);
    EXPECT_EQ(tree()->childKeys("R|A0|CLASSICI|"),
              (QStringList{"O|A0|CLASSICI|0001@BIA|", "O|A0|CLASSICI|0002@NER|", "O|A0|CLASSICI|0012@GRI|"}));
    const host::TreeNode option = tree()->node("O|A0|CLASSICI|0012@GRI|");
    EXPECT_EQ(option.text + ' ' + option.image + ' ' + option.selectedImage, "Grigio comprag comprag");
    EXPECT_FALSE(composition()->isVisible());

    selectOption(options(), "VER");
    click("BTN_ADD");  // does nothing while the tree is shown
    EXPECT_EQ(members("A0", "CLASSICI").size(), 3);

    click("BTN_VIEW");
    EXPECT_TRUE(composition()->isVisible());
    EXPECT_FALSE(tree()->isVisible());
    click("BTN_ADD");
    EXPECT_EQ(members("A0", "CLASSICI").size(), 4);
}

TEST_F(GroupingComposition, CalledForAGroupingOpensIt) {
    openHost(true);
    console->setCalled(true);
    console->setTipoChiamataConsole("VAR.RagVar");
    console->setCodiceVariante("A1");
    console->setCodiceRaggruppamento("ADULTO");
    console->showForm();

    EXPECT_EQ(visiblePanels(), "PIC_PARAMETRI(6)");
    EXPECT_EQ(combo("CBO_PROGR_RAGGR")->text(), "2");
    EXPECT_EQ(edit("TXT_RAGGRUPP")->text(), "ADULTO");
    EXPECT_EQ(edit("TXT_DESCRRAGGR")->text(), "TAGLIE ADULTO");
    EXPECT_EQ(shownOptions(), (QStringList{"S:1", "M:2", "L:3", "XL:4"}));
}

// The statements of the composition's gestures, as the suite's statement corpus holds them.
TEST_F(GroupingComposition, GesturesSendTheSuitesStatements) {
    openSection("ITMRAGVAR", {"DELETE FROM MG6B_GESVARART"});
    const auto sends = [this](const char* corpusCase, const std::function<void()>& gesture) {
        const qsizetype mark = statements_.size();
        gesture();
        const QString expected = corpusStatement("groupings.txt", QString::fromLatin1(corpusCase));
        ASSERT_FALSE(expected.isEmpty()) << corpusCase;
        EXPECT_TRUE(sentSince(mark).contains(expected)) << corpusCase;
    };
    sends("right grid: the grouping's options in sequence, written back to MG5H_COMPRAGVAR",
          [this] { openGrouping("1", "CLASSICI"); });
    sends("description in the grouping: stored, and cleared to NULL",
          [this] { composition()->editCell(1, "MG5H_DESCR", "Nero d'inverno"); });
    sends("tree: the variant's groupings in code order", [this] {
        openGrouping("2", "ADULTO");
        click("BTN_VIEW");
        click("BTN_VIEW");
    });
    host_->lookups().cancel();
    click("BTN_CERCADX");
    EXPECT_EQ(host_->lookups().shown().last().view.statement,
              corpusStatement("groupings.txt", "composition search list"));
    sends("remove all: one statement", [this] { click("BTN_DELALL"); });
    sends("add one: the option is in the grouping", [this] {
        openGrouping("1", "CLASSICI");
        selectOption(options(), "GRI");
        click("BTN_ADD");
    });
}

}  // namespace
}  // namespace console_test
