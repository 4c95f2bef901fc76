#pragma once

#include "suite/widgets/view_binding.h"

#include <QComboBox>

namespace suite {

class ComboModel;

// A combo: its entries and chosen entry are the model's; choosing an entry is pick(), keys go to
// pressKey(). A refused pick shows the entry the model kept. The wheel turns it only while it has the
// focus: a person scrolling the form over it must not change a value unseen.
class ComboView : public QComboBox, public ViewBinding {
public:
    ComboView(ViewHub& hub, std::shared_ptr<ComboModel> model, QWidget* parent);

    void sync() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitPopup();

    std::shared_ptr<ComboModel> model_;
};

}  // namespace suite
