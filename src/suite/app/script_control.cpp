#include "suite/app/script_control.h"

#include "suite/app/script_host.h"

#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/menu_button_model.h"

#include "automation/variant.h"
#include "brondel/console/host_components/button.h"

#include <QJSEngine>

namespace suite {

QString ScriptControl::text() const { return control().text(); }

QJSValue ScriptControl::value() const { return host().toScript(control().value()); }

QJSValue ScriptControl::items() const {
    const auto* combo = as<ComboModel>();
    QJSValue list = host().engine().newArray(combo ? combo->count() : 0);
    for (int i = 0; combo && i < combo->count(); ++i) {
        QJSValue item = host().engine().newObject();
        item.setProperty(QStringLiteral("text"), combo->itemText(i));
        item.setProperty(QStringLiteral("code"), host().toScript(combo->itemCode(i)));
        list.setProperty(i, item);
    }
    return list;
}

int ScriptControl::selectedIndex() const {
    const auto* combo = as<ComboModel>();
    return combo ? combo->currentIndex() : -1;
}

bool ScriptControl::type(const QString& text) {
    auto* edit = as<EditModel>();
    if (!edit)
        return unsupported(QStringLiteral("type text"));
    return host().perform([&] { return edit->typeText(text); });
}

bool ScriptControl::leave() {
    auto* edit = as<EditModel>();
    if (!edit)
        return unsupported(QStringLiteral("leave the field"));
    return host().perform([&] { return edit->leave(); });
}

bool ScriptControl::enter() {
    auto* edit = as<EditModel>();
    if (!edit)
        return unsupported(QStringLiteral("take Enter"));
    return host().perform([&] { return edit->pressEnter(); });
}

int ScriptControl::key(int code, int shift) {
    int left = code;
    if (auto* edit = as<EditModel>())
        host().gesture([&] { left = edit->pressKey(code, shift); });
    else if (auto* combo = as<ComboModel>())
        host().gesture([&] { left = combo->pressKey(code, shift); });
    else
        unsupported(QStringLiteral("take keys"));
    return left;
}

bool ScriptControl::select(int index) {
    auto* combo = as<ComboModel>();
    if (!combo)
        return unsupported(QStringLiteral("select an entry"));
    if (index < 0 || index >= combo->count()) {
        host().engine().throwError(
            QJSValue::RangeError,
            QStringLiteral("%1 has no entry %2 (it has %3)").arg(name()).arg(index).arg(combo->count()));
        return false;
    }
    return host().perform([&] { return combo->pick(index); });
}

bool ScriptControl::selectCode(const QVariant& code) {
    auto* combo = as<ComboModel>();
    if (!combo)
        return unsupported(QStringLiteral("select an entry"));
    for (int i = 0; i < combo->count(); ++i) {
        if (automation::cstr(combo->itemCode(i)) == automation::cstr(code))
            return select(i);
    }
    host().engine().throwError(QJSValue::RangeError,
                               QStringLiteral("%1 has no entry with code %2").arg(name(), automation::cstr(code)));
    return false;
}

bool ScriptControl::toggle() {
    auto* check = as<CheckModel>();
    if (!check)
        return unsupported(QStringLiteral("toggle"));
    return host().perform([&] { return check->toggle(); });
}

bool ScriptControl::click() {
    auto* button = as<host::Button>();
    if (!button)
        return unsupported(QStringLiteral("be clicked"));
    if (!button->canTakeFocus())
        return false;
    return host().gesture([&] { button->click(); });
}

bool ScriptControl::choose(const QString& key) {
    auto* button = as<MenuButtonModel>();
    if (!button)
        return unsupported(QStringLiteral("choose a menu entry"));
    return host().perform([&] { return button->chooseItem(key); });
}

bool ScriptControl::lookup() {
    auto* edit = as<EditModel>();
    if (!edit)
        return unsupported(QStringLiteral("open a lookup"));
    return host().perform([&] { return edit->openLookup(); });
}

}  // namespace suite
