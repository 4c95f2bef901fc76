#include "suite/widgets/panel_view.h"

namespace suite {

PanelView::PanelView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent)
    : QWidget(parent), ViewBinding(hub, *this, std::move(control)) {
    sync();
}

}  // namespace suite
