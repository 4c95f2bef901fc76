#pragma once

#include "brondel/console/host_components/object.h"

#include <QVariant>

namespace host {

// The user signed in to the host.
class UserInfo : public Object {
public:
    virtual QVariant userId() const = 0;
    // The profile (group of users) whose menu the user sees.
    virtual QVariant profileId() const = 0;
};

}  // namespace host
