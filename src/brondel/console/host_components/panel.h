#pragma once

#include "brondel/console/host_components/control.h"

namespace host {

// A container without a frame (PIC_*): hiding it hides its controls.
class Panel : public Control {};

}  // namespace host
