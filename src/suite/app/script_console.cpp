#include "suite/app/script_console.h"

#include "suite/app/control_finder.h"
#include "suite/app/module_window.h"
#include "suite/app/script_host.h"

#include "suite/framework/form_model.h"
#include "suite/framework/model_node.h"
#include "suite/framework/sidebar_model.h"

#include "automation/dispatch.h"

#include <QJSEngine>

namespace suite {

namespace {

bool shown(host::Control& control) {
    ModelNode* node = nodeOf(&control);
    return node ? node->isVisibleInTree() : control.isVisible();
}

}  // namespace

ScriptConsole::ScriptConsole(ScriptHost& host, ModuleWindow& window) : host_(host), window_(&window) {}

ModuleWindow* ScriptConsole::window() const {
    if (window_ && window_->isOpen() && window_->form())
        return window_;
    host_.engine().throwError(QJSValue::ReferenceError, QStringLiteral("the console is not open"));
    return nullptr;
}

bool ScriptConsole::isOpen() const { return window_ && window_->isOpen(); }

QString ScriptConsole::caption() const {
    ModuleWindow* open = window();
    return open ? open->form()->caption() : QString();
}

QString ScriptConsole::title() const {
    ModuleWindow* open = window();
    const auto bar = open ? ControlFinder(*open->form()).byName(QStringLiteral("TLB_TITOLO")) : nullptr;
    return bar ? bar->caption() : QString();
}

QString ScriptConsole::section() const {
    ModuleWindow* open = window();
    const auto sidebar =
        open ? std::dynamic_pointer_cast<SidebarModel>(ControlFinder(*open->form()).byKind(host::ControlKind::Sidebar))
             : nullptr;
    return sidebar ? sidebar->selectedItem().key : QString();
}

int ScriptConsole::panel() const {
    ModuleWindow* open = window();
    if (!open)
        return -1;
    const auto visible = ControlFinder(*open->form()).find([](const host::Control& control) {
        return control.name() == QLatin1String("PIC_PARAMETRI") && shown(const_cast<host::Control&>(control));
    });
    return visible ? visible->index() : -1;
}

QString ScriptConsole::message() const {
    ModuleWindow* open = window();
    if (!open)
        return QString();
    ControlFinder finder(*open->form());
    const auto panel = finder.byName(QStringLiteral("PIC_MESSAGGIOERRORE"));
    const auto label = finder.byName(QStringLiteral("LBL_MESSAGGIOERRORE"));
    return panel && label && shown(*panel) ? label->caption() : QString();
}

int ScriptConsole::width() const {
    ModuleWindow* open = window();
    return open ? open->form()->width() : 0;
}

int ScriptConsole::height() const {
    ModuleWindow* open = window();
    return open ? open->form()->height() : 0;
}

QJSValue ScriptConsole::get(const QString& property) {
    ModuleWindow* open = window();
    QVariant result;
    if (open)
        host_.gesture([&] {
            QVariantList args;
            result = open->instance()->invokeByName(property, automation::MemberKind::PropertyGet, args);
        });
    return host_.toScript(result);
}

bool ScriptConsole::set(const QString& property, const QVariant& value) {
    ModuleWindow* open = window();
    return open && host_.gesture([&] {
        QVariantList args{value};
        open->instance()->invokeByName(property, automation::MemberKind::PropertyPut, args);
    });
}

bool ScriptConsole::activate() {
    ModuleWindow* open = window();
    return open && host_.gesture([&] { open->form()->activate(); });
}

bool ScriptConsole::resize(int width, int height) {
    ModuleWindow* open = window();
    return open && host_.gesture([&] { open->resizeForm(width, height); });
}

}  // namespace suite
