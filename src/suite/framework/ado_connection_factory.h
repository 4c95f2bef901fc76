#pragma once

#include "brondel/console/host_components/connection_factory.h"

namespace suite {

class AdoConnectionFactory : public host::ConnectionFactory {
public:
    std::shared_ptr<ado::Connection> createConnection() override;
};

}  // namespace suite
