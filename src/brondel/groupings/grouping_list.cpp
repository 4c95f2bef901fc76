#include "brondel/groupings/grouping_list.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/groupings/grouping_statements.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_configurator.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

namespace brondel {

namespace {

const QString codeColumn = QStringLiteral("MG5G_CODRAGGVAR");
const QString variantColumn = QStringLiteral("MG5G_CODICEVAR_MG5F");
const QString apostropheRefused = QStringLiteral("Il codice non può contenere il carattere (').");

constexpr int LabelWidth = 1500;
constexpr int FieldWidth = 5400;
constexpr int RankWidth = 900;  // two digits and the lookup button
constexpr int CodeWidth = 3000;

struct EditDesign {
    const char* name;
    const char* label;
    const char* caption;
    const char* column;
    int maxLength;
    bool mandatory;
    bool upperCase;
    bool numeric;
};

// The fields, one row each; TXT_DESCPROGR sits beside TXT_PROGRAGGR.
const EditDesign fields[] = {
    {"TXT_PROGRAGGR", "Variante", "Progressivo posizione variante", "MG5G_CODICEVAR_MG5F", 2, true, false, true},
    {"TXT_CODRAGGR", "Codice", "Codice raggruppamento", "MG5G_CODRAGGVAR", 25, true, true, false},
    {"TXT_DESRAGGR", "Descrizione", "Descrizione raggruppamento", "MG5G_DESCRRAGGVAR", 36, true, true, false},
};

const GridColumn gridColumns[] = {
    {"MG5G_CODRAGGVAR", "Codice", 1680},
    {"MG5G_DESCRRAGGVAR", "Descrizione", 8295},
};

}  // namespace

GroupingList::GroupingList(FRMMG_BRONDEL& form) : ConsoleSection(form, 1), frame_(addFrame("DTS_Raggruppamenti")) {}

GroupingList::~GroupingList() = default;

void GroupingList::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, int(std::size(fields)), 1, LabelWidth, FieldWidth);
    host::ControlDesign box = FRMMG_BRONDEL::design("GRB_RAGGRUPP", ControlKind::GroupBox, layout.fieldBox(), panel, 0);
    box.caption = QStringLiteral("Raggruppamento");
    const auto group = form().createControl<host::GroupBox>(box);
    for (int row = 0; row < int(std::size(fields)); ++row) {
        const EditDesign& field = fields[row];
        host::ControlDesign label =
            FRMMG_BRONDEL::design(QStringLiteral("LBL_") + QString::fromLatin1(field.name).mid(4), ControlKind::Label,
                                  layout.label(row), group);
        label.caption = QString::fromLatin1(field.label);
        form().createControl<host::Label>(label);
        host::Geometry at = layout.field(row);
        if (row == 0)
            at.width = RankWidth;
        else if (row == 1)
            at.width = CodeWidth;
        host::ControlDesign edit = FRMMG_BRONDEL::design(QString::fromLatin1(field.name), ControlKind::Edit, at, group);
        edit.caption = QString::fromLatin1(field.caption);
        edit.boundColumn = QString::fromLatin1(field.column);
        edit.maxLength = field.maxLength;
        edit.mandatory = field.mandatory;
        edit.upperCase = field.upperCase;
        edit.numeric = field.numeric;
        edit.enabled = row == 0;
        form().createControl<host::Edit>(edit);
    }
    const host::Geometry rank = layout.field(0);
    host::ControlDesign description = FRMMG_BRONDEL::design("TXT_DESCPROGR", ControlKind::Edit,
                                                            {rank.left + RankWidth + FormLayout::Margin, rank.top,
                                                             rank.width - RankWidth - FormLayout::Margin, rank.height},
                                                            group);
    description.caption = QStringLiteral("Descrizione variante");
    description.maxLength = 40;
    description.enabled = false;
    form().createControl<host::Edit>(description);

    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_RAGGRUP", ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_RAGGRUP", ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void GroupingList::connectControls() {
    const auto edit = [this](const char* name) { return control<host::Edit>(QString::fromLatin1(name)); };
    connect(control<host::Grid>("GRD_RAGGRUP")->DataFormatEXT, &GroupingList::GRD_RAGGRUP_DataFormatEXT);
    connect(control<host::GridNavigator>("GNV_RAGGRUP")->AfterButtonClick, &GroupingList::GNV_RAGGRUP_AfterButtonClick);
    connect(edit("TXT_PROGRAGGR")->StartDecode, &GroupingList::TXT_PROGRAGGR_StartDecode);
    connect(edit("TXT_PROGRAGGR")->StartLookup, &GroupingList::TXT_PROGRAGGR_StartLookup);
    connect(edit("TXT_PROGRAGGR")->Validate, &GroupingList::TXT_PROGRAGGR_Validate);
    connect(edit("TXT_PROGRAGGR")->AfterItem, &GroupingList::TXT_PROGRAGGR_AfterItem);
    connect(edit("TXT_CODRAGGR")->AfterItem, &GroupingList::TXT_CODRAGGR_AfterItem);
    connect(edit("TXT_DESRAGGR")->KeyDown, &GroupingList::TXT_DESRAGGR_KeyDown);
}

void GroupingList::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, &GroupingList::FME_RAGGRUPPAMENTI_BeforeAddNew);
    connect(frame.AfterAddNew, &GroupingList::FME_RAGGRUPPAMENTI_AfterAddNew);
    connect(frame.BeforeUpdate, &GroupingList::FME_RAGGRUPPAMENTI_BeforeUpdate);
    connect(frame.AfterUpdate, &GroupingList::FME_RAGGRUPPAMENTI_AfterUpdate);
    connect(frame.BeforeDelete, &GroupingList::FME_RAGGRUPPAMENTI_BeforeDelete);
    // The last grouping of the company gone, the composition section has nothing left to open.
    connect(frame.AfterDelete, &GroupingList::FME_RAGGRUPPAMENTI_AfterDelete);
}

void GroupingList::initGrids() { INITGRID_RAGGRUP(); }

void GroupingList::show() { MostraItemRaggruppamenti(); }

void GroupingList::releaseRecordsets() { frame_.releaseRecordset(); }

QString GroupingList::variantCode() const { return VariantCode::ProgressivoToCodice(control("TXT_PROGRAGGR")->text()); }

bool GroupingList::isAdding() const { return frame_.frame() && frame_.frame()->status() == host::frame_status::Adding; }

void GroupingList::ConfigurazioneVirtualFrameRaggrup() {
    automation::reraise("ConfigurazioneVirtualFrameRaggrup", [this] {
        const FrameDesign design{GroupingStatements::groupings(company(), variantCode()),
                                 "GRD_RAGGRUP",
                                 "GNV_RAGGRUP",
                                 {{"TXT_DESRAGGR"}, {"TXT_CODRAGGR"}},
                                 "TXT_CODRAGGR"};
        frame_.build(form(), design, [this](host::VirtualFrame& frame) { connectFrame(frame); });
        const std::shared_ptr<host::VirtualFrame> frame = frame_.required();
        const auto navigator = control<host::GridNavigator>("GNV_RAGGRUP");
        // The buttons an undecodable variant switched off come back with the frame.
        for (const QString& button : {host::navigator_button::New, host::navigator_button::Save,
                                      host::navigator_button::Undo, host::navigator_button::Delete})
            navigator->setButtonEnabled(button, true);
        // The host's toolbar follows the frame of the section shown.
        activate(frame_);
        frame->setStatus(hasCurrentRow(frame_.recordset()) ? host::frame_status::Browse : host::frame_status::Adding);
        form().AggiornaStatoNavigatore();
    });
}

void GroupingList::INITGRID_RAGGRUP() {
    automation::reraise("INITGRID_RAGGRUP", [this] {
        defineGridColumns("GRD_RAGGRUP", codeColumn, gridColumns);
        const auto grid = control<host::Grid>("GRD_RAGGRUP");
        grid->setLayoutKind(3);
        grid->applyLayout();
    });
}

void GroupingList::MostraItemRaggruppamenti() {
    automation::reraise("MostraItemRaggruppamenti", [this] {
        showPanel();
        if (frame_.frame())
            activate(frame_);
        const std::shared_ptr<host::Control> rank = control("TXT_PROGRAGGR");
        if (rank->isEnabled())
            rank->setFocus();
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeAddNew(bool&) {
    automation::runIgnoringErrors({[this] {
        const auto rank = control<host::Edit>("TXT_PROGRAGGR");
        rank->setSavedValue(rank->text());
    }});
}

void GroupingList::FME_RAGGRUPPAMENTI_AfterAddNew(bool success) {
    if (!success)
        return;
    automation::runIgnoringErrors({
        [this] { required(frame_.recordset())->setValue(QStringLiteral("MG5G_DITTA_CG18"), companyCode()); },
        [this] { required(frame_.recordset())->setValue(variantColumn, variantCode()); },
        [this] { refreshSidebar(); },
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeUpdate(bool& cancel) {
    // A code already taken is said in the user's words before the database refuses it.
    automation::reraise("FME_RAGGRUPPAMENTI_BeforeUpdate", [&] {
        if (isAdding() && !frame_.required()->checkKey())
            cancel = true;
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_AfterUpdate(bool success) {
    if (success)
        refreshSidebar();
}

void GroupingList::FME_RAGGRUPPAMENTI_AfterDelete(bool success) {
    // The last grouping of the company gone, the composition section has nothing left to open.
    if (success)
        refreshSidebar();
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeDelete(bool&) {}

void GroupingList::GNV_RAGGRUP_AfterButtonClick(bool success, const QString& caption) {
    if (!success)
        return;
    if (caption == host::navigator_button::New) {
        automation::runIgnoringErrors({
            [this] {
                const auto rank = control<host::Edit>("TXT_PROGRAGGR");
                rank->setText(automation::cstr(rank->savedValue()));
            },
            [this] { control("TXT_CODRAGGR")->setFocus(); },
        });
    } else if (caption == host::navigator_button::Save) {
        automation::runIgnoringErrors({[this] { control("GRD_RAGGRUP")->setFocus(); }});
    }
}

void GroupingList::GRD_RAGGRUP_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_RAGGRUP_DataFormatEXT", [&] {
        if (field == variantColumn) {
            QString code = automation::cstr(value);
            value = form().section<VariantConfigurator>().Decode_CODICEVAR_MG5F(code);
        }
    });
}

void GroupingList::TXT_PROGRAGGR_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_PROGRAGGR_StartDecode", [&] {
        request = decodeService()->variantDecode(variantCode());
        request.statement += GroupingStatements::variantDecodeCondition();
        if (request.fields.size() > 1)
            request.fields[1].target = control("TXT_DESCPROGR");
        request.connectionString = connectionString();
    });
}

void GroupingList::TXT_PROGRAGGR_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_PROGRAGGR_StartLookup", [&] {
        request = lookupService()->variantLookup(QString());
        request.statement = GroupingStatements::variantLookupStatement(request.statement);
        request.connectionString = connectionString();
        control<host::Edit>("TXT_PROGRAGGR")->setLookupKey(request.layoutKey);
    });
}

void GroupingList::TXT_PROGRAGGR_Validate(bool&) {
    automation::reraise("TXT_PROGRAGGR_Validate", [this] {
        setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, control<host::Edit>("TXT_PROGRAGGR")->decodeFound());
    });
}

void GroupingList::TXT_PROGRAGGR_AfterItem(bool&) {
    automation::reraise("TXT_PROGRAGGR_AfterItem", [this] {
        const auto rank = control<host::Edit>("TXT_PROGRAGGR");
        const auto navigator = control<host::GridNavigator>("GNV_RAGGRUP");
        if (rank->decodeFound() && !rank->text().isEmpty()) {
            setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, true);
            navigator->setEnabled(false);
            ConfigurazioneVirtualFrameRaggrup();
            navigator->setEnabled(true);
            focusIfEnabled("GRD_RAGGRUP");
            return;
        }
        setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, false);
        control("TXT_CODRAGGR")->setText(QString());
        control("TXT_DESRAGGR")->setText(QString());
        frame_.release(form());
        for (const QString& button : {host::navigator_button::New, host::navigator_button::Save,
                                      host::navigator_button::Undo, host::navigator_button::Delete})
            navigator->setButtonEnabled(button, false);
        control<host::Grid>("GRD_RAGGRUP")->setDataSource(nullptr);
    });
}

void GroupingList::TXT_CODRAGGR_AfterItem(bool& cancel) {
    automation::reraise("TXT_CODRAGGR_AfterItem", [&] {
        if (!isAdding())
            return;
        const std::shared_ptr<host::Control> code = control("TXT_CODRAGGR");
        if (code->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation, formCaption());
            cancel = true;
            code->setFocus();
            return;
        }
        if (!control("TXT_PROGRAGGR")->text().isEmpty() && !code->text().isEmpty())
            frame_.required()->save(true, true);
    });
}

void GroupingList::TXT_DESRAGGR_KeyDown(int& keyCode, int) {
    automation::reraise("TXT_DESRAGGR_KeyDown", [&] {
        if (keyCode != host::key::Return)
            return;
        keyCode = 0;
        const auto navigator = control<host::GridNavigator>("GNV_RAGGRUP");
        if (isAdding())
            navigator->pressButton(host::navigator_button::New);
        else if (!navigator->hasPendingEdit())
            navigator->pressButton(host::navigator_button::New);
        else if (navigator->isButtonAvailable(host::navigator_button::Save))
            navigator->pressButton(host::navigator_button::Save);
        else
            navigator->setFocus();
    });
}

}  // namespace brondel
