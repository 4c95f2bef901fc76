#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/label.h"

namespace suite {

// A label or title bar: it shows its caption.
class LabelModel : public ControlBase<host::Label> {
public:
    using ControlBase<host::Label>::ControlBase;
};

}  // namespace suite
