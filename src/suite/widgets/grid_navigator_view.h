#pragma once

#include "suite/widgets/view_binding.h"

#include <QHash>
#include <QKeySequence>
#include <QWidget>

class QToolButton;

namespace suite {

class GridNavigatorModel;

// A grid navigator: its four buttons, each enabled while the model says it is available; a click is
// pressButton() with the button's caption.
class GridNavigatorView : public QWidget, public ViewBinding {
public:
    GridNavigatorView(ViewHub& hub, std::shared_ptr<GridNavigatorModel> model, QWidget* parent);

    void sync() override;
    QToolButton* button(const QString& caption) const { return buttons_.value(caption); }

    // The icon the suite shows for a navigator button (also on the host's toolbar).
    static QIcon icon(const QString& caption);
    // The keys of a command, as desktop programs have them: new Ctrl+N, confirm Ctrl+S or F10, cancel the
    // edit Esc, delete Ctrl+Del. The main window's toolbar carries them; tooltips show the first.
    static QList<QKeySequence> shortcuts(const QString& caption);
    // "Caption (keys)": a command's tooltip.
    static QString toolTip(const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Captions beside the icons when every shown button has room for its caption; icons alone (the
    // caption in the tooltip) otherwise.
    void fitCaptions();

    std::shared_ptr<GridNavigatorModel> model_;
    QHash<QString, QToolButton*> buttons_;
};

}  // namespace suite
