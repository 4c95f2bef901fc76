#pragma once

#include "suite/framework/lookup_pick.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace ado {
class Recordset;
}

namespace suite {

// What a lookup window offers: its rows (an open, read-only recordset; nothing when the statement gave no
// rows) under its column headers and title.
struct LookupView {
    QString identifier;
    QString title;
    QString statement;
    QString keyField;
    QList<QStringList> headers;
    bool multipleSelection = false;
    std::shared_ptr<ado::Recordset> rows;
};

// The person in front of lookup windows: the Qt widgets show a list, tests pick from a script.
class LookupPresenter {
public:
    virtual ~LookupPresenter() = default;

    // Shows view and returns once the person has picked or closed.
    virtual LookupPick choose(const LookupView& view) = 0;
};

}  // namespace suite
