#pragma once

#include "brondel/console/host_components/types.h"

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace host {
class Control;
}

namespace suite {

class ViewBinding;
class ViewHub;

// Creates the view of a control model by its kind. The kinds of the framework's control models are
// known from the start; the others are registered. Controls without a view (an image list, the resize
// component, the MDI host control) get none.
class ViewFactory {
public:
    using Creator = std::function<ViewBinding*(ViewHub&, std::shared_ptr<host::Control>, QWidget* parent)>;

    ViewFactory();

    void registerView(host::ControlKind kind, Creator creator);
    // The view, a child widget of parent; nullptr when the kind has no view or the model is not one the
    // view knows.
    ViewBinding* create(ViewHub& hub, const std::shared_ptr<host::Control>& control, QWidget* parent) const;

private:
    std::map<host::ControlKind, Creator> creators_;
};

}  // namespace suite
