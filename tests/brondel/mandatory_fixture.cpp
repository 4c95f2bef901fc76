#include "mandatory_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"

namespace console_test {

void MandatoryTest::openSection(const char* item, bool demo, const QStringList& setup) {
    openConsole(demo, setup);
    ASSERT_TRUE(showAgain(item));
    markSent();
}

bool MandatoryTest::showAgain(const char* item) const { return clickItem("GRPOBBVAR", item); }

QStringList MandatoryTest::exceptions() const {
    QStringList result = query(
        "SELECT MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, MG5J_FLGOBBLIG FROM MG5J_DOCPRGVAR "
        "WHERE MG5J_DITTA_CG18 = 1 ORDER BY MG5J_UOBJECT, MG5J_CODICEVAR_MG5F");
    result.sort();
    return result;
}

QStringList MandatoryTest::rows(suite::GridModel& grid) {
    QStringList result;
    for (const host::GridRow& row : grid.rows()) {
        QStringList values;
        for (int i = 0; i < grid.columnCount(); ++i)
            values << automation::cstr(row.value(grid.columnField(i)));
        result << values.join('|');
    }
    return result;
}

QStringList MandatoryTest::shownColumn(suite::GridModel& grid, const QString& field) {
    QStringList result;
    for (const host::GridRow& row : grid.rows())
        result << automation::cstr(grid.displayValue(row, field));
    return result;
}

QString MandatoryTest::ticked(const suite::GridModel& grid) {
    QStringList fields;
    for (int i = 0; i < grid.columnCount(); ++i) {
        if (grid.column(i).kind == host::column_kind::Check && grid.isSelectAllChecked(grid.columnField(i)))
            fields << grid.columnField(i);
    }
    return fields.join(',');
}

QString MandatoryTest::marked() const {
    QStringList entries;
    for (const host::MenuNode& node : tree()->nodes()) {
        if (node.marked)
            entries << automation::cstr(node.entryId);
    }
    return entries.join(',');
}

}  // namespace console_test
