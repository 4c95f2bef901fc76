#include "console_section_tester.h"

#include "brondel/console/coded_list.h"
#include "brondel/console/resize_table.h"
#include "brondel/console/sidebar_section.h"

#include "suite/framework/sidebar_model.h"

#include "ado/recordset.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace console_test {

ConsoleSectionTester::ConsoleSectionTester(brondel::FRMMG_BRONDEL& form, int panel) : form_(form), panel_(panel) {}

std::string ConsoleSectionTester::where(const QString& what) const {
    return QStringLiteral("panel %1: %2").arg(panel_).arg(what).toStdString();
}

bool ConsoleSectionTester::onPanel(const std::shared_ptr<host::Control>& control) const {
    const std::shared_ptr<host::Control> panel = form_.control(QStringLiteral("PIC_PARAMETRI"), panel_);
    for (std::shared_ptr<host::Control> at = control; at; at = at->parent()) {
        if (at == panel)
            return true;
    }
    return false;
}

void ConsoleSectionTester::checkControls() const {
    QStringList named;
    bool inPanel = false;
    for (const brondel::ResizeEntry& entry : brondel::resizeTable()) {
        const QString name = QString::fromLatin1(entry.control);
        if (name == QLatin1String("PIC_PARAMETRI")) {
            inPanel = entry.index == panel_;
            continue;
        }
        if (inPanel)
            named << (entry.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(entry.index));
        if (inPanel && !form_.hasControl(name, entry.index))
            ADD_FAILURE() << where(
                QStringLiteral("the resize table names %1, which the section does not create").arg(name));
        else if (inPanel && !onPanel(form_.control(name, entry.index)))
            ADD_FAILURE() << where(QStringLiteral("%1 is not on the panel").arg(name));
    }
    for (const brondel::CodedList& list : brondel::codedLists()) {
        if (list.panel != panel_)
            continue;
        if (!form_.hasControl(list.combo))
            ADD_FAILURE() << where(QStringLiteral("the coded combo %1 is missing").arg(list.combo));
        else if (!onPanel(form_.control(list.combo)))
            ADD_FAILURE() << where(QStringLiteral("the coded combo %1 is not on the panel").arg(list.combo));
    }
    const auto released = brondel::FRMMG_BRONDEL::releasedGrids();
    for (const std::shared_ptr<host::Control>& control : form_.controls()) {
        if (control->kind() != host::ControlKind::Grid || !onPanel(control))
            continue;
        const bool known = std::any_of(released.begin(), released.end(),
                                       [&](const char* grid) { return control->name() == QLatin1String(grid); });
        if (!known)
            ADD_FAILURE() << where(QStringLiteral("the grid %1 is not released at unload").arg(control->name()));
    }
}

void ConsoleSectionTester::checkShown(suite::SidebarModel& sidebar) const {
    const brondel::SidebarSection& section = brondel::sidebarSections().at(panel_);
    QString group;
    for (const host::SidebarItem& item : sidebar.items()) {
        if (item.key == QLatin1String(section.itemKey))
            group = item.groupKey;
    }
    ASSERT_TRUE(sidebar.clickItem(group, QString::fromLatin1(section.itemKey))) << where("its sidebar item");
    for (int i = 0; i < brondel::PanelCount; ++i)
        EXPECT_EQ(form_.controlAs<host::Panel>(QStringLiteral("PIC_PARAMETRI"), i)->isVisible(), i == panel_)
            << where(QStringLiteral("panel %1 shown").arg(i));
    const brondel::ConsoleSection& shown = *form_.sections().at(panel_);
    if (!shown.frames().empty()) {
        EXPECT_EQ(form_.attachedHost()->activeFrame(), shown.frames().front()->frame())
            << where(QStringLiteral("not the host's active frame"));
    }
}

void ConsoleSectionTester::watchFrames() {
    for (const auto& frame : form_.sections().at(panel_)->frames()) {
        frames_.push_back(frame->frame());
        recordsets_.push_back(frame->recordset());
    }
}

void ConsoleSectionTester::checkUnloaded() const {
    for (const auto& frame : form_.sections().at(panel_)->frames()) {
        EXPECT_EQ(frame->frame(), nullptr) << where(frame->scriptName() + QStringLiteral(" kept after unload"));
        EXPECT_EQ(frame->recordset(), nullptr)
            << where(frame->scriptName() + QStringLiteral("'s rows kept after unload"));
    }
}

void ConsoleSectionTester::checkReleased() const {
    for (const auto& frame : frames_)
        EXPECT_TRUE(frame.expired()) << where("a frame outlives the console");
    for (const auto& recordset : recordsets_)
        EXPECT_TRUE(recordset.expired()) << where("a frame's recordset outlives the console");
}

}  // namespace console_test
