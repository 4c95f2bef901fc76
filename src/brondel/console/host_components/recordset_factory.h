#pragma once

#include "brondel/console/host_components/object.h"

#include <memory>

namespace ado {
class Recordset;
}

namespace host {

// The host's recordset factory.
class RecordsetFactory : public Object {
public:
    // A new, closed recordset with the host's cursor and lock settings (client cursor, optimistic lock).
    virtual std::shared_ptr<ado::Recordset> createRecordset() = 0;
};

}  // namespace host
