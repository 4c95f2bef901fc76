#include "suite/app/script_menu_tree.h"

#include "suite/app/script_host.h"

#include "suite/framework/menu_tree_model.h"

#include "automation/variant.h"

#include <QJSEngine>

namespace suite {

ScriptMenuTree::ScriptMenuTree(ScriptHost& host, std::shared_ptr<host::Control> control)
    : ScriptControlBase(host, control), tree_(dynamic_cast<MenuTreeModel&>(*control)) {}

QJSValue ScriptMenuTree::nodes() const {
    QJSEngine& engine = host().engine();
    // Entries come depth first with their levels: each level's open list is the children of the last node
    // of the level above.
    QJSValue roots = engine.newArray();
    QList<QJSValue> open{roots};
    for (const MenuTreeModel::Entry& entry : tree_.entries()) {
        QJSValue node = engine.newObject();
        node.setProperty(QStringLiteral("key"), automation::cstr(entry.node.entryId));
        node.setProperty(QStringLiteral("text"), entry.node.text);
        node.setProperty(QStringLiteral("name"), entry.node.name);
        node.setProperty(QStringLiteral("marked"), entry.node.marked);
        const QJSValue children = engine.newArray();
        node.setProperty(QStringLiteral("children"), children);
        const int level = qBound(0, entry.level, int(open.size()) - 1);
        QJSValue siblings = open.at(level);
        siblings.setProperty(siblings.property(QStringLiteral("length")).toUInt(), node);
        open.resize(level + 1);
        open.append(children);
    }
    return roots;
}

QString ScriptMenuTree::selected() const { return automation::cstr(tree_.selectedEntry()); }

bool ScriptMenuTree::choose(const QString& keyOrText) {
    for (const MenuTreeModel::Entry& entry : tree_.entries()) {
        if (automation::cstr(entry.node.entryId) == keyOrText || entry.node.text == keyOrText) {
            const QVariant id = entry.node.entryId;
            return host().perform([&] { return tree_.chooseNode(id); });
        }
    }
    host().engine().throwError(QJSValue::RangeError, QStringLiteral("%1 has no node %2").arg(name(), keyOrText));
    return false;
}

}  // namespace suite
