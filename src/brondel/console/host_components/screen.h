#pragma once

#include "brondel/console/host_components/object.h"

namespace host {

// The screen: the mouse pointer shown over the host's windows (mouse_pointer).
class Screen : public Object {
public:
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
};

}  // namespace host
