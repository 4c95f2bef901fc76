#pragma once

#include <QString>

namespace automation {

// The one escaping of a value written into statement text: its apostrophes doubled, so that the value
// stays one literal whatever it holds. Text without apostrophes comes back unchanged.
QString sqlEscaped(const QString& value);
// The value between apostrophes, escaped: 'L''A' for L'A.
QString sqlQuoted(const QString& value);

}  // namespace automation
