#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>

namespace host {

// The database the host works on.
class DatabaseInfo : public Object {
public:
    // An ADO connection string that opens the suite database.
    virtual QString connectionString() const = 0;
};

}  // namespace host
