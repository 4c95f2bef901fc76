#pragma once

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/sidebar_item.h"

#include "automation/event.h"

#include <QList>
#include <QString>
#include <memory>

namespace host {

class Cinterface;

// The sidebar (SDB_*): groups of items that the host supplies for the module when it is initialised.
class Sidebar : public Control {
public:
    virtual void initialize(std::shared_ptr<Cinterface> host, bool expandAll) = 0;
    virtual QList<SidebarItem> items() const = 0;
    // Selects an item as a click would (raises OnClickItemLink); throws automation::Error when the group
    // or item does not exist or the group is hidden.
    virtual void selectItem(const QString& groupKey, const QString& itemKey, bool scrollIntoView) = 0;
    virtual void showGroup(const QString& groupKey, bool visible) = 0;
    virtual bool isGroupVisible(const QString& groupKey) const = 0;

    automation::Event<const SidebarItem&> OnClickItemLink;
    // A group's header was clicked: the group as an item (its key and caption).
    automation::Event<const SidebarItem&> OnClickGroup;
};

}  // namespace host
