#pragma once

#include "brondel/console/host_components/event_loop.h"

namespace suite {

// Processes the Qt events waiting, when there is an application; headless without one, nothing waits.
class EventLoopModel : public host::EventLoop {
public:
    void processEvents() override;
};

}  // namespace suite
