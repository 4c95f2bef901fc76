#include "suite/widgets/view_hub.h"

#include "suite/widgets/view_binding.h"

#include "automation/error.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <vector>

namespace suite {

ViewHub::ViewHub(QObject* parent) : QObject(parent) {}

ViewHub::~ViewHub() = default;

void ViewHub::add(ViewBinding* view) { views_[&view->control()] = view; }

void ViewHub::remove(ViewBinding* view) {
    const auto found = views_.find(&view->control());
    if (found != views_.end() && found->second == view)
        views_.erase(found);
}

ViewBinding* ViewHub::viewOf(const host::Control* control) const {
    const auto found = views_.find(control);
    return found == views_.end() ? nullptr : found->second;
}

bool ViewHub::run(const std::function<void()>& gesture) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    bool ok = true;
    {
        Depth depth(depth_);
        try {
            gesture();
        } catch (const automation::Error& error) {
            ok = false;
            report(error);
        } catch (const std::exception& error) {
            ok = false;
            // VB's "Internal error": something other than an automation error escaped the models.
            report(automation::Error(51, QStringLiteral("suite-host"), QString::fromLocal8Bit(error.what())));
        }
    }
    scheduleSync();
    return ok;
}

void ViewHub::report(const automation::Error& error) {
    if (reporter_) {
        reporter_(error);
        return;
    }
    QMessageBox::critical(
        QApplication::activeWindow(), QStringLiteral("Errore"),
        QStringLiteral("Errore %1: %2\n\nOrigine: %3")
            .arg(error.number())
            .arg(error.description(), QString(error.source()).replace(QStringLiteral("\r\n"), QStringLiteral(" > "))));
}

void ViewHub::scheduleSync() {
    if (syncPending_)
        return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] { syncAll(); });
}

void ViewHub::syncAll() {
    syncPending_ = false;
    if (syncing_)
        return;
    syncing_ = true;
    if (adopter_)
        adopter_();
    std::vector<ViewBinding*> views;
    views.reserve(views_.size());
    for (const auto& [control, view] : views_)
        views.push_back(view);
    for (ViewBinding* view : views) {
        // A sync may close a window and destroy views: only those still registered are synced.
        if (viewOf(&view->control()) == view)
            view->sync();
    }
    syncing_ = false;
    if (afterSync_)
        afterSync_();
}

}  // namespace suite
