#include "suite/framework/scripted_messages.h"

#include "automation/error.h"
#include "brondel/console/host_components/types.h"

namespace suite {

namespace {
constexpr qint32 ButtonsMask = 7;
}

QStringList ScriptedMessages::texts() const {
    QStringList result;
    for (const Shown& message : shown_)
        result << message.text;
    return result;
}

void ScriptedMessages::clear() {
    answers_.clear();
    shown_.clear();
    unexpected_.clear();
}

qint32 ScriptedMessages::showMessage(const QString& text, qint32 style, const QString& title) {
    shown_.append({text, style, title, false});
    if ((style & ButtonsMask) == host::message_style::Ok)
        return host::message_answer::Ok;
    return nextAnswer(text);
}

qint32 ScriptedMessages::errorBox(const QString& text, qint32 style, const QString& title) {
    shown_.append({text, style, title, true});
    return nextAnswer(text);
}

qint32 ScriptedMessages::nextAnswer(const QString& text) {
    if (!answers_.isEmpty())
        return answers_.dequeue();
    unexpected_ << text;
    throw automation::Error(UnexpectedByScript, QStringLiteral("ScriptedMessages"),
                            QStringLiteral("No answer queued for: ") + text);
}

}  // namespace suite
