#include "services_fixture.h"

#include "suite/db/suite_database.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"

#include "ado/connection.h"

namespace services_test {

void ServicesTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, true);
    host_ = std::make_unique<suite::HeadlessHost>(path, 1);
    host_->attach(module_);
    form_ = add<suite::FormModel>(host::ControlKind::Form, QStringLiteral("FRM_TEST"), {0, 0, 12000, 9000});
}

void ServicesTest::TearDown() {
    EXPECT_EQ(host_->messages().unexpected(), QStringList());
    EXPECT_EQ(host_->lookups().pendingPicks(), 0);
    EXPECT_EQ(host_->messages().pendingAnswers(), 0);
}

QStringList ServicesTest::query(const QString& statement) const {
    return suite::ScriptedLookups::rowTexts(
        host_->factory()->openConnection(host_->connectionString())->execute(statement));
}

}  // namespace services_test
