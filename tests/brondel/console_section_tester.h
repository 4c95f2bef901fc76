#pragma once

#include "brondel/console/frmmg_brondel.h"

#include <QString>
#include <memory>
#include <vector>

namespace ado {
class Recordset;
}

namespace host {
class VirtualFrame;
}

namespace suite {
class SidebarModel;
}

namespace console_test {

// The checks every section of the console must pass, whatever it shows, in the spirit of Qt's model
// tester: a test runs them over each section the console has, so a new section is checked the day it is
// plugged in. Each check adds GoogleTest failures that name the panel and what is wrong.
class ConsoleSectionTester {
public:
    ConsoleSectionTester(brondel::FRMMG_BRONDEL& form, int panel);

    // Every control the console's tables name for the panel exists and sits on the panel (the resize
    // table's entries after PIC_PARAMETRI(panel), the panel's coded combos), and every grid on the panel
    // is one that the form releases at unload.
    void checkControls() const;
    // Clicking the section's sidebar item shows its panel alone and makes its first frame, when it has
    // one, the host's active frame (none while that frame waits for a choice to be built).
    void checkShown(suite::SidebarModel& sidebar) const;
    // Keeps an eye on the section's frames and their recordsets: after the form's unload the section holds
    // none of them (checkUnloaded), and once the console is released none is left alive (checkReleased).
    void watchFrames();
    void checkUnloaded() const;
    void checkReleased() const;

private:
    // Whether the control is PIC_PARAMETRI(panel) or lies inside it.
    bool onPanel(const std::shared_ptr<host::Control>& control) const;
    std::string where(const QString& what) const;

    brondel::FRMMG_BRONDEL& form_;
    int panel_;
    std::vector<std::weak_ptr<host::VirtualFrame>> frames_;
    std::vector<std::weak_ptr<ado::Recordset>> recordsets_;
};

}  // namespace console_test
