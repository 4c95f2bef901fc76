#include "suite/widgets/tree_view_view.h"

#include "suite/framework/tree_view_model.h"

#include "brondel/console/host_components/image_list.h"

namespace suite {

namespace {

constexpr int KeyRole = Qt::UserRole;

QString keyOf(const QTreeWidgetItem* item) { return item->data(0, KeyRole).toString(); }

}  // namespace

TreeViewView::TreeViewView(ViewHub& hub, std::shared_ptr<TreeViewModel> model, QWidget* parent)
    : TreeWidgetView(hub, model, parent), model_(std::move(model)) {
    const auto toggled = [this](QTreeWidgetItem* item) {
        if (isSyncing())
            return;
        const QString key = keyOf(item);
        if (model_->node(key).expanded != item->isExpanded())
            gesture([&] { model_->toggleNode(key); });
        sync();
    };
    connect(this, &QTreeWidget::itemExpanded, this, toggled);
    connect(this, &QTreeWidget::itemCollapsed, this, toggled);
    sync();
}

void TreeViewView::rowClicked(QTreeWidgetItem* row) {
    const QString key = keyOf(row);
    gesture([&] { model_->selectNode(key); });
}

QIcon TreeViewView::image(const QString& key) const {
    const std::shared_ptr<host::ImageList> images = model_->imageList();
    if (!images || key.isEmpty())
        return {};
    return QIcon(images->resource(key));
}

void TreeViewView::addChildren(QTreeWidgetItem* parent, const QStringList& keys) {
    for (const QString& key : keys) {
        const host::TreeNode node = model_->node(key);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, node.text);
        item->setData(0, KeyRole, key);
        item->setIcon(0, image(node.image));
        addChildren(item, model_->childKeys(key));
    }
}

void TreeViewView::rebuild() {
    clear();
    addChildren(nullptr, model_->rootKeys());
}

QTreeWidgetItem* TreeViewView::row(const QString& key) const { return findRow(KeyRole, key); }

void TreeViewView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    QStringList shape;
    const std::function<void(const QStringList&)> walk = [&](const QStringList& keys) {
        for (const QString& key : keys) {
            const host::TreeNode node = model_->node(key);
            shape << node.key + QLatin1Char('|') + node.parentKey + QLatin1Char('|') + node.text + QLatin1Char('|') +
                         node.image;
            walk(model_->childKeys(key));
        }
    };
    walk(model_->rootKeys());
    if (shape != shape_) {
        rebuild();
        shape_ = shape;
    }
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        const host::TreeNode node = model_->node(keyOf(*it));
        if ((*it)->isExpanded() != node.expanded)
            (*it)->setExpanded(node.expanded);
        const QString shownImage =
            (keyOf(*it) == model_->selectedKey() && !node.selectedImage.isEmpty()) ? node.selectedImage : node.image;
        (*it)->setIcon(0, image(shownImage));
    }
    QTreeWidgetItem* selected = model_->selectedKey().isEmpty() ? nullptr : row(model_->selectedKey());
    if (selected != currentItem())
        setCurrentItem(selected);
}

}  // namespace suite
