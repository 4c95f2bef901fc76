#pragma once

#include "suite/framework/data_control_base.h"

#include "brondel/console/host_components/check.h"

namespace suite {

// A check box: text "1"/"0", value 1/0. Changing the state, by code or by gesture, raises Click.
//
// Gesture: toggle() as the user clicks it: Click, then AfterItem; a Cancel puts the previous state back
// (raising Click again).
class CheckModel : public DataControlBase<host::Check> {
public:
    explicit CheckModel(const host::ControlDesign& design);

    QString text() const override;
    void setText(const QString& text) override;
    QVariant value() const override;
    void setValue(const QVariant& value) override;
    bool isChecked() const override { return checked_; }
    void setChecked(bool checked) override;

    bool toggle();

private:
    bool checked_ = false;
};

}  // namespace suite
