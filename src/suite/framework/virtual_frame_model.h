#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace host {
class MessageService;
}

namespace suite {

class GridModel;
class GridNavigatorModel;

// A virtual frame over a recordset, its grid, its grid navigator and its bound controls.
//
// Status (0 browse, 1 editing, 2 adding) and what changes it, with the events in the order raised:
//   add (navigator "Nuovo", setStatus(2)): a pending row is saved first; BeforeAddNew (Cancel: nothing
//       happens, status as it was); the recordset adds a row holding the controls' default values;
//       AfterAddNew(true); status 2 and ChangeStatus(2); the controls show the new row (values written
//       by the handlers included) and the key control gets the focus (when it cannot take it, the bound
//       control first in the form's order, top to bottom then left to right).
// Whenever the controls show a row, edits with a decode decode their new value.
//   save (navigator "Conferma", save()): the controls' values go into the row; the mandatory check;
//       BeforeUpdate (Cancel: the row stays in edit, status unchanged); the row is written (a write error
//       raises AfterUpdate(false) and reaches the caller); AfterUpdate(true), still in the old status;
//       status 0 and ChangeStatus(0); the controls show the row as written.
//   undo (navigator "Annulla"): BeforeUndo (Cancel: nothing happens); the row's changes are dropped (an
//       added row disappears and the row current before it comes back) and the controls show it;
//       AfterUndo(true); status 0 and ChangeStatus(0).
//   delete (navigator "Elimina", browse only): BeforeDelete (Cancel: the row stays, no AfterDelete); the
//       row is deleted in the database (an error raises AfterDelete(false) and reaches the caller); the
//       next row (or the new last one) becomes current and the controls show it; AfterDelete(true); the
//       changes the handlers left in the recordset are written.
//   typing in a bound control, or a grid cell changing, in browse on a row: status 1 and ChangeStatus(1).
//   moving to another row in the grid: a pending row is saved first (a refused save refuses the move);
//       the controls show the new row.
//   setStatus(0): pending changes are dropped without undo events; ChangeStatus(0).
//   close query: in browse, or on a new row nobody has typed into, the frame may close without asking.
// Between beginBulkChange() and endBulkChange() no event is raised.
//
// Recordsets of the host's factory keep changes pending until a batch update: the frame writes them
// (updateBatch) at the end of every save and delete.
class VirtualFrameModel : public host::VirtualFrame, public std::enable_shared_from_this<VirtualFrameModel> {
public:
    using MessageServiceProvider = std::function<std::shared_ptr<host::MessageService>()>;

    explicit VirtualFrameModel(MessageServiceProvider messages);
    ~VirtualFrameModel() override;

    void initialize(std::shared_ptr<host::Cinterface> host, std::shared_ptr<ado::Connection> connection,
                    std::shared_ptr<ado::Recordset> recordset, const QVariant& statement, const QString& extra,
                    std::shared_ptr<host::GridNavigator> navigator, std::shared_ptr<host::Grid> grid) override;
    void addControl(std::shared_ptr<host::DataControl> control, std::shared_ptr<host::DataFormat> format = {}) override;
    void setKeyControl(std::shared_ptr<host::DataControl> control) override;
    bool isShowingRow() const override { return showingRow_; }
    bool isEditingEnabled() const override { return editingEnabled_; }
    void setEditingEnabled(bool enabled) override { editingEnabled_ = enabled; }
    qint16 status() const override { return status_; }
    void setStatus(qint16 status) override;
    bool save(bool check, bool stay) override;
    void commitRow() override;
    bool checkKey() override;
    void refresh(bool keepPosition) override;
    void positionOnCurrentRow(bool refreshGrid) override;
    std::shared_ptr<ado::Recordset> recordset() const override { return recordset_; }
    void setRecordset(std::shared_ptr<ado::Recordset> recordset) override;
    QString scriptName() const override { return scriptName_; }
    void setScriptName(const QString& name) override { scriptName_ = name; }
    void beginBulkChange() override { ++bulk_; }
    void endBulkChange() override;
    qint32 queryClose(bool ask, int mode, bool allowCancel) override;
    void close() override;
    void detach() override;

    // The navigator's operations.
    bool addNew();
    bool undo();
    bool deleteRow();

    bool hasCurrentRow() const;
    bool isClosed() const { return closed_; }
    QVariant statement() const { return statement_; }
    std::shared_ptr<host::Grid> grid() const { return grid_; }
    std::shared_ptr<host::GridNavigator> navigator() const { return navigator_; }

private:
    struct Binding {
        std::shared_ptr<host::DataControl> control;
        automation::Event<>::ConnectionId userEdited = 0;
    };

    bool quiet() const { return bulk_ > 0; }
    // Raises a Before event (unless quiet); returns whether a handler set Cancel.
    bool refused(automation::Event<bool&>& before);
    // Raises an After event (unless quiet).
    void announce(automation::Event<bool>& after, bool success);
    bool hasColumn(const QString& column) const;
    void changeStatus(qint16 status, qint32 reason);
    void showRow();
    void takeRowFromControls();
    void focusFirstField();
    bool mandatoryFieldsFilled();
    // Refuses, in the field's words and with the focus on it, a numeric field whose text is not a number or
    // whose bound column holds integers and the number has a fraction.
    bool numbersReadable();
    bool holdsIntegers(const QString& column) const;
    void writePending();
    void onUserEdited();
    void connectGrid();
    void disconnectAll();
    qint32 message(const QString& text, qint32 style);
    QString messageTitle() const;

    MessageServiceProvider messages_;
    std::weak_ptr<host::Cinterface> host_;  // the module owns its frames
    std::shared_ptr<ado::Connection> connection_;
    std::shared_ptr<ado::Recordset> recordset_;
    QVariant statement_;
    std::shared_ptr<host::GridNavigator> navigator_;
    std::shared_ptr<host::Grid> grid_;
    GridModel* gridModel_ = nullptr;
    automation::Event<int, bool&>::ConnectionId rowChangeHook_ = 0;
    automation::Event<>::ConnectionId rowChangedHook_ = 0;
    automation::Event<>::ConnectionId cellChangedHook_ = 0;
    std::vector<Binding> bindings_;
    std::shared_ptr<host::DataControl> keyControl_;
    bool editingEnabled_ = false;
    bool showingRow_ = false;
    qint16 status_ = 0;
    bool newRowEdited_ = false;  // the user changed a control since the row was added
    int bulk_ = 0;
    bool closed_ = false;
    QString scriptName_;
};

}  // namespace suite
