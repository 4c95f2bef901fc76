#include "mandatory_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"

namespace console_test {

void MandatoryTest::openSection(const char* item, bool demo, const QStringList& setup) {
    openHost(demo);
    for (const QString& statement : setup)
        execute(statement);
    console->setCaption(QStringLiteral("Console parametri varianti"));
    console->showForm();
    ASSERT_TRUE(showAgain(item));
    seen_ = statements_.size();
}

bool MandatoryTest::showAgain(const char* item) const {
    return std::dynamic_pointer_cast<suite::SidebarModel>(form().SDB_PARAMETRI)
        ->clickItem(QStringLiteral("GRPOBBVAR"), QString::fromLatin1(item));
}

QStringList MandatoryTest::exceptions() const {
    const auto rows = host_->factory()
                          ->openConnection(host_->connectionString())
                          ->execute("SELECT MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, MG5J_FLGOBBLIG FROM MG5J_DOCPRGVAR "
                                    "WHERE MG5J_DITTA_CG18 = 1 ORDER BY MG5J_UOBJECT, MG5J_CODICEVAR_MG5F");
    QStringList result;
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext()) {
        result << automation::cstr(rows->value(0)) + '|' + automation::cstr(rows->value(1)) + '|' +
                      automation::cstr(rows->value(2));
    }
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

int MandatoryTest::rowOf(suite::GridModel& grid, const QString& field, const QString& value) {
    for (const host::GridRow& row : grid.rows()) {
        if (automation::cstr(row.value(field)) == value)
            return row.index;
    }
    return -1;
}

QString MandatoryTest::marked() const {
    QStringList entries;
    for (const host::MenuNode& node : tree()->nodes()) {
        if (node.marked)
            entries << automation::cstr(node.entryId);
    }
    return entries.join(',');
}

QStringList MandatoryTest::sent(const QString& prefix) {
    QStringList result;
    for (qsizetype i = seen_; i < statements_.size(); ++i) {
        if (statements_[i].startsWith(prefix))
            result << statements_[i];
    }
    seen_ = statements_.size();
    return result;
}

QStringList MandatoryTest::shown() const {
    QStringList texts;
    for (const suite::ScriptedMessages::Shown& message : host_->messages().shown())
        texts << QString::number(message.style) + ' ' + message.title + ": " + message.text;
    return texts;
}

}  // namespace console_test
