#pragma once

#include "brondel/console/host_components/object.h"

#include "automation/event.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace host {

class Cinterface;
class DataControl;
class DataFormat;
class Grid;
class GridNavigator;

// A data-bound virtual frame (FME_*): binds a recordset to a grid, a grid navigator and edit controls,
// and runs add, save, delete and undo of the recordset's rows with their Before/After events.
//
// Status: 0 browse, 1 editing an existing row (a bound control or a grid cell changed), 2 adding a new
// row. Every change raises ChangeStatus. In browse the controls show the current row. A Before handler
// that sets Cancel stops the operation and leaves the row as it was (in edit, for a save).
class VirtualFrame : public Object {
public:
    // statement: the SELECT the recordset was opened on (refresh runs it again); the empty text is kept
    // for the host. The frame takes the grid's rows from the recordset.
    virtual void initialize(std::shared_ptr<Cinterface> host, std::shared_ptr<ado::Connection> connection,
                            std::shared_ptr<ado::Recordset> recordset, const QVariant& statement, const QString& extra,
                            std::shared_ptr<GridNavigator> navigator, std::shared_ptr<Grid> grid) = 0;

    // Binds a control to its bound column; format converts between the row's value and the shown text.
    virtual void addControl(std::shared_ptr<DataControl> control, std::shared_ptr<DataFormat> format = {}) = 0;
    // The first control of a row: it gets the focus when a row is added; its column is the key checked
    // against the existing rows.
    virtual void setKeyControl(std::shared_ptr<DataControl> control) = 0;
    // Typing in a bound control starts editing the current row (every section turns it on).
    virtual bool isEditingEnabled() const = 0;
    virtual void setEditingEnabled(bool enabled) = 0;

    virtual qint16 status() const = 0;
    // Whether the frame is putting the current row (or none) in its controls: their value changes are then
    // the frame's, not a person's, and a reaction that empties or resets fields leaves them alone.
    virtual bool isShowingRow() const = 0;
    // 2 starts a new row (BeforeAddNew/AfterAddNew run), 0 abandons pending changes.
    virtual void setStatus(qint16 status) = 0;

    // Writes the current row (BeforeUpdate/AfterUpdate run); returns whether it was written. check: run
    // the mandatory check first; stay: keep the current row afterwards.
    virtual bool save(bool check, bool stay) = 0;
    // Writes a change made in the grid's cells (a tick) without leaving browse.
    virtual void commitRow() = 0;
    // The key check: whether the key of the row being added is free; shows the frame's message if not.
    virtual bool checkKey() = 0;

    // Re-reads the rows; keepPosition stays on the current row's bookmark.
    virtual void refresh(bool keepPosition) = 0;
    // Shows the recordset's current row in the controls and the grid; refreshGrid repaints the grid too.
    virtual void positionOnCurrentRow(bool refreshGrid) = 0;

    virtual std::shared_ptr<ado::Recordset> recordset() const = 0;
    // Nothing detaches the frame from its rows (the form then works on the recordset itself).
    virtual void setRecordset(std::shared_ptr<ado::Recordset> recordset) = 0;

    // The name under which host scripts know the frame.
    virtual QString scriptName() const = 0;
    virtual void setScriptName(const QString& name) = 0;

    // Between the two calls the frame raises no events and does not follow the recordset's moves.
    virtual void beginBulkChange() = 0;
    virtual void endBulkChange() = 0;

    // Whether the frame may close: with pending changes and ask true, the frame asks whether to save
    // them (with allowCancel a Cancel answer refuses). Returns -1 when it may close, 0 when it refuses.
    virtual qint32 queryClose(bool ask, int mode, bool allowCancel) = 0;
    // Abandons pending changes and stops following the controls.
    virtual void close() = 0;
    // Releases the recordset, grid, navigator and controls.
    virtual void detach() = 0;

    automation::Event<bool&> BeforeAddNew;  // Cancel
    automation::Event<bool> AfterAddNew;    // Success
    automation::Event<bool&> BeforeUpdate;  // Cancel
    automation::Event<bool> AfterUpdate;    // Success
    automation::Event<bool&> BeforeDelete;  // Cancel
    automation::Event<bool> AfterDelete;    // Success
    automation::Event<bool&> BeforeUndo;    // Cancel
    automation::Event<bool> AfterUndo;      // Success
    automation::Event<qint16, qint32> ChangeStatus;
    // The controls show the current row (or none: after the last row went) once more: on first display,
    // after a move, an add, a save, a delete or an undo.
    automation::Event<> RowShown;  // new status, reason (status_reason)
};

}  // namespace host
