#include "suite/app/script_control_base.h"

#include "suite/app/script_control.h"
#include "suite/app/script_grid.h"
#include "suite/app/script_grid_navigator.h"
#include "suite/app/script_host.h"
#include "suite/app/script_menu_tree.h"

#include "suite/framework/model_node.h"

#include "brondel/console/host_components/control.h"

#include <QJSEngine>

namespace suite {

namespace {

QString kindName(host::ControlKind kind) {
    switch (kind) {
    case host::ControlKind::Form: return QStringLiteral("form");
    case host::ControlKind::Panel: return QStringLiteral("panel");
    case host::ControlKind::GroupBox: return QStringLiteral("groupBox");
    case host::ControlKind::Label: return QStringLiteral("label");
    case host::ControlKind::Edit: return QStringLiteral("edit");
    case host::ControlKind::Combo: return QStringLiteral("combo");
    case host::ControlKind::Check: return QStringLiteral("check");
    case host::ControlKind::Button: return QStringLiteral("button");
    case host::ControlKind::MenuButton: return QStringLiteral("menuButton");
    case host::ControlKind::Grid: return QStringLiteral("grid");
    case host::ControlKind::GridNavigator: return QStringLiteral("gridNavigator");
    case host::ControlKind::TreeView: return QStringLiteral("treeView");
    case host::ControlKind::ImageList: return QStringLiteral("imageList");
    case host::ControlKind::Sidebar: return QStringLiteral("sidebar");
    case host::ControlKind::MenuTree: return QStringLiteral("menuTree");
    case host::ControlKind::MdiHost: return QStringLiteral("mdiHost");
    case host::ControlKind::ResizeComponent: return QStringLiteral("resizeComponent");
    }
    return QString();
}

}  // namespace

ScriptControlBase::ScriptControlBase(ScriptHost& host, std::shared_ptr<host::Control> control)
    : host_(host), control_(std::move(control)) {}

QObject* ScriptControlBase::wrap(ScriptHost& host, std::shared_ptr<host::Control> control) {
    switch (control->kind()) {
    case host::ControlKind::Grid: return new ScriptGrid(host, std::move(control));
    case host::ControlKind::GridNavigator: return new ScriptGridNavigator(host, std::move(control));
    case host::ControlKind::MenuTree: return new ScriptMenuTree(host, std::move(control));
    default: return new ScriptControl(host, std::move(control));
    }
}

QString ScriptControlBase::name() const { return control_->name(); }
int ScriptControlBase::index() const { return control_->index(); }
QString ScriptControlBase::kind() const { return kindName(control_->kind()); }
QString ScriptControlBase::caption() const { return control_->caption(); }
bool ScriptControlBase::enabled() const { return control_->isEnabled(); }

bool ScriptControlBase::visible() const {
    ModelNode* node = nodeOf(control_.get());
    return node ? node->isVisibleInTree() : control_->isVisible();
}

bool ScriptControlBase::focused() const { return control_->hasFocus(); }

bool ScriptControlBase::unsupported(const QString& what) const {
    host_.engine().throwError(QJSValue::TypeError, QStringLiteral("%1 (%2) cannot %3").arg(name(), kind(), what));
    return false;
}

}  // namespace suite
