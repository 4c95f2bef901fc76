#pragma once

#include "automation/event.h"

namespace suite {

// A control model whose value the user can change: a virtual frame follows UserEdited to start editing
// the current row. Programmatic changes do not raise it.
class UserEditSource {
public:
    virtual ~UserEditSource() = default;

    automation::Event<> UserEdited;
};

}  // namespace suite
