#pragma once

#include "brondel/console/host_components/object.h"

namespace host {

// The host's event loop.
class EventLoop : public Object {
public:
    // Handles the window events waiting (repaints, clicks) and returns.
    virtual void processEvents() = 0;
};

}  // namespace host
