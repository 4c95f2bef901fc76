#include "automation/variant.h"

#include "automation/error.h"

#include <cmath>
#include <limits>
#include <optional>

namespace automation {

namespace {

[[noreturn]] void raise(long number) { throw Error::fromNumber(number); }

// VB's number syntax for text: optional sign, digits with an optional decimal point, optional
// exponent. The syntax is checked here because QString::toDouble also accepts "inf" and "nan".
bool isNumberText(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && text[i].isDigit())
            ++i;
        return i - start;
    };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

std::optional<double> parseNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!isNumberText(trimmed))
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        raise(errors::Overflow);
    return value;
}

double toNumber(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Nullptr:
        raise(errors::InvalidUseOfNull);
    case QMetaType::Bool:
        return v.toBool() ? -1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return v.toDouble();
    case QMetaType::QString:
        if (const auto value = parseNumber(v.toString()))
            return *value;
        break;
    }
    raise(errors::TypeMismatch);
}

// The digits VB keeps when it prints a floating-point number or makes a Decimal of it; 0 for other types.
int significantDigits(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return 15;
    case QMetaType::Float:
        return 7;
    }
    return 0;
}

template <class Int>
Int toInteger(const QVariant& v) {
    const double rounded = roundHalfToEven(toNumber(v));
    // Written so that NaN fails the test too.
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        raise(errors::Overflow);
    return static_cast<Int>(rounded);
}

}  // namespace

QString cstr(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return QString();
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'G', significantDigits(v));
    case QMetaType::QString:
        return v.toString();
    }
    if (!v.canConvert<QString>())
        raise(errors::TypeMismatch);
    return v.toString();
}

qint16 cint(const QVariant& v) { return toInteger<qint16>(v); }

qint32 clng(const QVariant& v) { return toInteger<qint32>(v); }

double cdbl(const QVariant& v) { return toNumber(v); }

double roundHalfToEven(double x) {
    if (std::abs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

bool cbool(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QString) {
        const QString text = v.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber(v) != 0;
}

double cdec(const QVariant& v) {
    // Decimal's largest value, 2^96 - 1.
    constexpr double maximum = 79228162514264337593543950335.0;
    double value = toNumber(v);
    if (const int digits = significantDigits(v))
        value = QString::number(value, 'G', digits).toDouble();
    if (std::abs(value) > maximum)
        raise(errors::Overflow);
    return value;
}

}  // namespace automation
