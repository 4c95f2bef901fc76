// ProcessingPriorities: the section's controls, the variant columns, the frame and the grid.
#include "brondel/priorities/processing_priorities.h"
#include "brondel/console/recordset_release.h"

#include "brondel/console/field_box.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/console/sidebar_section.h"
#include "brondel/priorities/clsmg_priorlett.h"
#include "brondel/priorities/priority_statements.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/translator.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

namespace brondel {

namespace {

const QString priorityColumn = QStringLiteral("MG5L_PRIORITA");
constexpr int PriorityWidth = 555;
constexpr int VariantWidth = 1065;
constexpr int LabelWidth = 3000;
constexpr int CommandWidth = 1800;

const QString SingleVariantMessage = QStringLiteral(
    "La personalizzazione del configuratore delle varianti prevede \r\nun solo elemento di variante!\r\n"
    "Impossibile impostare le priorità di lettura per un solo elemento!");

QString flagColumn(int position) { return QStringLiteral("MG5L_FLGPOSVAR%1").arg(position); }

}  // namespace

ProcessingPriorities::ProcessingPriorities(FRMMG_BRONDEL& form)
    : ConsoleSection(form, 5), frame_(addFrame("DTS_Priorità_Lettura")) {}

ProcessingPriorities::~ProcessingPriorities() = default;

std::shared_ptr<ado::Recordset> ProcessingPriorities::steps() const { return required(frame_.recordset()); }

std::shared_ptr<host::Grid> ProcessingPriorities::grid() const { return control<host::Grid>("GRD_PRIORLETT"); }

std::shared_ptr<host::GridNavigator> ProcessingPriorities::navigator() const {
    return control<host::GridNavigator>("GNV_PRIORLETT");
}

std::shared_ptr<host::Combo> ProcessingPriorities::elementCombo() const {
    return control<host::Combo>("CBO_INDELEMENTO");
}

void ProcessingPriorities::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, 1, 1, LabelWidth);
    const auto box = form().createControl<host::GroupBox>(
        designWithCaption("GRB_PRIORLETT", ControlKind::GroupBox, layout.fieldBox(), panel, "Priorità di lettura"));
    const std::shared_ptr<host::Combo> combo = form().createCodedCombo("CBO_INDELEMENTO", box, layout.field(0));
    form().createControl<host::Label>(
        designWithCaption("LBL_INDELEMENTO", ControlKind::Label, layout.label(0), box, combo->caption()));
    // Carries the combo's code into the frame's rows; never shown.
    host::ControlDesign carrier = FRMMG_BRONDEL::design("TXT_INDELEME", ControlKind::Edit, layout.label(0), box);
    carrier.boundColumn = QStringLiteral("MG5L_INDELEMENTO");
    carrier.visible = false;
    form().createControl<host::Edit>(carrier);

    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_PRIORLETT", ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_PRIORLETT", ControlKind::GridNavigator, layout.navigator(), panel));
    struct Command {
        const char* name;
        const char* caption;
        int width;
    };
    const Command commands[] = {{"CMD_DEFAULT", "Valori predefiniti", CommandWidth},
                                {"CMD_GIU", "Giù", FormLayout::ButtonWidth},
                                {"CMD_SU", "Su", FormLayout::ButtonWidth}};
    int right = layout.button(0).left + layout.button(0).width;
    for (const Command& command : commands) {
        host::Geometry at = layout.button(0);
        at.width = command.width;
        at.left = right - command.width;
        right = at.left - FormLayout::Margin;
        form().createControl<host::Button>(
            designWithCaption(command.name, ControlKind::Button, at, panel, QString::fromUtf8(command.caption)));
    }
    connectControls();
}

void ProcessingPriorities::connectControls() {
    connect(elementCombo()->ChangeRow, &ProcessingPriorities::CBO_INDELEMENTO_ChangeRow);
    connect(control<host::Button>("CMD_SU")->Click, &ProcessingPriorities::CMD_SU_Click);
    connect(control<host::Button>("CMD_GIU")->Click, &ProcessingPriorities::CMD_GIU_Click);
    connect(control<host::Button>("CMD_DEFAULT")->Click, &ProcessingPriorities::CMD_DEFAULT_Click);
    connect(grid()->SelectionBoxClick, &ProcessingPriorities::GRD_PRIORLETT_SelectionBoxClick);
    connect(grid()->BeforeEdit, &ProcessingPriorities::GRD_PRIORLETT_BeforeEdit);
    connect(navigator()->AfterButtonClick, &ProcessingPriorities::GNV_PRIORLETT_AfterButtonClick);
}

void ProcessingPriorities::connectFrame(host::VirtualFrame& frame) {
    connect(frame.AfterAddNew, &ProcessingPriorities::FME_PRIORLETT_AfterAddNew);
    connect(frame.BeforeUpdate, &ProcessingPriorities::FME_PRIORLETT_BeforeUpdate);
    connect(frame.AfterUpdate, &ProcessingPriorities::FME_PRIORLETT_AfterUpdate);
    connect(frame.AfterDelete, &ProcessingPriorities::FME_PRIORLETT_AfterDelete);
}

void ProcessingPriorities::initGrids() { INITGRID_PRIORLETT(); }

void ProcessingPriorities::show() { MostraItemPriEla(); }

void ProcessingPriorities::releaseRecordsets() { closeAndRelease(RstVarianti); }

void ProcessingPriorities::MostraItemPriEla() {
    automation::reraise("MostraItemPriEla", [this] {
        control("TXT_INDELEME")->setVisible(false);
        showPanel();
        form().Carica_CBO_INDELEMENTO();
        const std::shared_ptr<host::Combo> combo = elementCombo();
        if (combo->isEnabled()) {
            combo->resetSelection();
            combo->setCurrentIndex(0);
        }
        form().AggiornaStatoNavigatore();
    });
}

void ProcessingPriorities::CBO_INDELEMENTO_ChangeRow() {
    automation::reraise("CBO_INDELEMENTO_ChangeRow", [this] {
        control("TXT_INDELEME")->setText(automation::cstr(elementCombo()->currentCode()));
        if (ConfiguraPgmOK())
            ConfigurazioneVirtualFramePriorLett();
    });
}

bool ProcessingPriorities::ConfiguraPgmOK() {
    return automation::reraise("ConfiguraPgmOK", [this] {
        auto reader = CLSMG_PRIORLETT::create(factory()->recordsetFactory());
        reader->setDitta(companyCode());
        reader->setConnessione(connection());
        RstVarianti = reader->VariantiConfigurate_Descrizioni();
        const qint16 variants = automation::cint(qlonglong(RstVarianti->recordCount()));
        const std::shared_ptr<host::Grid> shown = grid();
        bool configured = variants != 1;
        if (configured) {
            navigator()->setAvailable(true);
            control("CMD_DEFAULT")->setEnabled(true);
            if (variants == 0) {
                // No variant column: the priorities take the grid's whole width.
                shown->setColumnWidth(priorityColumn, shown->geometry().width);
            } else {
                shown->setColumnWidth(priorityColumn, PriorityWidth);
                RstVarianti->moveFirst();
                const qint16 width = ResizePriorLett(variants);
                for (; !RstVarianti->isEof(); RstVarianti->moveNext()) {
                    const qint64 position = RstVarianti->absolutePosition();
                    if (position > MaxVariants)
                        break;
                    const QString column = flagColumn(int(position));
                    shown->setColumnCaption(column,
                                            automation::cstr(RstVarianti->value(QStringLiteral("MG5F_DESCR_VAR"))));
                    shown->setColumnWidth(column, width);
                    shown->setColumnVisible(column, true);
                }
            }
            for (int position = variants + 1; position <= MaxVariants; ++position)
                shown->setColumnVisible(flagColumn(position), false);
        } else {
            showMessage(SingleVariantMessage, 64, QStringLiteral("Informazione"));
            navigator()->setAvailable(false);
            control("CMD_DEFAULT")->setEnabled(false);
        }
        reader->setConnessione(nullptr);
        reader.reset();
        return configured;
    });
}

qint16 ProcessingPriorities::ResizePriorLett(qint16 count) const {
    const std::shared_ptr<host::Grid> shown = grid();
    const qint16 width = automation::cint(shown->geometry().width - shown->column(0).width);
    return automation::cint(double(width) / count - 100);
}

void ProcessingPriorities::ConfigurazioneVirtualFramePriorLett() {
    automation::reraise("ConfigurazioneVirtualFramePriorLett", [this] {
        const std::shared_ptr<host::GridNavigator> buttons = navigator();
        buttons->setEnabled(false);
        frame_.release(form());
        const QString statement =
            PriorityStatements::elementSteps(automation::cstr(automation::cdec(companyCode())),
                                             automation::cstr(automation::cdec(elementCombo()->currentCode())));
        const FrameDesign design{statement,
                                 QStringLiteral("GRD_PRIORLETT"),
                                 QStringLiteral("GNV_PRIORLETT"),
                                 {{QStringLiteral("TXT_INDELEME")}},
                                 QStringLiteral("TXT_INDELEME")};
        frame_.build(form(), design, [this](host::VirtualFrame& frame) { connectFrame(frame); });
        const std::shared_ptr<host::VirtualFrame> built = frame_.required();
        built->setStatus(hasCurrentRow(frame_.recordset()) ? host::frame_status::Browse : host::frame_status::Adding);
        activate(frame_);
        buttons->setEnabled(true);
    });
}

void ProcessingPriorities::INITGRID_PRIORLETT() {
    automation::reraise("INITGRID_PRIORLETT", [this] {
        const std::shared_ptr<host::Grid> shown = grid();
        const std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
        layout->initialize(host(), nullptr, priorityColumn, 0);
        layout->addColumn(priorityColumn, QStringLiteral("Priorità"), host::column_kind::Text, PriorityWidth, true);
        for (int position = 1; position <= MaxVariants; ++position) {
            layout->addCheckColumn(flagColumn(position), QStringLiteral("Variante %1").arg(position),
                                   QStringLiteral("1"), QStringLiteral("0"), false, VariantWidth, true);
        }
        shown->setColumnLayout(layout);
        shown->endColumnDefinition();
        shown->setEditable(true);
        for (int position = 1; position <= MaxVariants; ++position)
            shown->setColumnEditable(flagColumn(position), 0);
        shown->applyLayout();
    });
}

}  // namespace brondel
