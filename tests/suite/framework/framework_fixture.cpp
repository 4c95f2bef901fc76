#include "framework_fixture.h"

#include "suite/db/suite_database.h"
#include "suite/framework/message_service_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/types.h"

namespace framework_test {

void FrameworkTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, true);
    connectionString_ = QStringLiteral("Provider=SQLite;Data Source=") + path;
    connection_ = std::make_shared<ado::Connection>();
    connection_->open(connectionString_);
    factory_ = std::make_shared<suite::ModelFactory>();
    factory_->setMessageServiceCreator(
        [messages = messages_] { return std::make_shared<suite::MessageServiceModel>(messages); });
    host::ControlDesign design;
    design.kind = host::ControlKind::Form;
    design.name = QStringLiteral("FRM_TEST");
    design.caption = QStringLiteral("Prova");
    form_ = std::dynamic_pointer_cast<suite::FormModel>(factory_->createControl(design));
}

void FrameworkTest::TearDown() { EXPECT_EQ(messages_->unexpected(), QStringList()); }

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
