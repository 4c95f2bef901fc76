#include "suite/widgets/view_binding.h"

#include "suite/widgets/key_codes.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/model_node.h"

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/types.h"

#include <QKeyEvent>
#include <QWidget>

namespace suite {

int toPixels(int twips) { return (twips + host::TwipsPerPixel / 2) / host::TwipsPerPixel; }

int toTwips(int pixels) { return pixels * host::TwipsPerPixel; }

QRect toPixels(const host::Geometry& geometry) {
    return QRect(toPixels(geometry.left), toPixels(geometry.top), toPixels(geometry.width), toPixels(geometry.height));
}

ViewBinding::ViewBinding(ViewHub& hub, QWidget& widget, std::shared_ptr<host::Control> control)
    : hub_(hub), widget_(widget), control_(std::move(control)) {
    if (ModelNode* node = nodeOf(control_.get()))
        changed_ = node->Changed.connect([this] { modelChanged(); });
    hub_.add(this);
}

ViewBinding::~ViewBinding() {
    hub_.remove(this);
    if (ModelNode* node = nodeOf(control_.get()))
        node->Changed.disconnect(changed_);
}

void ViewBinding::sync() {
    SyncScope scope(*this);
    const QRect rect = toPixels(control_->geometry());
    if (widget_.geometry() != rect)
        widget_.setGeometry(rect);
    if (widget_.isEnabled() != control_->isEnabled())
        widget_.setEnabled(control_->isEnabled());
    if (widget_.isVisibleTo(widget_.parentWidget()) != control_->isVisible())
        widget_.setVisible(control_->isVisible());
    if (control_->hasFocus() && widget_.isVisible() && !widget_.hasFocus() && widget_.focusPolicy() != Qt::NoFocus)
        widget_.setFocus(Qt::OtherFocusReason);
}

bool ViewBinding::gesture(const std::function<void()>& action) { return hub_.run(action); }

bool ViewBinding::keyGoesOn(const QKeyEvent& event, const std::function<int(int, int)>& pressKey) {
    const int code = keyCode(event);
    if (code == 0)
        return true;
    int left = code;
    gesture([&] { left = pressKey(code, shiftState(event.modifiers())); });
    return left != 0;
}

void ViewBinding::focusFromPerson() {
    if (isSyncing() || control_->hasFocus() || !control_->canTakeFocus())
        return;
    gesture([this] { control_->setFocus(); });
}

}  // namespace suite
