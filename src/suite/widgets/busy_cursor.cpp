#include "suite/widgets/busy_cursor.h"

#include "suite/framework/screen_model.h"

#include "brondel/console/host_components/types.h"

#include <QApplication>
#include <QCursor>

namespace suite {

BusyCursor::BusyCursor(std::shared_ptr<ScreenModel> screen) : screen_(std::move(screen)) {
    connection_ = screen_->Changed.connect([this] { follow(); });
    follow();
}

BusyCursor::~BusyCursor() {
    screen_->Changed.disconnect(connection_);
    if (shown_)
        QApplication::restoreOverrideCursor();
}

void BusyCursor::follow() {
    const bool busy = screen_->mousePointer() == host::mouse_pointer::Hourglass;
    if (busy == shown_)
        return;
    shown_ = busy;
    // No events are processed here: the form is in the middle of its work, and views must not read its
    // models before it is done.
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace suite
