#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace host {

// What a lookup needs: the statement whose rows are offered, the fields returned, the column headers
// (one row per column: caption, then a second entry that may be empty), the window title and the
// connection text. A lookup service fills it from its standard lookups; a StartLookup handler may
// change any part (extend the statement) before the edit opens the lookup window.
struct LookupRequest {
    QString statement;
    QStringList fields;  // the first is the value put back into the edit
    QList<QStringList> headers;
    QString title;
    QString connectionString;
    QString layoutKey;  // the key under which the lookup window keeps its layout
};

}  // namespace host
