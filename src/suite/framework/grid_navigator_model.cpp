#include "suite/framework/grid_navigator_model.h"

#include "suite/framework/virtual_frame_model.h"

#include "brondel/console/host_components/types.h"

namespace suite {

namespace button = host::navigator_button;

GridNavigatorModel::GridNavigatorModel(const host::ControlDesign& design) : ControlBase<host::GridNavigator>(design) {
    for (const QString& caption : buttons())
        buttons_.insert(caption, Button{});
}

QStringList GridNavigatorModel::buttons() { return {button::New, button::Save, button::Undo, button::Delete}; }

bool GridNavigatorModel::pressButton(const QString& caption) {
    if (!isButtonAvailable(caption))
        return false;
    const std::shared_ptr<VirtualFrameModel> frame = frame_.lock();
    bool success = false;
    try {
        if (caption == button::New)
            success = frame->addNew();
        else if (caption == button::Save)
            success = frame->save(true, true);
        else if (caption == button::Undo)
            success = frame->undo();
        else
            success = frame->deleteRow();
    } catch (...) {
        AfterButtonClick.raise(false, caption);
        throw;
    }
    AfterButtonClick.raise(success, caption);
    return success;
}

bool GridNavigatorModel::isButtonAvailable(const QString& caption) const {
    const auto found = buttons_.find(caption);
    const std::shared_ptr<VirtualFrameModel> frame = frame_.lock();
    if (found == buttons_.end() || !found->enabled || !found->visible || !available_ || !isEnabled() || !frame ||
        frame->isClosed())
        return false;
    if (caption == button::New)
        return true;
    if (caption == button::Delete)
        return frame->status() == host::frame_status::Browse && frame->hasCurrentRow();
    return frame->status() != host::frame_status::Browse;
}

bool GridNavigatorModel::isButtonEnabled(const QString& caption) const {
    const auto found = buttons_.find(caption);
    return found != buttons_.end() && found->enabled;
}

void GridNavigatorModel::setButton(const QString& caption, bool Button::*flag, bool value) {
    const auto found = buttons_.find(caption);
    if (found == buttons_.end())
        return;
    (*found).*flag = value;
    notifyChanged();
}

void GridNavigatorModel::setButtonEnabled(const QString& caption, bool enabled) {
    setButton(caption, &Button::enabled, enabled);
}

bool GridNavigatorModel::isButtonVisible(const QString& caption) const {
    const auto found = buttons_.find(caption);
    return found != buttons_.end() && found->visible;
}

void GridNavigatorModel::setButtonVisible(const QString& caption, bool visible) {
    setButton(caption, &Button::visible, visible);
}

void GridNavigatorModel::setPendingEdit(bool pending) { update(pendingEdit_, pending); }

void GridNavigatorModel::setAvailable(bool available) { update(available_, available); }

void GridNavigatorModel::attachFrame(std::weak_ptr<VirtualFrameModel> frame) {
    frame_ = std::move(frame);
    notifyChanged();
}

void GridNavigatorModel::detachFrame() {
    frame_.reset();
    pendingEdit_ = false;
    notifyChanged();
}

void GridNavigatorModel::frameChanged(bool pendingEdit) { update(pendingEdit_, pendingEdit); }

}  // namespace suite
