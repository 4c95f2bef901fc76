#include "suite/framework/screen_model.h"

namespace suite {

void ScreenModel::setMousePointer(int pointer) {
    if (pointer_ == pointer)
        return;
    pointer_ = pointer;
    Changed.raise();
}

}  // namespace suite
