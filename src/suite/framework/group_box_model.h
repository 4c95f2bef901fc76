#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/group_box.h"

namespace suite {

class GroupBoxModel : public ControlBase<host::GroupBox> {
public:
    using ControlBase<host::GroupBox>::ControlBase;
};

}  // namespace suite
