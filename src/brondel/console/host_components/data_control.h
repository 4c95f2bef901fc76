#pragma once

#include "brondel/console/host_components/control.h"

#include "automation/event.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace host {

class DataFormat;

// A control a virtual frame can bind to a column: edit, combo or check. The frame pushes the current
// row's value into it and writes its value back on save.
class DataControl : public Control {
public:
    // The column the control edits (its design's bound column); empty when not bound.
    virtual QString boundColumn() const = 0;
    virtual void setBoundColumn(const QString& column) = 0;

    // A value the form keeps on the control across a frame operation.
    virtual QVariant savedValue() const = 0;
    virtual void setSavedValue(const QVariant& value) = 0;

    virtual bool isMandatory() const = 0;
    virtual void setMandatory(bool mandatory) = 0;
    virtual QVariant defaultValue() const = 0;

    // Whether the shown value is acceptable (a combo: the text is one of its entries; an edit: not marked
    // invalid by the form).
    virtual bool isValid() const = 0;
    virtual void setValid(bool valid) = 0;

    // The format between stored and shown value; nothing for none.
    virtual std::shared_ptr<DataFormat> dataFormat() const = 0;
    virtual void setDataFormat(std::shared_ptr<DataFormat> format) = 0;

    // The user confirmed a value (left the field, pressed Enter, picked an entry): Cancel keeps the focus
    // in the control and, for a check or combo, restores its previous value.
    automation::Event<bool&> AfterItem;
    // Before the focus leaves the control: Cancel keeps it there.
    automation::Event<bool&> Validate;
    // KeyCode (set 0 to swallow the key), shift state.
    automation::Event<int&, int> KeyDown;
    // The text changed (typing or code).
    automation::Event<> Change;
    // Clicked (a check box toggled, a combo entry picked).
    automation::Event<> Click;
};

}  // namespace host
