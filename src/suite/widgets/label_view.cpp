#include "suite/widgets/label_view.h"

#include "brondel/console/host_components/control.h"

#include <QStyle>

namespace suite {

LabelView::LabelView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent)
    : QLabel(parent), ViewBinding(hub, *this, std::move(control)) {
    setTextFormat(Qt::PlainText);
    if (isTitleBar(this->control().name())) {
        setObjectName(QStringLiteral("titleBar"));
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setIndent(10);
        QFont heading = font();
        heading.setBold(true);
        heading.setPointSizeF(heading.pointSizeF() * 1.25);
        setFont(heading);
        // A title bar without a caption (no section chosen yet) shows nothing rather than an empty band.
        setStyleSheet(
            QStringLiteral("QLabel#titleBar[caption=\"true\"] { background: qlineargradient(x1:0, y1:0, "
                           "x2:1, y2:0, stop:0 #2f5f8f, stop:1 #6f9cc8); color: white; border-radius: 3px; }"));
    } else {
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    sync();
}

bool LabelView::isTitleBar(const QString& name) { return name.startsWith(QLatin1String("TLB_"), Qt::CaseInsensitive); }

void LabelView::sync() {
    ViewBinding::sync();
    // Captions come with CR LF line breaks.
    QString caption = control().caption();
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text() != caption) {
        setText(caption);
        if (isTitleBar(control().name())) {
            setProperty("caption", !caption.isEmpty());
            style()->unpolish(this);
            style()->polish(this);
        }
    }
    const bool severalLines = height() >= 2 * fontMetrics().height();
    if (wordWrap() != severalLines)
        setWordWrap(severalLines);
}

}  // namespace suite
