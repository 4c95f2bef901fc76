#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>
#include <QVariant>

namespace host {

// The company the host works for.
class Company : public Object {
public:
    // The company key written into every *_DITTA_CG18 column (a number).
    virtual QVariant code() const = 0;
    virtual QString name() const = 0;
};

}  // namespace host
