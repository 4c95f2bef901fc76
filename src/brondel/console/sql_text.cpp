#include "brondel/console/sql_text.h"

#include "automation/sql_quote.h"

namespace brondel {

void SqlText::append(const QString& value) { text_ += automation::sqlEscaped(value); }

}  // namespace brondel
