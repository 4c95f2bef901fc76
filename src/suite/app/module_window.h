#pragma once

#include "suite/widgets/form_view.h"

#include <QDialog>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QMdiArea;

namespace automation {
class Dispatch;
}
namespace host {
class Cinterface;
}

namespace suite {

class FormModel;
class ViewFactory;
class ViewHub;

// A module the host opened: its instance, the window of the form it shows (a child of the MDI area, or a
// modal dialog), and its closing: a person closing the window, or the host quitting, asks the module
// through CloseForm, whose answer decides; once closed, the window goes and the instance is released.
class ModuleWindow : public QObject {
public:
    ModuleWindow(QString program, std::shared_ptr<automation::Dispatch> instance, QMdiArea& area,
                 const ViewFactory& views);
    ~ModuleWindow() override;

    const QString& program() const { return program_; }
    std::shared_ptr<automation::Dispatch> instance() const { return instance_; }
    std::shared_ptr<host::Cinterface> module() const { return module_; }
    std::shared_ptr<FormModel> form() const { return form_; }
    FormView* view() const { return view_; }
    ViewHub& hub() const { return *hub_; }
    QMdiSubWindow* subWindow() const { return subWindow_; }
    bool isOpen() const { return module_ != nullptr; }

    // The form the module created while showing itself.
    void adoptForm(const std::shared_ptr<FormModel>& form);
    // Shows the module's form: showForm(), then (modeless) the form placed in the MDI area where its MDI
    // host control puts it. With interactive true a modal form runs as a modal dialog; otherwise (headless)
    // it shows in the MDI area too.
    void show(bool interactive);
    // The person resizes the form's window to width and height (twips): the form's resize component
    // moves and stretches its controls.
    void resizeForm(int width, int height);
    // CloseForm; returns what it answered (true: closed, the window is gone and the instance released).
    bool close();

    // Called once the module has closed.
    std::function<void()> closed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void runModal(FormModel& form);
    void followForm();
    // notify: call closed (not while the window itself is being destroyed).
    void release(bool notify);

    QString program_;
    std::shared_ptr<automation::Dispatch> instance_;
    std::shared_ptr<host::Cinterface> module_;
    std::shared_ptr<FormModel> form_;
    QMdiArea& area_;
    const ViewFactory& views_;
    std::unique_ptr<ViewHub> hub_;
    QPointer<FormView> view_;
    QPointer<QMdiSubWindow> subWindow_;
    QPointer<QDialog> dialog_;
    std::size_t formChanged_ = 0;
    QSize frame_;  // what the MDI window adds around the form
    bool closing_ = false;
    bool showing_ = false;       // inside showForm (a modal form runs there)
    bool resizingForm_ = false;  // the form follows the window: the window must not follow it back
};

}  // namespace suite
