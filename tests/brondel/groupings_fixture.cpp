#include "groupings_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"

namespace console_test {

void GroupingsTest::TearDown() {
    if (console && console->form() && groupingFrame() && groupingFrame()->status() != host::frame_status::Browse)
        groupingFrame()->setStatus(host::frame_status::Browse);
    VariantsTest::TearDown();
}

void GroupingsTest::openSection(const char* itemKey, const QStringList& setup) {
    openConsole(true, setup);
    ASSERT_TRUE(clickItem("GRPCONVAR", itemKey));
}

void GroupingsTest::enterVariant(const QString& rank) const {
    edit("TXT_PROGRAGGR")->typeText(rank);
    edit("TXT_PROGRAGGR")->leave();
}

void GroupingsTest::openGrouping(const QString& rank, const QString& grouping) const {
    const auto selector = combo("CBO_PROGR_RAGGR");
    for (int i = 0; i < selector->count(); ++i) {
        if (automation::cstr(selector->itemCode(i)) == rank && selector->currentIndex() != i)
            selector->pick(i);
    }
    if (!grouping.isEmpty()) {
        edit("TXT_RAGGRUPP")->typeText(grouping);
        edit("TXT_RAGGRUPP")->leave();
    }
}

void GroupingsTest::selectOption(const std::shared_ptr<suite::GridModel>& grid, const QString& option) const {
    const QString field = grid == options() ? QStringLiteral("MG5E_OPZIONE") : QStringLiteral("MG5H_OPZIONE_MG5E");
    for (const host::GridRow& row : grid->rows()) {
        if (automation::cstr(row.value(field)) == option) {
            ASSERT_TRUE(grid->selectRow(row.index));
            return;
        }
    }
    FAIL() << "no row " << option.toStdString();
}

QStringList GroupingsTest::members(const QString& variant, const QString& grouping) const {
    QStringList rows = query(QStringLiteral("SELECT MG5H_OPZIONE_MG5E, MG5H_SEQOPZIONE FROM MG5H_COMPRAGVAR WHERE "
                                            "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = '%1' AND MG5H_RAGGR_MG5G = "
                                            "'%2' ORDER BY MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E")
                                 .arg(variant, grouping));
    rows.replaceInStrings(QStringLiteral("|"), QStringLiteral(":"));
    return rows;
}

QStringList GroupingsTest::redOptions() const {
    QStringList red;
    for (const host::GridRow& row : options()->rows()) {
        if (options()->cellColor(row, QStringLiteral("MG5E_OPZIONE")) == 255)
            red << automation::cstr(row.value("MG5E_OPZIONE"));
    }
    return red;
}

}  // namespace console_test
