#pragma once

#include "brondel/console/host_components/control.h"

namespace host {

// A framed group of controls (GRB_*), captioned.
class GroupBox : public Control {};

}  // namespace host
