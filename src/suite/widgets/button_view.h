#pragma once

#include "suite/widgets/view_binding.h"

#include <QPushButton>

namespace host {
class Button;
}

namespace suite {

class MenuButtonModel;

// A command button: a click is the model's click(). A menu button (MenuButtonModel) drops down its
// entries and choosing one is chooseItem().
class ButtonView : public QPushButton, public ViewBinding {
public:
    ButtonView(ViewHub& hub, std::shared_ptr<host::Button> model, QWidget* parent);

    void sync() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void syncMenu();

    std::shared_ptr<host::Button> model_;
    MenuButtonModel* menuModel_ = nullptr;
};

}  // namespace suite
