#include "widgets_fixture.h"

#include "suite/widgets/busy_cursor.h"
#include "suite/widgets/lookup_dialog.h"
#include "suite/widgets/menu_tree_view.h"
#include "suite/widgets/message_dialogs.h"
#include "suite/widgets/sidebar_view.h"
#include "suite/widgets/tree_view_view.h"

#include "suite/framework/menu_tree_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/tree_view_model.h"

#include "ado/recordset.h"
#include "brondel/console/host_components/types.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace widgets_test {
namespace {

using host::ControlKind;

class ServicesViewTest : public WidgetsTest {
protected:
    // Clicks the row's middle, as a person would.
    static void click(QTreeWidget* tree, QTreeWidgetItem* row) {
        ASSERT_NE(row, nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
    }

    QStringList log_;
};

TEST_F(ServicesViewTest, TheSidebarShowsItsGroupsAndAClickOnAnItemIsTheClickGesture) {
    const auto sidebar = add<suite::SidebarModel>(ControlKind::Sidebar, "SDB_PARAMETRI", {0, 0, 2760, 5000});
    sidebar->setGroups({{"GRPCONVAR",
                         "Varianti",
                         true,
                         true,
                         {{"GRPCONVAR", "ITMCONFIGVAR", "Configuratore varianti"},
                          {"GRPCONVAR", "ITMRAGVAR", "Composizione raggruppamenti"}}},
                        {"GRPCONART",
                         "Codice articolo",
                         true,
                         false,
                         {{"GRPCONART", "ITMCONFIGART", "Configuratore codice articolo"}}}});
    sidebar->OnClickItemLink.connect([this](const host::SidebarItem& item) { log_ << item.groupKey + "|" + item.key; });
    hub_->syncAll();
    auto* tree = view<suite::SidebarView>(sidebar);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(tree->row("GRPCONVAR")->isExpanded());
    EXPECT_FALSE(tree->row("GRPCONART")->isExpanded());
    click(tree, tree->row("GRPCONVAR", "ITMRAGVAR"));
    EXPECT_EQ(log_, QStringList({"GRPCONVAR|ITMRAGVAR"}));
    EXPECT_TRUE(tree->row("GRPCONVAR", "ITMRAGVAR")->isSelected());
    click(tree, tree->row("GRPCONART"));
    EXPECT_TRUE(sidebar->isGroupExpanded("GRPCONART"));
    EXPECT_TRUE(tree->row("GRPCONART")->isExpanded());
    sidebar->showGroup("GRPCONART", false);
    EXPECT_TRUE(tree->row("GRPCONART")->isHidden());
}

TEST_F(ServicesViewTest, TheSidebarsArrowsMoveTheCursorAndEnterOrSpaceOpensTheItem) {
    const auto sidebar = add<suite::SidebarModel>(ControlKind::Sidebar, "SDB_PARAMETRI", {0, 0, 2760, 5000});
    sidebar->setGroups({{"GRPCONVAR",
                         "Varianti",
                         true,
                         true,
                         {{"GRPCONVAR", "ITMCONFIGVAR", "Configuratore varianti"},
                          {"GRPCONVAR", "ITMOPZVAR", "Opzioni delle varianti"},
                          {"GRPCONVAR", "ITMRAGVAR", "Composizione raggruppamenti"}}}});
    sidebar->OnClickItemLink.connect([this](const host::SidebarItem& item) { log_ << item.key; });
    hub_->syncAll();
    auto* tree = view<suite::SidebarView>(sidebar);
    click(tree, tree->row("GRPCONVAR", "ITMCONFIGVAR"));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Down);
    hub_->syncAll();
    // The cursor moved; the highlight stays on the section shown.
    EXPECT_EQ(tree->currentItem(), tree->row("GRPCONVAR", "ITMOPZVAR"));
    EXPECT_TRUE(tree->row("GRPCONVAR", "ITMCONFIGVAR")->isSelected());
    EXPECT_FALSE(tree->row("GRPCONVAR", "ITMOPZVAR")->isSelected());
    QTest::keyClick(tree, Qt::Key_Return);
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Space);
    hub_->syncAll();
    EXPECT_EQ(log_, QStringList({"ITMCONFIGVAR", "ITMOPZVAR", "ITMRAGVAR"}));
    EXPECT_TRUE(tree->row("GRPCONVAR", "ITMRAGVAR")->isSelected());
}

TEST_F(ServicesViewTest, TheTreeViewShowsItsNodesAndAClickSelectsOne) {
    const auto tree = add<suite::TreeViewModel>(ControlKind::TreeView, "TvDim", {0, 0, 4000, 4000});
    tree->addNode("", "A0", "1 - Colore", "", "");
    tree->addNode("A0", "A0|BIA", "BIA - Bianco", "", "");
    tree->addNode("A0", "A0|NER", "NER - Nero", "", "");
    tree->setExpanded("A0", true);
    hub_->syncAll();
    auto* widget = view<suite::TreeViewView>(tree);
    ASSERT_NE(widget->row("A0|NER"), nullptr);
    EXPECT_TRUE(widget->row("A0")->isExpanded());
    EXPECT_EQ(widget->row("A0")->childCount(), 2);
    click(widget, widget->row("A0|NER"));
    EXPECT_EQ(tree->selectedKey(), "A0|NER");
}

TEST_F(ServicesViewTest, TheMenuTreeShowsTheMenuWithItsMarksAndAClickChoosesAProgram) {
    const auto menu = add<suite::MenuTreeModel>(ControlKind::MenuTree, "TRV_MENU", {0, 0, 5000, 5000});
    menu->setConnection(connection_);
    menu->load();
    menu->mark(open("SELECT 106 AS IDVOCETS"));
    menu->NodeClick.connect([this](const host::MenuNode& node) { log_ << node.name; });
    hub_->syncAll();
    auto* widget = view<suite::MenuTreeView>(menu);
    QTreeWidgetItem* console = widget->row(106);
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->text(0), "Console parametri varianti");
    EXPECT_EQ(console->parent()->text(0), "Parametri");
    EXPECT_TRUE(console->font(0).bold());
    EXPECT_FALSE(widget->row(105)->font(0).bold());
    click(widget, console);
    EXPECT_EQ(log_, QStringList({"MGUO_BRONDEL"}));
}

TEST_F(ServicesViewTest, MessageBoxesHaveTheButtonsIconAndDefaultOfTheirStyleAndAnswerTheKeyOfAButton) {
    struct Case {
        qint32 style;
        QStringList buttons;
        QString defaultButton;
        QMessageBox::Icon icon;
        Qt::Key key;  // the marked letter of the button that answers
        qint32 answer;
    };
    const QList<Case> cases = {
        {64, {"OK"}, "OK", QMessageBox::Information, Qt::Key_O, 1},
        {36, {"Sì", "No"}, "Sì", QMessageBox::Question, Qt::Key_S, 6},
        {36 + 256, {"Sì", "No"}, "No", QMessageBox::Question, Qt::Key_N, 7},
        {36 + 256, {"Sì", "No"}, "No", QMessageBox::Question, Qt::Key_S, 6},
        {48 + 1, {"OK", "Annulla"}, "OK", QMessageBox::Warning, Qt::Key_A, 2},
        {4370, {"Interrompi", "Riprova", "Ignora"}, "Riprova", QMessageBox::Critical, Qt::Key_G, 5},
        {4370, {"Interrompi", "Riprova", "Ignora"}, "Riprova", QMessageBox::Critical, Qt::Key_I, 3},
    };
    suite::MessageDialogs dialogs;
    for (const Case& c : cases) {
        QStringList buttons;
        QString defaultButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            defaultButton = box->defaultButton()->text().remove('&');
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove('&');
            QTest::keyClick(box, c.key);
        });
        const qint32 answer = c.style == 4370 ? dialogs.errorBox("Errore 5\nOrigine: Form_Activate", c.style, "Console")
                                              : dialogs.showMessage("Testo", c.style, "Titolo");
        std::sort(buttons.begin(), buttons.end());
        QStringList expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(buttons, expected) << c.style;
        EXPECT_EQ(defaultButton, c.defaultButton) << c.style;
        EXPECT_EQ(icon, c.icon) << c.style;
        EXPECT_EQ(answer, c.answer) << c.style << " " << c.key;
    }
}

TEST_F(ServicesViewTest, AMessageBoxIsWideEnoughForItsWholeTitle) {
    const QString title = QStringLiteral("Console parametri varianti - Eliminazione impossibile");
    for (const QString& text : {QStringLiteral("Sì?"), QStringLiteral("Definire un valore di default.")}) {
        std::unique_ptr<QMessageBox> box(suite::MessageDialogs::createBox(text, 48, title, nullptr));
        box->show();
        QApplication::processEvents();
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        EXPECT_GT(box->width(), QFontMetrics(bold).horizontalAdvance(title) + 60) << text.toStdString();
    }
}

TEST_F(ServicesViewTest, TheLookupWindowFiltersItsRowsAndHandsBackTheRowsPicked) {
    suite::LookupView lookup;
    lookup.title = "Documenti";
    lookup.headers = {{"Codice", ""}, {"Descrizione", ""}};
    lookup.rows = open("SELECT MG36_CODDOCUM, MG36_DESCR FROM MG36_DOCUMENTI ORDER BY MG36_CODDOCUM");
    suite::LookupDialog single(lookup);
    EXPECT_EQ(single.windowTitle(), "Documenti");
    EXPECT_EQ(single.table()->model()->headerData(1, Qt::Horizontal).toString(), "Descrizione");
    EXPECT_EQ(single.table()->model()->rowCount(), 9);
    single.searchField()->setText("fattura");
    ASSERT_EQ(single.table()->model()->rowCount(), 2);
    single.confirmRows({1});
    EXPECT_EQ(single.pick().kind, suite::LookupPick::Kind::Row);
    EXPECT_EQ(single.pick().rows, QList<int>({3}));  // FATTURA, after CARMAG, DDT, FATTACC

    lookup.multipleSelection = true;
    suite::LookupDialog multiple(lookup);
    multiple.confirmRows({3, 0});
    EXPECT_EQ(multiple.pick().kind, suite::LookupPick::Kind::Selection);
    EXPECT_EQ(multiple.pick().rows, QList<int>({0, 3}));
}

TEST_F(ServicesViewTest, TheWaitCursorShowsWhileTheScreenShowsTheHourglass) {
    const auto screen = std::make_shared<suite::ScreenModel>();
    suite::BusyCursor busy(screen);
    screen->setMousePointer(host::mouse_pointer::Hourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    screen->setMousePointer(host::mouse_pointer::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace widgets_test
