#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>
#include <QVariant>

namespace host {

// The host's function library (one shared instance).
class FunctionLibrary : public Object {
public:
    // A value as text: Null and Empty give the empty text.
    virtual QString toText(const QVariant& value) const = 0;
    // A value as a number: Null, Empty and text that is not a number give 0.
    virtual QVariant toNumber(const QVariant& value) const = 0;
    // Stops repainting the window until released with 0.
    virtual void lockRedraw(qint64 windowHandle) = 0;
    // A text that makes working-table names unique per module instance.
    virtual QString uniqueSuffix() = 0;
};

}  // namespace host
