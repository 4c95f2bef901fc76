#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>

namespace host {

// Translates the suite's Italian texts into the user's language (unknown texts come back unchanged).
class Translator : public Object {
public:
    virtual QString translate(const QString& text) const = 0;
};

}  // namespace host
