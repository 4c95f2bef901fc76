#pragma once

#include "suite/framework/button_model.h"

#include "brondel/console/host_components/menu_button.h"

#include <QList>
#include <QString>

namespace suite {

// A button with a drop-down menu. Gesture: chooseItem() picks an entry (MenuItemClick with its key and
// caption).
class MenuButtonModel : public ButtonBase<host::MenuButton> {
public:
    using ButtonBase<host::MenuButton>::ButtonBase;

    void addItem(const QString& caption, const QString& key) override;
    int itemCount() const override { return int(items_.size()); }
    QString itemCaption(int index) const override { return items_.value(index).caption; }
    QString itemKey(int index) const override { return items_.value(index).key; }

    // Returns false when the button is unavailable or no entry has that key.
    bool chooseItem(const QString& key);

private:
    struct Item {
        QString caption;
        QString key;
    };
    QList<Item> items_;
};

}  // namespace suite
