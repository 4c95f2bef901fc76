#pragma once

#include "brondel/console/host_components/control.h"

namespace host {

// A label or title bar (LBL_*, TLB_*): its caption is what it shows.
class Label : public Control {};

}  // namespace host
