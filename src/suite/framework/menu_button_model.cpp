#include "suite/framework/menu_button_model.h"

namespace suite {

void MenuButtonModel::addItem(const QString& caption, const QString& key) {
    items_.append({caption, key});
    notifyChanged();
}

bool MenuButtonModel::chooseItem(const QString& key) {
    if (!canTakeFocus())
        return false;
    for (const Item& item : items_) {
        if (item.key == key) {
            MenuItemClick.raise(item.key, item.caption);
            return true;
        }
    }
    return false;
}

}  // namespace suite
