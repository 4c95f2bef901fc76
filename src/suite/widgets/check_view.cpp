#include "suite/widgets/check_view.h"

#include "suite/framework/check_model.h"

namespace suite {

CheckView::CheckView(ViewHub& hub, std::shared_ptr<CheckModel> model, QWidget* parent)
    : QCheckBox(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    connect(this, &QCheckBox::clicked, this, [this] {
        if (isSyncing())
            return;
        gesture([this] { model_->toggle(); });
        sync();
    });
    sync();
}

void CheckView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    if (text() != model_->caption())
        setText(model_->caption());
    if (isChecked() != model_->isChecked())
        setChecked(model_->isChecked());
}

void CheckView::focusInEvent(QFocusEvent* event) {
    QCheckBox::focusInEvent(event);
    focusFromPerson();
}

}  // namespace suite
