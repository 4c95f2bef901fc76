#include "suite/widgets/edit_view.h"

#include "suite/widgets/key_codes.h"
#include "suite/widgets/standard_icons.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/edit_model.h"

#include "brondel/console/host_components/types.h"

#include <QAction>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>
#include <QTimer>

namespace suite {

namespace {

// Field backgrounds: mandatory fields are tinted, a value the form marked invalid stands out.
const QColor MandatoryBase(0xff, 0xfb, 0xe8);
const QColor InvalidBase(0xfd, 0xe2, 0xe2);
// Tab moves the focus; the focus chain, not KeyDown, handles it.
constexpr int TabKey = 9;

}  // namespace

EditView::EditView(ViewHub& hub, std::shared_ptr<EditModel> model, QWidget* parent)
    : QLineEdit(parent), ViewBinding(hub, *this, model), model_(std::move(model)) {
    lookupAction_ = addAction(standardIcon(style(), QStyle::SP_FileDialogContentsView), QLineEdit::TrailingPosition);
    lookupAction_->setToolTip(QStringLiteral("Ricerca (F3)"));
    connect(lookupAction_, &QAction::triggered, this, [this] { lookup(); });
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!isSyncing())
            gesture([this, text] { model_->typeText(text); });
    });
    if (model_->isNumeric())
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sync();
}

void EditView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    const int length = model_->maxLength() > 0 ? model_->maxLength() : 32767;
    if (maxLength() != length)
        setMaxLength(length);
    if (text() != model_->text()) {
        const int cursor = cursorPosition();
        setText(model_->text());
        setCursorPosition(std::min(cursor, int(model_->text().size())));
    }
    lookupAction_->setVisible(model_->hasLookup());
    QPalette colours = palette();
    const QPalette standard;
    QColor base = standard.color(QPalette::Base);
    if (!model_->isValid())
        base = InvalidBase;
    else if (model_->isMandatory() && model_->isEnabled())
        base = MandatoryBase;
    // A disabled field is filled with the window's colour and greys its text, empty or not: the border
    // alone does not tell a person that the field takes no input.
    const QColor disabledBase = standard.color(QPalette::Window);
    const QColor disabledText = standard.color(QPalette::Disabled, QPalette::WindowText);
    if (colours.color(QPalette::Active, QPalette::Base) != base ||
        colours.color(QPalette::Disabled, QPalette::Base) != disabledBase) {
        colours.setColor(QPalette::Active, QPalette::Base, base);
        colours.setColor(QPalette::Inactive, QPalette::Base, base);
        colours.setColor(QPalette::Disabled, QPalette::Base, disabledBase);
        colours.setColor(QPalette::Disabled, QPalette::Text, disabledText);
        setPalette(colours);
    }
}

void EditView::lookup() {
    if (model_->hasLookup())
        gesture([this] { model_->openLookup(); });
}

void EditView::keyPressEvent(QKeyEvent* event) {
    const int code = keyCode(*event);
    if (code == host::key::Return) {
        gesture([this] { model_->pressEnter(); });
        return;
    }
    if (code == TabKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!keyGoesOn(*event, [this](int key, int shift) { return model_->pressKey(key, shift); }))
        return;
    if (code == host::key::F3)
        lookup();
    else
        QLineEdit::keyPressEvent(event);
}

void EditView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focusFromPerson();
}

void EditView::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Dialogs opened by a gesture and switching to another window do not confirm the field.
    if (hub().isRunningGesture() || event->reason() == Qt::PopupFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason || isSyncing())
        return;
    bool left = true;
    gesture([&] { left = model_->leave(); });
    if (!left) {
        QPointer<EditView> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && self->isVisible())
                self->setFocus(Qt::OtherFocusReason);
        });
    }
}

}  // namespace suite
