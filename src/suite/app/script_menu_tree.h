#pragma once

#include "suite/app/script_control_base.h"

#include <QJSValue>
#include <QString>

namespace suite {

class MenuTreeModel;

// The host's menu tree (TRV_*): nodes as the person sees them, [{key, text, name, marked, children}] from
// the roots down, where key is the menu entry's identifier as text, text its description, name the
// program's name (empty for a folder) and marked whether the tree marks it; choose(key or text) clicks the
// first node, depth first, whose key or text it is (a JavaScript error when there is none).
class ScriptMenuTree : public ScriptControlBase {
    Q_OBJECT
    Q_PROPERTY(QJSValue nodes READ nodes)
    Q_PROPERTY(QString selected READ selected)

public:
    ScriptMenuTree(ScriptHost& host, std::shared_ptr<host::Control> control);

    QJSValue nodes() const;
    // The key of the node last chosen; empty when none.
    QString selected() const;

    Q_INVOKABLE bool choose(const QString& keyOrText);

private:
    MenuTreeModel& tree_;
};

}  // namespace suite
