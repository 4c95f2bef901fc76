#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/frmmg_brondel.h"

#include "automation/event.h"

#include <QString>
#include <initializer_list>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class HostFactory;
}

namespace brondel {

// What the two groupings sections ask of the console: its company, connection, services and controls.
class GroupingSectionBase : public ConsoleSection {
public:
    explicit GroupingSectionBase(FRMMG_BRONDEL& form) : form_(form) {}

protected:
    // The company's code as statement text.
    QString company() const;
    std::shared_ptr<host::HostFactory> factory() const;
    std::shared_ptr<ado::Recordset> execute(const QString& statement) const;
    // Whether a statement's result has a current row.
    static bool hasRow(const std::shared_ptr<ado::Recordset>& result);
    QString translate(const QString& text) const;
    // A message box titled with the form's caption.
    qint32 showMessage(const QString& text, qint32 style) const;
    void setEnabled(std::initializer_list<const char*> names, bool enabled) const;
    // Gives the control the focus when it can take it.
    void focusIfPossible(const char* name) const;
    // The mouse pointer over the host's windows.
    void setMousePointer(int pointer) const;

    // Connects a handler of the section to an event; it does nothing once the form is gone.
    template <class S, class... Args>
    void connect(automation::Event<Args...>& event, void (S::*handler)(Args...));

    FRMMG_BRONDEL& form_;
};

template <class S, class... Args>
void GroupingSectionBase::connect(automation::Event<Args...>& event, void (S::*handler)(Args...)) {
    event.connect([form = form_.weak_from_this(), self = static_cast<S*>(this), handler](Args... args) {
        if (const std::shared_ptr<FRMMG_BRONDEL> alive = form.lock())
            (self->*handler)(std::forward<Args>(args)...);
    });
}

}  // namespace brondel
