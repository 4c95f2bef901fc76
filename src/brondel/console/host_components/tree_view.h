#pragma once

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/tree_node.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace host {

class ImageList;

// A tree view (TvDim); nodes are addressed by their unique keys.
class TreeView : public Control {
public:
    virtual void setImageList(std::shared_ptr<ImageList> images) = 0;
    virtual void clear() = 0;
    // Adds a node under parentKey (empty: a root); throws automation::Error when the key is taken.
    virtual void addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image,
                         const QString& selectedImage) = 0;
    virtual int nodeCount() const = 0;
    virtual TreeNode node(const QString& key) const = 0;
    virtual QStringList rootKeys() const = 0;
    virtual QStringList childKeys(const QString& key) const = 0;
    virtual void setExpanded(const QString& key, bool expanded) = 0;
};

}  // namespace host
