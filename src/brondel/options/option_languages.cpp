#include "brondel/options/option_languages.h"

#include "brondel/console/description_pass.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"
#include "brondel/options/option_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/panel.h"

namespace brondel {

namespace {

const QString descriptionColumn = QStringLiteral("TBL_DESCRIZIONE");

const GridColumn columns[] = {
    {"TBL_DESCRLINGUA", "Lingua", 1005, true},  {"TBL_CODICEVAR", "Variante", 1005, true},
    {"TBL_DESCROPZIONE", "Valore", 2235, true}, {"TBL_DESCRIZIONE", "Descrizione in lingua", 7260, true},
    {"TBL_OPZIONE", "opzione", 300, false},     {"TBL_CODLINGUA", "codlingua", 300, false},
    {"CHIAVE", "chiave", 300, false},
};

OptionStatements::LanguageRow languageRow(const QString& company, const ado::Recordset& row) {
    return {company, automation::cstr(row.value(QStringLiteral("TBL_CODICEVAR"))),
            automation::cstr(row.value(QStringLiteral("TBL_OPZIONE"))),
            automation::cstr(row.value(QStringLiteral("TBL_CODLINGUA")))};
}

}  // namespace

OptionLanguages::OptionLanguages(FRMMG_BRONDEL& form)
    : ConsoleSection(form, 3), variantTexts_(form),
      table_(QStringLiteral("##LINGUA_"), &OptionStatements::createLanguageTable) {}

void OptionLanguages::createControls(const std::shared_ptr<host::Panel>& panel) {
    const host::Geometry whole = FormLayout::panel();
    form().createControl<host::Grid>(
        FRMMG_BRONDEL::design("GRD_LINGUA", host::ControlKind::Grid, {0, 0, whole.width, whole.height}, panel));
    const auto grid = control<host::Grid>("GRD_LINGUA");
    connect(grid->OnEdited, &OptionLanguages::GRD_LINGUA_OnEdited);
    connect(grid->DataFormatEXT, &OptionLanguages::GRD_LINGUA_DataFormatEXT);
}

void OptionLanguages::releaseRecordsets() { closeAndRelease(RstLingua); }

void OptionLanguages::MostraItemLinguaVar() {
    showPanel();
    LoadDescrizioniLingua_MG5I();
    form().AggiornaStatoNavigatore();
}

QString OptionLanguages::TabellaLingua() {
    return automation::reraise("TabellaLingua", [this] { return workingTableName(table_); });
}

void OptionLanguages::LoadDescrizioniLingua_MG5I() {
    automation::reraise("LoadDescrizioniLingua_MG5I", [this] {
        variantTexts_.clear();
        const QString name = TabellaLingua();
        reloadWorkingRows(RstLingua, QStringLiteral("GRD_LINGUA"),
                          {OptionStatements::truncate(name), OptionStatements::fillLanguageTable(name, company())},
                          OptionStatements::workingRows(name));
    });
}

void OptionLanguages::INITGRID_LINGUA() {
    automation::reraise("INITGRID_LINGUA", [this] {
        defineGridColumns(QStringLiteral("GRD_LINGUA"), QStringLiteral("CHIAVE"), columns);
        // The grid takes its per-column settings once the definition is closed.
        const auto grid = control<host::Grid>("GRD_LINGUA");
        grid->setColumnLevel(QStringLiteral("TBL_DESCRLINGUA"), 1);
        grid->setColumnLevel(QStringLiteral("TBL_CODICEVAR"), 2);
        grid->setEditable(true);
        grid->setColumnEditable(descriptionColumn, 1);
        grid->applyLayout();
    });
}

void OptionLanguages::GRD_LINGUA_OnEdited(const host::GridRow& row) {
    automation::reraise("GRD_LINGUA_OnEdited", [&] {
        if (RstLingua)
            RstLingua->setValue(descriptionColumn, automation::cstr(row.value(descriptionColumn)));
        SalvaDescrizioniLingua_MG5I();
        if (!isLeaving())
            control<host::Grid>("GRD_LINGUA")->redraw();
    });
}

void OptionLanguages::SalvaDescrizioniLingua_MG5I() {
    const QString company = this->company();
    DescriptionWriters writers;
    writers.remove = [this, &company](const ado::Recordset& row) {
        execute(OptionStatements::deleteLanguageDescription(languageRow(company, row)));
    };
    writers.exists = [this, &company](const ado::Recordset& row) {
        return returnsRow(OptionStatements::languageDescriptionExists(languageRow(company, row)));
    };
    writers.insert = [this, &company](const ado::Recordset& row, const QString& text) {
        const OptionStatements::LanguageRow key = languageRow(company, row);
        Insert_MG5I_OPZLINGUA(key.code, key.option, key.language, text);
    };
    writers.update = [this, &company](const ado::Recordset& row, const QString& text) {
        const OptionStatements::LanguageRow key = languageRow(company, row);
        Update_MG5I_OPZLINGUA(key.code, key.option, key.language, text);
    };
    saveDescriptions(*connection(), required(RstLingua), descriptionColumn, writers);
}

void OptionLanguages::Insert_MG5I_OPZLINGUA(const QString& code, const QString& option, const QString& language,
                                            const QString& description) {
    automation::reraise("Insert_MG5I_OPZLINGUA", [&] {
        execute(OptionStatements::insertLanguageDescription({company(), code, option, language}, description));
    });
}

void OptionLanguages::Update_MG5I_OPZLINGUA(const QString& code, const QString& option, const QString& language,
                                            const QString& description) {
    automation::reraise("Update_MG5I_OPZLINGUA", [&] {
        execute(OptionStatements::updateLanguageDescription({company(), code, option, language}, description));
    });
}

void OptionLanguages::GRD_LINGUA_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_LINGUA_DataFormatEXT", [&] { variantTexts_.format(value, field); });
}

}  // namespace brondel
