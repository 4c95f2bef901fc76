#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/button.h"

namespace suite {

// A command button. click() (for the console) and the user's press are the same: nothing while the
// button cannot take the focus, otherwise Click.
template <class I = host::Button>
class ButtonBase : public ControlBase<I> {
public:
    using ControlBase<I>::ControlBase;

    void click() override {
        if (!this->canTakeFocus())
            return;
        this->Click.raise();
    }
};

using ButtonModel = ButtonBase<host::Button>;

}  // namespace suite
