#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

namespace host {

// A form window: the root of a model tree. The host shows it (in its MDI area or modal); activation and
// closing reach the form's code through the events.
class Form : public Control {
public:
    // 0 normal, 1 minimised, 2 maximised.
    virtual int windowState() const = 0;
    virtual void setWindowState(int state) = 0;

    // Shows the form; a modal show returns only once the form has been unloaded.
    virtual void show(bool modal) = 0;
    virtual bool isShown() const = 0;

    // Closes the form: QueryUnload (any handler may cancel), then Unload. Returns false when refused.
    virtual bool unload() = 0;
    virtual bool isLoaded() const = 0;

    automation::Event<> Activate;
    // Cancel, unload mode (0 closed by the user or the host, 1 by code).
    automation::Event<bool&, int> QueryUnload;
    automation::Event<bool&> Unload;
};

}  // namespace host
