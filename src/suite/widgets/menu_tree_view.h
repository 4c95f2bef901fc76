#pragma once

#include "suite/widgets/tree_widget_view.h"

namespace suite {

class MenuTreeModel;

// The tree of the host's menu programs: folders and programs, the marked entries checked and in bold; a
// click on an entry is chooseNode().
class MenuTreeView : public TreeWidgetView {
public:
    MenuTreeView(ViewHub& hub, std::shared_ptr<MenuTreeModel> model, QWidget* parent);

    void sync() override;
    QTreeWidgetItem* row(const QVariant& entryId) const;

protected:
    void rowClicked(QTreeWidgetItem* row) override;

private:
    void rebuild();

    std::shared_ptr<MenuTreeModel> model_;
    QStringList shape_;
};

}  // namespace suite
