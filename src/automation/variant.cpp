#include "automation/variant.h"

#include "automation/error.h"

#include <QDateTime>

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

// VB's &H (hexadecimal) and &O (octal) text: up to 32 bits are a Long (so "&HFFFFFFFF" is -1 while
// "&HFFFF" is 65535), more digits a Double.
std::optional<double> parseRadixNumber(const QString& text) {
    if (text.size() < 3 || text.at(0) != u'&')
        return std::nullopt;
    const QChar kind = text.at(1).toUpper();
    const int base = kind == u'H' ? 16 : (kind == u'O' ? 8 : 0);
    if (base == 0)
        return std::nullopt;
    bool ok = false;
    const QStringView digits = QStringView(text).mid(2);
    const qulonglong value = digits.toULongLong(&ok, base);
    // toULongLong would also take a sign or a 0x prefix, which VB does not.
    if (!ok || !digits.front().isLetterOrNumber() || digits.contains(u'x') || digits.contains(u'X'))
        return std::nullopt;
    if (value <= 0xFFFFFFFFull)
        return static_cast<double>(static_cast<qint32>(static_cast<quint32>(value)));
    return static_cast<double>(value);
}

std::optional<double> parseNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (const auto radix = parseRadixNumber(trimmed))
        return radix;
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
    case QMetaType::UnknownType: return 0;
    case QMetaType::Nullptr: raise(errors::InvalidUseOfNull);
    case QMetaType::Bool: return v.toBool() ? -1 : 0;
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
    case QMetaType::Float: return v.toDouble();
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
    case QMetaType::Double: return 15;
    case QMetaType::Float: return 7;
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

// Day 0 of VB's dates.
const QDate DayZero(1899, 12, 30);

// The suite's locale (Italian) short date and long time, as VB prints a date: the time alone on day 0,
// the date alone at midnight, "00:00:00" for midnight of day 0.
QString dateText(const QDateTime& value) {
    const bool midnight = value.time() == QTime(0, 0);
    if (value.date() == DayZero)
        return value.time().toString(QStringLiteral("HH:mm:ss"));
    if (midnight)
        return value.date().toString(QStringLiteral("dd/MM/yyyy"));
    return value.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

}  // namespace

QString cstr(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr: return QString();
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float: return QString::number(v.toDouble(), 'G', significantDigits(v));
    case QMetaType::QString: return v.toString();
    case QMetaType::QDateTime: return dateText(v.toDateTime());
    case QMetaType::QDate: return dateText(v.toDate().startOfDay());
    case QMetaType::QTime: return dateText(QDateTime(DayZero, v.toTime()));
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
        // How VB writes a Boolean to a file (Write #), which it reads back.
        if (text.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0)
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
