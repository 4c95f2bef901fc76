#include "suite/framework/model_node.h"

#include "brondel/console/host_components/control.h"

#include <atomic>

namespace suite {

namespace {
std::atomic<qint64> lastHandle{0};
}

ModelNode::ModelNode() : handle_(++lastHandle) {}

ModelNode::~ModelNode() {
    ModelNode& top = root();
    if (top.focused_ == this)
        top.focused_ = nullptr;
    // A child someone else still holds (a host script's variable) outlives this node: it becomes a tree of
    // its own, taking the focus along when it lies in that tree.
    for (const std::shared_ptr<host::Control>& child : children_) {
        ModelNode* node = nodeOf(child.get());
        if (!node)
            continue;
        if (top.focused_ && node->holds(top.focused_)) {
            node->focused_ = top.focused_;
            top.focused_ = nullptr;
        }
        node->parent_ = nullptr;
    }
}

bool ModelNode::holds(const ModelNode* node) const {
    for (; node; node = node->parent_) {
        if (node == this)
            return true;
    }
    return false;
}

ModelNode* ModelNode::parentNode() const { return parent_; }

void ModelNode::addChild(const std::shared_ptr<host::Control>& child) {
    children_.push_back(child);
    if (ModelNode* node = nodeOf(child.get()))
        node->setParentNode(this);
}

ModelNode& ModelNode::root() {
    ModelNode* node = this;
    while (node->parent_)
        node = node->parent_;
    return *node;
}

host::Control* ModelNode::focusedControl() {
    ModelNode* owner = root().focused_;
    return owner ? &owner->control() : nullptr;
}

void ModelNode::takeFocus() {
    ModelNode& top = root();
    ModelNode* previous = top.focused_;
    if (previous == this)
        return;
    top.focused_ = this;
    if (previous)
        previous->notifyChanged();
    notifyChanged();
}

bool ModelNode::ownsFocus() { return root().focused_ == this; }

bool ModelNode::isVisibleInTree() {
    for (ModelNode* node = this; node; node = node->parent_) {
        if (!node->nodeVisible())
            return false;
    }
    return true;
}

ModelNode* nodeOf(host::Control* control) { return dynamic_cast<ModelNode*>(control); }

}  // namespace suite
