#pragma once

#include "brondel/console/host_components/object.h"

#include <memory>

namespace ado {
class Connection;
}

namespace host {

// The host's connection factory.
class ConnectionFactory : public Object {
public:
    // A new, closed connection.
    virtual std::shared_ptr<ado::Connection> createConnection() = 0;
};

}  // namespace host
