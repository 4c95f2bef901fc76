#pragma once

#include "brondel/console/host_components/data_format.h"

namespace suite {

// A standard data-format object. format(): the handlers of Format get the stored value (Null included)
// and may replace it; a value still Null afterwards shows as the null value. unformat(): the handlers of
// UnFormat get the shown value (Null for the empty text) and may replace it.
class DataFormatModel : public host::DataFormat {
public:
    int type() const override { return type_; }
    void setType(int type) override { type_ = type; }
    QVariant nullValue() const override { return nullValue_; }
    void setNullValue(const QVariant& value) override { nullValue_ = value; }

    QVariant format(const QVariant& stored) override;
    QVariant unformat(const QVariant& shown) override;

private:
    int type_ = 0;
    QVariant nullValue_;
};

}  // namespace suite
