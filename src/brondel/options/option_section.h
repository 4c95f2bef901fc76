#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/frmmg_brondel.h"

#include "automation/event.h"

#include <QString>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class HostFactory;
}

namespace brondel {

// What the three option sections ask of the console: its company, connection, services and controls.
class OptionSection : public ConsoleSection {
protected:
    explicit OptionSection(FRMMG_BRONDEL& form) : form_(form) {}

    // Whether a statement's result has a row.
    static bool hasRow(const std::shared_ptr<ado::Recordset>& result);
    QString company() const;
    std::shared_ptr<host::HostFactory> factory() const;
    std::shared_ptr<ado::Recordset> execute(const QString& statement) const;
    QString translate(const QString& text) const;
    // The message box, titled with the form's caption.
    qint32 showMessage(const QString& text, qint32 style) const;
    template <class T>
    std::shared_ptr<T> control(const char* name) const {
        return form_.controlAs<T>(QString::fromLatin1(name));
    }
    // Connects a handler of the section to an event; it does nothing once the form is gone.
    template <class Section, class... Args>
    void connect(automation::Event<Args...>& event, void (Section::*handler)(Args...)) {
        event.connect([form = form_.weak_from_this(), section = static_cast<Section*>(this), handler](Args... args) {
            if (const std::shared_ptr<FRMMG_BRONDEL> alive = form.lock())
                (section->*handler)(std::forward<Args>(args)...);
        });
    }

    FRMMG_BRONDEL& form_;
};

}  // namespace brondel
