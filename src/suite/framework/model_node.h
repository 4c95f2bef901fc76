#pragma once

#include "automation/event.h"

#include <QtGlobal>
#include <memory>
#include <vector>

namespace host {
class Control;
}

namespace suite {

// The tree side of every control model: its children, its root (the form), the focus kept by the root,
// and a Changed notification for views. Views walk the tree through children().
class ModelNode {
public:
    ModelNode();
    virtual ~ModelNode();
    ModelNode(const ModelNode&) = delete;
    ModelNode& operator=(const ModelNode&) = delete;

    // The control this node belongs to.
    virtual host::Control& control() = 0;

    ModelNode* parentNode() const;
    const std::vector<std::shared_ptr<host::Control>>& children() const { return children_; }
    // Called by the factory: child becomes one of this node's children.
    void addChild(const std::shared_ptr<host::Control>& child);
    void setParentNode(ModelNode* parent) { parent_ = parent; }

    ModelNode& root();
    // Whether node is this one or lies below it.
    bool holds(const ModelNode* node) const;
    // The control holding the focus in this node's tree; nullptr when none.
    host::Control* focusedControl();
    void takeFocus();
    bool ownsFocus();

    // Whether this node and all its ancestors are visible.
    bool isVisibleInTree();

    qint64 handle() const { return handle_; }

    // Any state a view shows changed.
    automation::Event<> Changed;

protected:
    void notifyChanged() { Changed.raise(); }
    virtual bool nodeVisible() = 0;

private:
    ModelNode* parent_ = nullptr;
    std::vector<std::shared_ptr<host::Control>> children_;
    ModelNode* focused_ = nullptr;  // kept by the root
    qint64 handle_;
};

// The node of a control created by the model factory; nullptr for controls of other origins.
ModelNode* nodeOf(host::Control* control);

}  // namespace suite
