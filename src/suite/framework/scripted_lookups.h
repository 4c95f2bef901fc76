#pragma once

#include "suite/framework/lookup_presenter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace suite {

// Picks in lookup windows queued in advance, for tests and headless runs. Every window shown is recorded
// with its set-up (without the recordset) and its rows (each row's values as text joined by "|"). A window
// shown with no pick queued raises UnexpectedByScript (see scripted_messages.h) naming its title.
class ScriptedLookups : public LookupPresenter {
public:
    struct Shown {
        LookupView view;
        QStringList rows;
    };

    void pickRow(int index) { picks_.enqueue(LookupPick::row(index)); }
    void pickSelection(const QList<int>& indexes) { picks_.enqueue(LookupPick::selection(indexes)); }
    void cancel() { picks_.enqueue(LookupPick::cancel()); }
    int pendingPicks() const { return int(picks_.size()); }

    const QList<Shown>& shown() const { return shown_; }

    LookupPick choose(const LookupView& view) override;

    // Each row of rows (from the first; rows may be nothing or closed) as its values' texts joined by "|".
    static QStringList rowTexts(const std::shared_ptr<ado::Recordset>& rows);

private:
    QQueue<LookupPick> picks_;
    QList<Shown> shown_;
};

}  // namespace suite
