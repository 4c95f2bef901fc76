#include "suite/app/script_suite.h"

#include "suite/app/control_finder.h"
#include "suite/app/host_application.h"
#include "suite/app/main_window.h"
#include "suite/app/module_window.h"
#include "suite/app/script_automation.h"
#include "suite/app/script_console.h"
#include "suite/app/script_control_base.h"
#include "suite/app/script_database.h"
#include "suite/app/script_host.h"
#include "suite/app/suite_session.h"

#include "suite/framework/form_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include <QJSEngine>
#include <QRegularExpression>
#include <QTextStream>

namespace suite {

ScriptSuite::ScriptSuite(ScriptHost& host)
    : host_(host), db_(new ScriptDatabase(host, host.application().session().connectionString(), this)) {}

ModuleWindow* ScriptSuite::consoleWindow() {
    if (!opened_)
        open();
    return host_.application().module(HostApplication::ConsoleProgram);
}

ModuleWindow* ScriptSuite::requireConsole() {
    ModuleWindow* window = consoleWindow();
    if (!window)
        host_.engine().throwError(QJSValue::ReferenceError, QStringLiteral("the console is not open"));
    return window;
}

QJSValue ScriptSuite::createObject(const QString& progId) {
    std::shared_ptr<automation::Dispatch> object;
    if (!host_.gesture([&] { object = host_.application().createObject(progId); }))
        return QJSValue();
    return ScriptAutomation::wrap(host_, std::move(object));
}

bool ScriptSuite::open() {
    opened_ = true;
    ModuleWindow* window = nullptr;
    host_.gesture([&] { window = host_.application().openProgram(HostApplication::ConsoleProgram); });
    host_.publishScriptObjects();
    return window != nullptr;
}

QJSValue ScriptSuite::console() {
    ModuleWindow* window = consoleWindow();
    if (!window)
        return QJSValue(QJSValue::NullValue);
    return host_.engine().newQObject(new ScriptConsole(host_, *window));
}

bool ScriptSuite::section(const QString& key) {
    ModuleWindow* window = requireConsole();
    if (!window)
        return false;
    const auto sidebar =
        std::dynamic_pointer_cast<SidebarModel>(ControlFinder(*window->form()).byKind(host::ControlKind::Sidebar));
    if (!sidebar) {
        host_.engine().throwError(QStringLiteral("the console has no sidebar"));
        return false;
    }
    for (const SidebarModel::Group& group : sidebar->groups()) {
        for (const host::SidebarItem& item : group.items) {
            if (item.key.compare(key, Qt::CaseInsensitive) == 0) {
                const bool done = host_.perform([&] { return sidebar->clickItem(group.key, item.key); });
                host_.publishScriptObjects();
                return done;
            }
        }
    }
    host_.engine().throwError(QJSValue::RangeError, QStringLiteral("the sidebar has no item %1").arg(key));
    return false;
}

QJSValue ScriptSuite::control(const QString& name, int index) {
    ModuleWindow* window = requireConsole();
    if (!window)
        return QJSValue();
    // A member of a control array may also be named with its index: "PIC_PARAMETRI(3)".
    static const QRegularExpression member(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch named = member.match(name);
    const QString base = named.hasMatch() ? named.captured(1) : name;
    if (named.hasMatch())
        index = named.captured(2).toInt();
    const std::shared_ptr<host::Control> found = ControlFinder(*window->form()).byName(base, index);
    if (!found) {
        const QString which = index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
        host_.engine().throwError(QJSValue::ReferenceError, QStringLiteral("the console has no control %1").arg(which));
        return QJSValue();
    }
    return host_.engine().newQObject(ScriptControlBase::wrap(host_, found));
}

bool ScriptSuite::close() {
    ModuleWindow* window = requireConsole();
    if (!window)
        return false;
    bool closed = false;
    host_.gesture([&] { closed = window->close(); });
    return closed;
}

void ScriptSuite::answer(int code) { host_.application().scriptedMessages()->answer(code); }

void ScriptSuite::pick(const QJSValue& rows) {
    ScriptedLookups& lookups = *host_.application().scriptedLookups();
    if (rows.isArray()) {
        QList<int> indexes;
        const int length = rows.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < length; ++i)
            indexes << rows.property(quint32(i)).toInt();
        lookups.pickSelection(indexes);
    } else if (rows.isNumber() && rows.toInt() >= 0) {
        lookups.pickRow(rows.toInt());
    } else {
        lookups.cancel();
    }
}

QJSValue ScriptSuite::messages() const {
    const QList<ScriptedMessages::Shown>& shown = host_.application().scriptedMessages()->shown();
    QJSValue list = host_.engine().newArray(quint32(shown.size()));
    for (int i = 0; i < shown.size(); ++i) {
        QJSValue message = host_.engine().newObject();
        message.setProperty(QStringLiteral("text"), shown[i].text);
        message.setProperty(QStringLiteral("style"), shown[i].style);
        message.setProperty(QStringLiteral("title"), shown[i].title);
        message.setProperty(QStringLiteral("errorBox"), shown[i].errorBox);
        list.setProperty(quint32(i), message);
    }
    return list;
}

QJSValue ScriptSuite::lookups() const {
    const QList<ScriptedLookups::Shown>& shown = host_.application().scriptedLookups()->shown();
    QJSValue list = host_.engine().newArray(quint32(shown.size()));
    for (int i = 0; i < shown.size(); ++i) {
        QJSValue window = host_.engine().newObject();
        window.setProperty(QStringLiteral("title"), shown[i].view.title);
        window.setProperty(QStringLiteral("rows"), host_.engine().toScriptValue(shown[i].rows));
        window.setProperty(QStringLiteral("multipleSelection"), shown[i].view.multipleSelection);
        list.setProperty(quint32(i), window);
    }
    return list;
}

QObject* ScriptSuite::db() const { return db_; }

QString ScriptSuite::status(int panel) const { return host_.application().mainWindow().statusText(panel); }

bool ScriptSuite::screenshot(const QString& path) { return host_.application().saveScreenshot(path); }

void ScriptSuite::write(const QString& text) const { QTextStream(stdout) << text << Qt::endl; }

}  // namespace suite
