#pragma once

#include "brondel/console/object_required.h"

#include "automation/event.h"
#include "automation/procedure.h"

#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace host {
class Cinterface;
class Control;
class DataFormat;
class DecodeService;
class HostFactory;
class LookupService;
class MessageService;
class Panel;
}  // namespace host

namespace brondel {

class FRMMG_BRONDEL;
class SectionFrame;
class WorkingTable;
struct GridColumn;

// One section of the console (a sidebar item and its panel PIC_PARAMETRI(panel)), and what every section
// shares: the console's company, connection, translator and message box, its controls by name and type,
// the guarded event connection, and one helper per question asked of a statement.
//
// The form calls each hook at its place in its lifecycle, sections in panel order; a hook that fails
// re-raises into the procedure that called it. The section owns its frames (addFrame): the form asks them
// at closing, gives them to host scripts under their script names and releases them at unload.
//
// Adding a section (the options section, panel 2, as the example):
//  - Copy the variant configurator's files (src/brondel/variants/) into the section's folder
//    (src/brondel/options/): the section class (options_section.h/.cpp, split into _controls, _checks,
//    _commands files past about 400 lines), its statements (option_statements.h/.cpp, one function per
//    statement, built with SqlText), and add them to src/brondel/CMakeLists.txt. Create the section in
//    its panel's slot in console_sections.cpp.
//  - Already in the console's tables, nothing to add: the panel's controls that follow the window's size
//    (resize_table.cpp), its coded combos and their lists (coded_list.cpp: create them with
//    FRMMG_BRONDEL::createCodedCombo, CaricaCombo loads them), its sidebar item, show procedure, switched-
//    off message and enabling column (sidebar_section.cpp), its grids' release at unload (frmmg_brondel.cpp).
//  - The section creates itself, in createControls: its group box, labels, edits and checks (tables of
//    EditDesign/CheckDesign/FieldRow and createFieldRows, field_box.h), its grid, grid navigator and
//    command buttons, at FormLayout's positions; then it connects their events (connect).
//  - Its frames: one addFrame(scriptName) per frame in the constructor, built by SectionFrame::build from
//    a FrameDesign in configure() (or when shown), connected with connect; grid columns through
//    defineGridColumns in initGrids().
//  - What the section needs of the console comes through this class: the company, connection, services
//    (lookupService(), decodeService(), messageService()...), isLeaving() while the console switches
//    sections or unloads, another section's services through form().section<T>(). The form's state is
//    private. A working table shown in a grid is read again with reloadWorkingRows; a recordset the section
//    keeps is let go with closeAndRelease (recordset_release.h); statements that belong together run
//    through connection()->runAllOrNothing.
//  - Naming: the section's procedures keep the console's names (FME_OPZIONI_BeforeDelete,
//    INITGRID_OPZIONI, MostraItemOpzioniVar); C++ helpers are Qt-style; statements are functions of the
//    section's statements class named after what they return.
//  - Tests: a table-driven test file per behaviour group in tests/brondel/, with a fixture like
//    variants_fixture; ConsoleSectionTester runs its generic checks over every section.
class ConsoleSection {
public:
    ConsoleSection(FRMMG_BRONDEL& form, int panel);
    virtual ~ConsoleSection();
    ConsoleSection(const ConsoleSection&) = delete;
    ConsoleSection& operator=(const ConsoleSection&) = delete;

    // When the form's window is created: the section's controls on its panel.
    virtual void createControls(const std::shared_ptr<host::Panel>& panel) = 0;
    // InitGrid: the section's INITGRID_* procedures.
    virtual void initGrids() {}
    // First activation, after InitGrid, one step for each section: the set-up before any section is shown.
    virtual void configure() {}
    // The section's MostraItem procedure: shows the panel (showPanel) and prepares the section.
    virtual void show() = 0;
    // Unload, after the frames are released: closes (when open) and releases the section's recordsets.
    virtual void releaseRecordsets() {}
    // Unload, after the services: any other object the section keeps.
    virtual void releaseObjects() {}

    int panel() const { return panel_; }
    // The section's frames, in the order they are asked at closing.
    const std::vector<std::unique_ptr<SectionFrame>>& frames() const { return frames_; }

protected:
    // A frame of the section, known to host scripts by scriptName; built later (SectionFrame::build).
    SectionFrame& addFrame(const char* scriptName);

    FRMMG_BRONDEL& form() const { return form_; }
    // The current company's code, and as statement text (a number, unquoted).
    QVariant companyCode() const;
    QString company() const;
    std::shared_ptr<ado::Connection> connection() const;
    QString connectionString() const;
    std::shared_ptr<host::Cinterface> host() const;
    std::shared_ptr<host::HostFactory> factory() const;
    const automation::ErrorBox& errorBox() const;
    std::shared_ptr<host::MessageService> messageService() const;
    // The lookup and decode services of the console's own tables, and of customers and suppliers.
    std::shared_ptr<host::LookupService> lookupService() const;
    std::shared_ptr<host::DecodeService> decodeService() const;
    std::shared_ptr<host::LookupService> customerSupplierLookupService() const;
    std::shared_ptr<host::DecodeService> customerSupplierDecodeService() const;
    // While the console switches sections or unloads: a field left then was not left by the person.
    bool isLeaving() const;
    QString translate(const QString& text) const;
    QString formCaption() const;
    // Shows a message through the console's message service; returns the answer.
    qint32 showMessage(const QString& text, qint32 style, const QString& title) const;
    // A validation that fails: the warning, Cancel, and the focus on the control that holds the fault
    // when it can take it.
    void refuse(bool& cancel, const QString& text, const QString& title, const QString& focus) const;

    // The questions asked of a statement. A statement runs alone: text holding a second statement is
    // refused before anything runs, so that a value written into it can never add one.
    std::shared_ptr<ado::Recordset> execute(const QString& statement) const;
    // A batch written as one (DECLARE, SET, EXECUTE(@v)...): every statement of it runs.
    std::shared_ptr<ado::Recordset> executeBatch(const QString& batch) const;
    // Whether it returns a row (the result is closed).
    bool returnsRow(const QString& statement) const;
    // A column of its first row; none when it returns no row.
    QVariant firstValue(const QString& statement, const QString& field, const QVariant& none = QVariant()) const;
    // Whether an open recordset has a current row.
    static bool hasCurrentRow(const std::shared_ptr<ado::Recordset>& rows);

    // The form's controls by name; raises ObjectRequired when there is none, TypeMismatch when it is not a T.
    template <class T = host::Control>
    std::shared_ptr<T> control(const QString& name, int index = -1) const {
        return typedControl<T>(anyControl(name, index), name);
    }
    bool hasControl(const QString& name, int index = -1) const;
    void setEnabled(std::initializer_list<const char*> names, bool enabled) const;
    void clearText(std::initializer_list<const char*> names) const;
    void focusIfEnabled(const QString& name) const;

    // The panel shown (VisualizzaUI) and the frame the host navigator drives.
    void showPanel() const;
    void activate(const SectionFrame& frame) const;
    // The sidebar's enabling, read again after a change that may switch sections on or off.
    void refreshSidebar() const;

    // A working table's name on the console's connection (the table created on first use).
    QString workingTableName(WorkingTable& table) const;
    // A working table's grid read again: the grid lets go of its rows, the statements (empty and fill the
    // table) run in order, the old recordset is closed and a new one, of rowsStatement, is the grid's source.
    void reloadWorkingRows(std::shared_ptr<ado::Recordset>& rows, const QString& grid,
                           std::initializer_list<QString> statements, const QString& rowsStatement) const;

    // A grid's columns (INITGRID_*): its layout from the host, keyed on keyField, with the columns in order.
    void defineGridColumns(const QString& grid, const QString& keyField, std::span<const GridColumn> columns) const;

    // Connects a handler of the section to a host event; the handler does nothing once the form is gone.
    template <class Section, class... Args>
    void connect(automation::Event<Args...>& event, void (Section::*handler)(Args...)) {
        auto* section = static_cast<Section*>(this);
        event.connect([alive = formLifetime(), section, handler](Args... args) {
            if (const std::shared_ptr<const void> form = alive.lock())
                (section->*handler)(std::forward<Args>(args)...);
        });
    }

private:
    std::shared_ptr<host::Control> anyControl(const QString& name, int index) const;
    std::weak_ptr<const void> formLifetime() const;

    FRMMG_BRONDEL& form_;
    int panel_;
    std::vector<std::unique_ptr<SectionFrame>> frames_;
};

}  // namespace brondel
