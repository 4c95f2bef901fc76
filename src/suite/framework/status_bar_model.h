#pragma once

#include "automation/event.h"
#include "brondel/console/host_components/status_bar.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

// The host's status bar with a fixed number of panels, numbered from 1. Every text a panel was given is
// kept in order, so that a passing progress text can be checked after it was replaced. A panel number out
// of range raises "Index out of bounds" (35600), as the common status bar does.
class StatusBarModel : public host::StatusBar {
public:
    explicit StatusBarModel(int panelCount = 3);

    QString panelText(int panel) const override;
    void setPanelText(int panel, const QString& text) override;

    int panelCount() const { return int(texts_.size()); }
    QStringList history(int panel) const;

    // A panel's text changed: the panel's number.
    automation::Event<int> Changed;

private:
    int checked(int panel) const;

    QList<QStringList> texts_;  // per panel, every text given, the current one last
};

}  // namespace suite
