#pragma once

#include "automation/event.h"

#include <QVariant>
#include <memory>

namespace host {
class LayoutObjectModel;
class Navigator;
class ScriptObjectModel;
}  // namespace host

namespace brondel {

class CLSMG_BRONDEL;

// The console class's handlers of the host navigator's events (gclsActiveNavigator): a change of company
// is always refused, an export to office is refused while the console is active, and the layout and
// script object models receive the console form and its data sections. Every handler ignores errors.
//
// The form handed to the models is the console's window (the host's own form model); the models may hand
// back another reference, which the console does not take: its form stays the one it created.
class NavigatorHooks {
public:
    explicit NavigatorHooks(CLSMG_BRONDEL& console);
    ~NavigatorHooks();
    NavigatorHooks(const NavigatorHooks&) = delete;
    NavigatorHooks& operator=(const NavigatorHooks&) = delete;

    std::shared_ptr<host::Navigator> navigator() const { return navigator_; }
    // Holds navigator and receives its events from now on (the previous navigator's no longer).
    void setNavigator(std::shared_ptr<host::Navigator> navigator);

    void gclsActiveNavigator_BeforeChangeDitta(bool& cancel);
    void gclsActiveNavigator_BeforeExportToOffice(bool& cancel, QVariant& target);
    void gclsActiveNavigator_InitializeLayoutObjectModel(std::shared_ptr<host::LayoutObjectModel>& model);
    void gclsActiveNavigator_InitializeScriptObjectModel(std::shared_ptr<host::ScriptObjectModel>& model);

private:
    void disconnect();
    // The console form's message box: information style, title "Informazione".
    void inform(const QString& text);

    CLSMG_BRONDEL& console_;
    std::shared_ptr<host::Navigator> navigator_;
    automation::Event<bool&>::ConnectionId beforeChangeDitta_ = 0;
    automation::Event<bool&, QVariant&>::ConnectionId beforeExportToOffice_ = 0;
    automation::Event<std::shared_ptr<host::LayoutObjectModel>&>::ConnectionId layoutModel_ = 0;
    automation::Event<std::shared_ptr<host::ScriptObjectModel>&>::ConnectionId scriptModel_ = 0;
};

}  // namespace brondel
