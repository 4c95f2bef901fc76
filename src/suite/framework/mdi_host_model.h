#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/mdi_host.h"

namespace suite {

// The MDI host control. Gesture: place(), as the host's MDI area places the form: PlaceForm runs (the form
// moves the control where it wants to be), and the control's geometry is where the host puts the form.
class MdiHostModel : public ControlBase<host::MdiHost> {
public:
    using ControlBase<host::MdiHost>::ControlBase;

    host::Geometry place() {
        PlaceForm.raise();
        return geometry();
    }
};

}  // namespace suite
