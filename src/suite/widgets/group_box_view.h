#pragma once

#include "suite/widgets/view_binding.h"

#include <QGroupBox>

namespace suite {

// A group box (GRB_*): a captioned frame around controls.
class GroupBoxView : public QGroupBox, public ViewBinding {
public:
    GroupBoxView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent);

    void sync() override;
};

}  // namespace suite
