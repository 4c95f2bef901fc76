#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/image_list.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace suite {

// The errors of the common controls' keyed collections (images, tree nodes).
constexpr long ElementNotFound = 35601;
constexpr long KeyNotUnique = 35602;

// Images by key, in the order added; a key already taken raises "Key is not unique in collection".
class ImageListModel : public ControlBase<host::ImageList> {
public:
    using ControlBase<host::ImageList>::ControlBase;

    void addImage(const QString& key, const QString& resource) override;
    QStringList keys() const override { return keys_; }
    QString resource(const QString& key) const override { return resources_.value(key); }

private:
    QStringList keys_;
    QHash<QString, QString> resources_;
};

}  // namespace suite
