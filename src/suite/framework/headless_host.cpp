#include "suite/framework/headless_host.h"

#include "suite/framework/company_model.h"
#include "suite/framework/function_library_model.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"

namespace suite {

HeadlessHost::HeadlessHost(const QString& databasePath, const QVariant& companyCode, const QString& program)
    : HeadlessHost(databasePath, companyCode, program, std::make_shared<ScriptedMessages>(),
                   std::make_shared<ScriptedLookups>()) {}

HeadlessHost::HeadlessHost(const QString& databasePath, const QVariant& companyCode, const QString& program,
                           std::shared_ptr<ScriptedMessages> messages, std::shared_ptr<ScriptedLookups> lookups)
    : HostEnvironment(databasePath, std::make_shared<ModelFactory>(), messages, lookups),
      messages_(std::move(messages)), lookups_(std::move(lookups)), menuEntry_(HostEnvironment::menuEntry(program)) {
    global()->setCurrentCompany(
        std::make_shared<CompanyModel>(companyCode, companyNameOf(companyCode).value_or(QString())));
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::attach(const std::shared_ptr<host::Cinterface>& module) const {
    HostEnvironment::attach(module, menuEntry_);
}

FunctionLibraryModel& HeadlessHost::functionLibrary() const {
    return dynamic_cast<FunctionLibraryModel&>(*factory()->functionLibrary());
}

ScreenModel& HeadlessHost::screen() const { return dynamic_cast<ScreenModel&>(*factory()->screen()); }

}  // namespace suite
