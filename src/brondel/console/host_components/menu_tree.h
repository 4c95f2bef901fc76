#pragma once

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/menu_node.h"

#include "automation/event.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace host {

class Cinterface;

// The tree of the host's menu programs (TRV_*).
class MenuTree : public Control {
public:
    // Settings, given before load(): the user and profile whose menu is shown (as text), the host, a mode
    // (0: every program), the user's language, the connection to read the menu on.
    virtual void setUser(const QString& userId) = 0;
    virtual void setProfile(const QString& profileId) = 0;
    virtual void setHostInterface(std::shared_ptr<Cinterface> host) = 0;
    virtual void setMode(int mode) = 0;
    virtual void setLanguage(const QVariant& languageId) = 0;
    virtual void setConnection(std::shared_ptr<ado::Connection> connection) = 0;

    // Builds the tree of the menu programs.
    virtual void load() = 0;
    virtual QList<MenuNode> nodes() const = 0;
    // Marks the entries whose FW50_IDVOCETS the recordset's field IDVOCETS lists; the others are unmarked.
    virtual void mark(std::shared_ptr<ado::Recordset> entries) = 0;

    // A node was chosen.
    automation::Event<const MenuNode&> NodeClick;
};

}  // namespace host
