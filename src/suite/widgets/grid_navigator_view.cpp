#include "suite/widgets/grid_navigator_view.h"

#include "suite/widgets/standard_icons.h"

#include "suite/framework/grid_navigator_model.h"

#include "brondel/console/host_components/types.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace suite {

namespace button = host::navigator_button;

QIcon GridNavigatorView::icon(const QString& caption) {
    QStyle* style = QApplication::style();
    if (caption == button::New)
        return standardIcon(style, QStyle::SP_FileIcon);
    if (caption == button::Save)
        return standardIcon(style, QStyle::SP_DialogApplyButton);
    if (caption == button::Undo)
        return standardIcon(style, QStyle::SP_DialogCancelButton);
    if (caption == button::Delete)
        return standardIcon(style, QStyle::SP_TrashIcon);
    return {};
}

QList<QKeySequence> GridNavigatorView::shortcuts(const QString& caption) {
    if (caption == button::New)
        return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    if (caption == button::Save)
        return {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_F10)};
    if (caption == button::Undo)
        return {QKeySequence(Qt::Key_Escape)};
    if (caption == button::Delete)
        return {QKeySequence(Qt::CTRL | Qt::Key_Delete)};
    return {};
}

QString GridNavigatorView::toolTip(const QString& caption) {
    const QList<QKeySequence> keys = shortcuts(caption);
    return keys.isEmpty() ? caption
                          : QStringLiteral("%1 (%2)").arg(caption, keys.front().toString(QKeySequence::NativeText));
}

GridNavigatorView::GridNavigatorView(ViewHub& hub, std::shared_ptr<GridNavigatorModel> model, QWidget* parent)
    : QWidget(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    for (const QString& caption : GridNavigatorModel::buttons()) {
        auto* press = new QToolButton(this);
        press->setText(caption);
        press->setIcon(icon(caption));
        press->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        press->setToolTip(toolTip(caption));
        press->setAutoRaise(false);
        connect(press, &QToolButton::clicked, this,
                [this, caption] { gesture([this, caption] { model_->pressButton(caption); }); });
        press->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(press);
        buttons_.insert(caption, press);
    }
    setFocusPolicy(Qt::NoFocus);
    sync();
}

void GridNavigatorView::sync() {
    ViewBinding::sync();
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        it.value()->setVisible(model_->isButtonVisible(it.key()));
        it.value()->setEnabled(model_->isButtonAvailable(it.key()));
    }
    fitCaptions();
}

void GridNavigatorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCaptions();
}

void GridNavigatorView::fitCaptions() {
    int shown = 0;
    int widest = 0;
    for (QToolButton* press : std::as_const(buttons_)) {
        press->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        if (press->isHidden())
            continue;
        ++shown;
        widest = std::max(widest, press->sizeHint().width());
    }
    const int room = shown > 0 ? (width() - 3 * (shown - 1)) / shown : 0;
    if (widest > room) {
        for (QToolButton* press : std::as_const(buttons_))
            press->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

}  // namespace suite
