#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

namespace suite {

class ModuleWindow;
class ScriptHost;

// suite.console (and the form's own script name): the open console as a person sees it.
//   caption, title (the title bar), section (the sidebar item shown last), panel (the index of the
//   section panel shown, -1 when none), message (the text of the message panel while it shows), width
//   and height (twips), open;
//   get(name) and set(name, value): the console class's published properties (TipoChiamataConsole...);
//   activate(): the form gets the focus back; resize(width, height): the person resizes the window.
class ScriptConsole : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool open READ isOpen)
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(QString title READ title)
    Q_PROPERTY(QString section READ section)
    Q_PROPERTY(int panel READ panel)
    Q_PROPERTY(QString message READ message)
    Q_PROPERTY(int width READ width)
    Q_PROPERTY(int height READ height)

public:
    ScriptConsole(ScriptHost& host, ModuleWindow& window);

    bool isOpen() const;
    QString caption() const;
    QString title() const;
    QString section() const;
    int panel() const;
    QString message() const;
    int width() const;
    int height() const;

    Q_INVOKABLE QJSValue get(const QString& property);
    Q_INVOKABLE bool set(const QString& property, const QVariant& value);
    Q_INVOKABLE bool activate();
    Q_INVOKABLE bool resize(int width, int height);

private:
    // The console's window while it is open; otherwise a JavaScript error.
    ModuleWindow* window() const;

    ScriptHost& host_;
    QPointer<ModuleWindow> window_;
};

}  // namespace suite
