#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace host {
class Control;
}

namespace suite {

class ScriptHost;

// What scripts see of every control: its name, kind, caption and the state a person sees. visible means
// shown: the control and every container around it visible.
class ScriptControlBase : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(QString kind READ kind CONSTANT)
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(bool enabled READ enabled)
    Q_PROPERTY(bool visible READ visible)
    Q_PROPERTY(bool focused READ focused)

public:
    ScriptControlBase(ScriptHost& host, std::shared_ptr<host::Control> control);

    // The script object for a control: a grid, a grid navigator, a menu tree or any other control.
    static QObject* wrap(ScriptHost& host, std::shared_ptr<host::Control> control);

    QString name() const;
    int index() const;
    QString kind() const;
    QString caption() const;
    bool enabled() const;
    bool visible() const;
    bool focused() const;

protected:
    ScriptHost& host() const { return host_; }
    host::Control& control() const { return *control_; }
    template <class T>
    T* as() const {
        return dynamic_cast<T*>(control_.get());
    }
    // A JavaScript error saying the control cannot do what was asked; returns false.
    bool unsupported(const QString& what) const;

private:
    ScriptHost& host_;
    std::shared_ptr<host::Control> control_;
};

}  // namespace suite
