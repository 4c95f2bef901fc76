#include "suite/widgets/group_box_view.h"

#include "brondel/console/host_components/control.h"

namespace suite {

GroupBoxView::GroupBoxView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent)
    : QGroupBox(parent), ViewBinding(hub, *this, std::move(control)) {
    sync();
}

void GroupBoxView::sync() {
    ViewBinding::sync();
    if (title() != control().caption())
        setTitle(control().caption());
}

}  // namespace suite
