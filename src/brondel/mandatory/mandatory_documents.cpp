#include "brondel/mandatory/mandatory_documents.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/sql_quote.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_row.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/screen.h"

namespace brondel {

namespace {

const QString documentColumn = QStringLiteral("MG3G_CODDOCUM_MG36");

// The search row across the top of the panel, the grid below it down to the panel's bottom.
constexpr int RowTop = FormLayout::Margin;
constexpr int FieldHeight = FormLayout::RowHeight - FormLayout::Margin;
constexpr int LabelWidth = 1800;
constexpr int CodeWidth = 1800;         // 14 characters
constexpr int DescriptionWidth = 3900;  // 30 characters
constexpr int GridTop = RowTop + FormLayout::ButtonHeight + FormLayout::Margin;

host::Geometry searchRow(int left, int width, int height = FieldHeight) { return {left, RowTop, width, height}; }

}  // namespace

MandatoryByDocument::MandatoryByDocument(FRMMG_BRONDEL& form) : MandatoryVariants(form, 10) {}

std::shared_ptr<host::Grid> MandatoryByDocument::grid() const { return control<host::Grid>("GRD_OBBDOC"); }

std::shared_ptr<host::Edit> MandatoryByDocument::documentField() const { return control<host::Edit>("TXT_CODDOC"); }

void MandatoryByDocument::setMousePointer(int pointer) const {
    required(factory()->screen())->setMousePointer(pointer);
}

void MandatoryByDocument::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    int left = FormLayout::Margin;
    host::ControlDesign label =
        FRMMG_BRONDEL::design("LBL_RICDOC", ControlKind::Label, searchRow(left, LabelWidth), panel);
    label.caption = QStringLiteral("Ricerca documento");
    form().createControl<host::Label>(label);
    left += LabelWidth;

    host::ControlDesign code =
        FRMMG_BRONDEL::design("TXT_CODDOC", ControlKind::Edit, searchRow(left, CodeWidth), panel);
    code.caption = QStringLiteral("Codice documento");
    code.upperCase = true;
    code.maxLength = 14;
    form().createControl<host::Edit>(code);
    left += CodeWidth + FormLayout::Margin;

    host::ControlDesign description =
        FRMMG_BRONDEL::design("TXT_DESCRDOC", ControlKind::Edit, searchRow(left, DescriptionWidth), panel);
    description.maxLength = 30;
    description.enabled = false;
    form().createControl<host::Edit>(description);
    left += DescriptionWidth + FormLayout::Margin;

    host::ControlDesign search = FRMMG_BRONDEL::design(
        "BTN_RICERCADOC", ControlKind::Button, searchRow(left, FormLayout::ButtonWidth, FormLayout::RowHeight), panel);
    search.geometry.top -= FormLayout::Margin / 2;
    search.caption = QStringLiteral("Cerca");
    form().createControl<host::Button>(search);

    const host::Geometry area = FormLayout::panel();
    form().createControl<host::Grid>(
        FRMMG_BRONDEL::design("GRD_OBBDOC", ControlKind::Grid, {0, GridTop, area.width, area.height - GridTop}, panel));

    connect(grid()->SelectionBoxClick, &MandatoryByDocument::GRD_OBBDOC_SelectionBoxClick);
    connect(grid()->SelectAllClickEXT, &MandatoryByDocument::GRD_OBBDOC_SelectAllClickEXT);
    connect(documentField()->StartLookup, &MandatoryByDocument::TXT_CODDOC_StartLookup);
    connect(documentField()->StartDecode, &MandatoryByDocument::TXT_CODDOC_StartDecode);
    connect(documentField()->KeyDown, &MandatoryByDocument::TXT_CODDOC_KeyDown);
    connect(control<host::Button>("BTN_RICERCADOC")->Click, &MandatoryByDocument::BTN_RICERCADOC_Click);
}

void MandatoryByDocument::show() { MostraItemObbDoc(); }

void MandatoryByDocument::releaseRecordsets() { closeAndRelease(RstObbDoc); }

void MandatoryByDocument::MostraItemObbDoc() {
    showPanel();
    Load_RstObbDoc(true);
    focusIfEnabled(QStringLiteral("GRD_OBBDOC"));
    form().AggiornaStatoNavigatore();
}

void MandatoryByDocument::Load_RstObbDoc(bool initGrid) {
    automation::reraise("Load_RstObbDoc", [&] {
        RstObbDoc = loadWorkingTable(MandatoryStatements::Pivot::Documents);
        if (initGrid)
            INITGRID_OBBDOC();
        grid()->setDataSource(RstObbDoc);
    });
}

void MandatoryByDocument::INITGRID_OBBDOC() {
    automation::reraise("INITGRID_OBBDOC", [this] {
        const std::shared_ptr<ado::Recordset> rows = required(RstObbDoc);
        SpuntaColonne = QList<QVariant>(qMax(0, rows->fields().count() - 1));
        defineVariantColumns(*grid(), *rows, documentColumn, QStringLiteral("Codice Documento"),
                             [this](const QString& field, int index) {
                                 bool checked = false;
                                 DefaultSpuntaColonne(field, index, checked);
                                 return checked;
                             });
        SettingHeaderCheck = false;
    });
}

void MandatoryByDocument::DefaultSpuntaColonne(const QString& code, int index, bool& result) {
    automation::reraise("DefaultSpuntaColonne", [&] {
        const std::shared_ptr<ado::Recordset> rows = required(RstObbDoc)->clone();
        const qint64 all = rows->recordCount();
        rows->setFilter(QStringLiteral("[") + code + QStringLiteral("]") + QStringLiteral(" = 1 "));
        result = rows->recordCount() == all;
        SpuntaColonne[index] = result ? 1 : 0;
    });
}

void MandatoryByDocument::GRD_OBBDOC_SelectionBoxClick(const host::GridRow&, const QString& column,
                                                       const QVariant& value) {
    automation::reraise("GRD_OBBDOC_SelectionBoxClick", [&] {
        const QString before = automation::cstr(value);
        if (before == QLatin1String("1")) {
            SettingHeaderCheck = true;
            grid()->setSelectAllChecked(column, false);
            SettingHeaderCheck = false;
        }
        SalvataggioDB_MG5J(column, automation::cstr(required(RstObbDoc)->value(documentColumn)),
                           before == QLatin1String("0") ? 1 : 0);
    });
}

void MandatoryByDocument::GRD_OBBDOC_SelectAllClickEXT(const QString& column, int state) {
    automation::reraise("GRD_OBBDOC_SelectAllClickEXT", [&] {
        if (SettingHeaderCheck)
            return;
        setMousePointer(host::mouse_pointer::Hourglass);
        grid()->setDataSource(nullptr);
        try {
            writeColumn(column, state);
        } catch (...) {
            // Nothing was written: the box and the rows show the database as it is.
            SettingHeaderCheck = true;
            grid()->setSelectAllChecked(column, state == 0);
            SettingHeaderCheck = false;
            automation::runIgnoringErrors({[this] { Load_RstObbDoc(false); }});
            setMousePointer(host::mouse_pointer::Default);
            throw;
        }
        if (RstObbDoc->isOpen())
            RstObbDoc->close();
        grid()->setDataSource(nullptr);
        Load_RstObbDoc(false);
        setMousePointer(host::mouse_pointer::Default);
    });
}

void MandatoryByDocument::writeColumn(const QString& column, int state) {
    const std::shared_ptr<ado::Connection> database = connection();
    const std::shared_ptr<ado::Recordset> rows = required(RstObbDoc);
    database->runAllOrNothing([&] {
        for (rows->moveFirst(); !rows->isEof(); rows->moveNext()) {
            const QString document = automation::cstr(rows->value(documentColumn));
            if (state == -1) {
                database->execute(MandatoryStatements::deleteException(company(), column, document));
            } else if (state == 0) {
                const QVariant cell = rows->value(column);
                if (!automation::isNull(cell) && automation::cdbl(cell) != 0)
                    database->execute(MandatoryStatements::insertException(company(), column, document));
            }
        }
    });
}

void MandatoryByDocument::TXT_CODDOC_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_CODDOC_StartLookup", [&] {
        request = lookupService()->documentLookup(QString());
        request.connectionString = connectionString();
        documentField()->setLookupKey(request.layoutKey);
        BTN_RICERCADOC_Click();
    });
}

void MandatoryByDocument::TXT_CODDOC_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_CODDOC_StartDecode", [&] {
        const host::DecodeRequest decode = decodeService()->documentDecode(automation::cstr(documentField()->text()));
        request.statement = decode.statement;
        request.fields = decode.fields;
        // The first field is the code, the second its description.
        if (request.fields.size() > 1)
            request.fields[1].target = control(QStringLiteral("TXT_DESCRDOC"));
        request.connectionString = connectionString();
        BTN_RICERCADOC_Click();
    });
}

void MandatoryByDocument::TXT_CODDOC_KeyDown(int& keyCode, int) {
    if (keyCode == host::key::Return)
        BTN_RICERCADOC_Click();
}

void MandatoryByDocument::BTN_RICERCADOC_Click() {
    automation::reraise("BTN_RICERCADOC_Click", [this] {
        const std::shared_ptr<ado::Recordset> shown = grid()->dataSource();
        if (!shown || !shown->isOpen())
            return;
        const std::shared_ptr<ado::Recordset> found = shown->clone();
        found->setFilter(documentColumn + QStringLiteral(" = ") + automation::sqlQuoted(documentField()->text()));
        if (found->recordCount() > 0)
            shown->setBookmark(found->bookmark());
    });
}

}  // namespace brondel
