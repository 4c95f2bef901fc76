#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/navigator.h"

#include <QList>
#include <QVariant>
#include <memory>

namespace suite {

// The host navigator. It follows the current module (without keeping it alive: the host owns its modules)
// and the status of its active frame; each refresh() is recorded with the status it showed.
//
// buildScript() makes a new script object model, raises InitializeScriptObjectModel with it and then
// offers the module's host script (setHostScript(); nothing when the module has none) as its script
// object. buildLayout() makes a new layout object model and raises InitializeLayoutObjectModel with it;
// the model a handler leaves in the argument becomes the navigator's layout object model.
//
// Gestures: requestCompanyChange() and requestExportToOffice() as the user presses those toolbar buttons;
// each returns whether no handler refused.
class NavigatorModel : public host::Navigator {
public:
    std::shared_ptr<host::Cinterface> currentModule() const override { return module_.lock(); }
    void setCurrentModule(std::shared_ptr<host::Cinterface> module) override;
    qint16 status() const override { return status_; }
    void setStatus(qint16 status) override { status_ = status; }
    void refresh() override;

    QVariant buildScript() override;
    std::shared_ptr<host::ScriptObject> scriptObject() const override { return script_; }
    void setScriptObject(std::shared_ptr<host::ScriptObject> script) override { script_ = std::move(script); }

    QVariant buildLayout() override;
    std::shared_ptr<host::LayoutObjectModel> layoutObjectModel() const override { return layout_; }
    void setLayoutObjectModel(std::shared_ptr<host::LayoutObjectModel> model) override { layout_ = std::move(model); }

    // The script the host has for the current module, offered after each script build.
    void setHostScript(std::shared_ptr<host::ScriptObject> script) { hostScript_ = std::move(script); }
    // The script object model of the last build; nothing before any.
    std::shared_ptr<host::ScriptObjectModel> scriptObjectModel() const { return scriptModel_; }
    // The status shown by each refresh, in order.
    const QList<qint16>& refreshes() const { return refreshes_; }
    int scriptBuilds() const { return scriptBuilds_; }
    int layoutBuilds() const { return layoutBuilds_; }

    bool requestCompanyChange();
    bool requestExportToOffice(QVariant target = QVariant());

    // The toolbar's state (module or status shown) changed.
    automation::Event<> Changed;

private:
    std::weak_ptr<host::Cinterface> module_;
    qint16 status_ = 0;
    QList<qint16> refreshes_;
    std::shared_ptr<host::ScriptObject> script_;
    std::shared_ptr<host::ScriptObject> hostScript_;
    std::shared_ptr<host::ScriptObjectModel> scriptModel_;
    std::shared_ptr<host::LayoutObjectModel> layout_;
    int scriptBuilds_ = 0;
    int layoutBuilds_ = 0;
};

}  // namespace suite
