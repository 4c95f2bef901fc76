#include "suite/widgets/tree_widget_view.h"

#include <QHeaderView>

namespace suite {

TreeWidgetView::TreeWidgetView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent)
    : QTreeWidget(parent), ViewBinding(hub, *this, std::move(control)) {
    header()->hide();
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row) {
        if (isSyncing())
            return;
        rowClicked(row);
        sync();
    });
}

QTreeWidgetItem* TreeWidgetView::findRow(int role, const QString& value) const {
    for (QTreeWidgetItemIterator it(const_cast<TreeWidgetView*>(this)); *it; ++it) {
        if ((*it)->data(0, role).toString() == value)
            return *it;
    }
    return nullptr;
}

void TreeWidgetView::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    focusFromPerson();
}

}  // namespace suite
