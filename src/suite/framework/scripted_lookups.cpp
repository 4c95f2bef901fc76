#include "suite/framework/scripted_lookups.h"

#include "suite/framework/scripted_messages.h"

#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"

namespace suite {

QStringList ScriptedLookups::rowTexts(const std::shared_ptr<ado::Recordset>& rows) {
    QStringList result;
    if (!rows || !rows->isOpen())
        return result;
    const std::shared_ptr<ado::Recordset> walker = rows->clone();
    for (walker->moveFirst(); !walker->isEof(); walker->moveNext()) {
        QStringList values;
        for (int i = 0; i < walker->fields().count(); ++i)
            values << automation::cstr(walker->value(i));
        result << values.join(QLatin1Char('|'));
    }
    return result;
}

LookupPick ScriptedLookups::choose(const LookupView& view) {
    Shown shown{view, rowTexts(view.rows)};
    shown.view.rows.reset();
    shown_.append(shown);
    if (picks_.isEmpty())
        throw automation::Error(UnexpectedByScript, QStringLiteral("ScriptedLookups"),
                                QStringLiteral("No pick queued for the lookup: ") + view.title);
    return picks_.dequeue();
}

}  // namespace suite
