#include "widgets_fixture.h"

#include "suite/widgets/grid_navigator_view.h"
#include "suite/widgets/grid_table_model.h"
#include "suite/widgets/grid_view.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/virtual_frame_model.h"

#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/types.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QToolButton>

namespace widgets_test {
namespace {

using host::ControlKind;
namespace button = host::navigator_button;

const QString Options = QStringLiteral(
    "SELECT MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI "
    "WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F IN ('A0', 'A1') ORDER BY MG5E_CODICEVAR_MG5F, MG5E_OPZIONE");

// A grid over the options of the demo's first two variants: variant, option, description, and a check
// column in memory.
class GridViewTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        grid_ = add<suite::GridModel>(ControlKind::Grid, "GRD_OPZIONI", {0, 0, 8000, 4000});
        rows_ = open(Options);
        define(false);
        view_ = view<suite::GridView>(grid_);
    }

    void define(bool grouped) {
        const auto layout = factory_->createGridLayout();
        layout->initialize(nullptr, nullptr, "MG5E_OPZIONE", 0);
        layout->addColumn("MG5E_CODICEVAR_MG5F", "Variante", host::column_kind::Text, 1200, true);
        layout->addColumn("MG5E_OPZIONE", "Opzione", host::column_kind::Text, 1500, true);
        layout->addColumn("MG5E_DESCR", "Descrizione", host::column_kind::Text, 3000, true);
        layout->addColumn("MG5E_DITTA_CG18", "Ditta", host::column_kind::Text, 600, false);
        grid_->setColumnLayout(layout);
        grid_->endColumnDefinition();
        if (grouped)
            grid_->setColumnLevel("MG5E_CODICEVAR_MG5F", 1);
        grid_->setDataSource(rows_);
        hub_->syncAll();
    }

    QStringList shownColumn(int column) {
        QStringList texts;
        for (int row = 0; row < view_->rows().rowCount(); ++row)
            texts << view_->rows().index(row, column).data().toString();
        return texts;
    }

    std::shared_ptr<suite::GridModel> grid_;
    std::shared_ptr<ado::Recordset> rows_;
    suite::GridView* view_ = nullptr;
};

TEST_F(GridViewTest, ShowsTheVisibleColumnsWithTheirCaptionsAndWidths) {
    ASSERT_EQ(view_->rows().columnCount(), 3);
    EXPECT_EQ(view_->rows().headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Descrizione");
    EXPECT_EQ(view_->columnWidth(1), 100);
    EXPECT_EQ(view_->rows().rowCount(), grid_->rowCount());
}

TEST_F(GridViewTest, ColumnsKeepTheirDesignedWidthsAndWidenIntoTheRoomLeftWhereTheirTextsAreCut) {
    const QString longText = QStringLiteral("PROGRESSIVO COMPOSTO");
    grid_->DataFormatEXT.connect([&](QVariant& value, const QString& field) {
        if (field == "MG5E_OPZIONE")
            value = longText;
    });
    grid_->refresh();
    const int needed = view_->fontMetrics().horizontalAdvance(longText);
    struct Case {
        int width;  // of the grid, in pixels
        int variant;
        bool optionWhole;
    };
    // Narrower than the designed widths; room for the option's texts; maximised; back to narrow.
    for (const Case c : {Case{300, 80, false}, Case{533, 80, true}, Case{1400, 80, true}, Case{300, 80, false}}) {
        grid_->move(0, 0, c.width * 15, 4000);
        hub_->syncAll();
        EXPECT_EQ(view_->columnWidth(0), c.variant) << c.width;
        EXPECT_GE(view_->columnWidth(1), 100) << c.width;
        EXPECT_EQ(view_->columnWidth(1) >= needed, c.optionWhole) << c.width << ": " << view_->columnWidth(1);
    }
    // A column the person sized keeps its size.
    view_->horizontalHeader()->resizeSection(0, 150);
    grid_->move(0, 0, 1000 * 15, 4000);
    hub_->syncAll();
    EXPECT_EQ(view_->columnWidth(0), 150);
}

TEST_F(GridViewTest, CellsShowTheTextOfDataFormatEXTAndTheColourOfCustomDrawCell) {
    grid_->DataFormatEXT.connect([](QVariant& value, const QString& field) {
        if (field == "MG5E_CODICEVAR_MG5F")
            value = automation::cstr(value) == "A0" ? "1 - Colore" : "2 - Taglia";
    });
    grid_->CustomDrawCell.connect([](const host::GridRow& row, const QString&, qint32& colour) {
        if (automation::cstr(row.value("MG5E_OPZIONE")) == "BIA")
            colour = 0x0000FF;
    });
    grid_->redraw();
    hub_->syncAll();
    EXPECT_EQ(shownColumn(0).first(), "1 - Colore");
    EXPECT_EQ(shownColumn(0).last(), "2 - Taglia");
    const int white = shownColumn(1).indexOf("BIA");
    ASSERT_GE(white, 0);
    EXPECT_EQ(view_->rows().index(white, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
}

TEST_F(GridViewTest, ChoosingARowMovesTheRecordsetAndTheRecordsetsMovesShow) {
    view_->selectRow(2);
    EXPECT_EQ(grid_->currentRow(), 2);
    rows_->moveLast();
    grid_->redraw();
    hub_->syncAll();
    EXPECT_EQ(view_->currentIndex().row(), grid_->rowCount() - 1);
}

TEST_F(GridViewTest, ARefusedRowChangeKeepsTheSelectionOnTheModelsRow) {
    grid_->BeforeRowChange.connect([](int, bool& cancel) { cancel = true; });
    view_->selectRow(3);
    EXPECT_EQ(grid_->currentRow(), 0);
    EXPECT_EQ(view_->currentIndex().row(), 0);
}

TEST_F(GridViewTest, ARefusedClickOnAnotherRowLeavesTheHighlightOnTheCurrentRow) {
    grid_->BeforeRowChange.connect([](int, bool& cancel) { cancel = true; });
    view_->show();
    const QRect target = view_->visualRect(view_->rows().index(3, 1));
    QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, target.center());
    QApplication::processEvents();
    hub_->syncAll();
    EXPECT_EQ(grid_->currentRow(), 0);
    const QModelIndexList highlighted = view_->selectionModel()->selectedRows();
    ASSERT_EQ(highlighted.size(), 1);
    EXPECT_EQ(highlighted.front().row(), 0);
    EXPECT_EQ(view_->currentIndex().row(), 0);
}

TEST_F(GridViewTest, GroupingLevelsPutAHeadingAboveEachGroup) {
    define(true);
    ASSERT_EQ(view_->rows().columnCount(), 2);
    EXPECT_TRUE(view_->rows().isHeading(0));
    EXPECT_EQ(view_->rows().index(0, 0).data().toString(), "Variante: A0");
    const int second = int(shownColumn(0).indexOf("Variante: A1"));
    ASSERT_GT(second, 1);
    EXPECT_EQ(view_->rowSpan(second, 0), 1);
    EXPECT_EQ(view_->columnSpan(second, 0), 2);
    EXPECT_EQ(view_->rows().rowCount(), grid_->rowCount() + 2);
    EXPECT_EQ(view_->rows().gridRow(second + 1), second - 1);
}

TEST_F(GridViewTest, EditingAnEditableCellIsTheEditCellGesture) {
    grid_->setEditable(true);
    grid_->setColumnEditable("MG5E_DESCR", 1);
    QString edited;
    grid_->OnEdited.connect([&](const host::GridRow& row) { edited = automation::cstr(row.value("MG5E_DESCR")); });
    hub_->syncAll();
    EXPECT_FALSE(view_->rows().flags(view_->rows().index(0, 1)) & Qt::ItemIsEditable);
    ASSERT_TRUE(view_->rows().flags(view_->rows().index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_TRUE(view_->rows().setData(view_->rows().index(0, 2), "BIANCO OTTICO", Qt::EditRole));
    EXPECT_EQ(edited, "BIANCO OTTICO");
}

// The mandatory-variants matrix: documents and a check column per variant, in memory.
class CheckGridTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        rows_ = std::make_shared<ado::Recordset>();
        rows_->fields().append("DOC", ado::DataType::VarChar, 14);
        rows_->fields().append("A0", ado::DataType::TinyInt);
        rows_->open();
        for (const auto& [doc, a0] : {std::pair{"BOLLA", 1}, {"FATTURA", 0}}) {
            rows_->addNew();
            rows_->setValue("DOC", doc);
            rows_->setValue("A0", a0);
            rows_->update();
        }
        rows_->moveFirst();
        grid_ = add<suite::GridModel>(ControlKind::Grid, "GRD_OBBDOC", {0, 0, 8000, 4000});
        const auto layout = factory_->createGridLayout();
        layout->initialize(nullptr, nullptr, "DOC", 0);
        layout->addColumn("DOC", "Documento", host::column_kind::Text, 3000, true);
        layout->addCheckColumn("A0", "1 - Colore", "1", "0", false, 1300, true);
        grid_->setColumnLayout(layout);
        grid_->endColumnDefinition();
        grid_->setDataSource(rows_);
        grid_->SelectionBoxClick.connect(
            [this](const host::GridRow& row, const QString& field, const QVariant& before) {
                log_ << automation::cstr(row.value("DOC")) + "|" + field + "|" + automation::cstr(before);
            });
        grid_->SelectAllClickEXT.connect(
            [this](const QString& field, int state) { log_ << field + "|" + QString::number(state); });
        hub_->syncAll();
        view_ = view<suite::GridView>(grid_);
    }

    std::shared_ptr<ado::Recordset> rows_;
    std::shared_ptr<suite::GridModel> grid_;
    suite::GridView* view_ = nullptr;
    QStringList log_;
};

TEST_F(CheckGridTest, CheckCellsShowTheirValueAndTickingIsTheTickGesture) {
    const QModelIndex fattura = view_->rows().index(1, 1);
    EXPECT_EQ(view_->rows().index(0, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(fattura.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(view_->rows().setData(fattura, Qt::Checked, Qt::CheckStateRole));
    hub_->syncAll();
    EXPECT_EQ(log_, QStringList({"FATTURA|A0|0"}));
    EXPECT_EQ(automation::cstr(rows_->value("A0")), "1");
    EXPECT_EQ(view_->rows().index(1, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST_F(CheckGridTest, ClickingACheckColumnsHeaderIsTheSelectAllGesture) {
    EXPECT_FALSE(view_->rows().headerData(1, Qt::Horizontal, Qt::DecorationRole).isNull());
    EXPECT_TRUE(view_->rows().headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());
    emit view_->horizontalHeader()->sectionClicked(1);
    emit view_->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(log_, QStringList({"A0|-1"}));
    EXPECT_TRUE(grid_->isSelectAllChecked("A0"));
}

// The groupings of variant A0 in a frame with its grid and navigator.
class NavigatorViewTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        grid_ = add<suite::GridModel>(ControlKind::Grid, "GRD_RAGGRUP", {0, 0, 8000, 3000});
        navigator_ = add<suite::GridNavigatorModel>(ControlKind::GridNavigator, "GNV_RAGGRUP", {3000, 3200, 4800, 375});
        rows_ = open(
            "SELECT MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR "
            "WHERE MG5G_DITTA_CG18 = 1 AND MG5G_CODICEVAR_MG5F = 'A0' ORDER BY MG5G_CODRAGGVAR");
        frame_ = std::dynamic_pointer_cast<suite::VirtualFrameModel>(factory_->createVirtualFrame());
        frame_->initialize(nullptr, connection_, rows_, QString(), QString(), navigator_, grid_);
        frame_->setEditingEnabled(true);
        hub_->syncAll();
        buttons_ = view<suite::GridNavigatorView>(navigator_);
    }

    std::shared_ptr<suite::GridModel> grid_;
    std::shared_ptr<suite::GridNavigatorModel> navigator_;
    std::shared_ptr<ado::Recordset> rows_;
    std::shared_ptr<suite::VirtualFrameModel> frame_;
    suite::GridNavigatorView* buttons_ = nullptr;
};

TEST_F(NavigatorViewTest, ButtonsAreEnabledWhileTheirOperationIsAvailable) {
    const auto enabled = [this] {
        QStringList result;
        for (const QString& caption : suite::GridNavigatorModel::buttons()) {
            if (buttons_->button(caption)->isEnabled())
                result << caption;
        }
        return result;
    };
    EXPECT_EQ(enabled(), QStringList({button::New, button::Delete}));
    QTest::mouseClick(buttons_->button(button::New), Qt::LeftButton);
    EXPECT_EQ(frame_->status(), host::frame_status::Adding);
    hub_->syncAll();
    EXPECT_EQ(enabled(), QStringList({button::New, button::Save, button::Undo}));
    QTest::mouseClick(buttons_->button(button::Undo), Qt::LeftButton);
    EXPECT_EQ(frame_->status(), host::frame_status::Browse);
    navigator_->setEnabled(false);
    hub_->syncAll();
    EXPECT_EQ(enabled(), QStringList());
}

TEST_F(NavigatorViewTest, CaptionsShowBesideTheIconsWhenEveryButtonHasRoomForItsCaption) {
    EXPECT_EQ(buttons_->button(button::Save)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(buttons_->button(button::Save)->toolTip(), "Conferma (Ctrl+S)");
    navigator_->move(0, 3200, 9000, 375);
    EXPECT_EQ(buttons_->button(button::Save)->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}

}  // namespace
}  // namespace widgets_test
