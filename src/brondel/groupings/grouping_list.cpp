#include "brondel/groupings/grouping_list.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"
#include "brondel/groupings/grouping_statements.h"
#include "brondel/variants/variant_code.h"

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

constexpr char sectionKey[] = "ITMRAGGRUP";
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

}  // namespace

GroupingList::GroupingList(FRMMG_BRONDEL& form) : GroupingSectionBase(form) {}

GroupingList::~GroupingList() = default;

void GroupingList::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, int(std::size(fields)), 1, LabelWidth, FieldWidth);
    host::ControlDesign box = FRMMG_BRONDEL::design("GRB_RAGGRUPP", ControlKind::GroupBox, layout.fieldBox(), panel, 0);
    box.caption = QStringLiteral("Raggruppamento");
    const auto group = form_.createControl<host::GroupBox>(box);
    for (int row = 0; row < int(std::size(fields)); ++row) {
        const EditDesign& field = fields[row];
        host::ControlDesign label = FRMMG_BRONDEL::design(QStringLiteral("LBL_") + QString::fromLatin1(field.name).mid(4),
                                                          ControlKind::Label, layout.label(row), group);
        label.caption = QString::fromLatin1(field.label);
        form_.createControl<host::Label>(label);
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
        form_.createControl<host::Edit>(edit);
    }
    const host::Geometry rank = layout.field(0);
    host::ControlDesign description =
        FRMMG_BRONDEL::design("TXT_DESCPROGR", ControlKind::Edit,
                              {rank.left + RankWidth + FormLayout::Margin, rank.top,
                               rank.width - RankWidth - FormLayout::Margin, rank.height},
                              group);
    description.caption = QStringLiteral("Descrizione variante");
    description.maxLength = 40;
    description.enabled = false;
    form_.createControl<host::Edit>(description);

    form_.createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_RAGGRUP", ControlKind::Grid, layout.grid(), panel));
    form_.createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_RAGGRUP", ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void GroupingList::connectControls() {
    const auto edit = [this](const char* name) { return form_.controlAs<host::Edit>(QString::fromLatin1(name)); };
    connect(form_.controlAs<host::Grid>("GRD_RAGGRUP")->DataFormatEXT, &GroupingList::GRD_RAGGRUP_DataFormatEXT);
    connect(form_.controlAs<host::GridNavigator>("GNV_RAGGRUP")->AfterButtonClick,
            &GroupingList::GNV_RAGGRUP_AfterButtonClick);
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
    frame.AfterDelete.connect([form = form_.weak_from_this()](bool success) {
        if (const std::shared_ptr<FRMMG_BRONDEL> alive = form.lock(); alive && success)
            alive->AggiornaStatoAbilitazioneVociSidebar();
    });
}

void GroupingList::initGrids() { INITGRID_RAGGRUP(); }

void GroupingList::show() { MostraItemRaggruppamenti(); }

void GroupingList::releaseRecordsets() {
    if (RstRaggruppamenti && RstRaggruppamenti->isOpen())
        RstRaggruppamenti->close();
    RstRaggruppamenti.reset();
}

QString GroupingList::variantCode() const {
    return VariantCode::ProgressivoToCodice(form_.control("TXT_PROGRAGGR")->text());
}

bool GroupingList::isAdding() const {
    return form_.FME_RAGGRUPPAMENTI && form_.FME_RAGGRUPPAMENTI->status() == host::frame_status::Adding;
}

void GroupingList::releaseFrame() {
    const std::shared_ptr<host::VirtualFrame> old = std::exchange(form_.FME_RAGGRUPPAMENTI, nullptr);
    if (old) {
        old->close();
        old->detach();
        const std::shared_ptr<host::Cinterface> host = form_.HostInterface;
        if (host && host->activeFrame() == old)
            host->setActiveFrame(nullptr);
    }
    releaseRecordsets();
}

void GroupingList::ConfigurazioneVirtualFrameRaggrup() {
    automation::reraise("ConfigurazioneVirtualFrameRaggrup", [this] {
        releaseFrame();
        const QString statement = GroupingStatements::groupings(company(), variantCode());
        RstRaggruppamenti = required(factory()->recordsetFactory())->createRecordset();
        RstRaggruppamenti->open(statement, required(form_.ConsoleConnection));

        const std::shared_ptr<host::VirtualFrame> frame = required(factory()->createVirtualFrame());
        form_.FME_RAGGRUPPAMENTI = frame;
        connectFrame(*frame);
        const auto navigator = form_.controlAs<host::GridNavigator>("GNV_RAGGRUP");
        frame->initialize(form_.HostInterface, form_.ConsoleConnection, RstRaggruppamenti, QVariant(statement),
                          QString(), navigator, form_.controlAs<host::Grid>("GRD_RAGGRUP"));
        frame->addControl(form_.controlAs<host::DataControl>("TXT_DESRAGGR"));
        frame->addControl(form_.controlAs<host::DataControl>("TXT_CODRAGGR"));
        frame->setKeyControl(form_.controlAs<host::DataControl>("TXT_CODRAGGR"));
        frame->setEditingEnabled(true);
        // The buttons an undecodable variant switched off come back with the frame.
        for (const QString& button : {host::navigator_button::New, host::navigator_button::Save,
                                      host::navigator_button::Undo, host::navigator_button::Delete})
            navigator->setButtonEnabled(button, true);
        // The host's toolbar follows the frame of the section shown.
        required(form_.HostInterface)->setActiveFrame(frame);
        frame->setStatus(hasRow(RstRaggruppamenti) ? host::frame_status::Browse : host::frame_status::Adding);
        form_.AggiornaStatoNavigatore();
    });
}

void GroupingList::INITGRID_RAGGRUP() {
    automation::reraise("INITGRID_RAGGRUP", [this] {
        const auto grid = form_.controlAs<host::Grid>("GRD_RAGGRUP");
        const std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
        layout->initialize(form_.HostInterface, nullptr, codeColumn, 0);
        grid->setColumnLayout(layout);
        grid->setLayoutKind(3);
        layout->addColumn(codeColumn, QStringLiteral("Codice"), host::column_kind::Text, 1680, true);
        layout->addColumn(QStringLiteral("MG5G_DESCRRAGGVAR"), QStringLiteral("Descrizione"), host::column_kind::Text,
                          8295, true);
        grid->endColumnDefinition();
        grid->applyLayout();
    });
}

void GroupingList::MostraItemRaggruppamenti() {
    automation::reraise("MostraItemRaggruppamenti", [this] {
        form_.VisualizzaUI(QString::fromLatin1(sectionKey), false);
        if (form_.FME_RAGGRUPPAMENTI)
            required(form_.HostInterface)->setActiveFrame(form_.FME_RAGGRUPPAMENTI);
        const std::shared_ptr<host::Control> rank = form_.control("TXT_PROGRAGGR");
        if (rank->isEnabled())
            rank->setFocus();
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeAddNew(bool&) {
    automation::runIgnoringErrors({[this] {
        const auto rank = form_.controlAs<host::Edit>("TXT_PROGRAGGR");
        rank->setSavedValue(rank->text());
    }});
}

void GroupingList::FME_RAGGRUPPAMENTI_AfterAddNew(bool success) {
    if (!success)
        return;
    automation::runIgnoringErrors({
        [this] { required(RstRaggruppamenti)->setValue(QStringLiteral("MG5G_DITTA_CG18"), form_.CompanyCode); },
        [this] { required(RstRaggruppamenti)->setValue(variantColumn, variantCode()); },
        [this] { form_.AggiornaStatoAbilitazioneVociSidebar(); },
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeUpdate(bool& cancel) {
    // A code already taken is said in the user's words before the database refuses it.
    automation::reraise("FME_RAGGRUPPAMENTI_BeforeUpdate", [&] {
        if (isAdding() && !form_.FME_RAGGRUPPAMENTI->checkKey())
            cancel = true;
    });
}

void GroupingList::FME_RAGGRUPPAMENTI_AfterUpdate(bool success) {
    if (success)
        form_.AggiornaStatoAbilitazioneVociSidebar();
}

void GroupingList::FME_RAGGRUPPAMENTI_BeforeDelete(bool&) {}

void GroupingList::GNV_RAGGRUP_AfterButtonClick(bool success, const QString& caption) {
    if (!success)
        return;
    if (caption == host::navigator_button::New) {
        automation::runIgnoringErrors({
            [this] {
                const auto rank = form_.controlAs<host::Edit>("TXT_PROGRAGGR");
                rank->setText(automation::cstr(rank->savedValue()));
            },
            [this] { form_.control("TXT_CODRAGGR")->setFocus(); },
        });
    } else if (caption == host::navigator_button::Save) {
        automation::runIgnoringErrors({[this] { form_.control("GRD_RAGGRUP")->setFocus(); }});
    }
}

void GroupingList::GRD_RAGGRUP_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_RAGGRUP_DataFormatEXT", [&] {
        if (field == variantColumn) {
            QString code = automation::cstr(value);
            value = form_.Decode_CODICEVAR_MG5F(code);
        }
    });
}

void GroupingList::TXT_PROGRAGGR_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_PROGRAGGR_StartDecode", [&] {
        request = required(form_.DecodeService)->variantDecode(variantCode());
        request.statement += GroupingStatements::variantDecodeCondition();
        if (request.fields.size() > 1)
            request.fields[1].target = form_.control("TXT_DESCPROGR");
        request.connectionString = form_.ConnectionString;
    });
}

void GroupingList::TXT_PROGRAGGR_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_PROGRAGGR_StartLookup", [&] {
        request = required(form_.LookupService)->variantLookup(QString());
        request.statement = GroupingStatements::variantLookupStatement(request.statement);
        request.connectionString = form_.ConnectionString;
        form_.controlAs<host::Edit>("TXT_PROGRAGGR")->setLookupKey(request.layoutKey);
    });
}

void GroupingList::TXT_PROGRAGGR_Validate(bool&) {
    automation::reraise("TXT_PROGRAGGR_Validate", [this] {
        setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, form_.controlAs<host::Edit>("TXT_PROGRAGGR")->decodeFound());
    });
}

void GroupingList::TXT_PROGRAGGR_AfterItem(bool&) {
    automation::reraise("TXT_PROGRAGGR_AfterItem", [this] {
        const auto rank = form_.controlAs<host::Edit>("TXT_PROGRAGGR");
        const auto navigator = form_.controlAs<host::GridNavigator>("GNV_RAGGRUP");
        if (rank->decodeFound() && !rank->text().isEmpty()) {
            setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, true);
            navigator->setEnabled(false);
            ConfigurazioneVirtualFrameRaggrup();
            navigator->setEnabled(true);
            focusIfPossible("GRD_RAGGRUP");
            return;
        }
        setEnabled({"TXT_CODRAGGR", "TXT_DESRAGGR"}, false);
        form_.control("TXT_CODRAGGR")->setText(QString());
        form_.control("TXT_DESRAGGR")->setText(QString());
        releaseFrame();
        for (const QString& button : {host::navigator_button::New, host::navigator_button::Save,
                                      host::navigator_button::Undo, host::navigator_button::Delete})
            navigator->setButtonEnabled(button, false);
        form_.controlAs<host::Grid>("GRD_RAGGRUP")->setDataSource(nullptr);
    });
}

void GroupingList::TXT_CODRAGGR_AfterItem(bool& cancel) {
    automation::reraise("TXT_CODRAGGR_AfterItem", [&] {
        if (!isAdding())
            return;
        const std::shared_ptr<host::Control> code = form_.control("TXT_CODRAGGR");
        if (code->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation);
            cancel = true;
            code->setFocus();
            return;
        }
        if (!form_.control("TXT_PROGRAGGR")->text().isEmpty() && !code->text().isEmpty())
            form_.FME_RAGGRUPPAMENTI->save(true, true);
    });
}

void GroupingList::TXT_DESRAGGR_KeyDown(int& keyCode, int) {
    automation::reraise("TXT_DESRAGGR_KeyDown", [&] {
        if (keyCode != host::key::Return)
            return;
        keyCode = 0;
        const auto navigator = form_.controlAs<host::GridNavigator>("GNV_RAGGRUP");
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
