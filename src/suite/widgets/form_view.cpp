#include "suite/widgets/form_view.h"

#include "suite/widgets/view_hub.h"

#include "suite/framework/form_model.h"
#include "suite/framework/model_node.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QResizeEvent>
#include <functional>
#include <tuple>

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

void FormView::adopt() {
    adoptChildren(*model_, this);
    orderFocus();
}

namespace {

// Where a control stands in the Tab order of its panel: the fields first, then the grid (one stop), then
// the navigator and the buttons along the bottom.
int focusRank(const QWidget& widget) {
    if (qobject_cast<const QAbstractItemView*>(&widget))
        return 1;
    if (qobject_cast<const QAbstractButton*>(&widget) && !qobject_cast<const QCheckBox*>(&widget))
        return 2;
    return 0;
}

}  // namespace

void FormView::orderFocus() {
    // The form's own children (sidebar, panels) in the order the form made them; inside each, every stop
    // by rank, then top to bottom, left to right.
    struct Stop {
        int container;
        int rank;
        QPoint at;
        QWidget* widget;
    };
    QList<Stop> stops;
    const std::function<void(QWidget*, int)> collect = [&](QWidget* parent, int container) {
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->focusPolicy() & Qt::TabFocus)
                stops.append({container, focusRank(*child), child->mapTo(this, QPoint(0, 0)), child});
            else if (!child->focusProxy())
                collect(child, container);  // a group box, a navigator: its controls are the stops
        }
    };
    int container = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus)
            stops.append({container, 0, QPoint(), child});
        else
            collect(child, container);
        ++container;
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return std::tuple(a.container, a.rank, a.at.y(), a.at.x()) <
               std::tuple(b.container, b.rank, b.at.y(), b.at.x());
    });
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

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
