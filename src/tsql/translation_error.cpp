#include "tsql/translation_error.h"

#include "automation/error.h"

namespace tsql {

namespace {
const QString source = QStringLiteral("T-SQL");
}

void raiseSyntaxError(const QString& description) {
    throw automation::Error(automation::errors::SqlSyntaxError, source, description);
}

void raiseUnsupported(const QString& construct) {
    throw automation::Error(automation::errors::UnsupportedSqlConstruct, source,
                            QStringLiteral("Unsupported T-SQL construct: %1").arg(construct));
}

long runtimeErrorNumber(const QString& message, long otherwise) {
    return message.startsWith(QLatin1String("Unsupported T-SQL construct: "))
               ? automation::errors::UnsupportedSqlConstruct
               : otherwise;
}

void raiseMoreThanOneStatement() {
    throw automation::Error(automation::errors::ProviderError, source,
                            QStringLiteral("The statement was refused: its text holds more than one statement."));
}

}  // namespace tsql
