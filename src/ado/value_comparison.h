#pragma once

#include <QString>
#include <QVariant>

namespace ado {

// The order of field values for Sort and Filter: Null first, then numbers, then text. Text compares as the
// database's DATABASE_DEFAULT collation does (tsql::compareText). Returns <0, 0 or >0.
int compareValues(const QVariant& a, const QVariant& b);

// Whether a QVariant of this meta type holds an integer (of any width or sign).
bool isIntegerType(int metaTypeId);

// LIKE of a filter: * or % stand for any run of characters, _ and ? for one; case is ignored and trailing
// blanks of the text are not significant.
bool matchesLike(const QString& text, const QString& pattern);

}  // namespace ado
