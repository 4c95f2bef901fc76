#include "suite/app/control_finder.h"

#include "suite/framework/model_node.h"

#include "brondel/console/host_components/control.h"

namespace suite {

namespace {

std::shared_ptr<host::Control> search(host::Control& control, const std::function<bool(const host::Control&)>& wanted) {
    ModelNode* node = nodeOf(&control);
    if (!node)
        return nullptr;
    for (const std::shared_ptr<host::Control>& child : node->children()) {
        if (wanted(*child))
            return child;
        if (std::shared_ptr<host::Control> found = search(*child, wanted))
            return found;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<host::Control> ControlFinder::find(const std::function<bool(const host::Control&)>& wanted) const {
    return search(root_, wanted);
}

std::shared_ptr<host::Control> ControlFinder::byName(const QString& name, int index) const {
    return find([&](const host::Control& control) {
        return control.name().compare(name, Qt::CaseInsensitive) == 0 && (index < 0 || control.index() == index);
    });
}

std::shared_ptr<host::Control> ControlFinder::byKind(host::ControlKind kind) const {
    return find([kind](const host::Control& control) { return control.kind() == kind; });
}

}  // namespace suite
