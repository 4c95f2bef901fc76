#include "suite/widgets/form_view.h"

#include "suite/widgets/view_hub.h"

#include "suite/framework/form_model.h"
#include "suite/framework/model_node.h"

#include <QResizeEvent>

namespace suite {

FormView::FormView(ViewHub& hub, std::shared_ptr<FormModel> model, const ViewFactory& factory, QWidget* parent)
    : QWidget(parent), ViewBinding(hub, *this, model), model_(std::move(model)), factory_(factory) {
    setAutoFillBackground(true);
    hub.setAdopter([this] { adopt(); });
    adopt();
    sync();
}

FormView::~FormView() { hub().setAdopter({}); }

QSize FormView::modelSize() const {
    const QRect rect = toPixels(model_->geometry());
    return rect.size();
}

void FormView::sync() {
    SyncScope scope(*this);
    if (size() != modelSize())
        resize(modelSize());
    if (isEnabled() != model_->isEnabled())
        setEnabled(model_->isEnabled());
    if (windowTitle() != model_->caption())
        setWindowTitle(model_->caption());
}

void FormView::adopt() { adoptChildren(*model_, this); }

void FormView::adoptChildren(host::Control& control, QWidget* parent) {
    ModelNode* node = nodeOf(&control);
    if (!node)
        return;
    for (const std::shared_ptr<host::Control>& child : node->children()) {
        ViewBinding* view = hub().viewOf(child.get());
        if (!view) {
            view = factory_.create(hub(), child, parent);
            if (!view)
                continue;
        }
        adoptChildren(*child, &view->widget());
    }
}

void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isSyncing() || !resize_ || event->size() == modelSize())
        return;
    const int width = toTwips(event->size().width());
    const int height = toTwips(event->size().height());
    gesture([&] { resize_(width, height); });
}

}  // namespace suite
