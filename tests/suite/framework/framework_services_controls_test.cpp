#include "services_fixture.h"

#include "suite/framework/image_list_model.h"
#include "suite/framework/mdi_host_model.h"
#include "suite/framework/menu_tree_model.h"
#include "suite/framework/panel_model.h"
#include "suite/framework/resize_component_model.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/tree_view_model.h"

#include "ado/connection.h"
#include "automation/error.h"

namespace services_test {
namespace {

using host::ControlKind;

class SidebarTest : public ServicesTest {
protected:
    void SetUp() override {
        ServicesTest::SetUp();
        sidebar_ = add<suite::SidebarModel>(ControlKind::Sidebar, "SDB_PARAMETRI");
        sidebar_->initialize(module_, false);
        sidebar_->OnClickItemLink.connect([this](const host::SidebarItem& item) { clicked_ << item.key; });
    }

    std::shared_ptr<suite::SidebarModel> sidebar_;
    QStringList clicked_;
};

TEST_F(SidebarTest, TheConsoleGetsItsTwelveSectionsInThreeGroups) {
    QStringList keys;
    for (const auto& item : sidebar_->items())
        keys << item.groupKey + "." + item.key;
    EXPECT_EQ(keys, QStringList({"GRPCONVAR.ITMCONFIGVAR", "GRPCONVAR.ITMOPZVAR", "GRPCONVAR.ITMLINGUAVAR",
                                 "GRPCONVAR.ITMCLIFORVAR", "GRPCONVAR.ITMRAGGRUP", "GRPCONVAR.ITMRAGVAR",
                                 "GRPCONVAR.ITMPRIELA", "GRPCONART.ITMCONFIGART", "GRPCONART.ITMSUBCOD",
                                 "GRPCONART.ITMDESLINART", "GRPOBBVAR.ITMOBBDOC", "GRPOBBVAR.ITMOBBPRO"}));
}

TEST_F(SidebarTest, TheVariantsGroupOpensExpandedAndExpandAllOpensTheOthers) {
    EXPECT_TRUE(sidebar_->isGroupExpanded("GRPCONVAR"));
    EXPECT_FALSE(sidebar_->isGroupExpanded("GRPCONART"));
    EXPECT_FALSE(sidebar_->isGroupExpanded("GRPOBBVAR"));

    sidebar_->initialize(module_, true);
    EXPECT_TRUE(sidebar_->isGroupExpanded("GRPCONART"));
    EXPECT_TRUE(sidebar_->isGroupExpanded("GRPOBBVAR"));
}

TEST_F(SidebarTest, SelectingAnItemRaisesItsLinkWithKeyAndCaption) {
    QString caption;
    sidebar_->OnClickItemLink.connect([&](const host::SidebarItem& item) { caption = item.caption; });
    sidebar_->selectItem("GRPCONART", "ITMCONFIGART", false);
    EXPECT_EQ(clicked_, QStringList{"ITMCONFIGART"});
    EXPECT_EQ(caption, "Configuratore codice articolo");
    EXPECT_TRUE(sidebar_->isGroupExpanded("GRPCONART"));
}

TEST_F(SidebarTest, AnItemOfAHiddenGroupCannotBeSelected) {
    sidebar_->showGroup("GRPCONVAR", false);
    EXPECT_THROW(sidebar_->selectItem("GRPCONVAR", "ITMRAGVAR", false), automation::Error);
    EXPECT_FALSE(sidebar_->clickItem("GRPCONVAR", "ITMRAGVAR"));
    sidebar_->showGroup("GRPCONVAR", true);
    EXPECT_TRUE(sidebar_->clickItem("GRPCONVAR", "ITMRAGVAR"));
    EXPECT_EQ(clicked_, QStringList{"ITMRAGVAR"});
}

TEST_F(SidebarTest, AnItemOutsideItsGroupCannotBeSelected) {
    EXPECT_THROW(sidebar_->selectItem("GRPCONART", "ITMCONFIGVAR", false), automation::Error);
    EXPECT_TRUE(clicked_.isEmpty());
}

TEST_F(SidebarTest, ClickingAGroupHeaderFoldsItAndTellsTheForm) {
    QString group;
    sidebar_->OnClickGroup.connect([&](const host::SidebarItem& item) { group = item.key; });
    ASSERT_TRUE(sidebar_->clickGroup("GRPOBBVAR"));
    EXPECT_EQ(group, "GRPOBBVAR");
    EXPECT_TRUE(sidebar_->isGroupExpanded("GRPOBBVAR"));
}

TEST_F(SidebarTest, AProgramWithoutASidebarIsRefused) {
    host_->attach(module_);
    module_->setClsVoceMenu(nullptr);
    EXPECT_THROW(sidebar_->initialize(module_, true), automation::Error);
}

// A control at (1000, 1000) sized 2000 x 1000 on a form that grows by 1000 x 500.
struct Anchoring {
    qint32 code;
    host::Geometry after;
};

class ResizeTest : public ServicesTest, public ::testing::WithParamInterface<Anchoring> {};

TEST_P(ResizeTest, TheControlKeepsItsDistanceToTheAnchoredEdges) {
    const Anchoring& c = GetParam();
    auto resize = add<suite::ResizeComponentModel>(ControlKind::ResizeComponent, "ZYK_RESIZEFORM");
    auto panel = add<suite::PanelModel>(ControlKind::Panel, "PIC_PROVA", {1000, 1000, 2000, 1000});
    resize->RegisterControls.connect([&] { resize->addControl(panel, c.code); });
    resize->start();
    resize->resize(13000, 9500);
    EXPECT_EQ(panel->geometry(), c.after);
    resize->resize(12000, 9000);
    EXPECT_EQ(panel->geometry(), (host::Geometry{1000, 1000, 2000, 1000}));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ResizeTest,
    ::testing::Values(Anchoring{0, {1000, 1000, 2000, 1000}}, Anchoring{3, {1000, 1000, 2000, 1000}},
                      Anchoring{5, {1000, 1000, 3000, 1000}}, Anchoring{7, {1000, 1000, 3000, 1000}},
                      Anchoring{10, {1000, 1000, 2000, 1500}}, Anchoring{11, {1000, 1000, 2000, 1500}},
                      Anchoring{12, {2000, 1500, 2000, 1000}}, Anchoring{14, {2000, 1000, 2000, 1500}},
                      Anchoring{15, {1000, 1000, 3000, 1500}}));

TEST_F(ServicesTest, AControlFollowsItsContainerAndShrinksNoFurtherThanNothing) {
    auto resize = add<suite::ResizeComponentModel>(ControlKind::ResizeComponent, "ZYK_RESIZEFORM");
    auto panel = add<suite::PanelModel>(ControlKind::Panel, "PIC_PROVA", {2000, 0, 10000, 9000});
    auto inner = add<suite::PanelModel>(ControlKind::Panel, "PIC_DENTRO", {100, 100, 9800, 8000}, panel);
    resize->RegisterControls.connect([&] {
        resize->addControl(panel, 15);
        resize->addControl(inner, 15);
        resize->addControl(inner, 12);
    });
    resize->start();
    EXPECT_EQ(resize->registeredCount(), 2);
    resize->resize(2000, 600);
    EXPECT_EQ(panel->geometry(), (host::Geometry{2000, 0, 0, 600}));
    EXPECT_EQ(inner->geometry(), (host::Geometry{-9900, -8300, 9800, 8000}));
}

class MenuTreeTest : public ServicesTest {
protected:
    void SetUp() override {
        ServicesTest::SetUp();
        tree_ = add<suite::MenuTreeModel>(ControlKind::MenuTree, "TRV_MENU");
        tree_->setConnection(host_->factory()->openConnection(host_->connectionString()));
        tree_->load();
    }

    QStringList marked() const {
        QStringList result;
        for (const auto& node : tree_->nodes()) {
            if (node.marked)
                result << node.entryId.toString();
        }
        return result;
    }

    std::shared_ptr<suite::MenuTreeModel> tree_;
};

TEST_F(MenuTreeTest, ProgramsFollowTheirFoldersInMenuOrder) {
    QStringList texts;
    for (const auto& entry : tree_->entries())
        texts << QString(entry.level, '-') + entry.node.text;
    EXPECT_EQ(texts.size(), 20);
    EXPECT_EQ(texts.mid(0, 6), QStringList({"Magazzino", "-Anagrafiche", "--Anagrafica articoli",
                                            "--Listini di vendita", "-Movimenti", "--Movimenti di magazzino"}));
}

TEST_F(MenuTreeTest, MarkingMarksEveryEntryListedAndOnlyThose) {
    auto connection = host_->factory()->openConnection(host_->connectionString());
    tree_->mark(
        connection->execute("SELECT FW50_IDVOCETS AS IDVOCETS FROM FW50_MODMENU WHERE FW50_NOME = 'MGUO_ARTICOLI'"));
    EXPECT_EQ(marked(), QStringList({"101", "303"}));
    tree_->mark(connection->execute("SELECT 106 AS IDVOCETS"));
    EXPECT_EQ(marked(), QStringList{"106"});
}

TEST_F(MenuTreeTest, ChoosingANodeHandsItsProgramName) {
    QString program;
    tree_->NodeClick.connect([&](const host::MenuNode& node) { program = node.name; });
    ASSERT_TRUE(tree_->chooseNode(201));
    EXPECT_EQ(program, "DOUO_DOCUMENTI");
    EXPECT_TRUE(tree_->hasFocus());
}

TEST_F(ServicesTest, ATreeViewKeepsItsNodesUniqueAndInOrder) {
    auto tree = add<suite::TreeViewModel>(ControlKind::TreeView, "TvDim");
    auto images = add<suite::ImageListModel>(ControlKind::ImageList, "IML_DIM");
    images->addImage("close", ":/images/close.png");
    EXPECT_THROW(images->addImage("close", ":/images/open.png"), automation::Error);
    tree->setImageList(images);
    tree->addNode("", "V|A0|", "COLORE", "close", "open");
    tree->addNode("V|A0|", "R|A0|ESTATE|", "ESTATE - COLORI ESTIVI", "close", "open");
    tree->addNode("V|A0|", "R|A0|CLASSICI|", "CLASSICI", "close", "open");
    EXPECT_EQ(tree->childKeys("V|A0|"), QStringList({"R|A0|ESTATE|", "R|A0|CLASSICI|"}));
    try {
        tree->addNode("V|A0|", "R|A0|ESTATE|", "ESTATE", "close", "open");
        FAIL() << "a taken key was accepted";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), suite::KeyNotUnique);
    }
    EXPECT_THROW(tree->addNode("V|A9|", "R|A9|X|", "X", "close", "open"), automation::Error);
    EXPECT_EQ(tree->nodeCount(), 3);
    ASSERT_TRUE(tree->toggleNode("V|A0|"));
    EXPECT_TRUE(tree->node("V|A0|").expanded);
    ASSERT_TRUE(tree->selectNode("R|A0|CLASSICI|"));
    EXPECT_EQ(tree->selectedKey(), "R|A0|CLASSICI|");
    tree->clear();
    EXPECT_EQ(tree->rootKeys(), QStringList());
}

TEST_F(ServicesTest, TheMdiHostPutsTheFormWhereThePlacementEventMovedIt) {
    auto mdi = add<suite::MdiHostModel>(ControlKind::MdiHost, "MDIActiveX1");
    mdi->PlaceForm.connect([&] { mdi->move(120, 240, 12660, 8730); });
    EXPECT_EQ(mdi->place(), (host::Geometry{120, 240, 12660, 8730}));
}

}  // namespace
}  // namespace services_test
