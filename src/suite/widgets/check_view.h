#pragma once

#include "suite/widgets/view_binding.h"

#include <QCheckBox>

namespace suite {

class CheckModel;

// A check box: a click is toggle(); a refused toggle shows the state the model kept.
class CheckView : public QCheckBox, public ViewBinding {
public:
    CheckView(ViewHub& hub, std::shared_ptr<CheckModel> model, QWidget* parent);

    void sync() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    std::shared_ptr<CheckModel> model_;
};

}  // namespace suite
