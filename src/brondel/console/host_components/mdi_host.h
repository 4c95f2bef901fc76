#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

namespace host {

// The MDI host control: places its form inside the host's MDI area.
class MdiHost : public Control {
public:
    // The host asks the form where it wants to be.
    automation::Event<> PlaceForm;
};

}  // namespace host
