#pragma once

#include "automation/error.h"

#include <QString>
#include <QVariant>
#include <memory>

// Visual Basic meaning for QVariant: Empty is an invalid QVariant(), Null is QVariant::fromValue(nullptr).
namespace automation {

inline QVariant empty() { return QVariant(); }
inline QVariant null() { return QVariant::fromValue(nullptr); }

inline bool isEmpty(const QVariant& v) { return !v.isValid(); }
inline bool isNull(const QVariant& v) { return v.isValid() && v.metaType().id() == QMetaType::Nullptr; }

class Dispatch;

// Object references: a Variant holds the object's std::shared_ptr (std::shared_ptr<ado::Connection>, or
// std::shared_ptr<Dispatch> for a late-bound object). Nothing is an empty reference to a Dispatch.
inline QVariant nothing() { return QVariant::fromValue(std::shared_ptr<Dispatch>()); }
inline bool isNothing(const QVariant& v) {
    return v.metaType() == QMetaType::fromType<std::shared_ptr<Dispatch>>() && !v.value<std::shared_ptr<Dispatch>>();
}
// The object of class T a Variant refers to; nothing for Nothing or an empty reference to a T. Anything
// else raises errors::TypeMismatch, as assigning it to an object variable of that class does.
template <class T>
std::shared_ptr<T> objectOf(const QVariant& v);

// Conversions with VB's rules. Numbers are read and written with "." as the decimal separator
// whatever the user's locale, so that text built from them is the same on every machine.
// Failures are automation::Error with VB's number and description: Null where a number is
// needed raises 94 "Invalid use of Null", text that is not a number 13 "Type mismatch", a value
// outside the target's range 6 "Overflow".

// The host's text conversion: Null and Empty give "", Booleans "True"/"False", numbers as VB
// prints them (15 significant digits for doubles, 7 for singles; 2.0 gives "2", 1E+15 and 1E-05
// in exponent form), dates in the suite's Italian short date and time ("02/01/1900 08:09:36"; the date
// alone at midnight, the time alone on day 0, 30/12/1899).
// Text read as a number also takes VB's &H (hexadecimal) and &O (octal) forms: "&HFF" is 255.
QString cstr(const QVariant& v);

// 16-bit integer. Fractions round to the nearest integer, halves to the even one (2.5 gives 2,
// 3.5 gives 4); Empty gives 0, True -1; text is read as a number, blanks around it ignored.
qint16 cint(const QVariant& v);

// 32-bit integer, with the rules of cint.
qint32 clng(const QVariant& v);

double cdbl(const QVariant& v);

// VB's rounding to a whole number: halves go to the even neighbour (2.5 gives 2, -2.5 gives -2).
double roundHalfToEven(double x);

// Empty gives False; numbers are True when not zero; text is "True" or "False" in any case, "#TRUE#" or
// "#FALSE#", or a number.
bool cbool(const QVariant& v);

// VB's Decimal held in a double: a double converts with its first 15 significant digits, as VB
// does (so 0.1 + 0.2 gives 0.3); beyond Decimal's range raises Overflow.
double cdec(const QVariant& v);

template <class T>
std::shared_ptr<T> objectOf(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<std::shared_ptr<T>>())
        return v.value<std::shared_ptr<T>>();
    if (isNothing(v))
        return nullptr;
    throw Error::fromNumber(errors::TypeMismatch);
}

}  // namespace automation
