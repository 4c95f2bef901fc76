#pragma once

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/grid_column.h"
#include "brondel/console/host_components/grid_row.h"

#include "automation/event.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {

class GridLayout;

// A data grid (GRD_*): shows the rows of its data source (or of its frame's recordset) in the columns of
// its layout. The grid's current row is the recordset's current row.
class Grid : public Control {
public:
    virtual std::shared_ptr<ado::Recordset> dataSource() const = 0;
    // Nothing clears the grid.
    virtual void setDataSource(std::shared_ptr<ado::Recordset> recordset) = 0;

    // Column definition: hand over a layout object, set the layout kind, close the definition (the
    // columns are built from the layout), apply the layout (per-column settings take effect).
    virtual std::shared_ptr<GridLayout> columnLayout() const = 0;
    virtual void setColumnLayout(std::shared_ptr<GridLayout> layout) = 0;
    virtual int layoutKind() const = 0;
    virtual void setLayoutKind(int kind) = 0;
    virtual void beginColumnDefinition() = 0;
    virtual void endColumnDefinition() = 0;
    virtual void applyLayout() = 0;

    virtual int columnCount() const = 0;
    virtual GridColumn column(int index) const = 0;
    // Empty when index is out of range.
    virtual QString columnField(int index) const = 0;
    virtual void setColumnCaption(const QString& field, const QString& caption) = 0;
    virtual void setColumnWidth(const QString& field, int width) = 0;
    virtual void setColumnVisible(const QString& field, bool visible) = 0;
    virtual void setColumnLevel(const QString& field, int level) = 0;
    virtual void setColumnEditable(const QString& field, int editable) = 0;
    virtual void setColumnCheckValues(const QString& field, const QString& checked, const QString& unchecked) = 0;
    virtual void setColumnAlignment(const QString& field, int alignment) = 0;
    virtual void setColumnHeaderAlignment(const QString& field, int alignment) = 0;
    virtual void setColumnSortable(const QString& field, bool sortable) = 0;
    // Sets or clears a check column's select-all box without raising SelectAllClickEXT.
    virtual void setSelectAllChecked(const QString& field, bool checked) = 0;
    virtual bool isSelectAllChecked(const QString& field) const = 0;

    // Whether cells may be edited at all (columns marked editable).
    virtual bool isEditable() const = 0;
    virtual void setEditable(bool editable) = 0;
    // Inside BeforeEdit: tells the grid whether the cell of field enters editing, and whether its editor is
    // shown.
    virtual void setCellEditing(const QString& field, bool editing, bool showEditor) = 0;

    // Painting: while false the grid does not repaint.
    virtual bool isRedrawEnabled() const = 0;
    virtual void setRedrawEnabled(bool enabled) = 0;
    // Re-reads the rows from the data source.
    virtual void refresh() = 0;
    // Repaints the rows (DataFormatEXT and CustomDrawCell run again).
    virtual void redraw() = 0;
    // Ends a cell edit in progress.
    virtual void endEdit() = 0;
    // Drops the data source and the layout (at unload).
    virtual void release() = 0;

    // (value, field name): the value about to be shown; handlers replace it.
    automation::Event<QVariant&, const QString&> DataFormatEXT;
    // A cell edit was confirmed: the row with its new value.
    automation::Event<const GridRow&> OnEdited;
    // (row, field, colour): handlers set the cell's text colour (0x00BBGGRR; -1 the grid's own).
    automation::Event<const GridRow&, const QString&, qint32&> CustomDrawCell;
    // A check cell was clicked: (row, field, the cell's value before the click).
    automation::Event<const GridRow&, const QString&, const QVariant&> SelectionBoxClick;
    // A select-all box was clicked: (field, new state: -1 checked, 0 cleared).
    automation::Event<const QString&, int> SelectAllClickEXT;
    // A check cell was toggled by an edit: (row, field, the new value as text).
    automation::Event<const GridRow&, const QString&, const QString&> CheckEditToggleClick;
    // A cell is about to be edited: (field, Cancel).
    automation::Event<const QString&, bool&> BeforeEdit;
    // KeyCode (set 0 to swallow the key), shift state.
    automation::Event<int&, int> KeyDown;
};

}  // namespace host
