#pragma once

#include "brondel/console/host_components/types.h"

#include <QString>
#include <functional>
#include <memory>

namespace host {
class Control;
}

namespace suite {

// Finds controls in a form's model tree, depth first in the order they were created.
class ControlFinder {
public:
    explicit ControlFinder(host::Control& root) : root_(root) {}

    std::shared_ptr<host::Control> find(const std::function<bool(const host::Control&)>& wanted) const;
    // By name (case ignored) and, for a member of a control array, index.
    std::shared_ptr<host::Control> byName(const QString& name, int index = -1) const;
    std::shared_ptr<host::Control> byKind(host::ControlKind kind) const;

private:
    host::Control& root_;
};

}  // namespace suite
