#include "suite/framework/event_loop_model.h"

#include <QCoreApplication>

namespace suite {

void EventLoopModel::processEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

}  // namespace suite
