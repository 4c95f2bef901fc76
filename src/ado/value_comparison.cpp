#include "ado/value_comparison.h"

#include "automation/variant.h"
#include "tsql/text_comparison.h"

namespace ado {

namespace {

qsizetype withoutTrailingBlanks(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return n;
}

bool isNumber(const QVariant& v) {
    const int id = v.metaType().id();
    return isIntegerType(id) || id == QMetaType::Double || id == QMetaType::Float || id == QMetaType::Bool;
}

int compareNumbers(const QVariant& a, const QVariant& b) {
    if (a.metaType().id() == QMetaType::LongLong && b.metaType().id() == QMetaType::LongLong) {
        const qint64 x = a.toLongLong();
        const qint64 y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const double x = a.toDouble();
    const double y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

bool likeFrom(const QString& text, qsizetype t, qsizetype textEnd, const QString& pattern, qsizetype p) {
    while (p < pattern.size()) {
        const QChar c = pattern.at(p);
        if (c == QLatin1Char('*') || c == QLatin1Char('%')) {
            while (p < pattern.size() && (pattern.at(p) == QLatin1Char('*') || pattern.at(p) == QLatin1Char('%')))
                ++p;
            if (p == pattern.size())
                return true;
            for (qsizetype k = t; k <= textEnd; ++k) {
                if (likeFrom(text, k, textEnd, pattern, p))
                    return true;
            }
            return false;
        }
        if (t >= textEnd)
            return false;
        if (c != QLatin1Char('_') && c != QLatin1Char('?') && c.toCaseFolded() != text.at(t).toCaseFolded()) {
            return false;
        }
        ++t;
        ++p;
    }
    return t == textEnd;
}

}  // namespace

bool isIntegerType(int metaTypeId) {
    switch (metaTypeId) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return true;
    default: return false;
    }
}

int compareValues(const QVariant& a, const QVariant& b) {
    const bool nullA = automation::isNull(a) || automation::isEmpty(a);
    const bool nullB = automation::isNull(b) || automation::isEmpty(b);
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    const bool numberA = isNumber(a);
    const bool numberB = isNumber(b);
    if (numberA && numberB)
        return compareNumbers(a, b);
    if (numberA != numberB)
        return numberA ? -1 : 1;
    return tsql::compareText(a.toString(), b.toString());
}

bool matchesLike(const QString& text, const QString& pattern) {
    return likeFrom(text, 0, withoutTrailingBlanks(text), pattern, 0);
}

}  // namespace ado
