#pragma once

#include "brondel/console/host_components/object.h"

#include "automation/event.h"

#include <QVariant>
#include <memory>

namespace host {

class Cinterface;
class LayoutObjectModel;
class ScriptObject;
class ScriptObjectModel;

// The host navigator: the toolbar that follows the current module and its active frame, and the builder
// of the module's script and layout object models.
class Navigator : public Object {
public:
    virtual std::shared_ptr<Cinterface> currentModule() const = 0;
    virtual void setCurrentModule(std::shared_ptr<Cinterface> module) = 0;
    // The active frame's status (0 browse, 1 editing, 2 adding); refresh() makes the toolbar follow it.
    virtual qint16 status() const = 0;
    virtual void setStatus(qint16 status) = 0;
    virtual void refresh() = 0;

    // Builds the script object model (raising InitializeScriptObjectModel), then offers a script object.
    virtual QVariant buildScript() = 0;
    virtual std::shared_ptr<ScriptObject> scriptObject() const = 0;
    virtual void setScriptObject(std::shared_ptr<ScriptObject> script) = 0;

    // Builds the layout object model (raising InitializeLayoutObjectModel).
    virtual QVariant buildLayout() = 0;
    virtual std::shared_ptr<LayoutObjectModel> layoutObjectModel() const = 0;
    virtual void setLayoutObjectModel(std::shared_ptr<LayoutObjectModel> model) = 0;

    // The user asks to change company: Cancel refuses.
    automation::Event<bool&> BeforeChangeDitta;
    // The user asks to export to an office program: Cancel refuses; the second argument is the target.
    automation::Event<bool&, QVariant&> BeforeExportToOffice;
    automation::Event<std::shared_ptr<LayoutObjectModel>&> InitializeLayoutObjectModel;
    automation::Event<std::shared_ptr<ScriptObjectModel>&> InitializeScriptObjectModel;
};

}  // namespace host
