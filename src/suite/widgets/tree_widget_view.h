#pragma once

#include "suite/widgets/view_binding.h"

#include <QTreeWidget>

namespace suite {

// What the views drawn as a tree (sidebar, tree view, menu tree) share: one column without a header, one
// row selected at a time, a person's click on a row handed to rowClicked(), the focus reported to the
// model.
class TreeWidgetView : public QTreeWidget, public ViewBinding {
public:
    TreeWidgetView(ViewHub& hub, std::shared_ptr<host::Control> control, QWidget* parent);

protected:
    virtual void rowClicked(QTreeWidgetItem* row) = 0;
    // The first row whose data of role reads as value; nullptr when none.
    QTreeWidgetItem* findRow(int role, const QString& value) const;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace suite
