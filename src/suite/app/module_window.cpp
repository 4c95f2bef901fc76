#include "suite/app/module_window.h"

#include "suite/app/control_finder.h"

#include "suite/widgets/form_view.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/form_model.h"
#include "suite/framework/mdi_host_model.h"
#include "suite/framework/resize_component_model.h"

#include "automation/dispatch.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTimer>

namespace suite {

namespace {

// The dialog of a modal form: Escape and the close box ask the module instead of closing.
class ModalFormDialog : public QDialog {
public:
    ModalFormDialog(QWidget* parent, std::function<void()> closeRequested)
        : QDialog(parent), closeRequested_(std::move(closeRequested)) {}

    void reject() override { closeRequested_(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        closeRequested_();
    }

private:
    std::function<void()> closeRequested_;
};

}  // namespace

ModuleWindow::ModuleWindow(QString program, std::shared_ptr<automation::Dispatch> instance, QMdiArea& area,
                           const ViewFactory& views)
    : program_(std::move(program)), instance_(std::move(instance)),
      module_(std::dynamic_pointer_cast<host::Cinterface>(instance_)), area_(area), views_(views),
      hub_(std::make_unique<ViewHub>()) {}

ModuleWindow::~ModuleWindow() { release(false); }

void ModuleWindow::adoptForm(const std::shared_ptr<FormModel>& form) {
    if (form_)
        return;
    form_ = form;
    view_ = new FormView(*hub_, form_, views_);
    formChanged_ = form_->Changed.connect([this] { followForm(); });
    form_->setModalRunner([this](FormModel& shown) { runModal(shown); });
}

void ModuleWindow::show(bool interactive) {
    if (!interactive && form_)
        form_->setModalRunner({});
    {
        const QScopedValueRollback<bool> showing(showing_, true);
        hub_->run([this] { module_->showForm(); });
    }
    if (form_ && form_->isLoaded())
        place();
    else
        release(true);  // a modal form that has closed, or a form that never opened
}

void ModuleWindow::place() {
    if (!view_ || subWindow_)
        return;
    hub_->syncAll();
    ControlFinder finder(*form_);
    QPoint at(0, 0);
    if (auto mdi = std::dynamic_pointer_cast<MdiHostModel>(finder.byKind(host::ControlKind::MdiHost))) {
        hub_->run([&] {
            const QRect placed = toPixels(mdi->place());
            at = placed.topLeft();
        });
    }
    subWindow_ = area_.addSubWindow(view_);
    subWindow_->setWindowIcon(subWindow_->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    subWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    subWindow_->installEventFilter(this);
    subWindow_->show();
    frame_ = subWindow_->size() - view_->size();
    subWindow_->setGeometry(QRect(at, view_->modelSize() + frame_));
    if (form_->windowState() == 2)
        subWindow_->showMaximized();
    // From now on, a person's resize of the window is the form's resize.
    view_->setResizeGesture([this](int width, int height) { resizeForm(width, height); });
    connect(&area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* activated) {
        if (!activated || activated != subWindow_ || !form_ || !form_->isLoaded() || closing_)
            return;
        // Nothing may unwind into Qt's signal: a failure the hub hands on is only told.
        try {
            hub_->run([this] { form_->activate(); });
        } catch (const std::exception& error) {
            qWarning("suite-host: %s", error.what());
        }
    });
    hub_->scheduleSync();
}

void ModuleWindow::resizeForm(int width, int height) {
    if (!form_ || resizingForm_)
        return;
    const QScopedValueRollback<bool> resizing(resizingForm_, true);
    const auto resizer = std::dynamic_pointer_cast<ResizeComponentModel>(
        ControlFinder(*form_).byKind(host::ControlKind::ResizeComponent));
    if (resizer)
        resizer->resize(width, height);
    else
        form_->move(form_->left(), form_->top(), width, height);
}

void ModuleWindow::runModal(FormModel& form) {
    ModalFormDialog dialog(area_.window(), [this] { QTimer::singleShot(0, this, [this] { close(); }); });
    dialog_ = &dialog;
    dialog.setWindowTitle(form.caption());
    view_->setParent(&dialog);
    hub_->syncAll();
    dialog.resize(view_->modelSize());
    view_->show();
    view_->setResizeGesture([this](int width, int height) { resizeForm(width, height); });
    if (form.isLoaded())
        dialog.exec();
    view_ = nullptr;  // the dialog owned it
    dialog_ = nullptr;
}

void ModuleWindow::followForm() {
    if (!form_)
        return;
    if (form_->isLoaded()) {
        // The form changed its size by itself: the window fits it. While the form follows the window (a
        // person's resize, a maximised or minimised window following the main window) the window keeps
        // its size, or each would grow the other without end.
        const bool framed = subWindow_ && !(subWindow_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
        if (framed && view_ && !resizingForm_ && subWindow_->size() != view_->modelSize() + frame_)
            subWindow_->resize(view_->modelSize() + frame_);
        return;
    }
    // The form unloaded (through CloseForm or by itself): its window goes.
    if (dialog_)
        dialog_->done(0);
    if (!closing_ && !showing_)
        QTimer::singleShot(0, this, [this] { release(true); });
}

bool ModuleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == subWindow_ && module_) {
        // The window's close box: the module decides whether it closes.
        event->ignore();
        QTimer::singleShot(0, this, [this] { close(); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ModuleWindow::close() {
    if (!module_ || closing_)
        return !module_;
    bool closed = false;
    {
        const QScopedValueRollback<bool> closing(closing_, true);
        hub_->run([&] { closed = automation::cbool(module_->closeForm()); });
    }
    if (closed && !showing_)
        release(true);
    else if (!closed)
        hub_->scheduleSync();
    return closed;
}

void ModuleWindow::release(bool notify) {
    if (!module_ && !form_)
        return;
    if (form_) {
        form_->Changed.disconnect(formChanged_);
        form_->setModalRunner({});
    }
    if (subWindow_) {
        subWindow_->removeEventFilter(this);
        area_.removeSubWindow(subWindow_);
        delete subWindow_;
    }
    delete view_;
    form_.reset();
    module_.reset();
    instance_.reset();
    if (notify && closed)
        closed();
}

}  // namespace suite
