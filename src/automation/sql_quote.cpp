#include "automation/sql_quote.h"

namespace automation {

QString sqlEscaped(const QString& value) {
    QString escaped = value;
    return escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString sqlQuoted(const QString& value) { return QLatin1Char('\'') + sqlEscaped(value) + QLatin1Char('\''); }

}  // namespace automation
