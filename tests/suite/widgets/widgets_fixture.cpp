#include "widgets_fixture.h"

#include "suite/db/suite_database.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/standard_models.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"
#include "brondel/console/host_components/recordset_factory.h"

#include <QApplication>

namespace widgets_test {

void WidgetsTest::SetUpTestSuite() {
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "widgets_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }
}

void WidgetsTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, true);
    connectionString_ = QStringLiteral("Provider=SQLite;Data Source=") + path;
    connection_ = std::make_shared<ado::Connection>();
    connection_->open(connectionString_);
    messages_ = std::make_shared<suite::ScriptedMessages>();
    lookups_ = std::make_shared<suite::ScriptedLookups>();
    factory_ = std::make_shared<suite::ModelFactory>();
    suite::installStandardModels(factory_, messages_, lookups_);
    host::ControlDesign design;
    design.kind = host::ControlKind::Form;
    design.name = QStringLiteral("FRM_PROVA");
    design.caption = QStringLiteral("Prova");
    design.geometry = {0, 0, 9000, 6000};
    form_ = std::dynamic_pointer_cast<suite::FormModel>(factory_->createControl(design));
    hub_ = std::make_unique<suite::ViewHub>();
    hub_->setErrorReporter([this](const automation::Error& error) { failures_ << error.description(); });
    formView_ = new suite::FormView(*hub_, form_, views_);
    formView_->show();
}

void WidgetsTest::TearDown() {
    delete formView_;
    hub_.reset();
}

std::shared_ptr<ado::Recordset> WidgetsTest::open(const QString& statement) {
    const std::shared_ptr<ado::Recordset> recordset = factory_->recordsetFactory()->createRecordset();
    recordset->open(statement, connection_);
    return recordset;
}

}  // namespace widgets_test
