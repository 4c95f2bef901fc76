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
