#include "suite/framework/image_list_model.h"

namespace suite {

void ImageListModel::addImage(const QString& key, const QString& resource) {
    if (resources_.contains(key))
        throw automation::Error(KeyNotUnique, name(), QStringLiteral("Key is not unique in collection: ") + key);
    keys_ << key;
    resources_.insert(key, resource);
    notifyChanged();
}

}  // namespace suite
