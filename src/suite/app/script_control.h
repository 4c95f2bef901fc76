#pragma once

#include "suite/app/script_control_base.h"

#include <QJSValue>
#include <QVariant>

namespace suite {

// A control other than a grid or a grid navigator, with the gestures of its kind:
//   edit: type(text), leave(), enter(), key(code, shift), lookup()
//   combo: select(index), selectCode(code), key(code, shift); items: [{text, code}]
//   check: toggle()
//   button: click(); menu button: click(), choose(key)
// text is what the control shows (a combo: its code; a check: "1" or "0"), value what a frame would store.
class ScriptControl : public ScriptControlBase {
    Q_OBJECT
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(QJSValue value READ value)
    Q_PROPERTY(QJSValue items READ items)
    Q_PROPERTY(int selectedIndex READ selectedIndex)

public:
    using ScriptControlBase::ScriptControlBase;

    QString text() const;
    QJSValue value() const;
    QJSValue items() const;
    int selectedIndex() const;

    Q_INVOKABLE bool type(const QString& text);
    Q_INVOKABLE bool leave();
    Q_INVOKABLE bool enter();
    Q_INVOKABLE int key(int code, int shift = 0);
    Q_INVOKABLE bool select(int index);
    Q_INVOKABLE bool selectCode(const QVariant& code);
    Q_INVOKABLE bool toggle();
    Q_INVOKABLE bool click();
    Q_INVOKABLE bool choose(const QString& key);
    Q_INVOKABLE bool lookup();
};

}  // namespace suite
