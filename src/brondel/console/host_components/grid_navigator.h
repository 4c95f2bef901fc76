#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

#include <QString>

namespace host {

// A grid navigator (GNV_*): the buttons "Nuovo", "Conferma", "Annulla", "Elimina" that drive its frame.
// While the navigator is disabled (Control::setEnabled(false), as around a frame set-up) no button can be
// pressed.
class GridNavigator : public Control {
public:
    // Presses the button with that caption as the user would; returns whether the frame's operation
    // succeeded (false when the button is not available or a handler cancelled).
    virtual bool pressButton(const QString& caption) = 0;
    // Enabled, and meaningful in the frame's current state.
    virtual bool isButtonAvailable(const QString& caption) const = 0;
    virtual bool isButtonEnabled(const QString& caption) const = 0;
    virtual void setButtonEnabled(const QString& caption, bool enabled) = 0;
    virtual bool isButtonVisible(const QString& caption) const = 0;
    virtual void setButtonVisible(const QString& caption, bool visible) = 0;

    // Whether the frame has changes not yet saved.
    virtual bool hasPendingEdit() const = 0;
    virtual void setPendingEdit(bool pending) = 0;

    // When false, no button is available, whatever the frame's state.
    virtual bool isAvailable() const = 0;
    virtual void setAvailable(bool available) = 0;

    // After a button's operation: (success, caption).
    automation::Event<bool, const QString&> AfterButtonClick;
};

}  // namespace host
