#include "suite/widgets/menu_tree_view.h"

#include "suite/widgets/standard_icons.h"

#include "suite/framework/menu_tree_model.h"

#include "automation/variant.h"

#include <QHash>
#include <QStyle>

namespace suite {

namespace {

constexpr int EntryRole = Qt::UserRole;

QString idOf(const QVariant& entryId) { return automation::cstr(entryId); }

}  // namespace

MenuTreeView::MenuTreeView(ViewHub& hub, std::shared_ptr<MenuTreeModel> model, QWidget* parent)
    : TreeWidgetView(hub, model, parent), model_(std::move(model)) {
    sync();
}

void MenuTreeView::rowClicked(QTreeWidgetItem* row) {
    const QVariant entry = row->data(0, EntryRole);
    gesture([&] { model_->chooseNode(entry); });
}

void MenuTreeView::rebuild() {
    clear();
    QHash<QString, QTreeWidgetItem*> items;
    for (const MenuTreeModel::Entry& entry : model_->entries()) {
        QTreeWidgetItem* parent = items.value(idOf(entry.parentId));
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, entry.node.text);
        item->setData(0, EntryRole, entry.node.entryId);
        item->setToolTip(0, entry.node.name.isEmpty() ? entry.node.text : entry.node.name);
        items.insert(idOf(entry.node.entryId), item);
    }
    expandAll();
}

QTreeWidgetItem* MenuTreeView::row(const QVariant& entryId) const { return findRow(EntryRole, idOf(entryId)); }

void MenuTreeView::sync() {
    ViewBinding::sync();
    SyncScope scope(*this);
    QStringList shape;
    for (const MenuTreeModel::Entry& entry : model_->entries())
        shape << idOf(entry.node.entryId) + QLatin1Char('|') + idOf(entry.parentId) + QLatin1Char('|') +
                     entry.node.text;
    if (shape != shape_) {
        rebuild();
        shape_ = shape;
    }
    QFont plain = font();
    QFont bold = font();
    bold.setBold(true);
    for (const MenuTreeModel::Entry& entry : model_->entries()) {
        QTreeWidgetItem* item = row(entry.node.entryId);
        const bool folder = entry.node.name.isEmpty();
        QStyle::StandardPixmap icon = folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon;
        if (entry.node.marked)
            icon = QStyle::SP_DialogApplyButton;
        item->setIcon(0, standardIcon(style(), icon));
        item->setFont(0, entry.node.marked ? bold : plain);
    }
    QTreeWidgetItem* selected = row(model_->selectedEntry());
    if (!automation::isEmpty(model_->selectedEntry()) && selected != currentItem())
        setCurrentItem(selected);
}

}  // namespace suite
