#include "suite/app/suite_session.h"

#include "suite/app/host_model_factory.h"

#include "suite/framework/company_model.h"
#include "suite/framework/database_info_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/host_session.h"
#include "suite/framework/menu_entry_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/standard_models.h"
#include "suite/framework/standard_statements.h"
#include "suite/framework/status_bar_model.h"
#include "suite/framework/translator_model.h"
#include "suite/framework/user_info_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/company.h"

#include <QFileInfo>

namespace suite {

namespace {

automation::Error sessionError(const QString& description) {
    return automation::Error(automation::errors::ObjectRequired, QStringLiteral("suite-host"), description);
}

}  // namespace

SuiteSession::SuiteSession(const QString& databasePath, const QVariant& companyCode, const QString& language,
                           std::shared_ptr<HostModelFactory> factory, std::shared_ptr<MessagePresenter> messages,
                           std::shared_ptr<LookupPresenter> lookups)
    : databasePath_(databasePath),
      connectionString_(QStringLiteral("Provider=SQLite;Data Source=") + databasePath),
      factory_(std::move(factory)),
      global_(std::make_shared<GlobalObjectModel>()),
      navigator_(std::make_shared<NavigatorModel>()),
      statusBar_(std::make_shared<StatusBarModel>()),
      hostScript_(std::make_shared<HostScriptModel>()),
      database_(std::make_shared<ado::Connection>()) {
    if (!QFileInfo::exists(databasePath))
        throw automation::Error(automation::errors::PathFileAccessError, QStringLiteral("suite-host"),
                                QStringLiteral("The suite database %1 does not exist").arg(databasePath));
    database_->open(connectionString_);
    installStandardModels(factory_, std::move(messages), std::move(lookups));
    factory_->traceHostConnection(connectionString_);
    global_->setDatabaseInfo(std::make_shared<DatabaseInfoModel>(connectionString_));
    global_->setTranslator(std::make_shared<TranslatorModel>());
    global_->setCurrentUser(std::make_shared<UserInfoModel>(1, 1));
    global_->setFactory(factory_);
    const std::shared_ptr<ado::Recordset> languages =
        database_->execute(QStringLiteral("SELECT MG52_CODLINGUA FROM MG52_LINGUE ORDER BY MG52_CODLINGUA"));
    int languageId = 0;
    for (int number = 1; languages->isOpen() && !languages->isEof(); languages->moveNext(), ++number) {
        if (automation::cstr(languages->value(0)).compare(language, Qt::CaseInsensitive) == 0)
            languageId = number;
    }
    if (languageId == 0)
        throw sessionError(QStringLiteral("The language %1 is not in MG52_LINGUE").arg(language));
    global_->setLanguageId(languageId);
    setCompany(companyCode);
}

SuiteSession::~SuiteSession() = default;

QString SuiteSession::firstValue(const QString& statement) const {
    const std::shared_ptr<ado::Recordset> rows = database_->execute(statement);
    return rows->isOpen() && !rows->isEof() ? automation::cstr(rows->value(0)) : QString();
}

QVariant SuiteSession::companyCode() const { return global_->currentCompany()->code(); }

QString SuiteSession::companyName() const { return global_->currentCompany()->name(); }

void SuiteSession::setCompany(const QVariant& companyCode) {
    const std::shared_ptr<ado::Recordset> rows = database_->execute(
        QStringLiteral("SELECT CG18_RAGSOC FROM CG18_DITTE WHERE CG18_CODDITTA = ") + session::sqlNumber(companyCode));
    if (!rows->isOpen() || rows->isEof())
        throw sessionError(QStringLiteral("The company %1 is not in CG18_DITTE").arg(automation::cstr(companyCode)));
    global_->setCurrentCompany(std::make_shared<CompanyModel>(companyCode, automation::cstr(rows->value(0))));
    statusBar_->setPanelText(1, QStringLiteral("Ditta %1 - %2").arg(automation::cstr(companyCode), companyName()));
}

QList<QPair<QVariant, QString>> SuiteSession::companies() const {
    QList<QPair<QVariant, QString>> result;
    const std::shared_ptr<ado::Recordset> rows = database_->execute(
        QStringLiteral("SELECT CG18_CODDITTA, CG18_RAGSOC FROM CG18_DITTE ORDER BY CG18_CODDITTA"));
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext())
        result.append({rows->value(0), automation::cstr(rows->value(1))});
    return result;
}

std::shared_ptr<MenuEntryModel> SuiteSession::menuEntry(const QString& program) const {
    return std::make_shared<MenuEntryModel>(
        program, firstValue(QStringLiteral("SELECT FW50_DESCR FROM FW50_MODMENU WHERE FW50_NOME = ") +
                            statements::quoted(program)));
}

void SuiteSession::attach(const std::shared_ptr<host::Cinterface>& module, const QString& program,
                          const QString& caption) const {
    const std::shared_ptr<MenuEntryModel> entry = menuEntry(program);
    module->setClsGlobal(global_);
    module->setActiveNavigator(navigator_);
    module->setStatusBar(statusBar_);
    module->setClsVoceMenu(entry);
    module->setCaption(caption.isEmpty() ? entry->description() : caption);
    module->setActive(true);
    global_->setCurrentModule(module);
    navigator_->setCurrentModule(module);
    navigator_->setHostScript(hostScript_);
}

}  // namespace suite
