#include "brondel/mandatory/mandatory_variants.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/variants/variant_configurator.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/recordset_factory.h"

#include <QStringList>
#include <algorithm>

namespace brondel {

namespace {

constexpr int LayoutKind = 2;
constexpr int ObjectWidth = 3500;
constexpr int CentredSetting = 2;
constexpr int GridMargin = 210;  // the grid's frame and row selector beside its columns
// The object's column never narrower than a code or a short description, however many variants follow.
constexpr int MinimumObjectWidth = 2400;

}  // namespace

void MandatoryVariants::SalvataggioDB_MG5J(const QString& code, const QString& object, qint16 value) const {
    automation::reraise("SalvataggioDB_MG5J", [&] {
        std::shared_ptr<ado::Recordset> row = required(factory()->recordsetFactory())->createRecordset();
        row->open(MandatoryStatements::exception(company(), code, object), connection());
        if (value != 1) {
            if (!hasCurrentRow(row)) {
                row->addNew();
                row->setValue(QStringLiteral("MG5J_DITTA_CG18"), companyCode());
                row->setValue(QStringLiteral("MG5J_CODICEVAR_MG5F"), code);
                row->setValue(QStringLiteral("MG5J_UOBJECT"), object);
            }
            row->setValue(QStringLiteral("MG5J_FLGOBBLIG"), value);
            row->updateBatch(ado::Affect::Current);
        } else if (hasCurrentRow(row)) {
            row->deleteCurrent();
            row->updateBatch(ado::Affect::Current);
        }
        row.reset();
    });
}

std::shared_ptr<ado::Recordset> MandatoryVariants::loadWorkingTable(MandatoryStatements::Pivot pivot) const {
    const QString columns = automation::cstr(executeBatch(MandatoryStatements::columnList(company()))->value(0));
    const QString definitions = MandatoryStatements::columnDefinitions(columns);
    // The table is not there the first time.
    automation::runIgnoringErrors({[&] { execute(MandatoryStatements::dropWorkingTable(pivot)); }});
    execute(MandatoryStatements::createWorkingTable(pivot, definitions));
    executeBatch(MandatoryStatements::fillWorkingTable(pivot, company(), columns));
    const std::shared_ptr<ado::Recordset> rows = required(factory()->recordsetFactory())->createRecordset();
    rows->open(MandatoryStatements::workingRows(pivot), connection());
    return rows;
}

void MandatoryVariants::defineVariantColumns(host::Grid& grid, const ado::Recordset& rows, const QString& objectField,
                                             const QString& objectCaption, const SelectAllState& selectAll) const {
    std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
    grid.beginColumnDefinition();
    grid.setLayoutKind(LayoutKind);
    grid.setColumnLayout(layout);
    layout->addColumn(objectField, objectCaption, host::column_kind::Text, ObjectWidth, true);
    QStringList variants;
    int total = 0;
    for (int i = 1; i < rows.fields().count(); ++i) {
        QString field = rows.fields().item(i).name();
        const QString caption = form().section<VariantConfigurator>().Decode_CODICEVAR_MG5F(field);
        const int width = 100 * int(caption.size()) + 300;
        total += width;
        const bool checked = selectAll && selectAll(field, i - 1);
        layout->addCheckColumn(field, caption, QStringLiteral("1"), QStringLiteral("0"), checked, width, true);
        variants << field;
    }
    grid.endColumnDefinition();
    for (const QString& field : variants) {
        grid.setColumnAlignment(field, CentredSetting);
        grid.setColumnHeaderAlignment(field, CentredSetting);
    }
    grid.setColumnWidth(objectField, std::max(MinimumObjectWidth, grid.width() - total - GridMargin));
    grid.applyLayout();
    layout.reset();
}

}  // namespace brondel
