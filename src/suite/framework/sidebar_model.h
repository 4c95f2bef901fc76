#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/sidebar.h"

#include <QList>
#include <QString>

namespace suite {

// The sidebar. The suite keeps each program's groups and items in the resource sidebars.json (program
// name -> groups, each with key, caption and items); initialize() loads those of the module's menu entry,
// all groups visible; a group opens expanded when its definition says so, or when asked for all.
//
// Gestures: clickItem() as the user clicks an item (OnClickItemLink), clickGroup() on a group's header
// (folds or unfolds it, then OnClickGroup). selectItem() is the same click from code and raises an
// automation::Error for an unknown or hidden group or item.
class SidebarModel : public ControlBase<host::Sidebar> {
public:
    struct Group {
        QString key;
        QString caption;
        bool visible = true;
        bool expanded = false;
        QList<host::SidebarItem> items;
    };

    using ControlBase<host::Sidebar>::ControlBase;

    // The groups the suite keeps for programName; empty when it keeps none.
    static QList<Group> definition(const QString& programName);

    void initialize(std::shared_ptr<host::Cinterface> host, bool expandAll) override;
    QList<host::SidebarItem> items() const override;
    void selectItem(const QString& groupKey, const QString& itemKey, bool scrollIntoView) override;
    void showGroup(const QString& groupKey, bool visible) override;
    bool isGroupVisible(const QString& groupKey) const override;

    // Replaces the groups (a host with a definition of its own).
    void setGroups(const QList<Group>& groups);
    const QList<Group>& groups() const { return groups_; }
    bool isGroupExpanded(const QString& groupKey) const;
    // The item selected last: its group key and key; empty before any.
    host::SidebarItem selectedItem() const { return selected_; }

    // Returns false when the sidebar cannot take the click (disabled, hidden) or the item is not shown.
    bool clickItem(const QString& groupKey, const QString& itemKey);
    bool clickGroup(const QString& groupKey);

private:
    Group* findGroup(const QString& groupKey);
    const Group* findGroup(const QString& groupKey) const;
    const host::SidebarItem* findItem(const QString& groupKey, const QString& itemKey) const;

    QList<Group> groups_;
    host::SidebarItem selected_;
};

}  // namespace suite
