#include "suite/framework/headless_host.h"

#include "suite/framework/company_model.h"
#include "suite/framework/host_session.h"
#include "suite/framework/standard_statements.h"
#include "suite/framework/database_info_model.h"
#include "suite/framework/function_library_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/menu_entry_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/standard_models.h"
#include "suite/framework/status_bar_model.h"
#include "suite/framework/translator_model.h"
#include "suite/framework/user_info_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/user_info.h"

namespace suite {

namespace {

// The first column of the first row of statement; empty when there is none.
QString firstValue(ado::Connection& connection, const QString& statement) {
    const std::shared_ptr<ado::Recordset> rows = connection.execute(statement);
    return rows->isOpen() && !rows->isEof() ? automation::cstr(rows->value(0)) : QString();
}

}  // namespace

HeadlessHost::HeadlessHost(const QString& databasePath, const QVariant& companyCode, const QString& program)
    : connectionString_(QStringLiteral("Provider=SQLite;Data Source=") + databasePath),
      messages_(std::make_shared<ScriptedMessages>()),
      lookups_(std::make_shared<ScriptedLookups>()),
      translator_(std::make_shared<TranslatorModel>()),
      factory_(std::make_shared<ModelFactory>()),
      global_(std::make_shared<GlobalObjectModel>()),
      navigator_(std::make_shared<NavigatorModel>()),
      statusBar_(std::make_shared<StatusBarModel>()) {
    installStandardModels(factory_, messages_, lookups_);
    ado::Connection& connection = *factory_->openConnection(connectionString_);
    menuEntry_ = std::make_shared<MenuEntryModel>(
        program, firstValue(connection, QStringLiteral("SELECT FW50_DESCR FROM FW50_MODMENU WHERE FW50_NOME = ") +
                                            statements::quoted(program)));
    global_->setDatabaseInfo(std::make_shared<DatabaseInfoModel>(connectionString_));
    global_->setCurrentCompany(std::make_shared<CompanyModel>(
        companyCode, firstValue(connection, QStringLiteral("SELECT CG18_RAGSOC FROM CG18_DITTE WHERE CG18_CODDITTA = ") +
                                                session::sqlNumber(companyCode))));
    global_->setTranslator(translator_);
    global_->setCurrentUser(std::make_shared<UserInfoModel>(1, 1));
    global_->setLanguageId(1);
    global_->setFactory(factory_);
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::attach(const std::shared_ptr<host::Cinterface>& module) const {
    module->setClsGlobal(global_);
    module->setActiveNavigator(navigator_);
    module->setStatusBar(statusBar_);
    module->setClsVoceMenu(menuEntry_);
    module->setCaption(menuEntry_->description());
    module->setActive(true);
    module->setCalled(false);
    global_->setCurrentModule(module);
    navigator_->setCurrentModule(module);
}

FunctionLibraryModel& HeadlessHost::functionLibrary() const {
    return dynamic_cast<FunctionLibraryModel&>(*factory_->functionLibrary());
}

ScreenModel& HeadlessHost::screen() const { return dynamic_cast<ScreenModel&>(*factory_->screen()); }

}  // namespace suite
