#include "suite/framework/tree_view_model.h"

#include "suite/framework/image_list_model.h"

namespace suite {

void TreeViewModel::setImageList(std::shared_ptr<host::ImageList> images) {
    images_ = std::move(images);
    notifyChanged();
}

void TreeViewModel::clear() {
    nodes_.clear();
    children_.clear();
    roots_.clear();
    selected_.clear();
    notifyChanged();
}

host::TreeNode& TreeViewModel::find(const QString& key) {
    const auto node = nodes_.find(key);
    if (node == nodes_.end())
        throw automation::Error(ElementNotFound, name(), QStringLiteral("Element not found: ") + key);
    return *node;
}

void TreeViewModel::addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image,
                            const QString& selectedImage) {
    if (nodes_.contains(key))
        throw automation::Error(KeyNotUnique, name(), QStringLiteral("Key is not unique in collection: ") + key);
    if (parentKey.isEmpty())
        roots_ << key;
    else
        children_[find(parentKey).key] << key;
    nodes_.insert(key, host::TreeNode{key, parentKey, text, image, selectedImage, false});
    notifyChanged();
}

host::TreeNode TreeViewModel::node(const QString& key) const { return const_cast<TreeViewModel*>(this)->find(key); }

QStringList TreeViewModel::childKeys(const QString& key) const {
    node(key);
    return children_.value(key);
}

void TreeViewModel::setExpanded(const QString& key, bool expanded) { update(find(key).expanded, expanded); }

bool TreeViewModel::selectNode(const QString& key) {
    if (!canTakeFocus() || !nodes_.contains(key))
        return false;
    takeFocus();
    update(selected_, key);
    return true;
}

bool TreeViewModel::toggleNode(const QString& key) {
    if (!canTakeFocus() || !nodes_.contains(key))
        return false;
    setExpanded(key, !nodes_.value(key).expanded);
    return true;
}

}  // namespace suite
