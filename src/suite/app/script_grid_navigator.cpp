#include "suite/app/script_grid_navigator.h"

#include "suite/app/script_host.h"

#include "suite/framework/grid_navigator_model.h"

namespace suite {

ScriptGridNavigator::ScriptGridNavigator(ScriptHost& host, std::shared_ptr<host::Control> control)
    : ScriptControlBase(host, control), navigator_(dynamic_cast<GridNavigatorModel&>(*control)) {}

bool ScriptGridNavigator::press(const QString& caption) {
    return host().perform([&] { return navigator_.pressButton(caption); });
}

bool ScriptGridNavigator::available(const QString& caption) const { return navigator_.isButtonAvailable(caption); }

}  // namespace suite
