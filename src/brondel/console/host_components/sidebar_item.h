#pragma once

#include <QString>

namespace host {

// An item of the sidebar, in a group.
struct SidebarItem {
    QString groupKey;
    QString key;
    QString caption;
};

}  // namespace host
