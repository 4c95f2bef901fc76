#include "brondel/articles/subcode_languages.h"

#include "brondel/articles/article_statements.h"
#include "brondel/articles/article_subcodes.h"
#include "brondel/console/description_pass.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/panel.h"

namespace brondel {

namespace {

const QString descriptionColumn = QStringLiteral("TBL_DESCRIZIONE");
const QString typeColumn = QStringLiteral("TBL_PROGRART");

const GridColumn gridColumns[] = {
    {"TBL_DESCRLINGUA", "Lingua", 1005, true},
    {"TBL_PROGRART", "Articolo", 1005, true},
    {"TBL_DESCRSUBCOD", "Subcodice", 2235, true},
    {"TBL_DESCRIZIONE", "Descrizione in lingua", 7260, true},
    {"TBL_SUBCODICE", "opzione", 300, false},
    {"TBL_CODLINGUA", "codlingua", 300, false},
    {"CHIAVE", "chiave", 300, false},
};

}  // namespace

SubCodeLanguages::SubCodeLanguages(FRMMG_BRONDEL& form)
    : ArticleSection(form, 9), table_(QStringLiteral("##LINGUASUBCODART_"), &ArticleStatements::createLanguageTable) {}

SubCodeLanguages::~SubCodeLanguages() = default;

void SubCodeLanguages::createControls(const std::shared_ptr<host::Panel>& panel) {
    // Nothing but the grid: it fills the panel.
    host::Geometry geometry = FormLayout(FormLayout::FieldSide::Top, 0).grid();
    geometry.top = FormLayout::Margin;
    geometry.height = FormLayout::panel().height - 2 * FormLayout::Margin;
    const auto grid = form().createControl<host::Grid>(
        FRMMG_BRONDEL::design(QStringLiteral("GRD_LINGUASUBART"), host::ControlKind::Grid, geometry, panel));
    connect(grid->DataFormatEXT, &SubCodeLanguages::GRD_LINGUASUBART_DataFormatEXT);
    connect(grid->OnEdited, &SubCodeLanguages::GRD_LINGUASUBART_OnEdited);
}

void SubCodeLanguages::initGrids() { INITGRID_LINGUASUBART(); }

void SubCodeLanguages::show() { MostraItemLinguaSubArt(); }

void SubCodeLanguages::releaseRecordsets() { closeAndRelease(RstLinguaSubArt); }

void SubCodeLanguages::MostraItemLinguaSubArt() {
    automation::reraise("MostraItemLinguaSubArt", [this] {
        showPanel();
        LoadDescrizioniLingua_MG6I();
        form().AggiornaStatoNavigatore();
    });
}

QString SubCodeLanguages::TabellaLinguaSubCodArt() {
    return automation::reraise("TabellaLinguaSubCodArt", [this] { return workingTableName(table_); });
}

void SubCodeLanguages::LoadDescrizioniLingua_MG6I() {
    automation::reraise("LoadDescrizioniLingua_MG6I", [this] {
        const QString table = TabellaLinguaSubCodArt();
        reloadWorkingRows(
            RstLinguaSubArt, QStringLiteral("GRD_LINGUASUBART"),
            {ArticleStatements::truncateTable(table), ArticleStatements::fillLanguageTable(table, company())},
            ArticleStatements::tableRows(table));
    });
}

void SubCodeLanguages::INITGRID_LINGUASUBART() {
    automation::reraise("INITGRID_LINGUASUBART", [this] {
        defineGridColumns(QStringLiteral("GRD_LINGUASUBART"), QStringLiteral("CHIAVE"), gridColumns);
        const auto grid = control<host::Grid>("GRD_LINGUASUBART");
        grid->setColumnLevel(QStringLiteral("TBL_DESCRLINGUA"), 1);
        grid->setColumnLevel(typeColumn, 2);
        grid->setEditable(true);
        grid->setColumnEditable(descriptionColumn, 1);
        grid->applyLayout();
    });
}

void SubCodeLanguages::GRD_LINGUASUBART_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_LINGUASUBART_DataFormatEXT", [&] {
        if (field == typeColumn)
            value = form().section<ArticleSubCodes>().Carica_CBO_PROGRSUBCOD(value);
    });
}

void SubCodeLanguages::GRD_LINGUASUBART_OnEdited(const host::GridRow& row) {
    automation::reraise("GRD_LINGUASUBART_OnEdited", [&] {
        if (RstLinguaSubArt)
            RstLinguaSubArt->setValue(descriptionColumn, text(row.value(descriptionColumn)));
        SalvaDescrizioniLingua_MG6I();
        if (!isLeaving())
            control<host::Grid>("GRD_LINGUASUBART")->redraw();
    });
}

SubCodeLanguages::RowKey SubCodeLanguages::key(const ado::Recordset& row) const {
    return {text(row.value(typeColumn)), text(row.value(QStringLiteral("TBL_SUBCODICE"))),
            text(row.value(QStringLiteral("TBL_CODLINGUA")))};
}

void SubCodeLanguages::SalvaDescrizioniLingua_MG6I() {
    DescriptionWriters writers;
    writers.remove = [this](const ado::Recordset& row) {
        const RowKey at = key(row);
        execute(ArticleStatements::deleteDescription(company(), at.type, at.value, at.language));
    };
    writers.exists = [this](const ado::Recordset& row) {
        const RowKey at = key(row);
        return returnsRow(ArticleStatements::descriptionExists(company(), at.type, at.value, at.language));
    };
    writers.insert = [this](const ado::Recordset& row, const QString& description) {
        const RowKey at = key(row);
        Insert_MG6I_SUBCODARTLING(at.type, at.value, at.language, description);
    };
    writers.update = [this](const ado::Recordset& row, const QString& description) {
        const RowKey at = key(row);
        Update_MG6I_SUBCODARTLING(at.type, at.value, at.language, description);
    };
    saveDescriptions(*connection(), required(RstLinguaSubArt), descriptionColumn, writers);
}

void SubCodeLanguages::Insert_MG6I_SUBCODARTLING(const QString& type, const QString& value, const QString& language,
                                                 const QString& description) {
    automation::reraise("Insert_MG6I_SUBCODARTLING", [&] {
        execute(ArticleStatements::insertDescription(company(), type, value, language, description));
    });
}

void SubCodeLanguages::Update_MG6I_SUBCODARTLING(const QString& type, const QString& value, const QString& language,
                                                 const QString& description) {
    automation::reraise("Update_MG6I_SUBCODARTLING", [&] {
        execute(ArticleStatements::updateDescription(company(), type, value, language, description));
    });
}

}  // namespace brondel
