#include "suite/widgets/combo_view.h"

#include "suite/framework/combo_model.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

namespace suite {

ComboView::ComboView(ViewHub& hub, std::shared_ptr<ComboModel> model, QWidget* parent)
    : QComboBox(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setFocusPolicy(Qt::StrongFocus);  // not WheelFocus: the wheel never takes the focus
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (isSyncing())
            return;
        gesture([this, index] { model_->pick(index); });
        sync();
    });
    sync();
}

void ComboView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    bool same = count() == model_->count();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == model_->itemText(i);
    if (!same) {
        clear();
        for (int i = 0; i < model_->count(); ++i)
            addItem(model_->itemText(i));
        fitPopup();
    }
    if (currentIndex() != model_->currentIndex())
        setCurrentIndex(model_->currentIndex());
}

void ComboView::fitPopup() {
    // The list opens at least as wide as its longest entry, even where the field is narrower.
    const QFontMetrics metrics(view()->font());
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    const int margins =
        2 * view()->frameWidth() + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) +
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + metrics.averageCharWidth() * 2;
    view()->setMinimumWidth(widest + margins);
}

void ComboView::keyPressEvent(QKeyEvent* event) {
    if (keyGoesOn(*event, [this](int code, int shift) { return model_->pressKey(code, shift); }))
        QComboBox::keyPressEvent(event);
}

void ComboView::wheelEvent(QWheelEvent* event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();  // the wheel goes on to the form
}

void ComboView::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    focusFromPerson();
}

}  // namespace suite
