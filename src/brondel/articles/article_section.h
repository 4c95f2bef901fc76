#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/frmmg_brondel.h"

#include "automation/event.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Control;
class FunctionLibrary;
class HostFactory;
}  // namespace host

namespace brondel {

// What the article sections (configurator, sub-code values, their descriptions by language) ask of the
// form and the host: the company, statements on the console connection, messages, the host's text and
// number conversions, and their controls by name.
class ArticleSection : public ConsoleSection {
protected:
    explicit ArticleSection(FRMMG_BRONDEL& form) : form_(form) {}

    // Connects a handler of the section to an event; it does nothing once the form is gone.
    template <class Section, class... Args>
    void connect(automation::Event<Args...>& event, Section* section, void (Section::*handler)(Args...)) {
        event.connect([form = form_.weak_from_this(), section, handler](Args... args) {
            if (const std::shared_ptr<FRMMG_BRONDEL> alive = form.lock())
                (section->*handler)(std::forward<Args>(args)...);
        });
    }

    template <class T>
    std::shared_ptr<T> control(const char* name) const {
        return form_.controlAs<T>(QString::fromLatin1(name));
    }
    // Gives the control the focus when it can take it.
    static void focus(const std::shared_ptr<host::Control>& control);

    // The company as statement text.
    QString company() const;
    std::shared_ptr<host::HostFactory> factory() const;
    std::shared_ptr<host::FunctionLibrary> library() const;
    // The host's text and number conversions.
    QString text(const QVariant& value) const;
    QVariant number(const QVariant& value) const;
    std::shared_ptr<ado::Recordset> execute(const QString& statement) const;
    // Whether a statement's result stands on a row.
    static bool hasRow(const std::shared_ptr<ado::Recordset>& result);
    // Runs statements on the console connection all or nothing: a failure rolls back what ran before it
    // and reaches the caller.
    void allOrNothing(const std::function<void()>& statements) const;

    QString formCaption() const;
    QString translate(const QString& text) const;
    qint32 showMessage(const QString& text, qint32 style, const QString& title) const;

    FRMMG_BRONDEL& form_;
};

}  // namespace brondel
