#pragma once

#include "suite/widgets/tree_widget_view.h"

namespace suite {

class TreeViewModel;

// A tree view: the model's nodes with their images from the tree's image list; a click on a node is
// selectNode(), opening or closing a node is toggleNode().
class TreeViewView : public TreeWidgetView {
public:
    TreeViewView(ViewHub& hub, std::shared_ptr<TreeViewModel> model, QWidget* parent);

    void sync() override;
    QTreeWidgetItem* row(const QString& key) const;

protected:
    void rowClicked(QTreeWidgetItem* row) override;

private:
    void rebuild();
    void addChildren(QTreeWidgetItem* parent, const QStringList& keys);
    QIcon image(const QString& key) const;

    std::shared_ptr<TreeViewModel> model_;
    QStringList shape_;
};

}  // namespace suite
