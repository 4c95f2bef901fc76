#pragma once

#include "suite/widgets/view_binding.h"

#include <QLabel>

namespace suite {

// A label shows its caption; a title bar (TLB_*) shows it as the heading of the form's area, and a label
// tall enough for several lines wraps its text.
class LabelView : public QLabel, public ViewBinding {
public:
    LabelView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent);

    void sync() override;

    static bool isTitleBar(const QString& name);
};

}  // namespace suite
