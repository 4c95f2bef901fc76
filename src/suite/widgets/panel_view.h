#pragma once

#include "suite/widgets/view_binding.h"

#include <QWidget>

namespace suite {

// A panel (PIC_*): an area without a frame that holds controls; hiding it hides them.
class PanelView : public QWidget, public ViewBinding {
public:
    PanelView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent);
};

}  // namespace suite
