#pragma once

#include "brondel/console/host_components/database_info.h"

namespace suite {

// The suite database the host works on.
class DatabaseInfoModel : public host::DatabaseInfo {
public:
    explicit DatabaseInfoModel(QString connectionString) : connectionString_(std::move(connectionString)) {}

    QString connectionString() const override { return connectionString_; }

private:
    QString connectionString_;
};

}  // namespace suite
