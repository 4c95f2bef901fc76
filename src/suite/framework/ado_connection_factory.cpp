#include "suite/framework/ado_connection_factory.h"

#include "ado/connection.h"

namespace suite {

std::shared_ptr<ado::Connection> AdoConnectionFactory::createConnection() {
    return std::make_shared<ado::Connection>();
}

}  // namespace suite
