#include "suite/widgets/view_factory.h"

#include "suite/widgets/button_view.h"
#include "suite/widgets/check_view.h"
#include "suite/widgets/combo_view.h"
#include "suite/widgets/edit_view.h"
#include "suite/widgets/grid_navigator_view.h"
#include "suite/widgets/grid_view.h"
#include "suite/widgets/group_box_view.h"
#include "suite/widgets/label_view.h"
#include "suite/widgets/menu_tree_view.h"
#include "suite/widgets/panel_view.h"
#include "suite/widgets/sidebar_view.h"
#include "suite/widgets/tree_view_view.h"

#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/menu_tree_model.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/tree_view_model.h"

#include "brondel/console/host_components/button.h"

namespace suite {

namespace {

// A creator for views of model type Model.
template <class View, class Model>
ViewFactory::Creator typed() {
    return [](ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent) -> ViewBinding* {
        auto model = std::dynamic_pointer_cast<Model>(control);
        return model ? new View(hub, std::move(model), parent) : nullptr;
    };
}

}  // namespace

ViewFactory::ViewFactory() {
    creators_[host::ControlKind::Panel] = typed<PanelView, host::Control>();
    creators_[host::ControlKind::GroupBox] = typed<GroupBoxView, host::Control>();
    creators_[host::ControlKind::Label] = typed<LabelView, host::Control>();
    creators_[host::ControlKind::Edit] = typed<EditView, EditModel>();
    creators_[host::ControlKind::Combo] = typed<ComboView, ComboModel>();
    creators_[host::ControlKind::Check] = typed<CheckView, CheckModel>();
    creators_[host::ControlKind::Button] = typed<ButtonView, host::Button>();
    creators_[host::ControlKind::MenuButton] = typed<ButtonView, host::Button>();
    creators_[host::ControlKind::Grid] = typed<GridView, GridModel>();
    creators_[host::ControlKind::GridNavigator] = typed<GridNavigatorView, GridNavigatorModel>();
    creators_[host::ControlKind::Sidebar] = typed<SidebarView, SidebarModel>();
    creators_[host::ControlKind::TreeView] = typed<TreeViewView, TreeViewModel>();
    creators_[host::ControlKind::MenuTree] = typed<MenuTreeView, MenuTreeModel>();
}

void ViewFactory::registerView(host::ControlKind kind, Creator creator) { creators_[kind] = std::move(creator); }

ViewBinding* ViewFactory::create(ViewHub& hub, const std::shared_ptr<host::Control>& control, QWidget* parent) const {
    const auto creator = creators_.find(control->kind());
    return creator == creators_.end() ? nullptr : creator->second(hub, control, parent);
}

}  // namespace suite
