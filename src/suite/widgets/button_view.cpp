#include "suite/widgets/button_view.h"

#include "suite/framework/menu_button_model.h"

#include <QMenu>

namespace suite {

ButtonView::ButtonView(ViewHub& hub, std::shared_ptr<host::Button> model, QWidget* parent)
    : QPushButton(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    menuModel_ = dynamic_cast<MenuButtonModel*>(model_.get());
    if (menuModel_) {
        setMenu(new QMenu(this));
    } else {
        connect(this, &QPushButton::clicked, this, [this] {
            if (!isSyncing())
                gesture([this] { model_->click(); });
        });
    }
    sync();
}

void ButtonView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    if (text() != model_->caption())
        setText(model_->caption());
    if (menuModel_)
        syncMenu();
}

void ButtonView::syncMenu() {
    QMenu* entries = menu();
    const QList<QAction*> actions = entries->actions();
    bool same = actions.size() == menuModel_->itemCount();
    for (int i = 0; same && i < actions.size(); ++i)
        same = actions[i]->text() == menuModel_->itemCaption(i) && actions[i]->data() == menuModel_->itemKey(i);
    if (same)
        return;
    entries->clear();
    for (int i = 0; i < menuModel_->itemCount(); ++i) {
        QAction* action = entries->addAction(menuModel_->itemCaption(i));
        const QString key = menuModel_->itemKey(i);
        action->setData(key);
        connect(action, &QAction::triggered, this,
                [this, key] { gesture([this, key] { menuModel_->chooseItem(key); }); });
    }
}

void ButtonView::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    focusFromPerson();
}

}  // namespace suite
