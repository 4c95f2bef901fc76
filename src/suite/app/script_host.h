#pragma once

#include <QJSValue>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class QJSEngine;

namespace suite {

class HostApplication;
class ScriptSuite;

// Host scripts in JavaScript (QJSEngine). A script reaches the open console and drives it as a person
// would through the object `suite` (see ScriptSuite); its functions bwOpen(formName) and bwClose(formName)
// run when the console opens and before it closes (setting suite.cancel in bwClose keeps it open), and
// the console's form and data sections are globals under their script names (FRMMG_BRONDEL,
// DTS_Configurazione_Varianti...) once the console has announced them.
//
// Every gesture fails the script (a JavaScript error) when the models raise an error or when a question,
// an error box or a lookup window appeared with no answer queued, even if the console went on.
class ScriptHost {
public:
    explicit ScriptHost(HostApplication& application);
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Runs the file; returns 0 when the script ended normally, 1 when it threw (the error is written to
    // standard error) or could not be read.
    int run(const QString& path);
    // Runs source text; the error of a script that threw, or an empty text.
    QString evaluate(const QString& source, const QString& fileName = QStringLiteral("script"));

    HostApplication& application() const { return application_; }
    QJSEngine& engine() const { return *engine_; }

    // Runs a gesture; on failure throws the JavaScript error and returns false.
    bool gesture(const std::function<void()>& action);
    // A gesture that answers whether it was done: false when refused or failed.
    bool perform(const std::function<bool()>& action);
    // A value as JavaScript sees it: Empty is undefined, Null is null.
    QJSValue toScript(const QVariant& value) const;
    // Makes the console's form and data sections globals under their script names.
    void publishScriptObjects();

private:
    void formEvent(const QString& formName, int open, bool& cancel);

    HostApplication& application_;
    std::unique_ptr<QJSEngine> engine_;
    ScriptSuite* suite_;  // owned by the engine
    std::size_t formEvents_ = 0;
    QString scriptError_;  // an error thrown by bwOpen or bwClose, reported by the next gesture
};

}  // namespace suite
