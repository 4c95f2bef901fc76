#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

#include <memory>

namespace host {

// Anchoring codes, read as four bits.
namespace anchor {
constexpr qint32 Left = 1;
constexpr qint32 Top = 2;
constexpr qint32 Right = 4;
constexpr qint32 Bottom = 8;
}  // namespace anchor

// The resize component: moves and stretches the registered controls when the form changes size.
class ResizeComponent : public Control {
public:
    // Starts following the form; raises RegisterControls.
    virtual void start() = 0;
    virtual void addControl(std::shared_ptr<Control> control, qint32 anchoring) = 0;

    // The form registers its controls here.
    automation::Event<> RegisterControls;
};

}  // namespace host
