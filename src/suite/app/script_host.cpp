#include "suite/app/script_host.h"

#include "suite/app/host_application.h"
#include "suite/app/module_window.h"
#include "suite/app/script_console.h"
#include "suite/app/script_frame.h"
#include "suite/app/script_suite.h"
#include "suite/app/suite_session.h"

#include "suite/framework/host_script_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/script_object_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/virtual_frame_model.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/script_object_model.h"

#include <QFile>
#include <QJSEngine>
#include <QTextStream>

namespace suite {

namespace {

QString jsErrorText(const QJSValue& error, const QString& fileName) {
    const int line = error.property(QStringLiteral("lineNumber")).toInt();
    return QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(error.toString());
}

const QString PrintShim =
    QStringLiteral("this.print = function () { suite.write(Array.prototype.map.call(arguments, String).join(' ')); };");

}  // namespace

ScriptHost::ScriptHost(HostApplication& application)
    : application_(application), engine_(std::make_unique<QJSEngine>()), suite_(new ScriptSuite(*this)) {
    engine_->globalObject().setProperty(QStringLiteral("suite"), engine_->newQObject(suite_));
    engine_->evaluate(PrintShim);
    formEvents_ = application_.session().hostScript()->FormEventRaised.connect(
        [this](const QString& formName, int open, bool& cancel) { formEvent(formName, open, cancel); });
}

ScriptHost::~ScriptHost() { application_.session().hostScript()->FormEventRaised.disconnect(formEvents_); }

QJSValue ScriptHost::toScript(const QVariant& value) const {
    if (automation::isEmpty(value))
        return QJSValue(QJSValue::UndefinedValue);
    if (automation::isNull(value))
        return QJSValue(QJSValue::NullValue);
    return engine_->toScriptValue(value);
}

bool ScriptHost::gesture(const std::function<void()>& action) {
    ScriptedMessages& messages = *application_.scriptedMessages();
    ScriptedLookups& lookups = *application_.scriptedLookups();
    const qsizetype unexpectedBefore = messages.unexpected().size();
    const qsizetype windowsBefore = lookups.shown().size();
    const int picksBefore = lookups.pendingPicks();
    QString failure;
    try {
        action();
    } catch (const automation::Error& error) {
        failure = HostApplication::errorText(error);
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    // The console may have gone on after an unexpected question: the script fails all the same.
    if (messages.unexpected().size() > unexpectedBefore)
        failure = QStringLiteral("a message appeared with no answer queued: ") + messages.unexpected().last();
    const qsizetype windowsShown = lookups.shown().size() - windowsBefore;
    if (windowsShown > picksBefore - lookups.pendingPicks())
        failure = QStringLiteral("a lookup window appeared with no pick queued: ") + lookups.shown().last().view.title;
    if (!scriptError_.isEmpty()) {
        failure = scriptError_;
        scriptError_.clear();
    }
    if (failure.isEmpty())
        return true;
    engine_->throwError(failure);
    return false;
}

bool ScriptHost::perform(const std::function<bool()>& action) {
    bool done = false;
    return gesture([&] { done = action(); }) && done;
}

void ScriptHost::publishScriptObjects() {
    const auto model =
        std::dynamic_pointer_cast<ScriptObjectModel>(application_.session().navigator()->scriptObjectModel());
    if (!model)
        return;
    for (const ScriptObjectModel::Entry& entry : model->entries()) {
        const std::shared_ptr<host::Object> object = entry.object.lock();
        QObject* published = nullptr;
        if (entry.kind == host::script_kind::DataSection) {
            if (auto frame = std::dynamic_pointer_cast<VirtualFrameModel>(object))
                published = new ScriptFrame(*this, frame);
        } else if (entry.kind == host::script_kind::Form) {
            if (ModuleWindow* window = application_.module(HostApplication::ConsoleProgram))
                published = new ScriptConsole(*this, *window);
        }
        if (published)
            engine_->globalObject().setProperty(entry.name, engine_->newQObject(published));
    }
}

void ScriptHost::formEvent(const QString& formName, int open, bool& cancel) {
    publishScriptObjects();
    const QString function = open ? QStringLiteral("bwOpen") : QStringLiteral("bwClose");
    QJSValue handler = engine_->globalObject().property(function);
    if (!handler.isCallable())
        return;
    suite_->setCancel(false);
    const QJSValue result = handler.call({QJSValue(formName)});
    if (result.isError()) {
        scriptError_ = jsErrorText(result, function);
        return;
    }
    if (!open)
        cancel = suite_->cancel();
}

QString ScriptHost::evaluate(const QString& source, const QString& fileName) {
    const QJSValue result = engine_->evaluate(source, fileName);
    if (result.isError())
        return jsErrorText(result, fileName);
    if (!scriptError_.isEmpty()) {
        const QString error = scriptError_;
        scriptError_.clear();
        return error;
    }
    return QString();
}

int ScriptHost::run(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "suite-host: cannot read the script " << path << ": " << file.errorString() << Qt::endl;
        return 1;
    }
    const QString error = evaluate(QString::fromUtf8(file.readAll()), path);
    if (error.isEmpty())
        return 0;
    QTextStream(stderr) << error << Qt::endl;
    return 1;
}

}  // namespace suite
