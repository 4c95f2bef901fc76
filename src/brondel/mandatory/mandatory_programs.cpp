#include "brondel/mandatory/mandatory_programs.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/menu_tree.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/user_info.h"

namespace brondel {

namespace {

const QString codeField = QStringLiteral("MG5F_CODICEVAR");
const QString flagField = QStringLiteral("FLGOBBLIG");
const QString programField = QStringLiteral("FW50_NOME");

// The menu tree across the top of the panel, the chosen program's variants under it, the summary below
// them under its title.
constexpr int TreeHeight = 3300;
constexpr int DetailHeight = 2100;
constexpr int TitleHeight = FormLayout::RowHeight;
constexpr int DetailTop = TreeHeight + FormLayout::Margin;
constexpr int TitleTop = DetailTop + DetailHeight + FormLayout::Margin;
constexpr int SummaryTop = TitleTop + TitleHeight;

constexpr int VariantWidth = 3330;
constexpr int FlagWidth = 1455;
constexpr int CentredSetting = 2;

}  // namespace

MandatoryByProgram::MandatoryByProgram(FRMMG_BRONDEL& form) : MandatoryVariants(form, 11) {}

std::shared_ptr<host::MenuTree> MandatoryByProgram::tree() const { return control<host::MenuTree>("TRV_MENU"); }

std::shared_ptr<host::Grid> MandatoryByProgram::detail() const { return control<host::Grid>("GRD_OBBPRO"); }

std::shared_ptr<host::Grid> MandatoryByProgram::summary() const { return control<host::Grid>("GRD_OBBPRORIEP"); }

QString MandatoryByProgram::selectedName() const { return SelectedNode ? SelectedNode->name : QString(); }

void MandatoryByProgram::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const host::Geometry area = FormLayout::panel();
    form().createControl<host::MenuTree>(
        FRMMG_BRONDEL::design("TRV_MENU", ControlKind::MenuTree, {0, 0, area.width, TreeHeight}, panel));
    form().createControl<host::Grid>(
        FRMMG_BRONDEL::design("GRD_OBBPRO", ControlKind::Grid, {0, DetailTop, area.width, DetailHeight}, panel));
    host::ControlDesign title = FRMMG_BRONDEL::design(
        "LBL_OBBPRORIEP", ControlKind::Label,
        {FormLayout::Margin, TitleTop, area.width - FormLayout::Margin, TitleHeight - FormLayout::Margin}, panel);
    title.caption = QStringLiteral("Configurazioni attive");
    form().createControl<host::Label>(title);
    form().createControl<host::Grid>(FRMMG_BRONDEL::design(
        "GRD_OBBPRORIEP", ControlKind::Grid, {0, SummaryTop, area.width, area.height - SummaryTop}, panel));

    connect(tree()->NodeClick, &MandatoryByProgram::TRV_MENU_NodeClick);
    connect(detail()->CheckEditToggleClick, &MandatoryByProgram::GRD_OBBPRO_CheckEditToggleClick);
    connect(summary()->DataFormatEXT, &MandatoryByProgram::GRD_OBBPRORIEP_DataFormatEXT);
    // The select-all and selection-box events of GRD_OBBPRO have nothing to do: the toggle writes.
}

void MandatoryByProgram::show() { MostraItemObbPro(); }

void MandatoryByProgram::releaseRecordsets() {
    for (std::shared_ptr<ado::Recordset>* rows : {&RstObbPro, &RstObbProRiep}) {
        if (*rows && (*rows)->isOpen())
            (*rows)->close();
        rows->reset();
    }
}

void MandatoryByProgram::releaseObjects() { SelectedNode.reset(); }

void MandatoryByProgram::MostraItemObbPro() {
    showPanel();
    InitTreeProgrammi();
    INITGRID_OBBPRO();
    Load_RstObbProRiep();
    INITGRID_OBBPRORIEP();
    focusIfEnabled(QStringLiteral("TRV_MENU"));
    form().AggiornaStatoNavigatore();
}

void MandatoryByProgram::InitTreeProgrammi() {
    automation::reraise("InitTreeProgrammi", [this] {
        const std::shared_ptr<host::GlobalObject> global = required(host()->clsGlobal());
        const std::shared_ptr<host::UserInfo> user = required(global->currentUser());
        const std::shared_ptr<host::MenuTree> menu = tree();
        menu->setUser(automation::cstr(user->userId()));
        menu->setProfile(automation::cstr(user->profileId()));
        menu->setHostInterface(host());
        menu->setMode(0);
        menu->setLanguage(global->languageId());
        menu->setConnection(connection());
        menu->load();
        RefreshTRV_MENU();
    });
}

void MandatoryByProgram::RefreshTRV_MENU() {
    automation::reraise("RefreshTRV_MENU",
                        [this] { tree()->mark(execute(MandatoryStatements::markedEntries(company()))); });
}

void MandatoryByProgram::TRV_MENU_NodeClick(const host::MenuNode& node) {
    SelectedNode = node;
    Load_RstObbPro();
}

void MandatoryByProgram::Load_RstObbPro() {
    automation::reraise("Load_RstObbPro", [this] {
        const QString name = selectedName();
        detail()->setDataSource(nullptr);
        if (name.isEmpty())
            return;
        const std::shared_ptr<ado::Recordset> variants = execute(MandatoryStatements::programVariants(company(), name));
        // Without rows (no variant left) the grid shows none rather than another program's.
        CreaRst_Prog();
        if (hasCurrentRow(variants)) {
            for (; !variants->isEof(); variants->moveNext()) {
                RstObbPro->addNew();
                RstObbPro->setValue(codeField, variants->value(codeField));
                RstObbPro->setValue(
                    flagField, FRMMG_BRONDEL::ValoreODefault(variants->value(QStringLiteral("MG5J_FLGOBBLIG")), 0));
                RstObbPro->update();
            }
            RstObbPro->moveFirst();
        }
        detail()->setDataSource(RstObbPro);
    });
}

void MandatoryByProgram::CreaRst_Prog() {
    automation::reraise("CreaRst_Prog", [this] {
        RstObbPro = std::make_shared<ado::Recordset>();
        RstObbPro->fields().append(codeField, ado::DataType::VarChar, 20);
        RstObbPro->fields().append(flagField, ado::DataType::Integer);
        RstObbPro->open();
    });
}

void MandatoryByProgram::INITGRID_OBBPRO() {
    automation::reraise("INITGRID_OBBPRO", [this] {
        const std::shared_ptr<host::Grid> grid = detail();
        std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
        // The value list reads the variants' descriptions on the console's connection.
        layout->initialize(host(), nullptr, codeField, 0);
        grid->setColumnLayout(layout);
        layout->addValueListColumn(codeField, MandatoryStatements::variantList(company()), QStringLiteral("Variante"),
                                   VariantWidth);
        layout->addCheckColumn(flagField, QStringLiteral("Obbligatorio"), QStringLiteral("1"), QStringLiteral("0"),
                               false, FlagWidth, true);
        grid->endColumnDefinition();
        grid->setEditable(true);
        grid->setColumnAlignment(flagField, CentredSetting);
        grid->setColumnSortable(flagField, false);
        grid->setColumnEditable(flagField, 1);
        grid->applyLayout();
    });
}

void MandatoryByProgram::Load_RstObbProRiep() {
    automation::reraise("Load_RstObbProRiep",
                        [this] { RstObbProRiep = loadWorkingTable(MandatoryStatements::Pivot::Programs); });
}

void MandatoryByProgram::INITGRID_OBBPRORIEP() {
    automation::reraise("INITGRID_OBBPRORIEP", [this] {
        defineVariantColumns(*summary(), *required(RstObbProRiep), programField, QStringLiteral("Programmi"), nullptr);
        summary()->setDataSource(RstObbProRiep);
    });
}

QString MandatoryByProgram::Decode_Programma(const QString& name) {
    return automation::reraise("Decode_Programma", [&] {
        const std::shared_ptr<ado::Recordset> found = execute(MandatoryStatements::programDescription(name));
        return hasCurrentRow(found) ? automation::cstr(found->value(QStringLiteral("FW50_DESCR"))) : QString();
    });
}

void MandatoryByProgram::GRD_OBBPRO_CheckEditToggleClick(const host::GridRow&, const QString&, const QString& value) {
    automation::reraise("GRD_OBBPRO_CheckEditToggleClick", [&] {
        SalvataggioDB_MG5J(automation::cstr(required(RstObbPro)->value(codeField)), selectedName(),
                           automation::cint(value));
        RefreshTRV_MENU();
        summary()->setDataSource(nullptr);
        Load_RstObbProRiep();
        summary()->setDataSource(RstObbProRiep);
    });
}

void MandatoryByProgram::GRD_OBBPRORIEP_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_OBBPRORIEP_DataFormatEXT", [&] {
        if (field == programField && !automation::cstr(value).isEmpty())
            value = Decode_Programma(automation::cstr(value));
    });
}

}  // namespace brondel
