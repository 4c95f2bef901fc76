#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/grid_navigator.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

namespace suite {

class VirtualFrameModel;

// A grid navigator: "Nuovo" adds a row (saving a pending one first), "Conferma" saves, "Annulla" undoes,
// "Elimina" deletes the current row, each through its frame. A button is available when the navigator is
// enabled and available, the button is enabled and visible, and the frame's state allows it: "Nuovo"
// always, "Conferma" and "Annulla" with changes pending, "Elimina" in browse on a row.
//
// Gesture: pressButton() is also what the user's click does. AfterButtonClick follows every operation
// that ran, with its outcome.
class GridNavigatorModel : public ControlBase<host::GridNavigator> {
public:
    explicit GridNavigatorModel(const host::ControlDesign& design);

    bool pressButton(const QString& caption) override;
    bool isButtonAvailable(const QString& caption) const override;
    bool isButtonEnabled(const QString& caption) const override;
    void setButtonEnabled(const QString& caption, bool enabled) override;
    bool isButtonVisible(const QString& caption) const override;
    void setButtonVisible(const QString& caption, bool visible) override;
    bool hasPendingEdit() const override { return pendingEdit_; }
    void setPendingEdit(bool pending) override;
    bool isAvailable() const override { return available_; }
    void setAvailable(bool available) override;

    // The four captions, in the order they are shown.
    static QStringList buttons();

    // Called by the frame the navigator drives.
    void attachFrame(std::weak_ptr<VirtualFrameModel> frame);
    void detachFrame();
    void frameChanged(bool pendingEdit);

private:
    struct Button {
        bool enabled = true;
        bool visible = true;
    };

    void setButton(const QString& caption, bool Button::*flag, bool value);

    std::weak_ptr<VirtualFrameModel> frame_;
    QHash<QString, Button> buttons_;
    bool pendingEdit_ = false;
    bool available_ = true;
};

}  // namespace suite
