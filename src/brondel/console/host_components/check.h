#pragma once

#include "brondel/console/host_components/data_control.h"

namespace host {

// A check box (CHK_*): its text and value are "1" when ticked and "0" when not.
class Check : public DataControl {
public:
    virtual bool isChecked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

}  // namespace host
