#pragma once

#include "brondel/console/host_components/types.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace host {

class Control;

// A control's geometry, in twips, relative to its parent.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Geometry&) const = default;
};

// The design properties a form gives the factory for each control it creates.
struct ControlDesign {
    QString name;
    ControlKind kind = ControlKind::Label;
    int index = -1;          // member of a control array (PIC_PARAMETRI(3)); -1 when not in an array
    QString caption;         // label text, button caption, field caption shown in messages
    int maxLength = 0;       // 0: no limit
    QString boundColumn;     // the recordset column a frame writes from this control
    bool mandatory = false;  // the frame refuses to save while the control is empty
    bool upperCase = false;  // typed text is turned to upper case
    bool numeric = false;    // only digits and a decimal separator are accepted
    bool negative = false;   // numeric: a minus sign may lead (only where a negative makes sense)
    QVariant defaultValue;   // put in the control when its frame starts a new row; Empty: none
    bool enabled = true;
    bool visible = true;
    Geometry geometry;
    std::shared_ptr<Control> parent;  // nothing for the form itself
};

}  // namespace host
