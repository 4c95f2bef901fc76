#pragma once

#include "brondel/console/host_components/object.h"

#include "automation/event.h"

#include <QVariant>

namespace host {

// A standard data-format object: converts between the value a row holds and the text a control shows.
// A custom format (type data_format_type::Custom) leaves the conversion to its Format/UnFormat handlers.
class DataFormat : public Object {
public:
    virtual int type() const = 0;
    virtual void setType(int type) = 0;
    // Shown for a Null value (before the handlers run).
    virtual QVariant nullValue() const = 0;
    virtual void setNullValue(const QVariant& value) = 0;

    // Stored value -> shown value: raises Format.
    virtual QVariant format(const QVariant& stored) = 0;
    // Shown value -> stored value: raises UnFormat.
    virtual QVariant unformat(const QVariant& shown) = 0;

    automation::Event<QVariant&> Format;
    automation::Event<QVariant&> UnFormat;
};

}  // namespace host
