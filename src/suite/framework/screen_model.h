#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/screen.h"

namespace suite {

// The mouse pointer; views follow Changed. Each change to the hourglass starts an hourglass period, so
// that tests see how often long work was signalled and whether the pointer came back.
class ScreenModel : public host::Screen {
public:
    int mousePointer() const override { return pointer_; }
    void setMousePointer(int pointer) override;

    int hourglassPeriods() const { return hourglassPeriods_; }

    automation::Event<> Changed;

private:
    int pointer_ = 0;
    int hourglassPeriods_ = 0;
};

}  // namespace suite
