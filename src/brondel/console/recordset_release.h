#pragma once

#include "ado/recordset.h"

#include <memory>

namespace brondel {

// Closes a recordset when it is open and lets it go: a section's release at unload, and the old rows before
// a new read.
inline void closeAndRelease(std::shared_ptr<ado::Recordset>& recordset) {
    if (recordset && recordset->isOpen())
        recordset->close();
    recordset.reset();
}

}  // namespace brondel
