#include "suite/framework/resize_component_model.h"

#include <algorithm>

namespace suite {

host::Control* ResizeComponentModel::form() { return &root().control(); }

host::Geometry ResizeComponentModel::containerOf(const host::Control& control) {
    const std::shared_ptr<host::Control> parent = control.parent();
    return parent ? parent->geometry() : form()->geometry();
}

void ResizeComponentModel::start() {
    entries_.clear();
    started_ = true;
    RegisterControls.raise();
}

void ResizeComponentModel::addControl(std::shared_ptr<host::Control> control, qint32 anchoring) {
    if (!control)
        throw automation::Error::fromNumber(automation::errors::ObjectRequired, name());
    const host::Geometry container = containerOf(*control);
    const Entry entry{control, anchoring, control->geometry(), container.width, container.height};
    for (Entry& existing : entries_) {
        if (existing.control.lock() == control) {
            existing = entry;
            return;
        }
    }
    entries_ << entry;
}

qint32 ResizeComponentModel::anchoring(const host::Control& control) const {
    for (const Entry& entry : entries_) {
        if (entry.control.lock().get() == &control)
            return entry.anchoring;
    }
    return -1;
}

void ResizeComponentModel::follow(int& position, int& size, int delta, bool nearAnchored, bool farAnchored) {
    if (nearAnchored && farAnchored)
        size = std::max(0, size + delta);
    else if (farAnchored)
        position += delta;
}

void ResizeComponentModel::resize(int width, int height) {
    host::Control* window = form();
    window->move(window->left(), window->top(), width, height);
    layout();
}

void ResizeComponentModel::layout() {
    for (const Entry& entry : entries_) {
        const std::shared_ptr<host::Control> control = entry.control.lock();
        if (!control)
            continue;
        const host::Geometry container = containerOf(*control);
        host::Geometry geometry = entry.geometry;
        follow(geometry.left, geometry.width, container.width - entry.containerWidth,
               entry.anchoring & host::anchor::Left, entry.anchoring & host::anchor::Right);
        follow(geometry.top, geometry.height, container.height - entry.containerHeight,
               entry.anchoring & host::anchor::Top, entry.anchoring & host::anchor::Bottom);
        control->move(geometry.left, geometry.top, geometry.width, geometry.height);
    }
}

}  // namespace suite
