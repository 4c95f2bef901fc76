#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/tree_view.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace suite {

// A tree view: nodes by unique key, children in the order added. As the common tree control does, a key
// already taken raises "Key is not unique in collection" (35602) and an unknown key "Element not found"
// (35601).
//
// Gestures: selectNode() as the user clicks a node, toggleNode() on its expander.
class TreeViewModel : public ControlBase<host::TreeView> {
public:
    using ControlBase<host::TreeView>::ControlBase;

    void setImageList(std::shared_ptr<host::ImageList> images) override;
    std::shared_ptr<host::ImageList> imageList() const { return images_; }
    void clear() override;
    void addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image,
                 const QString& selectedImage) override;
    int nodeCount() const override { return int(nodes_.size()); }
    host::TreeNode node(const QString& key) const override;
    QStringList rootKeys() const override { return roots_; }
    QStringList childKeys(const QString& key) const override;
    void setExpanded(const QString& key, bool expanded) override;

    QString selectedKey() const { return selected_; }

    // Return false when the tree cannot take the click or has no such node.
    bool selectNode(const QString& key);
    bool toggleNode(const QString& key);

private:
    host::TreeNode& find(const QString& key);

    QHash<QString, host::TreeNode> nodes_;
    QHash<QString, QStringList> children_;
    QStringList roots_;
    QString selected_;
    std::shared_ptr<host::ImageList> images_;
};

}  // namespace suite
