#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

namespace host {

// A command button (BTN_*, CMD_*).
class Button : public Control {
public:
    // Presses the button as the user would (nothing when disabled).
    virtual void click() = 0;

    automation::Event<> Click;
};

}  // namespace host
