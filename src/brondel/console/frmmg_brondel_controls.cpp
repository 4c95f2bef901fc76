// FRMMG_BRONDEL: the form's controls, the coded lists of its combos and the controls that follow the
// window's size.
#include "brondel/console/frmmg_brondel.h"

#include "brondel/console/coded_list.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"
#include "brondel/console/resize_table.h"

#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/mdi_host.h"
#include "brondel/console/host_components/menu_button.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/resize_component.h"
#include "brondel/console/host_components/sidebar.h"

#include <vector>

namespace brondel {

namespace {

QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Where a panel's fields go while its section is not there: down the right side for the configurators,
// across the top for the others.
FormLayout::FieldSide fieldSide(int panel) {
    return panel == 0 || panel == 7 ? FormLayout::FieldSide::Right : FormLayout::FieldSide::Top;
}

host::Geometry offset(const host::Geometry& inner, const host::Geometry& box) {
    return {box.left + inner.left, box.top + inner.top, inner.width, inner.height};
}

}  // namespace

host::ControlDesign FRMMG_BRONDEL::design(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                                          std::shared_ptr<host::Control> parent, int index) {
    host::ControlDesign result;
    result.name = name;
    result.kind = kind;
    result.index = index;
    result.geometry = geometry;
    result.parent = std::move(parent);
    return result;
}

std::shared_ptr<host::Control> FRMMG_BRONDEL::control(const QString& name, int index) const {
    const std::shared_ptr<host::Control> found = controls_.value(controlKey(name, index));
    if (!found)
        throw automation::Error(automation::errors::ObjectRequired, controlKey(name, index),
                                QStringLiteral("Object required"));
    return found;
}

bool FRMMG_BRONDEL::hasControl(const QString& name, int index) const {
    return controls_.contains(controlKey(name, index));
}

std::vector<std::shared_ptr<host::Control>> FRMMG_BRONDEL::controls() const {
    return std::vector<std::shared_ptr<host::Control>>(controls_.cbegin(), controls_.cend());
}

std::shared_ptr<host::Control> FRMMG_BRONDEL::createAnyControl(const host::ControlDesign& design) {
    std::shared_ptr<host::Control> created = factory()->createControl(design);
    controls_.insert(controlKey(design.name, design.index), created);
    return created;
}

std::shared_ptr<host::Combo> FRMMG_BRONDEL::createCodedCombo(const QString& name,
                                                             const std::shared_ptr<host::Control>& parent,
                                                             const host::Geometry& geometry) {
    const std::optional<CodedList> list = codedList(name);
    if (!list)
        throw automation::Error::fromNumber(automation::errors::ItemNotFound, name);
    host::ControlDesign combo = design(name, host::ControlKind::Combo, geometry, parent);
    combo.caption = list->caption;
    combo.boundColumn = list->column;
    combo.defaultValue = list->defaultValue;
    combo.mandatory = list->mandatory;
    combo.enabled = list->enabled;
    return createControl<host::Combo>(combo);
}

void FRMMG_BRONDEL::createControls() {
    using host::ControlKind;
    SDB_PARAMETRI =
        createControl<host::Sidebar>(design("SDB_PARAMETRI", ControlKind::Sidebar, FormLayout::sidebar(), window_));
    TLB_TITOLO = createControl<host::Label>(design("TLB_TITOLO", ControlKind::Label, FormLayout::titleBar(), window_));
    for (int i = 0; i < PanelCount; ++i) {
        PIC_PARAMETRI.at(i) =
            createControl<host::Panel>(design("PIC_PARAMETRI", ControlKind::Panel, FormLayout::panel(), window_, i));
    }
    host::ControlDesign message = design("PIC_MESSAGGIOERRORE", ControlKind::Panel, FormLayout::panel(), window_);
    message.visible = false;
    PIC_MESSAGGIOERRORE = createControl<host::Panel>(message);
    LBL_MESSAGGIOERRORE = createControl<host::Label>(
        design("LBL_MESSAGGIOERRORE", ControlKind::Label, FormLayout::messageLabel(), PIC_MESSAGGIOERRORE));
    host::ControlDesign mdi = design("MDIActiveX1", ControlKind::MdiHost, FormLayout::hidden(), window_);
    mdi.visible = false;
    MDIActiveX1 = createControl<host::MdiHost>(mdi);
    host::ControlDesign resize = design("ZYK_RESIZEFORM", ControlKind::ResizeComponent, FormLayout::hidden(), window_);
    resize.visible = false;
    ZYK_RESIZEFORM = createControl<host::ResizeComponent>(resize);

    for (int i = 0; i < PanelCount; ++i) {
        if (sections_.at(i))
            sections_.at(i)->createControls(PIC_PARAMETRI.at(i));
        else
            createPanelControls(i);
    }
}

void FRMMG_BRONDEL::createPanelControls(int panel) {
    QStringList combos;
    for (const CodedList& list : codedLists()) {
        if (list.panel == panel)
            combos << list.combo;
    }
    if (elementList().panel == panel)
        combos << elementList().combo;
    const FormLayout layout(fieldSide(panel), int(combos.size()));
    for (int row = 0; row < combos.size(); ++row)
        createCodedCombo(combos.at(row), PIC_PARAMETRI.at(panel), offset(layout.field(row), layout.fieldBox()));

    if (panel == 6) {
        host::ControlDesign renumber =
            design("CMD_RINUMERA", host::ControlKind::MenuButton, FormLayout(FormLayout::FieldSide::Top, 0).button(0),
                   PIC_PARAMETRI.at(panel));
        renumber.caption = QStringLiteral("Rinumera");
        createControl<host::MenuButton>(renumber);
    }
}

void FRMMG_BRONDEL::CaricaCombo() {
    automation::reraise("CaricaCombo", [this] {
        for (const CodedList& list : codedLists()) {
            const std::shared_ptr<host::Combo> combo = controlAs<host::Combo>(list.combo);
            if (list.sortSetting == CodedList::SortSetting::BeforeClearing)
                combo->setSorted(false);
            combo->clear();
            for (const CodedList::Entry& entry : list.entries)
                combo->addItem(entry.text, entry.code);
            if (list.sortSetting == CodedList::SortSetting::AfterAdding)
                combo->setSorted(false);
            if (list.selectFirst)
                combo->setCurrentIndex(0);
            if (!list.startText.isEmpty())
                combo->setText(list.startText);
        }
    });
}

void FRMMG_BRONDEL::Carica_CBO_INDELEMENTO() {
    automation::reraise("Carica_CBO_INDELEMENTO", [this] {
        const CodedList& list = elementList();
        const std::shared_ptr<host::Combo> combo = controlAs<host::Combo>(list.combo);
        combo->clear();
        for (const CodedList::Entry& entry : list.entries)
            combo->addItem(entry.text, entry.code);
    });
}

void FRMMG_BRONDEL::ZYK_RESIZEFORM_RegisterControls() {
    std::shared_ptr<host::ResizeComponent> resize;
    std::vector<automation::Step> steps = {[this, &resize] { resize = required(ZYK_RESIZEFORM); }};
    for (const ResizeEntry& entry : resizeTable()) {
        steps.push_back([this, &resize, entry] {
            std::shared_ptr<host::Control> registered = control(QString::fromLatin1(entry.control), entry.index);
            required(resize)->addControl(std::move(registered), entry.anchoring);
        });
    }
    steps.push_back([&resize] { resize.reset(); });
    automation::runIgnoringErrors(steps);
}

}  // namespace brondel
