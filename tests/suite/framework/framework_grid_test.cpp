#include "framework_fixture.h"

#include "suite/framework/grid_model.h"

#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/types.h"

namespace framework_test {
namespace {

using host::ControlKind;

// A grid over the mandatory-variants matrix of three documents: a document column and two check columns
// (variants A0 and A1), in memory.
class GridTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        rows_ = std::make_shared<ado::Recordset>();
        rows_->fields().append("DOC", ado::DataType::VarChar, 14);
        rows_->fields().append("A0", ado::DataType::TinyInt);
        rows_->fields().append("A1", ado::DataType::TinyInt);
        rows_->open();
        for (const auto& [doc, a0, a1] : {std::tuple{"BOLLA", 1, 1}, {"FATTURA", 1, 0}, {"ORDINE", 1, 1}}) {
            rows_->addNew();
            rows_->setValue("DOC", doc);
            rows_->setValue("A0", a0);
            rows_->setValue("A1", a1);
            rows_->update();
        }
        rows_->moveFirst();
        grid_ = add<suite::GridModel>(ControlKind::Grid, "GRD_OBBDOC");
        const auto layout = factory_->createGridLayout();
        layout->initialize(nullptr, nullptr, "DOC", 0);
        layout->addColumn("DOC", "Codice Documento", host::column_kind::Text, 3500, true);
        layout->addCheckColumn("A0", "1 - Colore", "1", "0", true, 1300, true);
        layout->addCheckColumn("A1", "2 - Taglia", "1", "0", false, 1300, true);
        grid_->setColumnLayout(layout);
        grid_->endColumnDefinition();
        grid_->applyLayout();
        grid_->setDataSource(rows_);
        grid_->SelectionBoxClick.connect(
            [this](const host::GridRow& row, const QString& field, const QVariant& before) {
                log_ << QStringLiteral("SelectionBoxClick(%1,%2,%3)")
                            .arg(automation::cstr(row.value("DOC")), field, automation::cstr(before));
            });
        grid_->CheckEditToggleClick.connect([this](const host::GridRow&, const QString& field, const QString& value) {
            log_ << QStringLiteral("CheckEditToggleClick(%1,%2)").arg(field, value);
        });
        grid_->SelectAllClickEXT.connect([this](const QString& field, int state) {
            log_ << QStringLiteral("SelectAllClickEXT(%1,%2)").arg(field).arg(state);
        });
    }

    QStringList column(const QString& field) {
        QStringList values;
        for (const host::GridRow& row : grid_->rows())
            values << automation::cstr(grid_->displayValue(row, field));
        return values;
    }

    std::shared_ptr<ado::Recordset> rows_;
    std::shared_ptr<suite::GridModel> grid_;
    QStringList log_;
};

TEST_F(GridTest, EveryShownValueGoesThroughDataFormatEXT) {
    QStringList asked;
    grid_->DataFormatEXT.connect([&](QVariant& value, const QString& field) {
        asked << field;
        if (field == "DOC")
            value = automation::cstr(value).toLower();
    });
    EXPECT_EQ(column("DOC"), QStringList({"bolla", "fattura", "ordine"}));
    EXPECT_EQ(asked, QStringList({"DOC", "DOC", "DOC"}));
}

TEST_F(GridTest, TickingACellWritesTheOtherValueAndReportsTheOneBefore) {
    ASSERT_TRUE(grid_->tickCell(1, "A1"));
    EXPECT_EQ(log_, QStringList({"SelectionBoxClick(FATTURA,A1,0)"}));
    EXPECT_EQ(column("A1"), QStringList({"1", "1", "1"}));
    EXPECT_EQ(grid_->currentRow(), 1);
    EXPECT_EQ(grid_->checkInvariants(), QStringList());
}

TEST_F(GridTest, AnEditableCheckColumnAlsoRaisesCheckEditToggleClick) {
    grid_->setEditable(true);
    grid_->setColumnEditable("A0", 1);
    grid_->tickCell(0, "A0");
    EXPECT_EQ(log_, QStringList({"SelectionBoxClick(BOLLA,A0,1)", "CheckEditToggleClick(A0,0)"}));
}

TEST_F(GridTest, SelectAllClickTogglesTheHeaderBoxAndRaisesItsState) {
    grid_->clickSelectAll("A0");
    grid_->clickSelectAll("A0");
    EXPECT_EQ(log_, QStringList({"SelectAllClickEXT(A0,0)", "SelectAllClickEXT(A0,-1)"}));
}

TEST_F(GridTest, ClearingAHeaderBoxFromCodeRaisesNothing) {
    grid_->setSelectAllChecked("A0", false);
    EXPECT_FALSE(grid_->isSelectAllChecked("A0"));
    EXPECT_EQ(log_, QStringList());
}

TEST_F(GridTest, AnEditedCellReachesOnEditedWithItsNewValue) {
    grid_->setEditable(true);
    grid_->setColumnEditable("DOC", 1);
    QString edited;
    grid_->OnEdited.connect([&](const host::GridRow& row) { edited = automation::cstr(row.value("DOC")); });
    ASSERT_TRUE(grid_->editCell(2, "DOC", "RESO"));
    EXPECT_EQ(edited, "RESO");
    EXPECT_EQ(automation::cstr(rows_->value("DOC")), "ORDINE");  // the handlers decide where it goes
}

struct EditRefusal {
    const char* name;
    bool gridEditable;
    int columnEditable;
    bool cancelInBeforeEdit;
    bool refuseThroughSetCellEditing;
};

class GridEditRefusalTest : public GridTest, public ::testing::WithParamInterface<EditRefusal> {};

TEST_P(GridEditRefusalTest, TheCellIsNotEdited) {
    const EditRefusal& c = GetParam();
    grid_->setEditable(c.gridEditable);
    grid_->setColumnEditable("DOC", c.columnEditable);
    grid_->BeforeEdit.connect([&](const QString& field, bool& cancel) {
        if (c.refuseThroughSetCellEditing)
            grid_->setCellEditing(field, false, false);
        cancel = c.cancelInBeforeEdit;
    });
    bool edited = false;
    grid_->OnEdited.connect([&](const host::GridRow&) { edited = true; });
    EXPECT_FALSE(grid_->editCell(0, "DOC", "X"));
    EXPECT_FALSE(edited);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridEditRefusalTest,
                         ::testing::Values(EditRefusal{"GridReadOnly", false, 1, false, false},
                                           EditRefusal{"ColumnReadOnly", true, 0, false, false},
                                           EditRefusal{"Cancelled", true, 1, true, false},
                                           EditRefusal{"ToldNotToEdit", true, 1, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridTest, CustomDrawCellColoursWholeRows) {
    grid_->CustomDrawCell.connect([](const host::GridRow& row, const QString&, qint32& color) {
        if (automation::cstr(row.value("A1")) == "0")
            color = 255;
    });
    const QList<host::GridRow> rows = grid_->rows();
    for (const QString& field : QStringList{"DOC", "A0", "A1"}) {
        EXPECT_EQ(grid_->cellColor(rows[0], field), -1);
        EXPECT_EQ(grid_->cellColor(rows[1], field), 255);
    }
}

TEST_F(GridTest, LevelColumnsGroupTheRows) {
    grid_->setColumnLevel("A1", 1);
    const QList<suite::GridModel::Group> groups = grid_->groups();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(automation::cstr(groups[0].level1), "1");
    EXPECT_EQ(groups[0].rows, QList<int>({0, 2}));
    EXPECT_EQ(groups[1].rows, QList<int>({1}));
}

TEST_F(GridTest, TheCurrentRowFollowsTheRecordset) {
    rows_->moveLast();
    EXPECT_EQ(grid_->currentRow(), 2);
    rows_->setFilter("A1 = 1");
    EXPECT_EQ(grid_->rowCount(), 2);
    EXPECT_EQ(grid_->checkInvariants(), QStringList());
}

TEST_F(GridTest, AValueListColumnShowsTheTextOfItsCode) {
    rows_ = open("SELECT MG5F_CODICEVAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 ORDER BY MG5F_CODICEVAR");
    const auto layout = factory_->createGridLayout();
    layout->addValueListColumn("MG5F_CODICEVAR",
                               "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1",
                               "Variante", 3330);
    grid_->setColumnLayout(layout);
    grid_->endColumnDefinition();
    grid_->setDataSource(rows_);
    const QStringList shown = column("MG5F_CODICEVAR");
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first(), query("SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 "
                                   "AND MG5F_CODICEVAR = 'A0'")
                                 .value(0));
}

TEST_F(GridTest, AColumnWithoutItsFieldBreaksTheInvariants) {
    const auto layout = factory_->createGridLayout();
    layout->addColumn("MISSING", "Manca", host::column_kind::Text, 100, true);
    grid_->setColumnLayout(layout);
    grid_->endColumnDefinition();
    EXPECT_EQ(grid_->checkInvariants(), QStringList({"column MISSING has no field in the recordset"}));
}

}  // namespace
}  // namespace framework_test
