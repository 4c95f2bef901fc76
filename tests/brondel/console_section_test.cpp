#include "console_fixture.h"
#include "console_section_tester.h"

#include "brondel/console/coded_list.h"
#include "brondel/console/resize_table.h"
#include "brondel/console/sidebar_section.h"

#include "suite/framework/sidebar_model.h"

#include <QRegularExpression>

namespace console_test {
namespace {

// Each panel's section, when the library has one, on the demo database.
class EverySection : public ConsoleTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        openHost(true);
        console->showForm();
        if (!form().sections().at(GetParam()))
            GTEST_SKIP() << "the library has no section for this panel yet";
    }
};

TEST_P(EverySection, CreatesTheControlsItsPanelsTablesName) {
    ConsoleSectionTester(form(), GetParam()).checkControls();
}

TEST_P(EverySection, ShowingItShowsItsPanelAndActivatesItsFrame) {
    ConsoleSectionTester(form(), GetParam()).checkShown(sidebar());
}

TEST_P(EverySection, LeavesNoFrameAliveAfterUnload) {
    ConsoleSectionTester tester(form(), GetParam());
    tester.checkShown(sidebar());
    tester.watchFrames();
    ASSERT_EQ(console->closeForm(), QVariant(true));
    tester.checkUnloaded();
    console.reset();
    tester.checkReleased();
}

INSTANTIATE_TEST_SUITE_P(Panels, EverySection, ::testing::Range(0, brondel::PanelCount),
                         [](const auto& info) { return "Panel" + std::to_string(info.param); });

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList sidebarItems() {
    QStringList keys;
    for (const brondel::SidebarSection& section : brondel::sidebarSections())
        keys << QString::fromLatin1(section.itemKey);
    return keys;
}

TEST(ConsoleTables, EnablingColumnsAreTheSidebarsItems) {
    QStringList read;
    for (const char* column : brondel::sidebarEnablingColumns())
        read << QString::fromLatin1(column);
    QStringList aliased;
    const QRegularExpression alias(QStringLiteral("\\bAS (\\w+)"));
    for (const auto& match : alias.globalMatch(brondel::sidebarEnablingStatement(QStringLiteral("1"))))
        aliased << match.captured(1);

    EXPECT_EQ(sorted(read), sorted(sidebarItems()));
    EXPECT_EQ(sorted(aliased), sorted(sidebarItems()));
}

TEST(ConsoleTables, SidebarSectionsAreInPanelOrder) {
    for (int panel = 0; panel < brondel::PanelCount; ++panel)
        EXPECT_EQ(brondel::sidebarSections().at(panel).panel, panel);
}

TEST(ConsoleTables, ResizeTableRegistersEveryPanelOnceInOrder) {
    QList<int> panels;
    for (const brondel::ResizeEntry& entry : brondel::resizeTable()) {
        if (qstrcmp(entry.control, "PIC_PARAMETRI") == 0)
            panels << entry.index;
    }
    QList<int> expected;
    for (int panel = 0; panel < brondel::PanelCount; ++panel)
        expected << panel;
    EXPECT_EQ(panels, expected);
}

TEST(ConsoleTables, CodedListsBelongToPanelsThatExist) {
    QList<brondel::CodedList> lists = brondel::codedLists();
    lists << brondel::elementList();
    for (const brondel::CodedList& list : lists) {
        EXPECT_GE(list.panel, 0) << list.combo.toStdString();
        EXPECT_LT(list.panel, brondel::PanelCount) << list.combo.toStdString();
    }
}

}  // namespace
}  // namespace console_test
