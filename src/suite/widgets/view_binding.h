#pragma once

#include "brondel/console/host_components/control_design.h"

#include "automation/event.h"

#include <QRect>
#include <functional>
#include <memory>

class QKeyEvent;
class QWidget;

namespace host {
class Control;
}

namespace suite {

class ViewHub;

// Twips of the models to pixels of the views, and back.
QRect toPixels(const host::Geometry& geometry);
int toPixels(int twips);
int toTwips(int pixels);

// What every view of a control model does: it shows the model's geometry, visibility, enablement and
// focus, follows the model's Changed notification, and hands what a person does to the model's gestures
// through the hub. A view never decides anything itself.
class ViewBinding {
public:
    ViewBinding(ViewHub& hub, QWidget& widget, std::shared_ptr<host::Control> control);
    virtual ~ViewBinding();
    ViewBinding(const ViewBinding&) = delete;
    ViewBinding& operator=(const ViewBinding&) = delete;

    host::Control& control() const { return *control_; }
    std::shared_ptr<host::Control> controlPointer() const { return control_; }
    QWidget& widget() const { return widget_; }

    // Shows the model's whole state.
    virtual void sync();
    // The model reported a change: views sync at once unless reading the model is costly.
    virtual void modelChanged() { sync(); }

protected:
    // Marks a sync in progress on a view while it lives.
    class SyncScope {
    public:
        explicit SyncScope(ViewBinding& view) : view_(view) { ++view_.syncing_; }
        ~SyncScope() { --view_.syncing_; }
        SyncScope(const SyncScope&) = delete;
        SyncScope& operator=(const SyncScope&) = delete;

    private:
        ViewBinding& view_;
    };

    ViewHub& hub() const { return hub_; }
    // Runs a gesture on the model; returns false when it failed.
    bool gesture(const std::function<void()>& action);
    // Whether a sync is putting the model's state into the widget (the widget's own signals then are not
    // a person's doing).
    bool isSyncing() const { return syncing_ > 0; }
    // A person's key: the model's pressKey (code, shift) raises KeyDown and gives back the key code its
    // handlers left. Returns whether the widget goes on with the key (a key KeyDown does not number, or
    // one the handlers did not swallow).
    bool keyGoesOn(const QKeyEvent& event, const std::function<int(int, int)>& pressKey);
    // Tells the model the person put the focus here (clicked into the control, tabbed to it).
    void focusFromPerson();

private:
    ViewHub& hub_;
    QWidget& widget_;
    std::shared_ptr<host::Control> control_;
    automation::Event<>::ConnectionId changed_ = 0;
    int syncing_ = 0;
};

}  // namespace suite
