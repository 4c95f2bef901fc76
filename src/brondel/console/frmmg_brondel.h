#pragma once

#include "brondel/console/console_sections.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/console/sidebar_section.h"
#include "brondel/host/library_lock.h"

#include "ado/types.h"
#include "automation/error.h"
#include "automation/event.h"
#include "automation/procedure.h"
#include "brondel/console/host_components/control_design.h"
#include "brondel/console/host_components/sidebar_item.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace ado {
class Connection;
}

namespace host {
class Cinterface;
class Combo;
class Control;
class DataFormat;
class DecodeService;
class Form;
class GlobalObject;
class HostFactory;
class Label;
class LookupService;
class MdiHost;
class MessageService;
class Navigator;
class Panel;
class ResizeComponent;
class Sidebar;
class VirtualFrame;
}  // namespace host

namespace brondel {

class CLSMG_BRONDEL;

// The console form: a window of the host (created through the host's factory, with its controls, when
// the form is first used), its start-up at the first activation, the sidebar that switches between the
// twelve sections, and the release of everything at unload.
//
// Lifecycle: created (FormLoaded False) -> first activation (start-up; FormLoaded True) -> active, every
// re-activation re-synchronising the host navigator -> closing question (any open section frame or the
// host script may refuse) -> unload (every object released, the host interface's references cleared).
//
// Error conventions: Form_Activate, Form_QueryUnload and SDB_PARAMETRI_OnClickItemLink ask the error box
// (MostraErrore: abort, retry the failing step, ignore it); Form_Unload, AggiornaStatoNavigatore,
// ValoreODefault, NascondiPannelli, the placement and resize-registration handlers ignore errors; every
// other procedure re-raises with its name put in front of the error's source.
//
// The sections plug in through ConsoleSection (console_sections.cpp): their controls, grid definitions,
// set-up, MostraItem procedure, frames and releases run at the places the lifecycle gives them.
class FRMMG_BRONDEL : public std::enable_shared_from_this<FRMMG_BRONDEL> {
public:
    static constexpr char Name[] = "FRMMG_BRONDEL";

    // The form's caption until the host gives another, and its description for the host's models.
    static QString description();

    // Form_Initialize: FormLoaded False.
    static std::shared_ptr<FRMMG_BRONDEL> create();
    ~FRMMG_BRONDEL();
    FRMMG_BRONDEL(const FRMMG_BRONDEL&) = delete;
    FRMMG_BRONDEL& operator=(const FRMMG_BRONDEL&) = delete;

    // The form's window. The first call creates it and its controls through the factory of
    // HostInterface's global object (raises ObjectVariableNotSet without one).
    std::shared_ptr<host::Form> window();
    void setWindowState(int state);
    void setCaption(const QString& caption);
    // Shows the window; the first activation runs the start-up. A modal show returns once it is closed.
    void show(bool modal);
    // Closes the window (closing question, then unload); false when refused.
    bool unload();

    // Controls by name (and index, for a member of a control array); raises ObjectRequired naming the
    // control when the form has none of that name.
    std::shared_ptr<host::Control> control(const QString& name, int index = -1) const;
    template <class T>
    std::shared_ptr<T> controlAs(const QString& name, int index = -1) const {
        return typedControl<T>(control(name, index), name);
    }
    bool hasControl(const QString& name, int index = -1) const;
    // Every control of the form, in no particular order.
    std::vector<std::shared_ptr<host::Control>> controls() const;
    // The grids whose data the form releases at unload, every section's.
    static std::span<const char* const> releasedGrids();
    // The design of a control: its name, kind, geometry in its parent and index in its control array.
    static host::ControlDesign design(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                                      std::shared_ptr<host::Control> parent, int index = -1);
    // Creates a control of the form through the host's factory and keeps it under its name.
    template <class T>
    std::shared_ptr<T> createControl(const host::ControlDesign& design) {
        return typedControl<T>(createAnyControl(design), design.name);
    }
    // A combo of the coded lists with its design (caption, bound column, default, mandatory).
    std::shared_ptr<host::Combo> createCodedCombo(const QString& name, const std::shared_ptr<host::Control>& parent,
                                                  const host::Geometry& geometry);

    // The error box of the procedures that use it.
    const automation::ErrorBox& errorBox() const { return errorBox_; }

    // Lifecycle.
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, int unloadMode);
    void Form_Unload(bool& cancel);
    void MDIActiveX1_PlaceForm();
    QVariant ExecuteFormEvent(const QVariant& eventName);
    void BuildScript();
    void ApplicaLayOut();
    void InitGrid();
    QVariant AggiornaStatoNavigatore();
    qint32 MostraErrore(const QString& procName, const automation::Error& error);
    static QVariant ValoreODefault(const QVariant& value, const QVariant& defaultValue);
    void NascondiPannelli();

    // Sidebar and enabling.
    void AggiornaStatoAbilitazioneVociSidebar();
    void SDB_PARAMETRI_OnClickItemLink(const host::SidebarItem& item);
    void VisualizzaUI(const QString& key, bool showMessage);
    void MostraItemMessaggioErrore(const QString& key);
    void MostraItem(const QString& group, const QString& item);
    // The section's MostraItem procedure, under its name: the section's own, or VisualizzaUI alone for a
    // section the library does not have yet.
    void showSection(const SidebarSection& section);

    // Coded lists.
    void CaricaCombo();
    void Carica_CBO_INDELEMENTO();

    // The sections, by panel index (an empty slot: a section the library does not have yet).
    const std::array<std::unique_ptr<ConsoleSection>, PanelCount>& sections() const { return sections_; }
    // The section of a class, for a section that calls another's services; error 91 when there is none.
    template <class Section>
    Section& section() const {
        for (const auto& candidate : sections_) {
            if (auto* found = dynamic_cast<Section*>(candidate.get()))
                return *found;
        }
        throw automation::Error::fromNumber(automation::errors::ObjectVariableNotSet);
    }
    // Every section's frames, in panel order: the order they are asked at closing, released at unload
    // and given to host scripts.
    std::vector<SectionFrame*> frames() const;

    // Resizing: registers the controls that follow the window's size with ZYK_RESIZEFORM.
    void ZYK_RESIZEFORM_RegisterControls();

    // The host interface and the console object CLSMG_BRONDEL attaches before the form is shown; nullptr
    // when none (after unload too).
    std::shared_ptr<host::Cinterface> attachedHost() const { return HostInterface; }
    void attachHost(std::shared_ptr<host::Cinterface> host) { HostInterface = std::move(host); }
    std::shared_ptr<CLSMG_BRONDEL> consoleObject() const { return ConsoleObject; }
    void attachConsoleObject(std::shared_ptr<CLSMG_BRONDEL> console) { ConsoleObject = std::move(console); }

    // What the first activation sets up and unload releases (nullptr or empty outside that time). Sections
    // reach them through ConsoleSection, which raises error 91 when one is missing.
    std::shared_ptr<ado::Connection> connection() const { return ConsoleConnection; }
    const QString& connectionString() const { return ConnectionString; }
    const QVariant& companyCode() const { return CompanyCode; }
    std::shared_ptr<host::MessageService> messageService() const { return MessageService; }
    std::shared_ptr<host::LookupService> lookupService() const { return LookupService; }
    std::shared_ptr<host::DecodeService> decodeService() const { return DecodeService; }
    std::shared_ptr<host::LookupService> customerSupplierLookupService() const { return CliForLookupService; }
    std::shared_ptr<host::DecodeService> customerSupplierDecodeService() const { return CliForDecodeService; }
    // The progressive's data format (TXT_PROGR).
    std::shared_ptr<host::DataFormat> progressiveFormat() const { return PfmtProg; }

    // The first activation has completed.
    bool isLoaded() const { return FormLoaded; }
    // During Form_Unload, and while a sidebar click switches sections: a section's field left then is
    // not a person's edit.
    bool isUnloading() const { return Unloading; }
    bool isSwitchingSection() const { return SwitchingSection; }
    // Whether the sidebar item of that key is switched on; error 91 before the first enabling read.
    bool isItemEnabled(const QString& key) const;

private:
    FRMMG_BRONDEL();

    void load();
    void createControls();
    // The controls of a panel whose section is not there yet: its coded combos and command buttons.
    void createPanelControls(int panel);
    std::shared_ptr<host::Control> createAnyControl(const host::ControlDesign& design);

    // HostInterface, its global object, the global object's factory, its navigator; each raises
    // ObjectVariableNotSet when missing.
    std::shared_ptr<host::Cinterface> hostInterface() const;
    std::shared_ptr<host::GlobalObject> global() const;
    std::shared_ptr<host::HostFactory> factory() const;
    std::shared_ptr<host::Navigator> navigator() const;
    void closeModule();
    bool isCallMode(const char* mode) const;
    void selectGroupingComposition();

    // Connects a form procedure to a host event; the handler does nothing once the form is gone.
    template <class... Args>
    void connect(automation::Event<Args...>& event, void (FRMMG_BRONDEL::*procedure)(Args...));

    // The console's state, under the names the form has always had.
    std::shared_ptr<host::Cinterface> HostInterface;
    std::shared_ptr<CLSMG_BRONDEL> ConsoleObject;
    std::shared_ptr<host::MessageService> MessageService;
    std::shared_ptr<ado::Connection> ConsoleConnection;
    QString ConnectionString;
    QVariant CompanyCode;
    std::shared_ptr<host::LookupService> LookupService;
    std::shared_ptr<host::DecodeService> DecodeService;
    std::shared_ptr<host::LookupService> CliForLookupService;
    std::shared_ptr<host::DecodeService> CliForDecodeService;
    std::shared_ptr<host::DataFormat> PfmtProg;

    // Enabling state of the sidebar items, by item key; built by the first AggiornaStatoAbilitazioneVociSidebar.
    std::optional<QHash<QString, bool>> VociAbilitate;
    std::optional<QHash<QString, qint16>> PannelliVoci;
    std::optional<QHash<QString, QString>> MessaggiVoci;

    bool FormLoaded = false;
    bool Unloading = false;         // during Form_Unload
    bool SwitchingSection = false;  // while an item click is handled

    // The form's own controls (reached by name through control() too).
    std::shared_ptr<host::Sidebar> SDB_PARAMETRI;
    std::shared_ptr<host::Label> TLB_TITOLO;
    std::array<std::shared_ptr<host::Panel>, PanelCount> PIC_PARAMETRI;
    std::shared_ptr<host::Panel> PIC_MESSAGGIOERRORE;
    std::shared_ptr<host::Label> LBL_MESSAGGIOERRORE;
    std::shared_ptr<host::MdiHost> MDIActiveX1;
    std::shared_ptr<host::ResizeComponent> ZYK_RESIZEFORM;

    LibraryLock lock_;
    automation::ErrorBox errorBox_;
    std::shared_ptr<host::Form> window_;
    QHash<QString, std::shared_ptr<host::Control>> controls_;
    std::array<std::unique_ptr<ConsoleSection>, PanelCount> sections_;
    // The enabling statement last read and the connection's data marks it was read at.
    std::optional<std::pair<QString, ado::DataVersion>> enablingReadAt_;
};

}  // namespace brondel
