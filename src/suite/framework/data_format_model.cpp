#include "suite/framework/data_format_model.h"

#include "automation/variant.h"

namespace suite {

QVariant DataFormatModel::format(const QVariant& stored) {
    QVariant value = stored;
    Format.raise(value);
    if (automation::isNull(value) || automation::isEmpty(value))
        return nullValue_;
    return value;
}

QVariant DataFormatModel::unformat(const QVariant& shown) {
    QVariant value = shown;
    if (!automation::isNull(value) && !automation::isEmpty(value) && automation::cstr(value).isEmpty())
        value = automation::null();
    UnFormat.raise(value);
    return value;
}

}  // namespace suite
