#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/form.h"

#include <functional>

namespace suite {

// A form window, the root of a model tree.
//
// show() raises Activate; a modal show runs the modal runner the view installed (headless: none, and
// show returns at once). Gestures: activate() as the form gets the focus again; close() as the user
// closes the window (QueryUnload with mode 0, then Unload). unload() is the same from code (mode 1).
class FormModel : public ControlBase<host::Form> {
public:
    using ModalRunner = std::function<void(FormModel&)>;

    using ControlBase<host::Form>::ControlBase;

    int windowState() const override { return windowState_; }
    void setWindowState(int state) override;
    void show(bool modal) override;
    bool isShown() const override { return shown_; }
    bool unload() override { return unloadWith(1); }
    bool isLoaded() const override { return loaded_; }

    bool isModal() const { return modal_; }
    void setModalRunner(ModalRunner runner) { modalRunner_ = std::move(runner); }

    void activate();
    bool close() { return unloadWith(0); }

private:
    bool unloadWith(int mode);

    int windowState_ = 0;
    bool shown_ = false;
    bool modal_ = false;
    bool loaded_ = true;
    ModalRunner modalRunner_;
};

}  // namespace suite
