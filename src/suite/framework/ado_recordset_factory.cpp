#include "suite/framework/ado_recordset_factory.h"

#include "ado/recordset.h"

namespace suite {

std::shared_ptr<ado::Recordset> AdoRecordsetFactory::createRecordset() {
    auto recordset = std::make_shared<ado::Recordset>();
    recordset->setCursorLocation(ado::CursorLocation::Client);
    recordset->setCursorType(ado::CursorType::Static);
    recordset->setLockType(ado::LockType::BatchOptimistic);
    return recordset;
}

}  // namespace suite
