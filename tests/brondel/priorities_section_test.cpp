#include "variants_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/status_bar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/section_frame.h"

namespace console_test {
namespace {

// A step of company 1's list of an element: its priority and its ten flags ("1100000000").
QString step(int element, int priority, const char* flags) {
    QString values;
    for (const char flag : QByteArray(flags))
        values += QStringLiteral(",%1").arg(QLatin1Char(flag));
    QString columns;
    for (int position = 1; position <= 10; ++position)
        columns += QStringLiteral(", MG5L_FLGPOSVAR%1").arg(position);
    return QStringLiteral(
               "INSERT INTO MG5L_LETVARIANTI (MG5L_DITTA_CG18, MG5L_INDELEMENTO, MG5L_PRIORITA%1) "
               "VALUES (1, %2, %3%4)")
        .arg(columns)
        .arg(element)
        .arg(priority)
        .arg(values);
}

// Three variants and a list of four steps for element 0.
const QStringList threeVariants = {dimension("A0", 3), dimension("A1", 3), dimension("A2", 3)};
const QStringList fourSteps = {step(0, 1, "1110000000"), step(0, 2, "1100000000"), step(0, 3, "1000000000"),
                               step(0, 4, "0110000000")};

// The console on the priorities section of company 1.
class PrioritiesTest : public VariantsTest {
protected:
    void TearDown() override {
        if (console && console->form() && frame() && frame()->status() != host::frame_status::Browse)
            steps()->pressButton(QStringLiteral("Annulla"));
        VariantsTest::TearDown();
    }

    void openPriorities(const QStringList& setup) {
        openHost(false);
        for (const QString& statement : setup)
            execute(statement);
        console->setCaption(caption);
        console->showForm();
        ASSERT_TRUE(sidebar().clickItem("GRPCONVAR", "ITMPRIELA"));
    }

    std::shared_ptr<host::VirtualFrame> frame() const {
        return sectionFrame(QStringLiteral("DTS_Priorità_Lettura")).frame();
    }
    std::shared_ptr<suite::GridModel> list() const { return model<suite::GridModel>("GRD_PRIORLETT"); }
    std::shared_ptr<suite::GridNavigatorModel> steps() const {
        return model<suite::GridNavigatorModel>("GNV_PRIORLETT");
    }
    void click(const char* button) const { form().controlAs<host::Button>(button)->click(); }

    // The stored list of an element, one "priority:flags" per step.
    QStringList stored(int element = 0) const {
        const auto rows =
            host_->factory()
                ->openConnection(host_->connectionString())
                ->execute(
                    QStringLiteral("SELECT * FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = 1 AND MG5L_INDELEMENTO = %1 "
                                   "ORDER BY MG5L_PRIORITA")
                        .arg(element));
        QStringList result;
        for (; !rows->isEof(); rows->moveNext()) {
            QString flags;
            for (int position = 1; position <= 10; ++position)
                flags += automation::cstr(rows->value(QStringLiteral("MG5L_FLGPOSVAR%1").arg(position)));
            result << automation::cstr(rows->value(QStringLiteral("MG5L_PRIORITA"))) + ':' + flags;
        }
        return result;
    }
    QList<host::GridColumn> columns() const {
        QList<host::GridColumn> all;
        for (int i = 0; i < list()->columnCount(); ++i)
            all << list()->column(i);
        return all;
    }
    // The captions of the visible columns.
    QStringList visibleColumns() const {
        QStringList captions;
        for (const host::GridColumn& column : columns()) {
            if (column.visible)
                captions << column.caption;
        }
        return captions;
    }
};

const QStringList fourStored = {"1:1110000000", "2:1100000000", "3:1000000000", "4:0110000000"};

TEST_F(PrioritiesTest, OneColumnPerConfiguredVariantCaptionedWithItsDescription) {
    struct Case {
        int variants;
        QStringList visible;
    };
    const Case cases[] = {
        {0, {"Priorità"}},
        {3, {"Priorità", "DIMENSIONE A0", "DIMENSIONE A1", "DIMENSIONE A2"}},
        {10,
         {"Priorità", "DIMENSIONE A0", "DIMENSIONE A1", "DIMENSIONE A2", "DIMENSIONE A3", "DIMENSIONE A4",
          "DIMENSIONE A5", "DIMENSIONE A6", "DIMENSIONE A7", "DIMENSIONE A8", "DIMENSIONE A9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variants);
        QStringList setup;
        for (int i = 0; i < c.variants; ++i)
            setup << dimension(QStringLiteral("A%1").arg(i).toLatin1().constData(), 2);
        if (console)
            TearDown();
        if (c.variants > 0) {
            openPriorities(setup);
        } else {
            // The section is reached while variants exist; they go while it is open.
            openPriorities(threeVariants);
            execute(QStringLiteral("DELETE FROM MG5F_DIMECONF"));
            combo("CBO_INDELEMENTO")->pick(1);
        }
        EXPECT_EQ(visibleColumns(), c.visible);
        // The columns share the grid's width.
        const int gridWidth = list()->geometry().width;
        int used = 0;
        for (const host::GridColumn& column : columns())
            used += column.visible ? column.width : 0;
        EXPECT_LE(used, gridWidth);
        EXPECT_GE(used + 100 * c.variants + c.variants, gridWidth - c.variants);
        EXPECT_EQ(frame()->status(), host::frame_status::Adding);
    }
}

TEST_F(PrioritiesTest, ASingleVariantIsRefusedWithTheNavigatorAndDefaultsUnavailable) {
    openPriorities({dimension("A0", 3)});
    EXPECT_EQ(shown(), QStringList("64 Informazione: La personalizzazione del configuratore delle varianti prevede \r\n"
                                   "un solo elemento di variante!\r\n"
                                   "Impossibile impostare le priorità di lettura per un solo elemento!"));
    EXPECT_EQ(frame(), nullptr);
    EXPECT_FALSE(steps()->isAvailable());
    EXPECT_FALSE(form().control("CMD_DEFAULT")->isEnabled());
}

TEST_F(PrioritiesTest, TheStepsOfTheElementChosenAreShownByPriorityWithTheStatementSent) {
    openPriorities(threeVariants + fourSteps + QStringList{step(4, 1, "0010000000")});
    EXPECT_EQ(list()->rowCount(), 4);
    EXPECT_EQ(statements_.filter("MG5L_LETVARIANTI").last(),
              "   SELECT        MG5L_DITTA_CG18       ,MG5L_INDELEMENTO       ,MG5L_PRIORITA       ,MG5L_FLGPOSVAR1"
              "       ,MG5L_FLGPOSVAR2       ,MG5L_FLGPOSVAR3       ,MG5L_FLGPOSVAR4       ,MG5L_FLGPOSVAR5"
              "       ,MG5L_FLGPOSVAR6       ,MG5L_FLGPOSVAR7       ,MG5L_FLGPOSVAR8       ,MG5L_FLGPOSVAR9"
              "       ,MG5L_FLGPOSVAR10   FROM MG5L_LETVARIANTI    WHERE MG5L_DITTA_CG18 = 1       AND "
              "MG5L_INDELEMENTO = 0   ORDER BY MG5L_PRIORITA");
    combo("CBO_INDELEMENTO")->pick(1);
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(automation::cstr(list()->rows().at(0).value("MG5L_FLGPOSVAR3")), "1");
}

TEST_F(PrioritiesTest, ANewStepComesLastWithNoVariantAndItsTicksAreSaved) {
    openPriorities(threeVariants + fourSteps);
    ASSERT_TRUE(steps()->pressButton(QStringLiteral("Nuovo")));
    EXPECT_TRUE(list()->hasFocus());
    ASSERT_TRUE(steps()->pressButton(QStringLiteral("Conferma")));
    EXPECT_EQ(stored(), fourStored + QStringList("5:0000000000"));

    ASSERT_TRUE(list()->tickCell(4, QStringLiteral("MG5L_FLGPOSVAR2")));
    EXPECT_EQ(stored().last(), "5:0100000000");
    EXPECT_EQ(frame()->status(), host::frame_status::Browse);
}

TEST_F(PrioritiesTest, ANewStepOfAnotherElementIsStoredUnderIt) {
    openPriorities(threeVariants);
    combo("CBO_INDELEMENTO")->pick(1);
    ASSERT_EQ(frame()->status(), host::frame_status::Adding);
    ASSERT_TRUE(steps()->pressButton(QStringLiteral("Conferma")));
    EXPECT_EQ(stored(4), QStringList("1:0000000000"));
    EXPECT_EQ(stored(0), QStringList());
}

TEST_F(PrioritiesTest, DeletingAStepRenumbersTheStepsAfterIt) {
    openPriorities(threeVariants + fourSteps);
    ASSERT_TRUE(list()->selectRow(1));
    ASSERT_TRUE(steps()->pressButton(QStringLiteral("Elimina")));
    EXPECT_EQ(stored(), QStringList({"1:1110000000", "2:1000000000", "3:0110000000"}));
    EXPECT_EQ(list()->rowCount(), 3);
}

struct Move {
    const char* name;
    int selected;  // row index
    const char* command;
    QStringList stored;
    int selectedAfter;
};

void PrintTo(const Move& move, std::ostream* out) { *out << move.name; }

class PrioritiesMove : public PrioritiesTest, public ::testing::WithParamInterface<Move> {};

TEST_P(PrioritiesMove, ExchangesTheVariantsWithTheNeighbourAndKeepsTheMovedStepSelected) {
    const Move& c = GetParam();
    openPriorities(threeVariants + fourSteps);
    ASSERT_TRUE(list()->selectRow(c.selected));
    click(c.command);
    EXPECT_EQ(stored(), c.stored);
    EXPECT_EQ(list()->currentRow(), c.selectedAfter);
    EXPECT_EQ(shown(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrioritiesMove,
    ::testing::Values(
        Move{"FirstUp", 0, "CMD_SU", fourStored, 0}, Move{"LastDown", 3, "CMD_GIU", fourStored, 3},
        Move{"ThirdUp", 2, "CMD_SU", {"1:1110000000", "2:1000000000", "3:1100000000", "4:0110000000"}, 1},
        Move{"SecondDown", 1, "CMD_GIU", {"1:1110000000", "2:1000000000", "3:1100000000", "4:0110000000"}, 2},
        Move{"ThirdDown", 2, "CMD_GIU", {"1:1110000000", "2:1100000000", "3:0110000000", "4:1000000000"}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrioritiesTest, DefaultValuesRebuildEveryElementsListAfterTheQuestion) {
    for (const int answer : {host::message_answer::No, host::message_answer::Yes}) {
        SCOPED_TRACE(answer);
        if (console)
            TearDown();
        openPriorities(threeVariants + fourSteps + QStringList{step(4, 1, "1000000000"), step(5, 1, "0100000000")});
        host_->messages().answer(answer);
        click("CMD_DEFAULT");
        EXPECT_EQ(shown(), QStringList("36 Attenzione: Si desidera sovrascrivere eventuali dati già presenti?"));
        const QStringList defaults = {"1:1110000000", "2:1100000000", "3:1000000000",
                                      "4:0110000000", "5:0010000000", "6:0000000000"};
        if (answer == host::message_answer::No) {
            EXPECT_EQ(stored(0), fourStored);
            continue;
        }
        for (const int element : {0, 1, 2, 3})
            EXPECT_EQ(stored(element), defaults) << element;
        EXPECT_EQ(stored(4), QStringList());
        EXPECT_EQ(stored(5), QStringList("1:0100000000"));
        EXPECT_EQ(list()->rowCount(), 6);
        EXPECT_EQ(host_->statusBar()->panelText(2), "Pronto");
        for (const char* control : {"CMD_SU", "CMD_GIU", "CMD_DEFAULT", "CBO_INDELEMENTO"})
            EXPECT_TRUE(form().control(control)->isEnabled()) << control;
    }
}

}  // namespace
}  // namespace console_test
