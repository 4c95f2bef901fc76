#include "brondel/console/description_pass.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"

namespace brondel {

void saveDescriptions(ado::Connection& connection, const std::shared_ptr<ado::Recordset>& rows,
                      const QString& descriptionColumn, const DescriptionWriters& writers) {
    const std::shared_ptr<ado::Recordset> walk = rows->clone();
    connection.runAllOrNothing([&] {
        if (walk->isBof() && walk->isEof())
            return;
        for (walk->moveFirst(); !walk->isEof(); walk->moveNext()) {
            const QString text = automation::cstr(walk->value(descriptionColumn));
            if (text.isEmpty())
                writers.remove(*walk);
            else if (writers.exists(*walk))
                writers.update(*walk, text);
            else
                writers.insert(*walk, text);
        }
    });
}

}  // namespace brondel
