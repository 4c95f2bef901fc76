#pragma once

#include "brondel/console/host_components/object.h"

#include "automation/event.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {

// The host's lookup window: lists the rows of a statement and lets the user pick one row, or confirm a
// selection of several when multiple selection is on.
class LookupWindow : public Object {
public:
    virtual void setConnectionString(const QString& connectionString) = 0;
    virtual void setIdentifier(const QString& identifier) = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual void setStatement(const QString& statement) = 0;
    virtual void setKeyField(const QString& field) = 0;
    // One row per column: caption, then a second entry that may be empty.
    virtual void setColumnHeaders(const QList<QStringList>& headers) = 0;
    virtual void setMultipleSelection(bool multiple) = 0;

    // Shows the window; returns when it has closed.
    virtual void show() = 0;
    virtual void close() = 0;

    // A selection of several rows was confirmed: a statement that returns the selected rows.
    automation::Event<const QString&> OnReturnRecordSet;
    // One row was picked: (the window's identifier, a recordset positioned on the row).
    automation::Event<const QString&, std::shared_ptr<ado::Recordset>> OnSelection;
};

}  // namespace host
