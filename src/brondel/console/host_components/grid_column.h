#pragma once

#include "brondel/console/host_components/types.h"

#include <QString>

namespace host {

// A grid column as defined through a column layout object, with the per-column settings made after.
struct GridColumn {
    QString field;
    QString caption;
    int kind = column_kind::Text;
    int width = 0;  // twips
    bool visible = true;

    // Check columns: the stored values meaning ticked and not ticked; the select-all box in the header.
    QString checkedValue;
    QString uncheckedValue;
    bool selectAllChecked = false;

    // Value-list columns: the statement whose rows (code, text) give the shown text for a stored code.
    QString valueListStatement;

    int level = 0;            // 1 and 2 group the rows by this column's value
    int editable = 0;         // 1: the user may edit the column's cells (the grid must be editable too)
    int alignment = 0;        // cells: 0 left, 1 right, 2 centre
    int headerAlignment = 0;  // header: as alignment
    bool sortable = true;
};

}  // namespace host
