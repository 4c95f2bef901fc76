#pragma once

#include "suite/widgets/view_binding.h"

#include <QLineEdit>

class QAction;

namespace suite {

class EditModel;

// An edit field. Typing goes to typeText(), Enter to pressEnter(), leaving the field (Tab, a click
// elsewhere) to leave(), F3 or the field's search button to openLookup(), other keys to pressKey(). A
// refused leave puts the focus back.
class EditView : public QLineEdit, public ViewBinding {
public:
    EditView(ViewHub& hub, std::shared_ptr<EditModel> model, QWidget* parent);

    void sync() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void lookup();

    std::shared_ptr<EditModel> model_;
    QAction* lookupAction_ = nullptr;
};

}  // namespace suite
