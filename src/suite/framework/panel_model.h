#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/panel.h"

namespace suite {

class PanelModel : public ControlBase<host::Panel> {
public:
    using ControlBase<host::Panel>::ControlBase;
};

}  // namespace suite
