#pragma once

#include <QString>
#include <QtGlobal>

namespace suite {

// The person in front of the message boxes: the Qt widgets show real dialogs, tests answer from a script.
// Texts arrive ready to show (translated, the error box's text composed).
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    // A message box of style (host::message_style); returns the answer (host::message_answer).
    virtual qint32 showMessage(const QString& text, qint32 style, const QString& title) = 0;
    // The error box; returns 3 abort, 4 retry or 5 ignore.
    virtual qint32 errorBox(const QString& text, qint32 style, const QString& title) = 0;
};

}  // namespace suite
