#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>
#include <QVariant>

namespace host {

// The host script of the open module, offered by the navigator after a script build.
class ScriptObject : public Object {
public:
    // Runs the script's form event: (form name, 0, 1 open or 0 close, the form name as a text Variant).
    virtual QVariant formEvent(const QString& formName, int reserved, int open, const QVariant& name) = 0;
    // Set by the script's close event: true keeps the form open.
    virtual bool cancel() const = 0;
    // The module ends: the menu entry's program name.
    virtual void end(const QVariant& programName) = 0;
};

}  // namespace host
