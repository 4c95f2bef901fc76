#include "options_fixture.h"

#include "suite/db/suite_file.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/virtual_frame.h"
#include "brondel/console/section_frame.h"

namespace console_test {

void OptionsTest::TearDown() {
    if (console && console->form() && frame() &&
        frame()->status() != host::frame_status::Browse)
        frame()->setStatus(host::frame_status::Browse);
    ConsoleTest::TearDown();
}

std::shared_ptr<host::VirtualFrame> OptionsTest::frame() const { return sectionFrame("DTS_Opzioni").frame(); }

void OptionsTest::openSection(const QString& item, bool demo, const QStringList& setup) {
    openHost(demo);
    for (const QString& statement : setup)
        statement.startsWith(QLatin1String("CREATE TRIGGER")) ? executeSqlite(statement) : execute(statement);
    console->setCaption(QStringLiteral("Console parametri varianti"));
    console->showForm();
    ASSERT_TRUE(std::dynamic_pointer_cast<suite::SidebarModel>(form().SDB_PARAMETRI)->clickItem("GRPCONVAR", item));
    statementsSeen_ = int(statements_.size());
}

void OptionsTest::chooseVariant(const QString& position) const {
    edit("TXT_VAROPZ")->typeText(position);
    edit("TXT_VAROPZ")->leave();
}

bool OptionsTest::enter(const QString& field, const QString& text) const {
    return edit(field)->typeText(text) && edit(field)->leave();
}

int OptionsTest::rowOf(const QString& name, const QString& field, const QString& value) const {
    for (const host::GridRow& row : grid(name)->rows()) {
        if (automation::cstr(row.value(field)) == value)
            return row.index;
    }
    return -1;
}

void OptionsTest::executeSqlite(const QString& statement) const {
    suite::db::SuiteFile(dir_.filePath(QStringLiteral("suite.db")), suite::db::SuiteFile::Mode::Open).execute(statement);
}

QStringList OptionsTest::query(const QString& statement) const {
    const auto rows = host_->factory()->openConnection(host_->connectionString())->execute(statement);
    QStringList result;
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext()) {
        QStringList values;
        for (int i = 0; i < rows->fields().count(); ++i)
            values << automation::cstr(rows->value(i));
        result << values.join('|');
    }
    return result;
}

QStringList OptionsTest::shown() const {
    QStringList texts;
    for (const suite::ScriptedMessages::Shown& message : host_->messages().shown())
        texts << QString::number(message.style) + ' ' + message.title + ": " + message.text;
    return texts;
}

QStringList OptionsTest::sent() {
    const QStringList result = statements_.mid(statementsSeen_);
    statementsSeen_ = int(statements_.size());
    return result;
}

}  // namespace console_test
