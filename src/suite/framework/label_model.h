#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/label.h"

namespace suite {

// A label or title bar: it shows its caption, which is also its text (a decode writes a description
// into a label beside its field).
class LabelModel : public ControlBase<host::Label> {
public:
    using ControlBase<host::Label>::ControlBase;

    QString text() const override { return caption(); }
    void setText(const QString& text) override { setCaption(text); }
};

}  // namespace suite
