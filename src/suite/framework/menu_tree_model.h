#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/menu_tree.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace suite {

// The tree of the host's menu (FW50_MODMENU): folders and programs under their parent entries, each level
// in menu order. load() reads every entry (mode 0; the suite's menu has no per-user rights, so the user
// and profile are kept for the host only). The same program may sit under several folders: mark() marks
// every entry whose identifier it lists.
//
// Gesture: chooseNode() as the user clicks a node (NodeClick with the node).
class MenuTreeModel : public ControlBase<host::MenuTree> {
public:
    struct Entry {
        host::MenuNode node;
        QVariant parentId;  // Null for a root
        int level = 0;      // 0 for a root
    };

    using ControlBase<host::MenuTree>::ControlBase;

    void setUser(const QString& userId) override { user_ = userId; }
    void setProfile(const QString& profileId) override { profile_ = profileId; }
    void setHostInterface(std::shared_ptr<host::Cinterface> host) override { host_ = host; }
    void setMode(int mode) override { mode_ = mode; }
    void setLanguage(const QVariant& languageId) override { language_ = languageId; }
    void setConnection(std::shared_ptr<ado::Connection> connection) override { connection_ = std::move(connection); }

    QString user() const { return user_; }
    QString profile() const { return profile_; }
    int mode() const { return mode_; }
    QVariant language() const { return language_; }

    // Raises "Object required" without a connection.
    void load() override;
    // Depth first: each node followed by its children.
    QList<host::MenuNode> nodes() const override;
    void mark(std::shared_ptr<ado::Recordset> entries) override;

    const QList<Entry>& entries() const { return entries_; }
    QVariant selectedEntry() const { return selected_; }

    // Returns false when the tree cannot take the click or has no such entry.
    bool chooseNode(const QVariant& entryId);

private:
    QString user_;
    QString profile_;
    std::weak_ptr<host::Cinterface> host_;
    int mode_ = 0;
    QVariant language_;
    std::shared_ptr<ado::Connection> connection_;
    QList<Entry> entries_;
    QVariant selected_;
};

}  // namespace suite
