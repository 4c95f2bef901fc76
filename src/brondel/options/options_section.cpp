// OptionsSection: the frame, grid and navigator of a variant's options, the variant and option fields, the
// delete of an option with everything that depends on it.
#include "brondel/options/options_section.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"
#include "brondel/options/option_statements.h"
#include "brondel/variants/variant_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/event_loop.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_column.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

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

struct FieldDesign {
    const char* name;
    const char* caption;
    const char* column;  // empty: not bound
    int maxLength;
    int width;
    bool numeric;
    bool mandatory;
    bool enabled;
};

// The field box, one row per field.
constexpr int LabelWidth = 3100;
constexpr int FieldWidth = 6200;
const FieldDesign fields[] = {
    {"TXT_VAROPZ", "Progressivo posizione variante", "MG5E_CODICEVAR_MG5F", 2, 800, true, true, true},
    {"TXT_DESVAROPZ", "Descrizione variante", "", 40, 4200, false, false, false},
    {"TXT_OPZIONE", "Codice Elemento", "MG5E_OPZIONE", 20, 2700, false, true, false},
    {"TXT_DESOPZ", "Descrizione codice elemento", "MG5E_DESCR", 160, FieldWidth, false, true, false},
};

}  // namespace

void OptionsSection::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, int(std::size(fields)), 1, LabelWidth, FieldWidth);
    host::ControlDesign box = FRMMG_BRONDEL::design("GRB_OPZIONI", ControlKind::GroupBox, layout.fieldBox(), panel, 0);
    box.caption = QStringLiteral("Opzioni della variante");
    const auto group = form_.createControl<host::GroupBox>(box);
    for (int row = 0; row < int(std::size(fields)); ++row) {
        const FieldDesign& field = fields[row];
        host::Geometry at = layout.field(row);
        at.width = field.width;
        host::ControlDesign edit = FRMMG_BRONDEL::design(field.name, ControlKind::Edit, at, group);
        edit.caption = QString::fromUtf8(field.caption);
        edit.boundColumn = QString::fromLatin1(field.column);
        edit.maxLength = field.maxLength;
        edit.numeric = field.numeric;
        edit.mandatory = field.mandatory;
        edit.enabled = field.enabled;
        form_.createControl<host::Edit>(edit);
        host::ControlDesign label = FRMMG_BRONDEL::design(QStringLiteral("LBL_") + QString::fromLatin1(field.name).mid(4),
                                                          ControlKind::Label, layout.label(row), group);
        label.caption = edit.caption;
        form_.createControl<host::Label>(label);
    }
    form_.createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_OPZIONI", ControlKind::Grid, layout.grid(), panel));
    form_.createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_OPZIONI", ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void OptionsSection::connectControls() {
    const auto grid = control<host::Grid>("GRD_OPZIONI");
    connect(grid->DataFormatEXT, &OptionsSection::GRD_OPZIONI_DataFormatEXT);
    connect(grid->KeyDown, &OptionsSection::GRD_OPZIONI_KeyDown);
    connect(control<host::GridNavigator>("GNV_OPZIONI")->AfterButtonClick, &OptionsSection::GNV_OPZIONI_AfterButtonClick);
    const auto variant = control<host::Edit>("TXT_VAROPZ");
    connect(variant->StartDecode, &OptionsSection::TXT_VAROPZ_StartDecode);
    connect(variant->StartLookup, &OptionsSection::TXT_VAROPZ_StartLookup);
    connect(variant->AfterItem, &OptionsSection::TXT_VAROPZ_AfterItem);
    const auto option = control<host::Edit>("TXT_OPZIONE");
    connect(option->AfterItem, &OptionsSection::TXT_OPZIONE_AfterItem);
    connect(option->StartLookup, &OptionsSection::TXT_OPZIONE_StartLookup);
    connect(control<host::Edit>("TXT_DESOPZ")->KeyDown, &OptionsSection::TXT_DESOPZ_KeyDown);
}

void OptionsSection::releaseRecordsets() {
    if (RstOpzioni && RstOpzioni->isOpen())
        RstOpzioni->close();
    RstOpzioni.reset();
}

void OptionsSection::releaseFrame() {
    const std::shared_ptr<host::VirtualFrame> old = std::exchange(form_.FME_OPZIONI, nullptr);
    if (!old)
        return;
    old->close();
    old->detach();
    const std::shared_ptr<host::Cinterface> host = form_.HostInterface;
    if (host && host->activeFrame() == old)
        host->setActiveFrame(nullptr);
    releaseRecordsets();
}

QString OptionsSection::variantCode() const {
    return FRMMG_BRONDEL::ProgressivoToCodice(control<host::Edit>("TXT_VAROPZ")->text());
}

void OptionsSection::MostraItemOpzioniVar() {
    form_.VisualizzaUI(QStringLiteral("ITMOPZVAR"), false);
    const auto variant = control<host::Edit>("TXT_VAROPZ");
    if (variant->isEnabled() && variant->canTakeFocus())
        variant->setFocus();
}

void OptionsSection::ConfigurazioneVirtualFrameOpzioni() {
    automation::reraise("ConfigurazioneVirtualFrameOpzioni", [this] {
        releaseFrame();
        const QString statement = OptionStatements::frameRows(company(), variantCode());
        RstOpzioni = required(factory()->recordsetFactory())->createRecordset();
        RstOpzioni->open(statement, required(form_.ConsoleConnection));
        RstOpzioni->setProperty(QStringLiteral("Unique Table"), QStringLiteral("MG5E_OPZIONI"));

        const std::shared_ptr<host::VirtualFrame> frame = required(factory()->createVirtualFrame());
        form_.FME_OPZIONI = frame;
        connect(frame->BeforeAddNew, &OptionsSection::FME_OPZIONI_BeforeAddNew);
        connect(frame->AfterAddNew, &OptionsSection::FME_OPZIONI_AfterAddNew);
        connect(frame->BeforeUpdate, &OptionsSection::FME_OPZIONI_BeforeUpdate);
        connect(frame->AfterUpdate, &OptionsSection::FME_OPZIONI_AfterUpdate);
        connect(frame->BeforeDelete, &OptionsSection::FME_OPZIONI_BeforeDelete);
        connect(frame->AfterDelete, &OptionsSection::FME_OPZIONI_AfterDelete);
        connect(frame->ChangeStatus, &OptionsSection::FME_OPZIONI_ChangeStatus);
        const auto navigator = control<host::GridNavigator>("GNV_OPZIONI");
        // A variant that did not decode switched the buttons off.
        for (const char* button : navigatorButtons)
            navigator->setButtonEnabled(QString::fromLatin1(button), true);
        const auto grid = control<host::Grid>("GRD_OPZIONI");
        frame->initialize(form_.HostInterface, form_.ConsoleConnection, RstOpzioni, QVariant(statement), QString(),
                          navigator, grid);
        frame->addControl(control<host::DataControl>("TXT_OPZIONE"));
        frame->addControl(control<host::DataControl>("TXT_DESOPZ"));
        frame->setKeyControl(control<host::DataControl>("TXT_OPZIONE"));
        frame->setEditingEnabled(true);
        grid->refresh();
        if (hasRow(RstOpzioni)) {
            frame->setStatus(host::frame_status::Browse);
            frame->positionOnCurrentRow(false);
        } else {
            frame->setStatus(host::frame_status::Adding);
        }
    });
}

void OptionsSection::INITGRID_OPZIONI() {
    automation::reraise("INITGRID_OPZIONI", [this] {
        const auto grid = control<host::Grid>("GRD_OPZIONI");
        const std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
        layout->initialize(form_.HostInterface, nullptr, optionColumn, 0);
        grid->setColumnLayout(layout);
        grid->setLayoutKind(3);
        layout->addColumn(optionColumn, QStringLiteral("Valore"), host::column_kind::Text, 2175, true);
        layout->addColumn(QStringLiteral("MG5E_DESCR"), QStringLiteral("Descrizione"), host::column_kind::Text, 7800,
                          true);
        grid->endColumnDefinition();
        grid->applyLayout();
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
        [this] { required(required(form_.FME_OPZIONI)->recordset())->setValue(companyColumn, form_.CompanyCode); },
        [this] { required(required(form_.FME_OPZIONI)->recordset())->setValue(codeColumn, variantCode()); },
        [this] { form_.AggiornaStatoAbilitazioneVociSidebar(); },
    });
}

void OptionsSection::TXT_OPZIONE_AfterItem(bool& cancel) {
    automation::reraise("TXT_OPZIONE_AfterItem", [&] {
        const auto option = control<host::Edit>("TXT_OPZIONE");
        if (option->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation);
            cancel = true;
            option->setFocus();
            return;
        }
        option->setText(option->text().toUpper());
        const auto variant = control<host::Edit>("TXT_VAROPZ");
        const std::shared_ptr<host::VirtualFrame> frame = form_.FME_OPZIONI;
        if (variant->text().isEmpty() || option->text().isEmpty() || !frame ||
            frame->status() != host::frame_status::Adding)
            return;
        required(frame->recordset())
            ->setValue(variant->boundColumn(), FRMMG_BRONDEL::ProgressivoToCodice(variant->value()));
        // The value alone makes the new option: its description is typed next, as an edit of the saved row,
        // so the description's mandatory check waits for that edit.
        frame->save(false, true);
    });
}

void OptionsSection::FME_OPZIONI_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_OPZIONI_BeforeUpdate", [&] {
        const QString code = variantCode();
        const qint16 maximum = form_.MaxSizeValore(code);
        const auto option = control<host::Edit>("TXT_OPZIONE");
        const std::shared_ptr<host::VirtualFrame> frame = required(form_.FME_OPZIONI);
        const bool adding = frame->status() == host::frame_status::Adding;
        if (OptionStatements::trimmed(option->text()).size() > maximum) {
            showMessage(tooLong(maximum), host::message_style::Exclamation);
            cancel = true;
            option->setFocus();
            return;
        }
        // A value confirmed without leaving its field meets the same refusal as one left.
        if (adding && option->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation);
            cancel = true;
            option->setFocus();
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
        rows->setValue(companyColumn, form_.CompanyCode);
        if (adding)
            rows->setValue(codeColumn, code);
    });
}

void OptionsSection::FME_OPZIONI_AfterUpdate(bool success) {
    automation::reraise("FME_OPZIONI_AfterUpdate", [&] {
        if (success)
            form_.AggiornaStatoAbilitazioneVociSidebar();
    });
}

void OptionsSection::FME_OPZIONI_BeforeDelete(bool& cancel) {
    automation::reraise("FME_OPZIONI_BeforeDelete", [&] {
        const qint32 answer = showMessage(deleteQuestion, host::message_style::YesNo + host::message_style::Question);
        cancel = true;
        if (answer != host::message_answer::Yes)
            return;
        const std::shared_ptr<ado::Recordset> rows = required(required(form_.FME_OPZIONI)->recordset());
        const QString code = automation::cstr(rows->value(codeColumn));
        const QString option = automation::cstr(rows->value(optionColumn));
        control<host::Grid>("GRD_OPZIONI")->setDataSource(nullptr);
        const std::shared_ptr<ado::Connection> connection = required(form_.ConsoleConnection);
        connection->beginTrans();
        try {
            using Table = OptionStatements::OptionTable;
            for (const Table table : {Table::Languages, Table::Groupings, Table::CustomersSuppliers, Table::Options})
                connection->execute(OptionStatements::deleteOption(table, company(), code, option));
            connection->commitTrans();
        } catch (const automation::Error& error) {
            connection->rollbackTrans();
            if (error.number() != automation::errors::IntegrityViolation)
                throw;
            showMessage(optionInUse, host::message_style::Exclamation);
            return;
        }
        // The frame does not delete the row (Cancel), so it raises no AfterDelete: the rows are read again
        // here, once the delete is committed.
        FME_OPZIONI_AfterDelete(true);
    });
}

void OptionsSection::FME_OPZIONI_AfterDelete(bool) {
    const std::shared_ptr<host::VirtualFrame> frame = required(form_.FME_OPZIONI);
    required(RstOpzioni)->requery();
    control<host::Grid>("GRD_OPZIONI")->setDataSource(RstOpzioni);
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
        value = form_.Decode_CODICEVAR_MG5F(code);
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
        request = required(form_.DecodeService)->variantDecode(variantCode());
        request.statement = OptionStatements::variantDecode(request.statement);
        for (host::DecodeField& field : request.fields) {
            if (field.column == QLatin1String("MG5F_DESCR_VAR"))
                field.target = form_.control(QStringLiteral("TXT_DESVAROPZ"));
        }
        request.connectionString = form_.ConnectionString;
    });
}

void OptionsSection::TXT_VAROPZ_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_VAROPZ_StartLookup", [&] {
        request = required(form_.LookupService)->variantLookup(QString());
        request.statement = OptionStatements::variantLookup(request.statement);
        request.connectionString = form_.ConnectionString;
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
        releaseFrame();
        for (const char* button : navigatorButtons)
            navigator->setButtonEnabled(QString::fromLatin1(button), false);
        grid->setDataSource(nullptr);
    });
}

void OptionsSection::TXT_OPZIONE_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_OPZIONE_StartLookup", [&] {
        const std::shared_ptr<ado::Recordset> rows = form_.FME_OPZIONI ? form_.FME_OPZIONI->recordset() : nullptr;
        const QString code = rows && rows->isOpen() && !rows->isBof() && !rows->isEof()
                                 ? automation::cstr(rows->value(codeColumn))
                                 : variantCode();
        request.statement = VariantStatements::defaultValueLookup(company(), code);
        request.fields = QStringList{optionColumn, QStringLiteral("MG5E_DESCR")};
        request.headers = {QStringList{QStringLiteral("Variante"), QString()},
                           QStringList{QStringLiteral("Descrizione"), QString()}};
        request.title = translate(QStringLiteral("Elenco varianti"));
        request.connectionString = form_.ConnectionString;
        control<host::Edit>("TXT_OPZIONE")->setLookupKey(QStringLiteral("lkp_variante") + code);
    });
}

void OptionsSection::TXT_DESOPZ_KeyDown(int& keyCode, int) {
    if (keyCode != host::key::Return)
        return;
    keyCode = 0;
    const auto navigator = [this] { return control<host::GridNavigator>("GNV_OPZIONI"); };
    automation::runSteps(
        "TXT_DESOPZ_KeyDown", form_.errorBox(),
        {ifElse([this] { return required(form_.FME_OPZIONI)->status() == host::frame_status::Adding; },
                {[navigator] { navigator()->pressButton(QStringLiteral("Nuovo")); }},
                {ifElse([navigator] { return navigator()->hasPendingEdit(); },
                        {ifElse([navigator] { return navigator()->isButtonAvailable(QStringLiteral("Conferma")); },
                                {[navigator] { navigator()->pressButton(QStringLiteral("Conferma")); }},
                                {[this] { control<host::Grid>("GRD_OPZIONI")->setFocus(); }})},
                        {[navigator] { navigator()->pressButton(QStringLiteral("Nuovo")); }})})});
}

}  // namespace brondel
