#include "suite/framework/host_session.h"

#include "suite/framework/function_library_model.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/company.h"
#include "brondel/console/host_components/database_info.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/translator.h"

namespace suite::session {

namespace {

std::shared_ptr<host::GlobalObject> globalOf(const std::shared_ptr<host::Cinterface>& module) {
    return module ? module->clsGlobal() : nullptr;
}

}  // namespace

QVariant companyCode(const std::shared_ptr<host::Cinterface>& module) {
    const auto global = globalOf(module);
    const auto company = global ? global->currentCompany() : nullptr;
    if (!company)
        throw automation::Error::fromNumber(automation::errors::ObjectRequired, QStringLiteral("suite"));
    return company->code();
}

QString connectionString(const std::shared_ptr<host::Cinterface>& module) {
    const auto global = globalOf(module);
    const auto database = global ? global->databaseInfo() : nullptr;
    return database ? database->connectionString() : QString();
}

QString translate(const std::shared_ptr<host::Cinterface>& module, const QString& text) {
    const auto global = globalOf(module);
    const auto translator = global ? global->translator() : nullptr;
    return translator ? translator->translate(text) : text;
}

QString sqlNumber(const QVariant& value) { return automation::cstr(FunctionLibraryModel::number(value)); }

}  // namespace suite::session
