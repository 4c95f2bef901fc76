#pragma once

#include "suite/app/script_control_base.h"

#include <QJSValue>
#include <QString>

namespace suite {

// A tree view (TvDim; the host's menu tree has ScriptMenuTree). nodes: the roots, each {key, text,
// children, marked} with children in the same form (nothing is marked). selected: the key of the node last
// chosen, empty when none. choose(keyOrText) clicks the node with that key, or else the first node, depth
// first, with that text; false when the tree cannot take the click, a JavaScript error when it has no such
// node.
class ScriptTree : public ScriptControlBase {
    Q_OBJECT
    Q_PROPERTY(QJSValue nodes READ nodes)
    Q_PROPERTY(QString selected READ selected)

public:
    using ScriptControlBase::ScriptControlBase;

    QJSValue nodes() const;
    QString selected() const;

    Q_INVOKABLE bool choose(const QString& keyOrText);
};

}  // namespace suite
