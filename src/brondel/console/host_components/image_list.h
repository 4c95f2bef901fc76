#pragma once

#include "brondel/console/host_components/control.h"

#include <QString>
#include <QStringList>

namespace host {

// Images by key, for tree views.
class ImageList : public Control {
public:
    // resource: where the view finds the picture (a Qt resource path).
    virtual void addImage(const QString& key, const QString& resource) = 0;
    virtual QStringList keys() const = 0;
    virtual QString resource(const QString& key) const = 0;
};

}  // namespace host
