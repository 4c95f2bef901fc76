#include "suite/app/script_tree.h"

#include "suite/app/script_host.h"

#include "suite/framework/tree_view_model.h"

#include <QJSEngine>
#include <functional>

namespace suite {

namespace {

// A node as scripts see it, its children built by children(key).
template <class Children>
QJSValue scriptNode(QJSEngine& engine, const QString& key, const QString& text, bool marked, const Children& children) {
    QJSValue node = engine.newObject();
    node.setProperty(QStringLiteral("key"), key);
    node.setProperty(QStringLiteral("text"), text);
    node.setProperty(QStringLiteral("children"), children(key));
    node.setProperty(QStringLiteral("marked"), marked);
    return node;
}

}  // namespace

QJSValue ScriptTree::nodes() const {
    QJSEngine& engine = host().engine();
    if (const auto* tree = as<TreeViewModel>()) {
        std::function<QJSValue(const QStringList&)> level = [&](const QStringList& keys) {
            QJSValue list = engine.newArray(quint32(keys.size()));
            for (int i = 0; i < keys.size(); ++i) {
                const host::TreeNode node = tree->node(keys.at(i));
                list.setProperty(quint32(i), scriptNode(engine, node.key, node.text, false, [&](const QString& key) {
                                     return level(tree->childKeys(key));
                                 }));
            }
            return list;
        };
        return level(tree->rootKeys());
    }
    return engine.newArray();
}

QString ScriptTree::selected() const {
    if (const auto* tree = as<TreeViewModel>())
        return tree->selectedKey();
    return QString();
}

bool ScriptTree::choose(const QString& keyOrText) {
    if (auto* tree = as<TreeViewModel>()) {
        QStringList keys;  // depth first
        std::function<void(const QStringList&)> walk = [&](const QStringList& level) {
            for (const QString& key : level) {
                keys << key;
                walk(tree->childKeys(key));
            }
        };
        walk(tree->rootKeys());
        QString key = keys.contains(keyOrText) ? keyOrText : QString();
        for (int i = 0; key.isEmpty() && i < keys.size(); ++i) {
            if (tree->node(keys.at(i)).text == keyOrText)
                key = keys.at(i);
        }
        if (key.isEmpty())
            return unsupported(QStringLiteral("choose %1: no such node").arg(keyOrText));
        return host().perform([&] { return tree->selectNode(key); });
    }
    return unsupported(QStringLiteral("choose a node"));
}

}  // namespace suite
