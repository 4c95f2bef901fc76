#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/resize_component.h"

#include <QList>
#include <memory>

namespace suite {

// The resize component. start() takes the form's size as the reference and raises RegisterControls; each
// control registered keeps its geometry and its container's size at that moment. When the form changes
// size (the resize() gesture), the registered controls follow in the order registered, so that a
// container is laid out before the controls in it. On each axis a control anchored to the near edge only
// (or to neither) stays; anchored to the far edge only it moves with that edge; anchored to both it keeps
// both distances and stretches. Sizes never go below 0. Registering a control again replaces its entry.
class ResizeComponentModel : public ControlBase<host::ResizeComponent> {
public:
    using ControlBase<host::ResizeComponent>::ControlBase;

    void start() override;
    void addControl(std::shared_ptr<host::Control> control, qint32 anchoring) override;

    bool isStarted() const { return started_; }
    int registeredCount() const { return int(entries_.size()); }
    qint32 anchoring(const host::Control& control) const;  // -1 when not registered

    // The user resizes the form to width and height (twips); the registered controls follow.
    void resize(int width, int height);
    // The registered controls follow the form's current size.
    void layout();

    // One axis: a control at position with size, in a container that grew by delta (negative: shrank).
    static void follow(int& position, int& size, int delta, bool nearAnchored, bool farAnchored);

private:
    struct Entry {
        std::weak_ptr<host::Control> control;
        qint32 anchoring = 0;
        host::Geometry geometry;
        int containerWidth = 0;
        int containerHeight = 0;
    };

    host::Control* form();
    host::Geometry containerOf(const host::Control& control);

    QList<Entry> entries_;
    bool started_ = false;
};

}  // namespace suite
