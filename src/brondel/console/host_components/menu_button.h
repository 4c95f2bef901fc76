#pragma once

#include "brondel/console/host_components/button.h"

#include <QString>

namespace host {

// A button with a drop-down menu of entries (caption, key).
class MenuButton : public Button {
public:
    virtual void addItem(const QString& caption, const QString& key) = 0;
    virtual int itemCount() const = 0;
    virtual QString itemCaption(int index) const = 0;
    virtual QString itemKey(int index) const = 0;

    // An entry was chosen: key, caption.
    automation::Event<const QString&, const QString&> MenuItemClick;
};

}  // namespace host
