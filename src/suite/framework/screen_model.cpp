#include "suite/framework/screen_model.h"

#include "brondel/console/host_components/types.h"

namespace suite {

void ScreenModel::setMousePointer(int pointer) {
    if (pointer_ == pointer)
        return;
    pointer_ = pointer;
    if (pointer == host::mouse_pointer::Hourglass)
        ++hourglassPeriods_;
    Changed.raise();
}

}  // namespace suite
