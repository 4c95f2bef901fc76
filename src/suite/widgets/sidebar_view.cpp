#include "suite/widgets/sidebar_view.h"

#include "suite/framework/sidebar_model.h"

#include <QKeyEvent>

namespace suite {

namespace {

constexpr int GroupRole = Qt::UserRole;
constexpr int ItemRole = Qt::UserRole + 1;

const QColor GroupBackground(0xdb, 0xe6, 0xf2);
const QColor GroupText(0x1f, 0x3f, 0x66);

QString groupCaption(const SidebarModel::Group& group) {
    return (group.expanded ? QStringLiteral("▾  ") : QStringLiteral("▸  ")) + group.caption;
}

}  // namespace

SidebarView::SidebarView(ViewHub& hub, std::shared_ptr<SidebarModel> model, QWidget* parent)
    : TreeWidgetView(hub, model, parent), model_(std::move(model)) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(14);
    setUniformRowHeights(false);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("QTreeWidget { background: #f4f7fb; } QTreeWidget::item { padding: 2px 2px; }"));
    sync();
}

void SidebarView::rowClicked(QTreeWidgetItem* row) {
    const QString group = row->data(0, GroupRole).toString();
    const QString key = row->data(0, ItemRole).toString();
    if (key.isEmpty())
        gesture([&] { model_->clickGroup(group); });
    else
        gesture([&] { model_->clickItem(group, key); });
}

void SidebarView::keyPressEvent(QKeyEvent* event) {
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!opens || !currentItem()) {
        TreeWidgetView::keyPressEvent(event);
        return;
    }
    rowClicked(currentItem());
    sync();
}

QItemSelectionModel::SelectionFlags SidebarView::selectionCommand(const QModelIndex& index, const QEvent* event) const {
    if (event && event->type() == QEvent::KeyPress)
        return QItemSelectionModel::NoUpdate;
    return TreeWidgetView::selectionCommand(index, event);
}

QTreeWidgetItem* SidebarView::row(const QString& groupKey, const QString& itemKey) const {
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        if (group->data(0, GroupRole).toString() != groupKey)
            continue;
        if (itemKey.isEmpty())
            return group;
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, ItemRole).toString() == itemKey)
                return group->child(i);
        }
    }
    return nullptr;
}

void SidebarView::rebuild() {
    clear();
    QFont bold = font();
    bold.setBold(true);
    for (const SidebarModel::Group& group : model_->groups()) {
        auto* heading = new QTreeWidgetItem(this);
        heading->setData(0, GroupRole, group.key);
        heading->setFont(0, bold);
        heading->setBackground(0, GroupBackground);
        heading->setForeground(0, GroupText);
        heading->setFlags(Qt::ItemIsEnabled);
        for (const host::SidebarItem& item : group.items) {
            auto* entry = new QTreeWidgetItem(heading, QStringList(item.caption));
            entry->setData(0, GroupRole, group.key);
            entry->setData(0, ItemRole, item.key);
            entry->setToolTip(0, item.caption);
        }
    }
}

void SidebarView::fitRows() {
    const int width = viewport()->width() - indentation() - 12;
    if (width <= 0)
        return;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        group->setSizeHint(0, QSize(width, fontMetrics().height() + 12));
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* item = group->child(i);
            const QRect text = fontMetrics().boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, item->text(0));
            item->setSizeHint(0, QSize(width, text.height() + 8));
        }
    }
}

void SidebarView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    fitRows();
}

void SidebarView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    QStringList shape;
    for (const SidebarModel::Group& group : model_->groups()) {
        shape << group.key + QLatin1Char('=') + group.caption;
        for (const host::SidebarItem& item : group.items)
            shape << item.key + QLatin1Char('=') + item.caption;
    }
    if (shape != shape_) {
        rebuild();
        fitRows();
        shape_ = shape;
    }
    const host::SidebarItem selected = model_->selectedItem();
    for (const SidebarModel::Group& group : model_->groups()) {
        QTreeWidgetItem* heading = row(group.key);
        heading->setText(0, groupCaption(group));
        heading->setHidden(!group.visible);
        heading->setExpanded(group.expanded);
    }
    QTreeWidgetItem* current = selected.key.isEmpty() ? nullptr : row(selected.groupKey, selected.key);
    // The highlight is the item shown; the keyboard's cursor may stand elsewhere until Enter opens its item.
    const QList<QTreeWidgetItem*> highlighted = selectedItems();
    if (current ? highlighted != QList<QTreeWidgetItem*>{current} : !highlighted.isEmpty()) {
        clearSelection();
        setCurrentItem(current);
        if (current)
            current->setSelected(true);
    }
}

}  // namespace suite
