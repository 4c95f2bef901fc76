#pragma once

#include "suite/app/script_control_base.h"

namespace suite {

class GridNavigatorModel;

// A grid navigator: press(caption) presses "Nuovo", "Conferma", "Annulla" or "Elimina" (false when the
// button is not available or its operation was refused); available(caption) says whether it can be.
class ScriptGridNavigator : public ScriptControlBase {
    Q_OBJECT

public:
    ScriptGridNavigator(ScriptHost& host, std::shared_ptr<host::Control> control);

    Q_INVOKABLE bool press(const QString& caption);
    Q_INVOKABLE bool available(const QString& caption) const;

private:
    GridNavigatorModel& navigator_;
};

}  // namespace suite
