#pragma once

#include <memory>

namespace host {
class Panel;
}

namespace brondel {

// One section of the console (a sidebar item and its panel). The form calls each hook at its place in
// its lifecycle, sections in panel order; a hook that fails re-raises into the procedure that called it.
class ConsoleSection {
public:
    virtual ~ConsoleSection() = default;

    // When the form's window is created: the section's controls on its panel (the coded combos through
    // FRMMG_BRONDEL::createCodedCombo, positions from FormLayout).
    virtual void createControls(const std::shared_ptr<host::Panel>& panel) = 0;
    // InitGrid: the section's INITGRID_* procedures.
    virtual void initGrids() {}
    // First activation, after InitGrid: the set-up that runs before any section is shown.
    virtual void configure() {}
    // The section's MostraItem procedure: shows the panel (VisualizzaUI) and prepares the section.
    virtual void show() = 0;
    // Unload: closes (when open) and releases the section's recordsets.
    virtual void releaseRecordsets() {}
    // Unload, after the services: any other object the section keeps.
    virtual void releaseObjects() {}
};

}  // namespace brondel
