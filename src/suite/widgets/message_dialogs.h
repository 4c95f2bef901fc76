#pragma once

#include "suite/framework/message_presenter.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

namespace suite {

// Message boxes and the error box as Qt dialogs: the style's icon, buttons and default button, the answer
// as the standard message box numbers it.
class MessageDialogs : public MessagePresenter {
public:
    explicit MessageDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    qint32 showMessage(const QString& text, qint32 style, const QString& title) override;
    qint32 errorBox(const QString& text, qint32 style, const QString& title) override;

    // The dialog for a style, not yet shown; each button carries its answer in the property "answer".
    static QMessageBox* createBox(const QString& text, qint32 style, const QString& title, QWidget* parent);
    // The width, in pixels, a window needs for its title bar to show title whole.
    static int titleRoom(const QString& title);

private:
    static void keepTitleWhole(QMessageBox& box);

    QPointer<QWidget> parent_;
};

}  // namespace suite
