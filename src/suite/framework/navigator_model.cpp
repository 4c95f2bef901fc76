#include "suite/framework/navigator_model.h"

#include "suite/framework/layout_object_model.h"
#include "suite/framework/script_object_model.h"

namespace suite {

void NavigatorModel::setCurrentModule(std::shared_ptr<host::Cinterface> module) {
    module_ = module;
    Changed.raise();
}

void NavigatorModel::refresh() {
    refreshes_ << status_;
    Changed.raise();
}

QVariant NavigatorModel::buildScript() {
    ++scriptBuilds_;
    std::shared_ptr<host::ScriptObjectModel> model = std::make_shared<ScriptObjectModel>();
    InitializeScriptObjectModel.raise(model);
    scriptModel_ = model;
    script_ = hostScript_;
    return true;
}

QVariant NavigatorModel::buildLayout() {
    ++layoutBuilds_;
    std::shared_ptr<host::LayoutObjectModel> model = std::make_shared<LayoutObjectModel>();
    InitializeLayoutObjectModel.raise(model);
    layout_ = model;
    return true;
}

bool NavigatorModel::requestCompanyChange() {
    bool cancel = false;
    BeforeChangeDitta.raise(cancel);
    return !cancel;
}

bool NavigatorModel::requestExportToOffice(QVariant target) {
    bool cancel = false;
    BeforeExportToOffice.raise(cancel, target);
    return !cancel;
}

}  // namespace suite
