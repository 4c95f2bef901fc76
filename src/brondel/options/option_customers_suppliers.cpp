#include "brondel/options/option_customers_suppliers.h"

#include "brondel/console/description_pass.h"
#include "brondel/console/field_box.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"
#include "brondel/options/option_languages.h"
#include "brondel/options/option_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/panel.h"

#include <iterator>

namespace brondel {

namespace {

const QString descriptionColumn = QStringLiteral("TBL_DESCRIZIONE");

const GridColumn columns[] = {
    {"TBL_CODICEVAR", "Variante", 1000, true},      {"TBL_DESCROPZIONE", "Valore", 2235, true},
    {"TBL_DESCRIZIONE", "Descrizione", 7500, true}, {"TBL_OPZIONE", "opzione", 100, false},
    {"TBL_CLIFOR", "clifor", 100, false},           {"CHIAVE", "chiave", 100, false},
};

// The party's data the decode fills, in the decode's order.
const char* const partyFields[] = {"TXT_RAGSOANAG", "TXT_INDIRIZZO", "TXT_CAP",       "TXT_CITTA",
                                   "TXT_PROV",      "TXT_PARTIVA",   "TXT_CODFISCALE"};

struct FieldDesign {
    const char* name;
    const char* caption;
    int row;
    int column;
    int maxLength;
    const char* label = nullptr;  // when the caption is too long for the label column
};

// The field box: the party chosen and its data, read only.
constexpr int LabelWidth = 2300;
constexpr int FieldWidth = 2400;
const FieldDesign fields[] = {
    {"TXT_CLIFOR", "Codice", 1, 0, 8},
    {"TXT_RAGSOANAG", "Ragione sociale anagrafica", 2, 0, 80, "Ragione sociale"},
    {"TXT_INDIRIZZO", "Indirizzo", 3, 0, 60},
    {"TXT_CITTA", "Città", 4, 0, 60},
    {"TXT_CAP", "CAP", 0, 1, 10},
    {"TXT_PROV", "Provincia", 1, 1, 2},
    {"TXT_PARTIVA", "Partita IVA", 2, 1, 16},
    {"TXT_CODFISCALE", "Codice Fiscale", 3, 1, 16},
};

}  // namespace

OptionCustomersSuppliers::OptionCustomersSuppliers(FRMMG_BRONDEL& form, OptionLanguages& languages)
    : ConsoleSection(form, 4), variantTexts_(form), languages_(languages),
      table_(QStringLiteral("##CLIFOR_"), &OptionStatements::createCustomerSupplierTable) {}

void OptionCustomersSuppliers::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, 5, 2, LabelWidth, FieldWidth);
    host::ControlDesign box =
        FRMMG_BRONDEL::design("GRB_PARCLIFOR", ControlKind::GroupBox, layout.fieldBox(), panel, 0);
    box.caption = QStringLiteral("Cliente o fornitore");
    const auto group = form().createControl<host::GroupBox>(box);

    form().createControl<host::Label>(
        designWithCaption("LBL_CLIFOR", ControlKind::Label, layout.label(0), group, QStringLiteral("Tipo")));
    form().createCodedCombo(QStringLiteral("CBO_CLIFOR"), group, layout.field(0));
    // Two columns of fields, beyond what a one-column field box holds.
    for (const FieldDesign& field : fields) {
        host::ControlDesign edit =
            designWithCaption(field.name, ControlKind::Edit, layout.field(field.row, field.column), group,
                              QString::fromUtf8(field.caption));
        edit.maxLength = field.maxLength;
        const bool code = qstrcmp(field.name, "TXT_CLIFOR") == 0;
        edit.numeric = code;
        edit.enabled = code;
        form().createControl<host::Edit>(edit);
        form().createControl<host::Label>(
            designWithCaption(labelName(edit.name), ControlKind::Label, layout.label(field.row, field.column), group,
                              field.label ? QString::fromUtf8(field.label) : edit.caption));
    }
    host::Geometry grid = layout.grid();
    grid.height += FormLayout::ButtonHeight + FormLayout::Margin;  // no navigator below it
    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_CLIFORVAR", ControlKind::Grid, grid, panel));

    connect(control<host::Combo>("CBO_CLIFOR")->ChangeRow, &OptionCustomersSuppliers::CBO_CLIFOR_ChangeRow);
    const auto code = control<host::Edit>("TXT_CLIFOR");
    connect(code->StartDecode, &OptionCustomersSuppliers::TXT_CLIFOR_StartDecode);
    connect(code->StartLookup, &OptionCustomersSuppliers::TXT_CLIFOR_StartLookup);
    connect(code->ItemStarted, &OptionCustomersSuppliers::TXT_CLIFOR_ItemStarted);
    connect(code->ItemFinished, &OptionCustomersSuppliers::TXT_CLIFOR_ItemFinished);
    connect(code->AfterItem, &OptionCustomersSuppliers::TXT_CLIFOR_AfterItem);
    const auto rows = control<host::Grid>("GRD_CLIFORVAR");
    connect(rows->OnEdited, &OptionCustomersSuppliers::GRD_CLIFORVAR_OnEdited);
    connect(rows->DataFormatEXT, &OptionCustomersSuppliers::GRD_CLIFORVAR_DataFormatEXT);
}

void OptionCustomersSuppliers::releaseRecordsets() { closeAndRelease(RstCliFor); }

QString OptionCustomersSuppliers::kind() const {
    return automation::cstr(control<host::Combo>("CBO_CLIFOR")->currentCode());
}

QString OptionCustomersSuppliers::customerSupplier() const { return control<host::Edit>("TXT_CLIFOR")->text(); }

void OptionCustomersSuppliers::MostraItemCliForVar() {
    showPanel();
    languages_.LoadDescrizioniLingua_MG5I();
    form().AggiornaStatoNavigatore();
}

void OptionCustomersSuppliers::CBO_CLIFOR_ChangeRow() {
    TipoCliFor = automation::cint(control<host::Combo>("CBO_CLIFOR")->currentCode());
    control<host::Edit>("TXT_CLIFOR")->setText(QString());
    control<host::Grid>("GRD_CLIFORVAR")->setDataSource(nullptr);
}

void OptionCustomersSuppliers::TXT_CLIFOR_StartDecode(host::DecodeRequest& request) {
    automation::runIgnoringErrors({[&] {
        QList<std::shared_ptr<host::Control>> targets;
        for (const char* field : partyFields)
            targets << control(QString::fromLatin1(field));
        const QVariant code = required(factory()->functionLibrary())->toNumber(customerSupplier());
        request = customerSupplierDecodeService()->customerSupplierDecode(targets, TipoCliFor, code);
        request.connectionString = connectionString();
    }});
}

void OptionCustomersSuppliers::TXT_CLIFOR_StartLookup(host::LookupRequest& request) {
    automation::runIgnoringErrors({[&] {
        request = customerSupplierLookupService()->customerSupplierLookup(TipoCliFor, QString());
        request.connectionString = connectionString();
        control<host::Edit>("TXT_CLIFOR")->setLookupKey(request.layoutKey);
    }});
}

void OptionCustomersSuppliers::TXT_CLIFOR_ItemStarted() { CliForOccupato = true; }

void OptionCustomersSuppliers::TXT_CLIFOR_ItemFinished() { CliForOccupato = false; }

void OptionCustomersSuppliers::TXT_CLIFOR_AfterItem(bool&) {
    automation::reraise("TXT_CLIFOR_AfterItem", [this] {
        const auto code = control<host::Edit>("TXT_CLIFOR");
        if (code->decodeFound() && !code->text().isEmpty())
            LoadDescrizioniCliFor_MG5S();
        else
            control<host::Grid>("GRD_CLIFORVAR")->setDataSource(nullptr);
    });
}

QString OptionCustomersSuppliers::TabellaCliFor() {
    return automation::reraise("TabellaCliFor", [this] { return workingTableName(table_); });
}

void OptionCustomersSuppliers::LoadDescrizioniCliFor_MG5S() {
    automation::reraise("LoadDescrizioniCliFor_MG5S", [this] {
        variantTexts_.clear();
        const QString name = TabellaCliFor();
        reloadWorkingRows(RstCliFor, QStringLiteral("GRD_CLIFORVAR"),
                          {OptionStatements::truncate(name),
                           OptionStatements::fillCustomerSupplierTable(name, company(), kind(), customerSupplier())},
                          OptionStatements::workingRows(name));
    });
}

void OptionCustomersSuppliers::INITGRID_CLIFOR() {
    automation::reraise("INITGRID_CLIFOR", [this] {
        defineGridColumns(QStringLiteral("GRD_CLIFORVAR"), QStringLiteral("CHIAVE"), columns);
        // The grid takes its per-column settings once the definition is closed.
        const auto grid = control<host::Grid>("GRD_CLIFORVAR");
        grid->setColumnLevel(QStringLiteral("TBL_CODICEVAR"), 1);
        grid->setEditable(true);
        grid->setColumnEditable(descriptionColumn, 1);
        grid->applyLayout();
    });
}

void OptionCustomersSuppliers::GRD_CLIFORVAR_OnEdited(const host::GridRow& row) {
    automation::reraise("GRD_CLIFORVAR_OnEdited", [&] {
        if (form().isUnloading() || CliForOccupato || !RstCliFor)
            return;
        RstCliFor->setValue(descriptionColumn, automation::cstr(row.value(descriptionColumn)));
        SalvaDescrizioniCliFor_MG5S();
        if (RstCliFor->absolutePosition() != RstCliFor->recordCount() && !form().isSwitchingSection())
            RstCliFor->moveNext();
    });
}

void OptionCustomersSuppliers::SalvaDescrizioniCliFor_MG5S() {
    const QString company = this->company();
    const QString kind = this->kind();
    const QString party = customerSupplier();
    const auto key = [&](const ado::Recordset& row) {
        return OptionStatements::CustomerSupplierRow{
            company, automation::cstr(row.value(QStringLiteral("TBL_CODICEVAR"))),
            automation::cstr(row.value(QStringLiteral("TBL_OPZIONE"))), kind, party};
    };
    DescriptionWriters writers;
    writers.remove = [&](const ado::Recordset& row) {
        execute(OptionStatements::deleteCustomerSupplierDescription(key(row)));
    };
    writers.exists = [&](const ado::Recordset& row) {
        return returnsRow(OptionStatements::customerSupplierDescriptionExists(key(row)));
    };
    writers.insert = [&](const ado::Recordset& row, const QString& text) {
        Insert_MG5S_VARCLIFOR(key(row).code, key(row).option, text);
    };
    writers.update = [&](const ado::Recordset& row, const QString& text) {
        Update_MG5S_VARCLIFOR(key(row).code, key(row).option, text);
    };
    saveDescriptions(*connection(), required(RstCliFor), descriptionColumn, writers);
}

void OptionCustomersSuppliers::Insert_MG5S_VARCLIFOR(const QString& code, const QString& option,
                                                     const QString& description) {
    automation::reraise("Insert_MG5S_VARCLIFOR", [&] {
        execute(OptionStatements::insertCustomerSupplierDescription(
            {company(), code, option, kind(), customerSupplier()}, description));
    });
}

void OptionCustomersSuppliers::Update_MG5S_VARCLIFOR(const QString& code, const QString& option,
                                                     const QString& description) {
    automation::reraise("Update_MG5S_VARCLIFOR", [&] {
        execute(OptionStatements::updateCustomerSupplierDescription(
            {company(), code, option, kind(), customerSupplier()}, description));
    });
}

void OptionCustomersSuppliers::GRD_CLIFORVAR_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_CLIFORVAR_DataFormatEXT", [&] { variantTexts_.format(value, field); });
}

}  // namespace brondel
