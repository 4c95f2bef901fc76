#pragma once

#include "suite/widgets/view_binding.h"
#include "suite/widgets/view_factory.h"

#include <QWidget>
#include <functional>

namespace suite {

class FormModel;
class ViewHub;

// A form and every control of its tree, each at its model's geometry. Controls the form adds later (a
// form builds its controls when first activated) get their views at the next sync. Resizing the widget
// is the form's resize gesture.
class FormView : public QWidget, public ViewBinding {
public:
    // (width, height) in twips: what a person's resize of the window asks of the form.
    using ResizeGesture = std::function<void(int, int)>;

    FormView(ViewHub& hub, std::shared_ptr<FormModel> model, const ViewFactory& factory, QWidget* parent = nullptr);
    ~FormView() override;

    void sync() override;
    FormModel& form() const { return *model_; }

    // Creates the views of the controls that have none yet.
    void adopt();
    // Until one is set, resizing the widget asks nothing of the form (the host is still placing it).
    void setResizeGesture(ResizeGesture gesture) { resize_ = std::move(gesture); }
    // The size the form model asks for, in pixels.
    QSize modelSize() const;
    // The form's own size: what an MDI area's cascade and tile start from.
    QSize sizeHint() const override { return modelSize(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void adoptChildren(host::Control& control, QWidget* parent);
    // The Tab order a person at the keyboard expects: in each panel its fields top to bottom, the grid,
    // then the navigator and the buttons.
    void orderFocus();

    std::shared_ptr<FormModel> model_;
    const ViewFactory& factory_;
    ResizeGesture resize_;
};

}  // namespace suite
