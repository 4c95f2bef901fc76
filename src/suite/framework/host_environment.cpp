#include "suite/framework/host_environment.h"

#include "suite/framework/database_info_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/host_session.h"
#include "suite/framework/menu_entry_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/standard_models.h"
#include "suite/framework/standard_statements.h"
#include "suite/framework/status_bar_model.h"
#include "suite/framework/translator_model.h"
#include "suite/framework/user_info_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"

namespace suite {

HostEnvironment::HostEnvironment(const QString& databasePath, std::shared_ptr<ModelFactory> factory,
                                 std::shared_ptr<MessagePresenter> messages, std::shared_ptr<LookupPresenter> lookups)
    : databasePath_(databasePath), connectionString_(QStringLiteral("Provider=SQLite;Data Source=") + databasePath),
      factory_(std::move(factory)), translator_(std::make_shared<TranslatorModel>()),
      global_(std::make_shared<GlobalObjectModel>()), navigator_(std::make_shared<NavigatorModel>()),
      statusBar_(std::make_shared<StatusBarModel>()), database_(std::make_shared<ado::Connection>()) {
    database_->open(connectionString_);
    installStandardModels(factory_, std::move(messages), std::move(lookups));
    global_->setDatabaseInfo(std::make_shared<DatabaseInfoModel>(connectionString_));
    global_->setTranslator(translator_);
    global_->setCurrentUser(std::make_shared<UserInfoModel>(1, 1));
    global_->setLanguageId(1);
    global_->setFactory(factory_);
}

HostEnvironment::~HostEnvironment() = default;

std::shared_ptr<MenuEntryModel> HostEnvironment::menuEntry(const QString& program) const {
    const std::shared_ptr<ado::Recordset> rows = database_->execute(
        QStringLiteral("SELECT FW50_DESCR FROM FW50_MODMENU WHERE FW50_NOME = ") + statements::quoted(program));
    return std::make_shared<MenuEntryModel>(
        program, rows->isOpen() && !rows->isEof() ? automation::cstr(rows->value(0)) : QString());
}

std::optional<QString> HostEnvironment::companyNameOf(const QVariant& companyCode) const {
    const std::shared_ptr<ado::Recordset> rows = database_->execute(
        QStringLiteral("SELECT CG18_RAGSOC FROM CG18_DITTE WHERE CG18_CODDITTA = ") + session::sqlNumber(companyCode));
    if (!rows->isOpen() || rows->isEof())
        return std::nullopt;
    return automation::cstr(rows->value(0));
}

void HostEnvironment::attach(const std::shared_ptr<host::Cinterface>& module,
                             const std::shared_ptr<MenuEntryModel>& entry, const QString& caption) const {
    module->setClsGlobal(global_);
    module->setActiveNavigator(navigator_);
    module->setStatusBar(statusBar_);
    module->setClsVoceMenu(entry);
    module->setCaption(caption.isEmpty() ? entry->description() : caption);
    module->setActive(true);
    module->setCalled(false);
    global_->setCurrentModule(module);
    navigator_->setCurrentModule(module);
}

}  // namespace suite
