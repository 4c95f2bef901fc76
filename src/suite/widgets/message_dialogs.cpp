#include "suite/widgets/message_dialogs.h"

#include "brondel/console/host_components/types.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace suite {

namespace {

namespace answer = host::message_answer;
namespace style_bits = host::message_style;

struct Choice {
    QMessageBox::StandardButton button;
    qint32 answer;
    QString caption;
};

// The buttons of each button set (the style's lowest three bits), in the order they are shown.
QList<Choice> choices(qint32 style) {
    // Each caption's marked letter answers the box from the keyboard (S/N, O, A, I, R, G): no two in a set.
    const Choice ok{QMessageBox::Ok, answer::Ok, QStringLiteral("&OK")};
    const Choice cancel{QMessageBox::Cancel, answer::Cancel, QStringLiteral("&Annulla")};
    const Choice abort{QMessageBox::Abort, answer::Abort, QStringLiteral("&Interrompi")};
    const Choice retry{QMessageBox::Retry, answer::Retry, QStringLiteral("&Riprova")};
    const Choice ignore{QMessageBox::Ignore, answer::Ignore, QStringLiteral("I&gnora")};
    const Choice yes{QMessageBox::Yes, answer::Yes, QStringLiteral("&Sì")};
    const Choice no{QMessageBox::No, answer::No, QStringLiteral("&No")};
    switch (style & 7) {
    case style_bits::OkCancel: return {ok, cancel};
    case style_bits::AbortRetryIgnore: return {abort, retry, ignore};
    case style_bits::YesNoCancel: return {yes, no, cancel};
    case style_bits::YesNo: return {yes, no};
    case 5: return {retry, cancel};
    default: return {ok};
    }
}

QMessageBox::Icon iconOf(qint32 style) {
    switch (style & 0x70) {
    case style_bits::Critical: return QMessageBox::Critical;
    case style_bits::Question: return QMessageBox::Question;
    case style_bits::Exclamation: return QMessageBox::Warning;
    case style_bits::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

qint32 run(QMessageBox* box, qint32 style) {
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    qint32 result = clicked ? clicked->property("answer").toInt() : 0;
    if (result == 0) {
        // Closed without a button (Escape, the window's close box): the set's Cancel, else its only answer.
        const QList<Choice> set = choices(style);
        result = set.last().answer;
        for (const Choice& choice : set) {
            if (choice.answer == answer::Cancel)
                result = answer::Cancel;
        }
    }
    delete box;
    return result;
}

}  // namespace

QMessageBox* MessageDialogs::createBox(const QString& text, qint32 style, const QString& title, QWidget* parent) {
    auto* box = new QMessageBox(parent ? parent : QApplication::activeWindow());
    box->setWindowTitle(title.isEmpty() ? QStringLiteral("Messaggio") : title);
    QString shown = text;
    box->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->setIcon(iconOf(style));
    const QList<Choice> set = choices(style);
    // Default button: the style's bits 256 (second) and 512 (third).
    const int defaultIndex = std::min(int(set.size()) - 1, (style >> 8) & 3);
    for (int i = 0; i < set.size(); ++i) {
        QPushButton* button = box->addButton(set[i].button);
        button->setText(set[i].caption);
        button->setProperty("answer", set[i].answer);
        if (i == defaultIndex)
            box->setDefaultButton(button);
    }
    keepTitleWhole(*box);
    return box;
}

int MessageDialogs::titleRoom(const QString& title) {
    // The window manager's title bar: the title in the bold title font, its icon and its close box.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 4 * QFontMetrics(font).height() + 24;
}

void MessageDialogs::keepTitleWhole(QMessageBox& box) {
    // A message box sizes itself by its text: a short text under a long title would cut the title. An
    // empty item across the box's grid holds it as wide as the title needs (a minimum width alone is
    // overridden by the box's own sizing).
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(titleRoom(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

qint32 MessageDialogs::showMessage(const QString& text, qint32 style, const QString& title) {
    return run(createBox(text, style, title, parent_), style);
}

qint32 MessageDialogs::errorBox(const QString& text, qint32 style, const QString& title) {
    // The error box's first line says what failed; the rest goes to the details.
    const qsizetype firstBreak = text.indexOf(QLatin1Char('\n'));
    QMessageBox* box = createBox(firstBreak < 0 ? text : text.left(firstBreak), style, title, parent_);
    if (firstBreak >= 0)
        box->setInformativeText(text.mid(firstBreak + 1).trimmed());
    return run(box, style);
}

}  // namespace suite
