// OptionsSection: the frame, grid and navigator of a variant's options, the variant and option fields, the
// delete of an option with everything that depends on it.
#include "brondel/options/options_section.h"

#include "brondel/console/field_box.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/options/option_statements.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_configurator.h"
#include "brondel/variants/variant_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/event_loop.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <iterator>

namespace brondel {

using automation::ifElse;

namespace {

const QString companyColumn = QStringLiteral("MG5E_DITTA_CG18");
const QString codeColumn = QStringLiteral("MG5E_CODICEVAR_MG5F");
const QString optionColumn = QStringLiteral("MG5E_OPZIONE");
const char* const navigatorButtons[] = {"Nuovo", "Conferma", "Annulla", "Elimina"};

const QString apostropheRefused = QStringLiteral("Il valore di variante non può contenere il carattere (').");
const QString deleteQuestion = QStringLiteral(
    "L'operazione comporterà la cancellazione di descrizioni lingua, raggruppamenti e descrizioni clienti/fornitori. "
    "Continuare?");
const QString optionInUse =
    QStringLiteral("L'opzione di variante risulta utilizzata, impossibile effettuare la cancellazione");

QString tooLong(qint16 maximum) {
    return QStringLiteral("Il numero massimo di carattere consentito per il valore di variante è ") +
           QString::number(maximum) + QStringLiteral("  , inserimento impossibile!");
}

// The field box, one row per field.
constexpr int LabelWidth = 3100;
constexpr int FieldWidth = 6200;
const EditDesign edits[] = {
    {"TXT_VAROPZ", "Progressivo posizione variante", "MG5E_CODICEVAR_MG5F", 2, 800, true, false, true},
    {"TXT_DESVAROPZ", "Descrizione variante", "", 40, 4200, false, false, false, false},
    {"TXT_OPZIONE", "Codice Elemento", "MG5E_OPZIONE", 20, 2700, false, false, true, false},
    {"TXT_DESOPZ", "Descrizione codice elemento", "MG5E_DESCR", 160, FieldWidth, false, false, true, false},
};
const FieldRow fieldRows[] = {
    {FieldRow::Kind::Edit, "TXT_VAROPZ"},
    {FieldRow::Kind::Edit, "TXT_DESVAROPZ"},
    {FieldRow::Kind::Edit, "TXT_OPZIONE"},
    {FieldRow::Kind::Edit, "TXT_DESOPZ"},
};

const GridColumn gridColumns[] = {
    {"MG5E_OPZIONE", "Valore", 2175},
    {"MG5E_DESCR", "Descrizione", 7800},
};

}  // namespace

OptionsSection::OptionsSection(FRMMG_BRONDEL& form) : ConsoleSection(form, 2), frame_(addFrame("DTS_Opzioni")) {}

void OptionsSection::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, int(std::size(fieldRows)), 1, LabelWidth, FieldWidth);
    host::ControlDesign group =
        FRMMG_BRONDEL::design("GRB_OPZIONI", ControlKind::GroupBox, layout.fieldBox(), panel, 0);
    group.caption = QStringLiteral("Opzioni della variante");
    const auto box = form().createControl<host::GroupBox>(group);
    createFieldRows(form(), box, layout, {fieldRows, edits, {}});
    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_OPZIONI", ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_OPZIONI", ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void OptionsSection::connectControls() {
    const auto grid = control<host::Grid>("GRD_OPZIONI");
    connect(grid->DataFormatEXT, &OptionsSection::GRD_OPZIONI_DataFormatEXT);
    connect(grid->KeyDown, &OptionsSection::GRD_OPZIONI_KeyDown);
    connect(control<host::GridNavigator>("GNV_OPZIONI")->AfterButtonClick,
            &OptionsSection::GNV_OPZIONI_AfterButtonClick);
    const auto variant = control<host::Edit>("TXT_VAROPZ");
    connect(variant->StartDecode, &OptionsSection::TXT_VAROPZ_StartDecode);
    connect(variant->StartLookup, &OptionsSection::TXT_VAROPZ_StartLookup);
    connect(variant->AfterItem, &OptionsSection::TXT_VAROPZ_AfterItem);
    const auto option = control<host::Edit>("TXT_OPZIONE");
    connect(option->AfterItem, &OptionsSection::TXT_OPZIONE_AfterItem);
    connect(option->StartLookup, &OptionsSection::TXT_OPZIONE_StartLookup);
    connect(control<host::Edit>("TXT_DESOPZ")->KeyDown, &OptionsSection::TXT_DESOPZ_KeyDown);
}

void OptionsSection::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, &OptionsSection::FME_OPZIONI_BeforeAddNew);
    connect(frame.AfterAddNew, &OptionsSection::FME_OPZIONI_AfterAddNew);
    connect(frame.BeforeUpdate, &OptionsSection::FME_OPZIONI_BeforeUpdate);
    connect(frame.AfterUpdate, &OptionsSection::FME_OPZIONI_AfterUpdate);
    connect(frame.BeforeDelete, &OptionsSection::FME_OPZIONI_BeforeDelete);
    connect(frame.AfterDelete, &OptionsSection::FME_OPZIONI_AfterDelete);
    connect(frame.ChangeStatus, &OptionsSection::FME_OPZIONI_ChangeStatus);
}

std::shared_ptr<ado::Recordset> OptionsSection::rows() const { return required(frame_.required()->recordset()); }

QString OptionsSection::variantCode() const {
    return VariantCode::ProgressivoToCodice(control<host::Edit>("TXT_VAROPZ")->text());
}

void OptionsSection::MostraItemOpzioniVar() {
    showPanel();
    focusIfEnabled(QStringLiteral("TXT_VAROPZ"));
}

void OptionsSection::ConfigurazioneVirtualFrameOpzioni() {
    automation::reraise("ConfigurazioneVirtualFrameOpzioni", [this] {
        const FrameDesign design{OptionStatements::frameRows(company(), variantCode()),
                                 QStringLiteral("GRD_OPZIONI"),
                                 QStringLiteral("GNV_OPZIONI"),
                                 {{QStringLiteral("TXT_OPZIONE")}, {QStringLiteral("TXT_DESOPZ")}},
                                 QStringLiteral("TXT_OPZIONE")};
        frame_.build(form(), design, [this](host::VirtualFrame& created) { connectFrame(created); });
        // Edits in the grid and the fields are written to the options' table only.
        frame_.recordset()->setProperty(QStringLiteral("Unique Table"), QStringLiteral("MG5E_OPZIONI"));
        // A variant that did not decode switched the buttons off.
        const auto navigator = control<host::GridNavigator>("GNV_OPZIONI");
        for (const char* button : navigatorButtons)
            navigator->setButtonEnabled(QString::fromLatin1(button), true);
        control<host::Grid>("GRD_OPZIONI")->refresh();
        const std::shared_ptr<host::VirtualFrame> frame = frame_.required();
        if (hasCurrentRow(frame_.recordset())) {
            frame->setStatus(host::frame_status::Browse);
            frame->positionOnCurrentRow(false);
        } else {
            frame->setStatus(host::frame_status::Adding);
        }
    });
}

void OptionsSection::INITGRID_OPZIONI() {
    automation::reraise("INITGRID_OPZIONI", [this] {
        control<host::Grid>("GRD_OPZIONI")->setLayoutKind(3);
        defineGridColumns(QStringLiteral("GRD_OPZIONI"), optionColumn, gridColumns);
        control<host::Grid>("GRD_OPZIONI")->applyLayout();
    });
}

void OptionsSection::FME_OPZIONI_BeforeAddNew(bool&) {
    automation::runIgnoringErrors({[this] {
        const auto variant = control<host::Edit>("TXT_VAROPZ");
        variant->setSavedValue(variant->text());
    }});
}

void OptionsSection::FME_OPZIONI_AfterAddNew(bool success) {
    if (!success)
        return;
    automation::runIgnoringErrors({
        [this] { rows()->setValue(companyColumn, companyCode()); },
        [this] { rows()->setValue(codeColumn, variantCode()); },
        [this] { refreshSidebar(); },
    });
}

void OptionsSection::TXT_OPZIONE_AfterItem(bool& cancel) {
    automation::reraise("TXT_OPZIONE_AfterItem", [&] {
        const auto option = control<host::Edit>("TXT_OPZIONE");
        if (option->text().contains(QLatin1Char('\''))) {
            refuse(cancel, apostropheRefused, formCaption(), QStringLiteral("TXT_OPZIONE"));
            return;
        }
        option->setText(option->text().toUpper());
        const auto variant = control<host::Edit>("TXT_VAROPZ");
        const std::shared_ptr<host::VirtualFrame> frame = frame_.frame();
        if (variant->text().isEmpty() || option->text().isEmpty() || !frame ||
            frame->status() != host::frame_status::Adding)
            return;
        required(frame->recordset())
            ->setValue(variant->boundColumn(), VariantCode::ProgressivoToCodice(variant->value()));
        // The value alone makes the new option: its description is typed next, as an edit of the saved row,
        // so the description's mandatory check waits for that edit.
        frame->save(false, true);
    });
}

void OptionsSection::FME_OPZIONI_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_OPZIONI_BeforeUpdate", [&] {
        const QString code = variantCode();
        const qint16 maximum = form().section<VariantConfigurator>().MaxSizeValore(code);
        const auto option = control<host::Edit>("TXT_OPZIONE");
        const std::shared_ptr<host::VirtualFrame> frame = frame_.required();
        const bool adding = frame->status() == host::frame_status::Adding;
        if (OptionStatements::trimmed(option->text()).size() > maximum) {
            refuse(cancel, tooLong(maximum), formCaption(), QStringLiteral("TXT_OPZIONE"));
            return;
        }
        // A value confirmed without leaving its field meets the same refusal as one left.
        if (adding && option->text().contains(QLatin1Char('\''))) {
            refuse(cancel, apostropheRefused, formCaption(), QStringLiteral("TXT_OPZIONE"));
            return;
        }
        // Two options of one variant cannot share a value: the frame's own key check says so.
        if (adding && !frame->checkKey()) {
            cancel = true;
            return;
        }
        if (cancel)
            return;
        const std::shared_ptr<ado::Recordset> rows = required(frame->recordset());
        rows->setValue(companyColumn, companyCode());
        if (adding)
            rows->setValue(codeColumn, code);
    });
}

void OptionsSection::FME_OPZIONI_AfterUpdate(bool success) {
    automation::reraise("FME_OPZIONI_AfterUpdate", [&] {
        if (success)
            refreshSidebar();
    });
}

void OptionsSection::FME_OPZIONI_BeforeDelete(bool& cancel) {
    automation::reraise("FME_OPZIONI_BeforeDelete", [&] {
        const qint32 answer =
            showMessage(deleteQuestion, host::message_style::YesNo + host::message_style::Question, formCaption());
        cancel = true;
        if (answer != host::message_answer::Yes)
            return;
        const QString code = automation::cstr(rows()->value(codeColumn));
        const QString option = automation::cstr(rows()->value(optionColumn));
        control<host::Grid>("GRD_OPZIONI")->setDataSource(nullptr);
        try {
            connection()->runAllOrNothing([&] {
                using Table = OptionStatements::OptionTable;
                for (const Table table :
                     {Table::Languages, Table::Groupings, Table::CustomersSuppliers, Table::Options})
                    execute(OptionStatements::deleteOption(table, company(), code, option));
            });
        } catch (const automation::Error& error) {
            if (error.number() != automation::errors::IntegrityViolation)
                throw;
            showMessage(optionInUse, host::message_style::Exclamation, formCaption());
            return;
        }
        // The frame does not delete the row (Cancel), so it raises no AfterDelete: the rows are read again
        // here, once the delete is committed.
        FME_OPZIONI_AfterDelete(true);
    });
}

void OptionsSection::FME_OPZIONI_AfterDelete(bool) {
    const std::shared_ptr<host::VirtualFrame> frame = frame_.required();
    required(frame_.recordset())->requery();
    control<host::Grid>("GRD_OPZIONI")->setDataSource(frame_.recordset());
    frame->refresh(false);
    frame->positionOnCurrentRow(false);
}

void OptionsSection::FME_OPZIONI_ChangeStatus(qint16, qint32) {}

void OptionsSection::GNV_OPZIONI_AfterButtonClick(bool success, const QString& caption) {
    if (!success)
        return;
    if (caption == QLatin1String("Nuovo")) {
        automation::runIgnoringErrors({
            [this] {
                const auto variant = control<host::Edit>("TXT_VAROPZ");
                variant->setText(automation::cstr(variant->savedValue()));
            },
            [this] { control<host::Edit>("TXT_OPZIONE")->setFocus(); },
        });
    } else if (caption == QLatin1String("Conferma")) {
        automation::runIgnoringErrors({[this] { control<host::Grid>("GRD_OPZIONI")->setFocus(); }});
    }
}

void OptionsSection::GRD_OPZIONI_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_OPZIONI_DataFormatEXT", [&] {
        if (field != codeColumn)
            return;
        QString code = automation::cstr(value);
        value = form().section<VariantConfigurator>().Decode_CODICEVAR_MG5F(code);
    });
}

void OptionsSection::GRD_OPZIONI_KeyDown(int& keyCode, int) {
    if (keyCode != host::key::Return)
        return;
    keyCode = 0;
    automation::runIgnoringErrors({
        [this] { required(factory()->eventLoop())->processEvents(); },
        [this] {
            const auto variant = control<host::Edit>("TXT_VAROPZ");
            if (variant->isEnabled())
                variant->setFocus();
            else
                control<host::Edit>("TXT_OPZIONE")->setFocus();
        },
    });
}

void OptionsSection::TXT_VAROPZ_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_VAROPZ_StartDecode", [&] {
        request = decodeService()->variantDecode(variantCode());
        request.statement = OptionStatements::variantDecode(request.statement);
        for (host::DecodeField& field : request.fields) {
            if (field.column == QLatin1String("MG5F_DESCR_VAR"))
                field.target = control(QStringLiteral("TXT_DESVAROPZ"));
        }
        request.connectionString = connectionString();
    });
}

void OptionsSection::TXT_VAROPZ_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_VAROPZ_StartLookup", [&] {
        request = lookupService()->variantLookup(QString());
        request.statement = OptionStatements::variantLookup(request.statement);
        request.connectionString = connectionString();
        control<host::Edit>("TXT_VAROPZ")->setLookupKey(request.layoutKey);
    });
}

void OptionsSection::TXT_VAROPZ_AfterItem(bool&) {
    automation::reraise("TXT_VAROPZ_AfterItem", [&] {
        const auto variant = control<host::Edit>("TXT_VAROPZ");
        const auto option = control<host::Edit>("TXT_OPZIONE");
        const auto description = control<host::Edit>("TXT_DESOPZ");
        const auto navigator = control<host::GridNavigator>("GNV_OPZIONI");
        const auto grid = control<host::Grid>("GRD_OPZIONI");
        if (variant->decodeFound() && !variant->text().isEmpty()) {
            option->setEnabled(true);
            description->setEnabled(true);
            navigator->setEnabled(false);
            ConfigurazioneVirtualFrameOpzioni();
            navigator->setEnabled(true);
            if (grid->canTakeFocus())
                grid->setFocus();
            return;
        }
        option->setEnabled(false);
        description->setEnabled(false);
        option->setText(QString());
        description->setText(QString());
        frame_.release(form());
        for (const char* button : navigatorButtons)
            navigator->setButtonEnabled(QString::fromLatin1(button), false);
        grid->setDataSource(nullptr);
    });
}

void OptionsSection::TXT_OPZIONE_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_OPZIONE_StartLookup", [&] {
        const std::shared_ptr<ado::Recordset> current = frame_.frame() ? frame_.frame()->recordset() : nullptr;
        const QString code = hasCurrentRow(current) ? automation::cstr(current->value(codeColumn)) : variantCode();
        request.statement = VariantStatements::defaultValueLookup(company(), code);
        request.fields = QStringList{optionColumn, QStringLiteral("MG5E_DESCR")};
        request.headers = {QStringList{QStringLiteral("Variante"), QString()},
                           QStringList{QStringLiteral("Descrizione"), QString()}};
        request.title = translate(QStringLiteral("Elenco varianti"));
        request.connectionString = connectionString();
        control<host::Edit>("TXT_OPZIONE")->setLookupKey(QStringLiteral("lkp_variante") + code);
    });
}

void OptionsSection::TXT_DESOPZ_KeyDown(int& keyCode, int) {
    if (keyCode != host::key::Return)
        return;
    keyCode = 0;
    const auto navigator = [this] { return control<host::GridNavigator>("GNV_OPZIONI"); };
    automation::runSteps(
        "TXT_DESOPZ_KeyDown", errorBox(),
        {ifElse([this] { return frame_.required()->status() == host::frame_status::Adding; },
                {[navigator] { navigator()->pressButton(QStringLiteral("Nuovo")); }},
                {ifElse([navigator] { return navigator()->hasPendingEdit(); },
                        {ifElse([navigator] { return navigator()->isButtonAvailable(QStringLiteral("Conferma")); },
                                {[navigator] { navigator()->pressButton(QStringLiteral("Conferma")); }},
                                {[this] { control<host::Grid>("GRD_OPZIONI")->setFocus(); }})},
                        {[navigator] { navigator()->pressButton(QStringLiteral("Nuovo")); }})})});
}

}  // namespace brondel
