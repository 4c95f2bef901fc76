#include "suite/framework/form_model.h"

namespace suite {

void FormModel::setWindowState(int state) {
    windowState_ = state;
    notifyChanged();
}

void FormModel::show(bool modal) {
    shown_ = true;
    loaded_ = true;
    modal_ = modal;
    notifyChanged();
    Activate.raise();
    if (modal && modalRunner_)
        modalRunner_(*this);
}

void FormModel::activate() {
    if (shown_)
        Activate.raise();
}

bool FormModel::unloadWith(int mode) {
    if (!loaded_)
        return true;
    bool cancel = false;
    QueryUnload.raise(cancel, mode);
    if (cancel)
        return false;
    Unload.raise(cancel);
    if (cancel)
        return false;
    loaded_ = false;
    shown_ = false;
    notifyChanged();
    return true;
}

}  // namespace suite
