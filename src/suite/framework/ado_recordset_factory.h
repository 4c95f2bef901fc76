#pragma once

#include "brondel/console/host_components/recordset_factory.h"

namespace suite {

// Recordsets with the host's settings: client cursor, batch-optimistic lock. Changes stay in the
// recordset until a batch update, so recordsets over working tables without a key can be edited freely;
// a virtual frame writes its rows with a batch update.
class AdoRecordsetFactory : public host::RecordsetFactory {
public:
    std::shared_ptr<ado::Recordset> createRecordset() override;
};

}  // namespace suite
