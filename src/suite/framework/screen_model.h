#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/screen.h"

namespace suite {

// The mouse pointer; views follow Changed.
class ScreenModel : public host::Screen {
public:
    int mousePointer() const override { return pointer_; }
    void setMousePointer(int pointer) override;

    automation::Event<> Changed;

private:
    int pointer_ = 0;
};

}  // namespace suite
