#include "suite/app/suite_session.h"

#include "suite/app/host_model_factory.h"

#include "suite/framework/company_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/status_bar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/company.h"

#include <QFileInfo>

namespace suite {

namespace {

automation::Error sessionError(const QString& description) {
    return automation::Error(automation::errors::ObjectRequired, QStringLiteral("suite-host"), description);
}

// databasePath, once it is known to exist (the host would otherwise open an empty database).
const QString& existingDatabase(const QString& databasePath) {
    if (!QFileInfo::exists(databasePath))
        throw automation::Error(automation::errors::PathFileAccessError, QStringLiteral("suite-host"),
                                QStringLiteral("The suite database %1 does not exist").arg(databasePath));
    return databasePath;
}

}  // namespace

SuiteSession::SuiteSession(const QString& databasePath, const QVariant& companyCode, const QString& language,
                           std::shared_ptr<HostModelFactory> factory, std::shared_ptr<MessagePresenter> messages,
                           std::shared_ptr<LookupPresenter> lookups)
    : HostEnvironment(existingDatabase(databasePath), factory, std::move(messages), std::move(lookups)),
      hostScript_(std::make_shared<HostScriptModel>()) {
    factory->traceHostConnection(connectionString());
    const std::shared_ptr<ado::Recordset> languages =
        database().execute(QStringLiteral("SELECT MG52_CODLINGUA FROM MG52_LINGUE ORDER BY MG52_CODLINGUA"));
    int languageId = 0;
    for (int number = 1; languages->isOpen() && !languages->isEof(); languages->moveNext(), ++number) {
        if (automation::cstr(languages->value(0)).compare(language, Qt::CaseInsensitive) == 0)
            languageId = number;
    }
    if (languageId == 0)
        throw sessionError(QStringLiteral("The language %1 is not in MG52_LINGUE").arg(language));
    global()->setLanguageId(languageId);
    setCompany(companyCode);
}

SuiteSession::~SuiteSession() = default;

QVariant SuiteSession::companyCode() const { return global()->currentCompany()->code(); }

QString SuiteSession::companyName() const { return global()->currentCompany()->name(); }

void SuiteSession::setCompany(const QVariant& companyCode) {
    const std::optional<QString> name = companyNameOf(companyCode);
    if (!name)
        throw sessionError(QStringLiteral("The company %1 is not in CG18_DITTE").arg(automation::cstr(companyCode)));
    global()->setCurrentCompany(std::make_shared<CompanyModel>(companyCode, *name));
    statusBar()->setPanelText(1, QStringLiteral("Ditta %1 - %2").arg(automation::cstr(companyCode), companyName()));
}

QList<QPair<QVariant, QString>> SuiteSession::companies() const {
    QList<QPair<QVariant, QString>> result;
    const std::shared_ptr<ado::Recordset> rows =
        database().execute(QStringLiteral("SELECT CG18_CODDITTA, CG18_RAGSOC FROM CG18_DITTE ORDER BY CG18_CODDITTA"));
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext())
        result.append({rows->value(0), automation::cstr(rows->value(1))});
    return result;
}

void SuiteSession::attach(const std::shared_ptr<host::Cinterface>& module, const QString& program,
                          const QString& caption) const {
    HostEnvironment::attach(module, menuEntry(program), caption);
    navigator()->setHostScript(hostScript_);
}

}  // namespace suite
