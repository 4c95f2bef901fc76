#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>

namespace host {

// The host's status bar; panels are numbered from 1.
class StatusBar : public Object {
public:
    virtual QString panelText(int panel) const = 0;
    virtual void setPanelText(int panel, const QString& text) = 0;
};

}  // namespace host
