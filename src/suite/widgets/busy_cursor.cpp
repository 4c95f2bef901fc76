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
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The form works without returning to the event loop: the cursor must show now.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace suite
