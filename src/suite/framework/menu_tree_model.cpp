#include "suite/framework/menu_tree_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"

#include <QHash>
#include <QSet>

namespace suite {

namespace {

const QString MenuStatement = QStringLiteral(
    "SELECT FW50_IDVOCETS, FW50_IDPADRE, FW50_NOME, FW50_DESCR\r\n"
    "FROM FW50_MODMENU WITH (NOLOCK)\r\n"
    "ORDER BY FW50_ORDINE, FW50_IDVOCETS");

// Identifiers compare as numbers, whatever type the rows gave them.
qint64 idOf(const QVariant& value) { return value.toLongLong(); }

}  // namespace

void MenuTreeModel::load() {
    if (!connection_)
        throw automation::Error::fromNumber(automation::errors::ObjectRequired, name());
    const std::shared_ptr<ado::Recordset> rows = connection_->execute(MenuStatement);
    QList<Entry> read;
    QHash<qint64, QList<int>> children;  // parent id -> indexes into read, in menu order
    QSet<qint64> ids;
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext()) {
        Entry entry;
        entry.node.entryId = idOf(rows->value(QStringLiteral("FW50_IDVOCETS")));
        entry.node.name = automation::cstr(rows->value(QStringLiteral("FW50_NOME")));
        entry.node.text = automation::cstr(rows->value(QStringLiteral("FW50_DESCR")));
        entry.parentId = rows->value(QStringLiteral("FW50_IDPADRE"));
        ids.insert(idOf(entry.node.entryId));
        read << entry;
    }
    QList<int> roots;
    for (int i = 0; i < read.size(); ++i) {
        const QVariant& parent = read[i].parentId;
        if (automation::isNull(parent) || !ids.contains(idOf(parent)))
            roots << i;
        else
            children[idOf(parent)] << i;
    }
    entries_.clear();
    const auto walk = [&](const auto& self, int index, int level) -> void {
        Entry entry = read[index];
        entry.level = level;
        entries_ << entry;
        for (const int child : children.value(idOf(entry.node.entryId)))
            self(self, child, level + 1);
    };
    for (const int root : roots)
        walk(walk, root, 0);
    selected_ = QVariant();
    notifyChanged();
}

QList<host::MenuNode> MenuTreeModel::nodes() const {
    QList<host::MenuNode> result;
    for (const Entry& entry : entries_)
        result << entry.node;
    return result;
}

void MenuTreeModel::mark(std::shared_ptr<ado::Recordset> entries) {
    QSet<qint64> listed;
    if (entries && entries->isOpen()) {
        const std::shared_ptr<ado::Recordset> walker = entries->clone();
        for (walker->moveFirst(); !walker->isEof(); walker->moveNext())
            listed.insert(idOf(walker->value(QStringLiteral("IDVOCETS"))));
    }
    for (Entry& entry : entries_)
        entry.node.marked = listed.contains(idOf(entry.node.entryId));
    notifyChanged();
}

bool MenuTreeModel::chooseNode(const QVariant& entryId) {
    if (!canTakeFocus())
        return false;
    for (const Entry& entry : entries_) {
        if (idOf(entry.node.entryId) != idOf(entryId))
            continue;
        takeFocus();
        selected_ = entry.node.entryId;
        notifyChanged();
        const host::MenuNode chosen = entry.node;
        NodeClick.raise(chosen);
        return true;
    }
    return false;
}

}  // namespace suite
