#pragma once

#include <QString>
#include <QVariant>

namespace host {

// A node of the host's menu tree.
struct MenuNode {
    QString name;      // the program's name (FW50_NOME); empty for a folder
    QString text;      // the program's description
    QVariant entryId;  // FW50_IDVOCETS
    bool marked = false;
};

}  // namespace host
