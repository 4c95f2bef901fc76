#include "framework_fixture.h"

#include "suite/db/suite_database.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/types.h"

namespace framework_test {

QStringList ScriptedMessages::texts() const {
    QStringList result;
    for (const Shown& message : shown_)
        result << message.text;
    return result;
}

qint32 ScriptedMessages::showMessage(const QString& text, qint32 style, const QString& title, bool, qint32) {
    shown_.append({text, style, title});
    if ((style & 7) == host::message_style::Ok)
        return host::message_answer::Ok;
    if (answers_.isEmpty()) {
        ADD_FAILURE() << "question with no answer queued: " << text.toStdString();
        return host::message_answer::Cancel;
    }
    return answers_.dequeue();
}

qint32 ScriptedMessages::errorBox(const QString&, const QString&, const QString& procedure, qint32, qint32) {
    ADD_FAILURE() << "error box shown for " << procedure.toStdString();
    return host::message_answer::Abort;
}

void FrameworkTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, true);
    connectionString_ = QStringLiteral("Provider=SQLite;Data Source=") + path;
    connection_ = std::make_shared<ado::Connection>();
    connection_->open(connectionString_);
    factory_ = std::make_shared<suite::ModelFactory>();
    factory_->setMessageServiceCreator([messages = messages_] { return messages; });
    host::ControlDesign design;
    design.kind = host::ControlKind::Form;
    design.name = QStringLiteral("FRM_TEST");
    design.caption = QStringLiteral("Prova");
    form_ = std::dynamic_pointer_cast<suite::FormModel>(factory_->createControl(design));
}

std::shared_ptr<ado::Recordset> FrameworkTest::open(const QString& statement) {
    const std::shared_ptr<ado::Recordset> recordset = factory_->recordsetFactory()->createRecordset();
    recordset->open(statement, connection_);
    return recordset;
}

QStringList FrameworkTest::query(const QString& statement) {
    QStringList rows;
    const std::shared_ptr<ado::Recordset> result = connection_->execute(statement);
    if (!result->isOpen())
        return rows;
    for (; !result->isEof(); result->moveNext()) {
        QStringList values;
        for (int i = 0; i < result->fields().count(); ++i)
            values << automation::cstr(result->value(i));
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

}  // namespace framework_test
