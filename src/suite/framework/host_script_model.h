#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/script_object.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace suite {

// A module's host script as the navigator offers it. Every form event is recorded; the script's own code
// (a QJSEngine script in the host application, a lambda in tests) runs in FormEventRaised and may set the
// cancel flag in a close event. setCancel() presets the flag.
class HostScriptModel : public host::ScriptObject {
public:
    struct FormEventCall {
        QString formName;
        int open = 0;
        QVariant name;
    };

    QVariant formEvent(const QString& formName, int reserved, int open, const QVariant& name) override;
    bool cancel() const override { return cancel_; }
    void end(const QVariant& programName) override;

    void setCancel(bool cancel) { cancel_ = cancel; }
    const QList<FormEventCall>& formEvents() const { return formEvents_; }
    bool hasEnded() const { return ended_; }
    QVariant endedProgram() const { return endedProgram_; }

    // (form name, 1 open or 0 close, cancel).
    automation::Event<const QString&, int, bool&> FormEventRaised;

private:
    bool cancel_ = false;
    QList<FormEventCall> formEvents_;
    bool ended_ = false;
    QVariant endedProgram_;
};

}  // namespace suite
