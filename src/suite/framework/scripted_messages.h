#pragma once

#include "suite/framework/message_presenter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace suite {

// The error a script raises when something asks it a question it was not told to expect.
constexpr long UnexpectedByScript = -2147220991;  // vbObjectError + 513

// Answers to message boxes queued in advance, for tests and headless runs. Every message and error box is
// recorded. A message with only an OK button is answered OK without using the queue; a question or an
// error box takes the next queued answer, and with none queued raises UnexpectedByScript with the
// message's text (also kept in unexpected(), for callers that swallow errors).
class ScriptedMessages : public MessagePresenter {
public:
    struct Shown {
        QString text;
        qint32 style = 0;
        QString title;
        bool errorBox = false;
    };

    void answer(qint32 answer) { answers_.enqueue(answer); }
    int pendingAnswers() const { return int(answers_.size()); }

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    QStringList unexpected() const { return unexpected_; }
    void clear();

    qint32 showMessage(const QString& text, qint32 style, const QString& title) override;
    qint32 errorBox(const QString& text, qint32 style, const QString& title) override;

private:
    qint32 nextAnswer(const QString& text);

    QQueue<qint32> answers_;
    QList<Shown> shown_;
    QStringList unexpected_;
};

}  // namespace suite
