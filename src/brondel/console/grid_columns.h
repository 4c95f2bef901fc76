#pragma once

#include "brondel/console/host_components/types.h"

namespace brondel {

// A column of a section's grid, in the order the grid shows them: its field, caption (UTF-8), width in
// twips, and whether it is shown.
struct GridColumn {
    const char* field;
    const char* caption;
    int width;
    bool visible = true;
    int kind = host::column_kind::Text;
};

}  // namespace brondel
