#pragma once

#include "suite/widgets/tree_widget_view.h"

namespace suite {

class SidebarModel;

// The sidebar: its groups as headings that fold and unfold (clickGroup()), their items below
// (clickItem()), the item selected last highlighted, hidden groups left out.
class SidebarView : public TreeWidgetView {
public:
    SidebarView(ViewHub& hub, std::shared_ptr<SidebarModel> model, QWidget* parent);

    void sync() override;
    // The row of an item (or, with an empty item key, of a group); nullptr when not shown.
    QTreeWidgetItem* row(const QString& groupKey, const QString& itemKey = QString()) const;

protected:
    void rowClicked(QTreeWidgetItem* row) override;
    void resizeEvent(QResizeEvent* event) override;
    // The arrows move the cursor only; Enter or Space opens the item under it, so the highlight is always
    // the section shown.
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void rebuild();
    // Long captions wrap onto a second line rather than being cut.
    void fitRows();

    std::shared_ptr<SidebarModel> model_;
    QStringList shape_;  // what the rows were built from
};

}  // namespace suite
