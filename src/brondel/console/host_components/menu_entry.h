#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>

namespace host {

// The host's menu entry that opened a module.
class MenuEntry : public Object {
public:
    // The program's name (FW50_NOME).
    virtual QString programName() const = 0;
    virtual QString description() const = 0;
};

}  // namespace host
