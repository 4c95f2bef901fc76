#include "tsql/functions.h"

#include "tsql/sqlite_statement.h"
#include "tsql/text_comparison.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

#include <sqlite3.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tsql {

namespace {

// SQL Server's varchar limit: SPACE and REPLICATE stop there as it does.
constexpr sqlite3_int64 maxTextLength = 8000;

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    }
    return false;
}

std::string_view utf8(sqlite3_value* v) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

QString qstring(sqlite3_value* v) {
    const std::string_view s = utf8(v);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void resultText(sqlite3_context* context, std::string_view text) {
    // An empty view may have no address, which SQLite would take for NULL.
    sqlite3_result_text64(context, text.data() ? text.data() : "", text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    resultText(context, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t codePoints(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += isContinuation(c) ? 0 : 1;
    return n;
}

// Byte offset of code point index (0-based), or s.size() past the end.
std::size_t byteOffset(std::string_view s, std::size_t index) {
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        if (isContinuation(s[i]))
            continue;
        if (index == 0)
            return i;
        --index;
    }
    return s.size();
}

// Code points [from, to) of s, clipped to it.
std::string_view slice(std::string_view s, std::size_t from, std::size_t to) {
    const std::size_t a = byteOffset(s, from);
    const std::size_t b = to <= from ? a : a + byteOffset(s.substr(a), to - from);
    return s.substr(a, b - a);
}

// LEN: characters without the trailing blanks; numbers count their digits.
void lenFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    std::string_view s = utf8(argv[0]);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(codePoints(s)));
}

// SUBSTRING(text, start, length): positions before 1 still count towards length, as in SQL Server.
void substringFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    if (length < 0) {
        sqlite3_result_error(context, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    const std::string_view s = utf8(argv[0]);
    const sqlite3_int64 from = std::max<sqlite3_int64>(start, 1) - 1;
    sqlite3_int64 to = 0;  // one past the last position, counted from 0
    if (__builtin_add_overflow(start - 1, length, &to))
        to = std::numeric_limits<sqlite3_int64>::max();
    if (to <= from) {
        resultText(context, std::string_view());
        return;
    }
    resultText(context, slice(s, static_cast<std::size_t>(from), static_cast<std::size_t>(to)));
}

// The length argument of LEFT and RIGHT: a negative one is SQL Server's error.
bool lengthArgument(sqlite3_context* context, sqlite3_value* value, const char* function, std::size_t* length) {
    const sqlite3_int64 n = sqlite3_value_int64(value);
    if (n < 0) {
        const std::string message = std::string("Invalid length parameter passed to the ") + function + " function.";
        sqlite3_result_error(context, message.c_str(), -1);
        return false;
    }
    *length = static_cast<std::size_t>(n);
    return true;
}

void leftFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    std::size_t n = 0;
    if (anyNull(argc, argv) || !lengthArgument(context, argv[1], "left", &n))
        return;
    resultText(context, slice(utf8(argv[0]), 0, n));
}

void rightFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    std::size_t n = 0;
    if (anyNull(argc, argv) || !lengthArgument(context, argv[1], "right", &n))
        return;
    const std::string_view s = utf8(argv[0]);
    const std::size_t count = codePoints(s);
    const std::size_t keep = std::min(count, n);
    resultText(context, slice(s, count - keep, count));
}

// REVERSE(text): the characters in reverse order.
void reverseFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const std::string_view s = utf8(argv[0]);
    std::string out;
    out.reserve(s.size());
    std::size_t end = s.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && isContinuation(s[begin]))
            --begin;
        out.append(s.substr(begin, end - begin));
        end = begin;
    }
    resultText(context, out);
}

// SPACE(n): NULL for a negative count.
void spaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    if (n < 0)
        return;
    resultText(context, std::string(static_cast<std::size_t>(std::min(n, maxTextLength)), ' '));
}

// A text result of a non-max type cut as SQL Server cuts it: limit > 0 is the type's limit in characters
// (8,000 for varchar, 4,000 for nvarchar), -1 means a max type (no limit), 0 a type the translation does not
// know: a text beyond 4,000 characters is then refused, as the two limits would give different answers.
bool cutText(sqlite3_context* context, std::string& text, sqlite3_int64 limit) {
    if (limit < 0 || static_cast<sqlite3_int64>(text.size()) <= std::max<sqlite3_int64>(limit, 4000))
        return true;
    const std::size_t count = codePoints(text);
    if (limit == 0 && count > 4000) {
        sqlite3_result_error(context,
                             "Unsupported T-SQL construct: a text of more than 4,000 characters whose type (varchar, "
                             "nvarchar or max) is not known",
                             -1);
        return false;
    }
    if (limit > 0 && count > static_cast<std::size_t>(limit))
        text.resize(byteOffset(text, static_cast<std::size_t>(limit)));
    return true;
}

// REPLICATE(text, count, limit): limit as cutText takes it.
void replicateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return;
    const sqlite3_int64 limit = argc > 2 ? sqlite3_value_int64(argv[2]) : maxTextLength;
    const std::string_view s = utf8(argv[0]);
    // Past SQLite's own limit for a value nothing is built (SQLite's "too big" error).
    const sqlite3_int64 most = sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LENGTH, -1);
    sqlite3_int64 total = 0;
    if (limit < 0 && (__builtin_mul_overflow(static_cast<sqlite3_int64>(s.size()), n, &total) || total > most)) {
        sqlite3_result_error_toobig(context);
        return;
    }
    std::string out;
    for (sqlite3_int64 i = 0; i < n; ++i) {
        // Beyond a non-max limit (4,000 characters when the type is not known) the rest is not wanted.
        if (limit >= 0 && static_cast<sqlite3_int64>(out.size()) > 4 * std::max<sqlite3_int64>(limit, 4000))
            break;
        out += s;
    }
    if (!cutText(context, out, limit))
        return;
    resultText(context, out);
}

// tsql_cut(value, limit): a concatenation's or a function's text result cut as cutText does.
void cutFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    const sqlite3_int64 limit = sqlite3_value_int64(argv[1]);
    if (type != SQLITE_TEXT || limit < 0 || sqlite3_value_bytes(argv[0]) <= 4000) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    std::string text(utf8(argv[0]));
    if (!cutText(context, text, limit))
        return;
    resultText(context, text);
}

// DATALENGTH(value, national): the bytes of a value as SQL Server stores it: a text's characters, two per
// character for the national types (blanks at the end count); a number is passed its size by the
// translation instead.
void datalengthFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_BLOB) {
        sqlite3_result_int64(context, sqlite3_value_bytes(argv[0]));
        return;
    }
    if (type != SQLITE_TEXT) {
        sqlite3_result_error(context, "Unsupported T-SQL construct: DATALENGTH of a value whose type is not known", -1);
        return;
    }
    const std::string_view s = utf8(argv[0]);
    std::size_t units = 0;  // UTF-16 code units: a character beyond the basic plane takes two
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (isContinuation(s[i]))
            continue;
        units += c >= 0xF0 ? 2 : 1;
    }
    const bool national = sqlite3_value_int64(argv[1]) != 0;
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(national ? 2 * units : codePoints(s)));
}

// ---------------------------------------------------------------------------------------------- datetime
// A DATETIME is held as text, "yyyy-mm-dd hh:mi:ss.mmm" (what GETDATE gives; a stored date may lack the
// time). tsql_datetime converts to it as CAST and CONVERT do, tsql_datetext formats it in a CONVERT style.

void resultError(sqlite3_context* context, const std::string& message);

struct DateTime {
    int year = 1900, month = 1, day = 1;
    long long ticks = 0;  // of the day, in SQL Server's 1/300 of a second
};

long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, DateTime& out) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    out.year = static_cast<int>(yoe + era * 400 + (out.month <= 2));
}

constexpr long long ticksPerDay = 86400LL * 300;

bool validDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1)
        return false;
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= lengths[m - 1] + (m == 2 && leap ? 1 : 0);
}

// Reads a run of digits (at most max, at least min) as a number.
bool digits(std::string_view& s, int min, int max, int* value) {
    int n = 0, v = 0;
    while (n < max && n < static_cast<int>(s.size()) && s[static_cast<std::size_t>(n)] >= '0' &&
           s[static_cast<std::size_t>(n)] <= '9') {
        v = v * 10 + (s[static_cast<std::size_t>(n)] - '0');
        ++n;
    }
    if (n < min)
        return false;
    s.remove_prefix(static_cast<std::size_t>(n));
    *value = v;
    return true;
}

bool accept(std::string_view& s, char c) {
    if (s.empty() || s.front() != c)
        return false;
    s.remove_prefix(1);
    return true;
}

// hh:mi[:ss[.mmm]] with an optional AM or PM, as ticks of the day (milliseconds rounded to SQL Server's
// 1/300 s); false when s holds something else.
bool readTime(std::string_view s, long long* ticks) {
    int h = 0, mi = 0, sec = 0, ms = 0;
    if (!digits(s, 1, 2, &h) || !accept(s, ':') || !digits(s, 2, 2, &mi))
        return false;
    if (accept(s, ':')) {
        if (!digits(s, 2, 2, &sec))
            return false;
        if (accept(s, '.')) {
            const std::size_t before = s.size();
            if (!digits(s, 1, 3, &ms))
                return false;
            for (std::size_t n = before - s.size(); n < 3; ++n)
                ms *= 10;
        }
    }
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    if (s.size() == 2 && (s[1] == 'M' || s[1] == 'm') && (s[0] == 'A' || s[0] == 'a' || s[0] == 'P' || s[0] == 'p')) {
        if (h < 1 || h > 12)
            return false;
        h = h % 12 + (s[0] == 'P' || s[0] == 'p' ? 12 : 0);
        s = {};
    }
    if (!s.empty() || h > 23 || mi > 59 || sec > 59)
        return false;
    *ticks = (h * 3600LL + mi * 60LL + sec) * 300 + (ms * 3 + 5) / 10;
    return true;
}

enum class DateRead { Ok, Invalid, Unread };

// A text as CONVERT reads it in style (-1: CAST, no style): the date in the style's order, then an optional
// time. Without a style only the forms every language setting reads alike are taken (yyyymmdd, ISO 8601
// with T); "Unread" is a form SQL Server may read, but not alike in every language (month names too).
// Style -2 reads what a DATETIME column holds: yyyy-mm-dd (or yyyymmdd), then a time after a blank or a T,
// whichever way the value was written into it. Blanks alone are 1900-01-01.
DateRead readDateTime(std::string_view s, int style, DateTime* out) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty()) {
        *out = DateTime{};
        return DateRead::Ok;
    }
    int y = 0, m = 0, d = 0;
    bool read = false;
    std::string_view rest = s;
    const auto ymd = [&](char separator) {
        std::string_view t = rest;
        if (digits(t, 4, 4, &y) && accept(t, separator) && digits(t, 1, 2, &m) && accept(t, separator) &&
            digits(t, 1, 2, &d)) {
            rest = t;
            return true;
        }
        return false;
    };
    const auto dmy = [&](char separator, bool monthFirst) {
        std::string_view t = rest;
        int a = 0, b = 0;
        if (digits(t, 1, 2, &a) && accept(t, separator) && digits(t, 1, 2, &b) && accept(t, separator) &&
            digits(t, 4, 4, &y)) {
            m = monthFirst ? a : b;
            d = monthFirst ? b : a;
            rest = t;
            return true;
        }
        return false;
    };
    const auto compact = [&] {
        std::string_view t = rest;
        if (digits(t, 4, 4, &y) && digits(t, 2, 2, &m) && digits(t, 2, 2, &d) && (t.empty() || t.front() == ' ')) {
            rest = t;
            return true;
        }
        return false;
    };
    bool isoT = false;
    switch (style) {
    case 101: read = dmy('/', true); break;
    case 103: read = dmy('/', false); break;
    case 104: read = dmy('.', false); break;
    case 105: read = dmy('-', false); break;
    case 112: read = compact(); break;
    case 120:
    case 121: read = ymd('-'); break;
    case 126:
        read = ymd('-');
        isoT = true;
        break;
    case -2:
        read = ymd('-') || compact();
        isoT = read && !rest.empty() && rest.front() == 'T';
        break;
    default:
        read = compact();
        if (!read && ymd('-') && !rest.empty() && rest.front() == 'T') {
            read = true;
            isoT = true;
        } else if (!read) {
            return DateRead::Unread;
        }
    }
    if (!read)
        return DateRead::Invalid;
    long long ticks = 0;
    if (!rest.empty()) {
        if (isoT ? rest.front() != 'T' : rest.front() != ' ')
            return DateRead::Invalid;
        rest.remove_prefix(1);
        while (!isoT && !rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (!readTime(rest, &ticks))
            return DateRead::Invalid;
    }
    if (!validDate(y, m, d))
        return DateRead::Invalid;
    out->year = y;
    out->month = m;
    out->day = d;
    out->ticks = ticks;
    return DateRead::Ok;
}

void resultDateTime(sqlite3_context* context, long long days, long long ticks, bool fromText) {
    days += ticks / ticksPerDay;
    ticks %= ticksPerDay;
    DateTime t;
    civilFromDays(days, t);
    if (t.year < 1753 || t.year > 9999) {
        sqlite3_result_error(context,
                             fromText ? "The conversion of a varchar data type to a datetime data type resulted in an "
                                        "out-of-range value."
                                      : "Arithmetic overflow error converting expression to data type datetime.",
                             -1);
        return;
    }
    const long long ms = (ticks % 300 * 10 + 1) / 3;  // 1/300 s shown as .000, .003, .007
    const long long seconds = ticks / 300;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", t.year, t.month, t.day,
                  seconds / 3600, seconds / 60 % 60, seconds % 60, ms);
    resultText(context, std::string_view(text));
}

// tsql_datetime(value, style): CAST or CONVERT to DATETIME. A number counts days from 1900-01-01. Style -2
// reads a DATETIME column's stored text (readDateTime).
void datetimeFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    const long long epoch = daysFromCivil(1900, 1, 1);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        const double value = sqlite3_value_double(argv[0]);
        if (!(std::abs(value) < 3e6)) {
            sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type datetime.", -1);
            return;
        }
        const double days = std::floor(value);
        const long long ticks = std::llround((value - days) * static_cast<double>(ticksPerDay));
        resultDateTime(context, epoch + static_cast<long long>(days), ticks, false);
        return;
    }
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return;  // a NULL style gives NULL
    const int style = static_cast<int>(sqlite3_value_int64(argv[1]));
    const std::string_view text = utf8(argv[0]);
    DateTime t;
    switch (readDateTime(text, style == 0 || style == 100 ? -1 : style, &t)) {
    case DateRead::Ok: resultDateTime(context, daysFromCivil(t.year, t.month, t.day), t.ticks, true); return;
    case DateRead::Invalid:
        sqlite3_result_error(context, "Conversion failed when converting date and/or time from character string.", -1);
        return;
    case DateRead::Unread:
        resultError(context,
                    "Unsupported T-SQL construct: conversion to DATETIME of the text '" + std::string(text) +
                        "', which SQL Server reads by the session's language (write yyyymmdd, or give a style)");
        return;
    }
}

// tsql_datetext(value, style): a DATETIME as text in a CONVERT style (-1: CAST, as style 0, which is refused).
void datetextFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return;
    int style = static_cast<int>(sqlite3_value_int64(argv[1]));
    if (style < 0)
        style = 0;
    const std::string_view text = utf8(argv[0]);
    DateTime t;
    // The held form: yyyy-mm-dd, then the time after a blank or T.
    std::string_view held = text;
    if (readDateTime(held, held.find('T') != std::string_view::npos ? 126 : 120, &t) != DateRead::Ok) {
        resultError(context, "Unsupported T-SQL construct: a DATETIME held as '" + std::string(text) + "'");
        return;
    }
    const long long seconds = t.ticks / 300;
    const long long h = seconds / 3600, mi = seconds / 60 % 60, sec = seconds % 60;
    const long long ms = (t.ticks % 300 * 10 + 1) / 3;
    char out[48];
    switch (style) {
    case 101: std::snprintf(out, sizeof out, "%02d/%02d/%04d", t.month, t.day, t.year); break;
    case 103: std::snprintf(out, sizeof out, "%02d/%02d/%04d", t.day, t.month, t.year); break;
    case 104: std::snprintf(out, sizeof out, "%02d.%02d.%04d", t.day, t.month, t.year); break;
    case 105: std::snprintf(out, sizeof out, "%02d-%02d-%04d", t.day, t.month, t.year); break;
    case 112: std::snprintf(out, sizeof out, "%04d%02d%02d", t.year, t.month, t.day); break;
    case 120:
        std::snprintf(out, sizeof out, "%04d-%02d-%02d %02lld:%02lld:%02lld", t.year, t.month, t.day, h, mi, sec);
        break;
    case 121:
        std::snprintf(out, sizeof out, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", t.year, t.month, t.day, h, mi, sec,
                      ms);
        break;
    case 126:
        // Milliseconds of 0 are not shown.
        std::snprintf(out, sizeof out,
                      ms ? "%04d-%02d-%02dT%02lld:%02lld:%02lld.%03lld" : "%04d-%02d-%02dT%02lld:%02lld:%02lld", t.year,
                      t.month, t.day, h, mi, sec, ms);
        break;
    case 0:
    case 100:
        // "mon dd yyyy hh:miAM": the month's name is the session language's.
        resultError(context,
                    "Unsupported T-SQL construct: a DATETIME as text in the default style, whose month names "
                    "follow the session's language (give a style such as 120)");
        return;
    default:
        resultError(context, "Unsupported T-SQL construct: CONVERT style " + std::to_string(style) + " of a DATETIME");
        return;
    }
    resultText(context, std::string_view(out));
}

// tsql_top(n): the rows of TOP (n), which may not be negative.
void topFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_double(argv[0]) < 0) {
        sqlite3_result_error(context, "A TOP N or FETCH rows count value may not be negative.", -1);
        return;
    }
    sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
}

// tsql_rows(count, fetch): OFFSET's count of rows (fetch 0) or FETCH's (1), checked as SQL Server checks it.
void rowsFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_INTEGER)
        return resultError(context, "Unsupported T-SQL construct: OFFSET or FETCH of a count that is no integer");
    const sqlite3_int64 count = sqlite3_value_int64(argv[0]);
    if (sqlite3_value_int64(argv[1]) == 0 && count < 0)
        return resultError(context, "The offset specified in a OFFSET clause may not be negative.");
    if (sqlite3_value_int64(argv[1]) != 0 && count < 1)
        return resultError(context, "The number of rows provided for a FETCH clause must be greater then zero.");
    sqlite3_result_int64(context, count);
}

// tsql_percent(percent, rows): the rows TOP percent PERCENT keeps of rows, rounded up.
void percentFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const double percent = sqlite3_value_double(argv[0]);
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || !(percent >= 0 && percent <= 100)) {
        sqlite3_result_error(context, "Percent values must be between 0 and 100.", -1);
        return;
    }
    const double rows = static_cast<double>(sqlite3_value_int64(argv[1]));
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(std::ceil(rows * percent / 100.0)));
}

// tsql_integer(ops, a, b, ...): arithmetic of SQL Server's integer types, left to right. ops holds, for
// each step, its operator (+ - * / %, or 'a': the absolute value so far, its operand not read) and the width
// in bytes of its result (1, 2, 4 or 8): a result beyond it is SQL Server's overflow error, a zero divisor
// its divide-by-zero error; NULL gives NULL.
void integerFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2)
        return;
    const std::string_view ops = utf8(argv[0]);
    ++argv;
    --argc;
    if (anyNull(argc, argv))
        return;
    const auto operand = [&](sqlite3_value* v, sqlite3_int64* out) {
        if (sqlite3_value_type(v) == SQLITE_INTEGER) {
            *out = sqlite3_value_int64(v);
            return true;
        }
        const double d = sqlite3_value_double(v);
        if (sqlite3_value_type(v) == SQLITE_FLOAT && std::trunc(d) == d && std::abs(d) < 9.2e18) {
            *out = static_cast<sqlite3_int64>(d);
            return true;
        }
        sqlite3_result_error(context, "Unsupported T-SQL construct: integer arithmetic on a value that is no integer",
                             -1);
        return false;
    };
    sqlite3_int64 result = 0;
    if (!operand(argv[0], &result))
        return;
    for (int a = 1; a < argc; ++a) {
        const std::size_t at = 2 * static_cast<std::size_t>(a - 1);
        if (at + 1 >= ops.size())
            return;
        const char op = ops[at];
        const int bytes = ops[at + 1] - '0';
        sqlite3_int64 right = 0;
        if (!operand(argv[a], &right))
            return;
        bool overflow = false;
        switch (op) {
        case '+': overflow = __builtin_add_overflow(result, right, &result); break;
        case '-': overflow = __builtin_sub_overflow(result, right, &result); break;
        case '*': overflow = __builtin_mul_overflow(result, right, &result); break;
        case 'a': overflow = result < 0 && __builtin_sub_overflow(0, result, &result); break;
        default:
            if (right == 0) {
                sqlite3_result_error(context, "Divide by zero error encountered.", -1);
                return;
            }
            if (right == -1 && result == std::numeric_limits<sqlite3_int64>::min()) {
                overflow = true;
            } else {
                result = op == '/' ? result / right : result % right;
            }
        }
        const int bits = 8 * bytes;
        const sqlite3_int64 low = bits == 8    ? 0
                                  : bits >= 64 ? std::numeric_limits<sqlite3_int64>::min()
                                               : -(1LL << (bits - 1));
        const sqlite3_int64 high = bits == 8    ? 255
                                   : bits >= 64 ? std::numeric_limits<sqlite3_int64>::max()
                                                : (1LL << (bits - 1)) - 1;
        if (overflow || result < low || result > high) {
            const std::string type = bits == 8 ? "tinyint" : bits == 16 ? "smallint" : bits == 32 ? "int" : "bigint";
            const std::string message =
                bits < 32 && !overflow
                    ? "Arithmetic overflow error for data type " + type + ", value = " + std::to_string(result) + "."
                    : "Arithmetic overflow error converting expression to data type " + type + ".";
            sqlite3_result_error(context, message.c_str(), -1);
            return;
        }
    }
    sqlite3_result_int64(context, result);
}

// STUFF(text, start, length, insert): NULL when start is outside the text or length is negative; a NULL
// insert deletes without inserting.
void stuffFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    for (int i = 0; i < 3; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return;
    }
    const std::string_view s = utf8(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    const auto count = static_cast<sqlite3_int64>(codePoints(s));
    if (start < 1 || start > count || length < 0)
        return;
    const std::size_t headEnd = byteOffset(s, static_cast<std::size_t>(start - 1));
    const sqlite3_int64 tailStart = std::min(count, start - 1 + length);
    std::string out(s.substr(0, headEnd));
    out += utf8(argv[3]);
    out += s.substr(byteOffset(s, static_cast<std::size_t>(tailStart)));
    resultText(context, out);
}

// How the functions that look for text in text (CHARINDEX, REPLACE, LIKE, PATINDEX) compare characters:
// without case as the database collation does, with case as a case-sensitive collation does, or by code
// point as a binary collation does. Each is registered once a way, the way as its user data.
enum class Matching { WithoutCase, WithCase, Binary };
constexpr Matching matchings[] = {Matching::WithoutCase, Matching::WithCase, Matching::Binary};

Matching matching(sqlite3_context* context) {
    const void* way = sqlite3_user_data(context);
    return way ? *static_cast<const Matching*>(way) : Matching::WithoutCase;
}

Qt::CaseSensitivity caseSensitivity(sqlite3_context* context) {
    return matching(context) == Matching::WithoutCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// CHARINDEX(find, text[, start]): 1-based, 0 when absent.
void charindexFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const QString find = qstring(argv[0]);
    const QString text = qstring(argv[1]);
    qsizetype from = argc > 2 ? static_cast<qsizetype>(sqlite3_value_int64(argv[2])) - 1 : 0;
    if (from < 0)
        from = 0;
    if (find.isEmpty()) {
        sqlite3_result_int64(context, 0);
        return;
    }
    sqlite3_result_int64(context, text.indexOf(find, from, caseSensitivity(context)) + 1);
}

// REPLACE(text, find, replacement[, limit]): limit as cutText takes it.
void replaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    QString text = qstring(argv[0]);
    const QString find = qstring(argv[1]);
    if (!find.isEmpty())
        text.replace(find, qstring(argv[2]), caseSensitivity(context));
    std::string out = text.toStdString();
    if (argc > 3 && !cutText(context, out, sqlite3_value_int64(argv[3])))
        return;
    resultText(context, out);
}

// UPPER and LOWER map each character to one character, as SQL Server does: 'ß' stays 'ß' (QString's own
// toUpper would make it "SS" and change the length).
QString mapEachCharacter(const QString& text, char32_t (*map)(char32_t) noexcept) {
    QList<uint> characters = QStringView(text).toUcs4();
    for (uint& c : characters)
        c = map(c);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
}

void upperFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    resultText(context, mapEachCharacter(qstring(argv[0]), &QChar::toUpper));
}

void lowerFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    resultText(context, mapEachCharacter(qstring(argv[0]), &QChar::toLower));
}

// NEWID(): a random (version 4) GUID in SQL Server's upper-case 36-character form.
void newidFunction(sqlite3_context* context, int, sqlite3_value**) {
    quint32 words[4];
    QRandomGenerator::global()->fillRange(words);
    unsigned char bytes[16];
    std::memcpy(bytes, words, sizeof bytes);
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
    static constexpr char hex[] = "0123456789ABCDEF";
    char out[36];
    std::size_t o = 0;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            out[o++] = '-';
        out[o++] = hex[bytes[i] >> 4];
        out[o++] = hex[bytes[i] & 0x0F];
    }
    resultText(context, std::string_view(out, sizeof out));
}

void getdateFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
}

// A value of a + chain while tsql_plus folds it.
struct PlusValue {
    int type = SQLITE_NULL;  // SQLITE_INTEGER, SQLITE_FLOAT or SQLITE_TEXT
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string text;
};

PlusValue plusValue(sqlite3_value* v) {
    PlusValue out;
    out.type = sqlite3_value_type(v);
    if (out.type == SQLITE_INTEGER)
        out.integer = sqlite3_value_int64(v);
    if (out.type == SQLITE_FLOAT)
        out.real = sqlite3_value_double(v);
    if (out.type == SQLITE_TEXT || out.type == SQLITE_BLOB) {
        out.type = SQLITE_TEXT;
        out.text = std::string(utf8(v));
    }
    return out;
}

// A text operand of an addition as the number it reads as, converted to an int when the other operand is
// one (so '1.5' is no int, as on SQL Server, and blanks are 0); false when it is none.
bool textAsNumber(PlusValue& v, bool integerOnly) {
    const char* begin = v.text.c_str();
    char* end = nullptr;
    const auto blanksOnly = [](const char* p) {
        while (*p == ' ' || *p == '\t')
            ++p;
        return *p == '\0';
    };
    if (integerOnly && blanksOnly(begin)) {
        v.type = SQLITE_INTEGER;
        v.integer = 0;
        return true;
    }
    errno = 0;
    const long long integer = std::strtoll(begin, &end, 10);
    if (end != begin && errno == 0 && blanksOnly(end)) {
        v.type = SQLITE_INTEGER;
        v.integer = integer;
        return true;
    }
    if (integerOnly)
        return false;
    errno = 0;
    const double real = std::strtod(begin, &end);
    if (end != begin && errno == 0 && blanksOnly(end) && std::isfinite(real)) {
        v.type = SQLITE_FLOAT;
        v.real = real;
        return true;
    }
    return false;
}

// Whether the double sum (or difference) of two numbers is the exact one of the decimals they stand for: a
// value whose type the translation did not know may be a decimal, which SQL Server adds exactly.
bool sumIsExact(const PlusValue& a, const PlusValue& b, bool minus);

// tsql_plus(ops, a, b, ...): a + b - ... when the translation could not tell the operands' types (ops holds
// the operators, + or -), folded left to right as SQL Server does: two texts concatenate, a number makes it
// arithmetic (the text converted, or SQL Server's conversion error), NULL gives NULL.
void plusFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2)
        return;
    const std::string_view ops = utf8(argv[0]);
    ++argv;
    --argc;
    if (anyNull(argc, argv))
        return;
    PlusValue sum = plusValue(argv[0]);
    for (int a = 1; a < argc; ++a) {
        const bool minus = static_cast<std::size_t>(a - 1) < ops.size() && ops[static_cast<std::size_t>(a - 1)] == '-';
        PlusValue next = plusValue(argv[a]);
        if (sum.type == SQLITE_TEXT && next.type == SQLITE_TEXT) {
            if (minus) {
                sqlite3_result_error(context, "Operand data type varchar is invalid for subtract operator.", -1);
                return;
            }
            sum.text += next.text;
            continue;
        }
        for (PlusValue* v : {&sum, &next}) {
            if (v->type != SQLITE_TEXT)
                continue;
            const PlusValue& other = v == &sum ? next : sum;
            const std::string original = v->text;
            if (!textAsNumber(*v, other.type == SQLITE_INTEGER)) {
                const std::string message = "Conversion failed when converting the varchar value '" + original +
                                            "' to data type " + (other.type == SQLITE_INTEGER ? "int." : "float.");
                sqlite3_result_error(context, message.c_str(), -1);
                return;
            }
        }
        if (sum.type == SQLITE_INTEGER && next.type == SQLITE_INTEGER) {
            const bool overflow = minus ? __builtin_sub_overflow(sum.integer, next.integer, &sum.integer)
                                        : __builtin_add_overflow(sum.integer, next.integer, &sum.integer);
            if (overflow) {
                sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type bigint.",
                                     -1);
                return;
            }
            if (sum.integer < std::numeric_limits<int>::min() || sum.integer > std::numeric_limits<int>::max()) {
                // Either may be an int, whose sum SQL Server would not take beyond it.
                resultError(context,
                            "Unsupported T-SQL construct: integer arithmetic beyond int on a value whose "
                            "type (int or bigint) is not known");
                return;
            }
            continue;
        }
        const double l = sum.type == SQLITE_INTEGER ? static_cast<double>(sum.integer) : sum.real;
        const double r = next.type == SQLITE_INTEGER ? static_cast<double>(next.integer) : next.real;
        if (!sumIsExact(sum, next, minus)) {
            resultError(context,
                        "Unsupported T-SQL construct: decimal arithmetic on a value whose type is not known (a "
                        "float would give another answer)");
            return;
        }
        sum.type = SQLITE_FLOAT;
        sum.real = minus ? l - r : l + r;
    }
    switch (sum.type) {
    case SQLITE_INTEGER: sqlite3_result_int64(context, sum.integer); break;
    case SQLITE_FLOAT: sqlite3_result_double(context, sum.real); break;
    default: resultText(context, sum.text); break;
    }
}

// tsql_single(value, rows): a scalar subquery's value, where rows counts the subquery's rows: more than one
// is SQL Server's error 512.
void singleFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_int64(argv[1]) > 1) {
        sqlite3_result_error(context,
                             "Subquery returned more than 1 value. This is not permitted when the subquery follows =, "
                             "!=, <, <= , >, >= or when the subquery is used as an expression.",
                             -1);
        return;
    }
    sqlite3_result_value(context, argv[0]);
}

// ------------------------------------------------------------------------------------------ conversions
// CAST and CONVERT as SQL Server does them (the translation passes the target type's facets): text that is
// no number of the target type is an error, not 0 or its prefix; numbers are checked against the type's
// range; a decimal is rounded half away from zero to its scale; a number written as text keeps its scale.

void resultError(sqlite3_context* context, const std::string& message) {
    sqlite3_result_error(context, message.c_str(), static_cast<int>(message.size()));
}

std::string_view trimmedBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A plain decimal number as written: [sign] digits [. digits], at least one digit.
struct DecimalText {
    bool negative = false;
    std::string digits;  // integer part then fraction, no leading zeros kept beyond one
    int scale = 0;       // digits after the point
};

bool parseDecimal(std::string_view s, DecimalText* out) {
    s = trimmedBlanks(s);
    if (s.empty())
        return false;
    if (s.front() == '+' || s.front() == '-') {
        out->negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool point = false, any = false;
    for (char c : s) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        out->digits.push_back(c);
        any = true;
        if (point)
            ++out->scale;
    }
    return any;
}

// The shortest decimal text that reads back as the double: a decimal literal's own digits.
DecimalText decimalOf(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    DecimalText out;
    if (error != std::errc())
        return out;
    parseDecimal(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), &out);
    return out;
}

// Rounds half away from zero to scale digits after the point.
void roundDecimal(DecimalText& d, int scale) {
    if (d.scale <= scale) {
        d.digits.append(static_cast<std::size_t>(scale - d.scale), '0');
        d.scale = scale;
        return;
    }
    const std::size_t keep = d.digits.size() - static_cast<std::size_t>(d.scale - scale);
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    d.scale = scale;
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9')
            d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
        } else {
            ++d.digits[i - 1];
        }
    }
}

// "-12.50": the integer part without leading zeros (at least one digit), the fraction as it is.
std::string decimalString(const DecimalText& d) {
    const std::size_t integerDigits = d.digits.size() - static_cast<std::size_t>(d.scale);
    std::string integer = d.digits.substr(0, integerDigits);
    const std::size_t first = integer.find_first_not_of('0');
    integer = first == std::string::npos ? std::string("0") : integer.substr(first);
    std::string out;
    const bool zero = d.digits.find_first_not_of('0') == std::string::npos;
    if (d.negative && !zero)
        out.push_back('-');
    out += integer;
    if (d.scale > 0) {
        out.push_back('.');
        out += d.digits.substr(integerDigits);
    }
    return out;
}

int integerDigits(const DecimalText& d) {
    const std::string integer = d.digits.substr(0, d.digits.size() - static_cast<std::size_t>(d.scale));
    const std::size_t first = integer.find_first_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(integer.size() - first);
}

// ------------------------------------------------------------------------------------ exact decimals
// A decimal number exactly: units * 10^-scale. 38 digits fit, the most SQL Server's decimals hold.
struct ExactDecimal {
    __int128 units = 0;
    int scale = 0;
};

// The significant digits a double holds of any decimal number: a decimal literal has no more, and a
// result with more is refused rather than rounded.
constexpr int doubleDigits = 15;
// Digits after the point a result may keep where the translation could not tell its scale: SQL Server
// never reduces a scale below 6, so the value is its own.
constexpr int unknownScaleDigits = 6;

__int128 powerOfTen(int n) {
    __int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

int digitCount(__int128 v) {
    int n = 0;
    for (; v != 0; v /= 10)
        ++n;
    return n;
}

// Without the zeros at the end of its fraction.
ExactDecimal trimmed(ExactDecimal d) {
    while (d.scale > 0 && d.units % 10 == 0) {
        d.units /= 10;
        --d.scale;
    }
    return d;
}

// A double as the exact decimal it stands for: the shortest decimal that reads back as it (what a decimal
// of up to 15 significant digits is held as); false where that has more digits.
bool exactOfDouble(double value, ExactDecimal* out) {
    if (!std::isfinite(value))
        return false;
    DecimalText t = decimalOf(value);
    const std::size_t first = t.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        *out = ExactDecimal{};
        return true;
    }
    std::size_t last = t.digits.find_last_not_of('0');
    if (last - first + 1 > static_cast<std::size_t>(doubleDigits) || t.scale > 38)
        return false;
    // The zeros after the last significant digit: those of the fraction go, those of the integer part stay.
    const std::size_t integerEnd = t.digits.size() - static_cast<std::size_t>(t.scale);
    last = std::max(last, integerEnd == 0 ? 0 : integerEnd - 1);
    if (last + 1 - first > 38)
        return false;
    ExactDecimal d;
    for (std::size_t i = first; i <= last; ++i)
        d.units = d.units * 10 + (t.digits[i] - '0');
    d.scale = last + 1 > integerEnd ? static_cast<int>(last + 1 - integerEnd) : 0;
    if (t.negative)
        d.units = -d.units;
    *out = d;
    return true;
}

// A run-time value as the exact decimal it stands for: an integer as it is, a double as above; false for
// text.
bool exactOf(sqlite3_value* v, ExactDecimal* out) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER) {
        *out = ExactDecimal{sqlite3_value_int64(v), 0};
        return true;
    }
    return type == SQLITE_FLOAT && exactOfDouble(sqlite3_value_double(v), out);
}

// a op b exactly (a quotient: truncated to scale digits after the point); false where the result needs
// more than 38 digits.
bool exactStep(char op, ExactDecimal& a, const ExactDecimal& b, int scale = 0) {
    if (op == '/') {
        // a / b * 10^scale = a.units * 10^(scale + b.scale - a.scale) / b.units
        const int shift = scale + b.scale - a.scale;
        __int128 divisor = b.units;
        if (shift < 0 && (-shift > 38 || __builtin_mul_overflow(divisor, powerOfTen(-shift), &divisor))) {
            a = ExactDecimal{0, scale};  // beyond 38 digits of the divisor's: less than the last digit kept
            return true;
        }
        if (shift > 38 || (shift > 0 && __builtin_mul_overflow(a.units, powerOfTen(shift), &a.units)))
            return false;
        if (divisor == -1)
            return !__builtin_sub_overflow(0, a.units, &a.units) && ((a.scale = scale), true);
        a.units /= divisor;
        a.scale = scale;
        return true;
    }
    if (op == '%') {
        ExactDecimal right = b;
        for (ExactDecimal* d : {&a, &right}) {
            const int shift = std::max(a.scale, right.scale) - d->scale;
            if (shift > 38 || __builtin_mul_overflow(d->units, powerOfTen(shift), &d->units))
                return false;
            d->scale += shift;
        }
        if (right.units == -1)
            right.units = 1;     // the same remainder, 0, without the overflow of the lowest value
        a.units %= right.units;  // the sign of the dividend, as in T-SQL
        return true;
    }
    if (op == '*') {
        a.scale += b.scale;
        return a.scale <= 76 && !__builtin_mul_overflow(a.units, b.units, &a.units);
    }
    ExactDecimal right = b;
    for (ExactDecimal* d : {&a, &right}) {
        const int shift = std::max(a.scale, right.scale) - d->scale;
        if (shift > 38 || __builtin_mul_overflow(d->units, powerOfTen(shift), &d->units))
            return false;
        d->scale += shift;
    }
    return op == '-' ? !__builtin_sub_overflow(a.units, right.units, &a.units)
                     : !__builtin_add_overflow(a.units, right.units, &a.units);
}

// The nearest double, as strtod reads a literal.
double doubleOf(ExactDecimal d) {
    std::string digits;
    const bool negative = d.units < 0;
    for (__int128 u = d.units; u != 0; u /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(u % 10) : u % 10)));
    const std::string text =
        (negative ? "-" : "") + (digits.empty() ? std::string("0") : digits) + "e" + std::to_string(-d.scale);
    return std::strtod(text.c_str(), nullptr);
}

// Rounded half away from zero to scale digits after the point, as SQL Server rounds a result to its type.
void roundExact(ExactDecimal& d, int scale) {
    if (d.scale <= scale)
        return;
    if (d.scale - scale > 38) {  // beyond 38 digits: less than half the last digit kept
        d = ExactDecimal{0, scale};
        return;
    }
    const __int128 divisor = powerOfTen(d.scale - scale);
    const __int128 rest = d.units % divisor;
    d.units /= divisor;
    if (2 * (rest < 0 ? -rest : rest) >= divisor)
        d.units += d.units < 0 || rest < 0 ? -1 : 1;
    d.scale = scale;
}

// An exact decimal as the result of a function: an integer for a scale of 0 (-1 with integers: a scale not
// known of a result of integers), else the double of its value. What a double cannot hold exactly (more
// than 15 significant digits, an integer beyond bigint) is refused, not rounded.
void resultExact(sqlite3_context* context, const ExactDecimal& result, int scale, bool integers) {
    const auto refuse = [context](const char* what) {
        resultError(context, std::string("Unsupported T-SQL construct: decimal arithmetic ") + what);
    };
    const ExactDecimal value = trimmed(result);
    if (scale < 0 && value.scale > unknownScaleDigits)
        return refuse("on a value whose precision is not known");
    if (scale == 0 || (scale < 0 && integers)) {
        if (value.units > std::numeric_limits<sqlite3_int64>::max() ||
            value.units < std::numeric_limits<sqlite3_int64>::min())
            return refuse("whose result is an integer beyond bigint");
        return sqlite3_result_int64(context, static_cast<sqlite3_int64>(value.units));
    }
    __int128 significant = value.units;
    while (significant != 0 && significant % 10 == 0)
        significant /= 10;
    if (digitCount(significant) > doubleDigits)
        return refuse("whose result has more than 15 significant digits");
    sqlite3_result_double(context, doubleOf(value));
}

bool sumIsExact(const PlusValue& a, const PlusValue& b, bool minus) {
    ExactDecimal exact[2];
    const PlusValue* values[2] = {&a, &b};
    double doubles[2] = {};
    for (int i = 0; i < 2; ++i) {
        if (values[i]->type == SQLITE_INTEGER) {
            exact[i] = ExactDecimal{values[i]->integer, 0};
            doubles[i] = static_cast<double>(values[i]->integer);
        } else if (!exactOfDouble(values[i]->real, &exact[i])) {
            return true;  // no decimal a double holds: a float, added as floats are
        } else {
            doubles[i] = values[i]->real;
        }
    }
    if (!exactStep(minus ? '-' : '+', exact[0], exact[1]))
        return false;
    return doubleOf(exact[0]) == (minus ? doubles[0] - doubles[1] : doubles[0] + doubles[1]);
}

// tsql_numeric(ops, a, b, ...): + - * / % of decimals, or of a decimal and an integer, left to right and
// exact, as SQL Server computes them (a quotient truncated to its scale). ops holds, for each step, its operator and its result's scale and precision
// in two digits each ("--" where the translation could not tell them). Each step is rounded to its scale
// and checked against its precision; a step marked 'c' (a number of unknown type took part, which may
// be a float) must give what float arithmetic gives, or is refused. The result is an integer for a scale of 0, else the double of its
// value. What a double cannot hold exactly (an operand or a result of more than 15 significant digits, an
// integer beyond bigint) is refused, not rounded.
void numericFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2)
        return;
    const std::string_view ops = utf8(argv[0]);
    ++argv;
    --argc;
    if (anyNull(argc, argv))
        return;
    const auto refuse = [context](const char* what) {
        resultError(context, std::string("Unsupported T-SQL construct: decimal arithmetic ") + what);
    };
    const auto operand = [&](sqlite3_value* v, ExactDecimal* out) {
        if (exactOf(v, out))
            return true;
        refuse(sqlite3_value_type(v) == SQLITE_FLOAT ? "on a value of more than 15 significant digits" : "on a text");
        return false;
    };
    ExactDecimal result;
    if (!operand(argv[0], &result))
        return;
    bool integers = sqlite3_value_type(argv[0]) == SQLITE_INTEGER;
    int scale = -1;  // the last step's, -1 where not known
    for (int a = 1; a < argc; ++a) {
        const std::size_t at = 6 * static_cast<std::size_t>(a - 1);
        if (at + 6 > ops.size())
            return;
        const auto twoDigits = [&](std::size_t i) {
            return ops[i] == '-' ? -1 : (ops[i] - '0') * 10 + (ops[i + 1] - '0');
        };
        scale = twoDigits(at + 1);
        const int precision = twoDigits(at + 3);
        if (scale < -1 || scale > 38 || precision < -1 || precision > 38)
            return;  // not written by the translation
        ExactDecimal right;
        if (!operand(argv[a], &right))
            return;
        integers = integers && sqlite3_value_type(argv[a]) == SQLITE_INTEGER;
        const double left = doubleOf(result);
        if ((ops[at] == '/' || ops[at] == '%') && right.units == 0)
            return resultError(context, "Divide by zero error encountered.");
        if (!exactStep(ops[at], result, right, scale))
            return refuse("whose result has more than 38 digits");
        if (scale >= 0) {
            roundExact(result, scale);
            if (digitCount(result.units) - result.scale > precision - scale)
                return resultError(context, "Arithmetic overflow error converting expression to data type numeric.");
        }
        if (ops[at + 5] == 'c') {
            const double r = sqlite3_value_double(argv[a]);
            const double asFloat = ops[at] == '*' ? left * r : ops[at] == '-' ? left - r : left + r;
            if (asFloat != doubleOf(result))
                return refuse("on a value whose type is not known (a float would give another answer)");
            // Integers of which one may be an int: beyond it SQL Server would overflow.
            if (integers &&
                (result.units < std::numeric_limits<int>::min() || result.units > std::numeric_limits<int>::max()))
                return resultError(context,
                                   "Unsupported T-SQL construct: integer arithmetic beyond int on a "
                                   "value whose type (int or bigint) is not known");
        }
    }
    resultExact(context, result, scale, integers);
}

// ------------------------------------------------------------------------------------ number functions

// tsql_round(value, length, truncate, bits, precision, scale): ROUND of an integer (bits 32 or 64, its
// result's type) or of a decimal(precision, scale), which keeps its type: rounded half away from zero (or
// cut, truncate not 0) to length digits after the point, before it where length is negative; a result
// beyond the type is SQL Server's overflow error (ROUND(748.58, -3) is one: decimal(5,2) holds no 1000.00).
void roundFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (anyNull(2, argv))
        return;
    const auto refuse = [context](const char* what) {
        resultError(context, std::string("Unsupported T-SQL construct: ROUND ") + what);
    };
    if (sqlite3_value_type(argv[1]) != SQLITE_INTEGER || sqlite3_value_type(argv[2]) != SQLITE_INTEGER)
        return refuse("with a length or function that is no integer");
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    const bool truncate = sqlite3_value_int64(argv[2]) != 0;
    const int bits = static_cast<int>(sqlite3_value_int64(argv[3]));
    const int precision = static_cast<int>(sqlite3_value_int64(argv[4]));
    const int scale = static_cast<int>(sqlite3_value_int64(argv[5]));
    ExactDecimal d;
    if (!exactOf(argv[0], &d))
        return refuse("of a value that is no decimal of up to 15 significant digits");
    bool beyond = false;  // more than 38 digits: beyond every type
    if (length < d.scale) {
        const sqlite3_int64 shift = length < -38 ? 39 : d.scale - length;
        if (shift > 38) {
            d.units = 0;
        } else {
            const __int128 divisor = powerOfTen(static_cast<int>(shift));
            const __int128 rest = d.units % divisor;
            d.units /= divisor;
            if (!truncate && 2 * (rest < 0 ? -rest : rest) >= divisor)
                d.units += rest < 0 ? -1 : 1;
            beyond = d.units != 0 && digitCount(d.units) + shift > 38;
            if (!beyond)
                d.units *= divisor;
        }
    }
    d = trimmed(d);
    if (bits > 0) {
        const __int128 high = bits == 32 ? std::numeric_limits<int>::max() : std::numeric_limits<sqlite3_int64>::max();
        const __int128 low = bits == 32 ? std::numeric_limits<int>::min() : std::numeric_limits<sqlite3_int64>::min();
        if (beyond || d.scale != 0 || d.units > high || d.units < low) {
            return resultError(context, std::string("Arithmetic overflow error converting expression to data type ") +
                                            (bits == 32 ? "int." : "bigint."));
        }
        return sqlite3_result_int64(context, static_cast<sqlite3_int64>(d.units));
    }
    if (beyond || digitCount(d.units) - d.scale > precision - scale)
        return resultError(context, "Arithmetic overflow error converting expression to data type numeric.");
    if (scale == 0) {
        if (d.scale != 0 || d.units > std::numeric_limits<sqlite3_int64>::max() ||
            d.units < std::numeric_limits<sqlite3_int64>::min())
            return refuse("whose result is an integer beyond bigint");
        return sqlite3_result_int64(context, static_cast<sqlite3_int64>(d.units));
    }
    sqlite3_result_double(context, doubleOf(d));
}

// tsql_floor(value, up, exact): FLOOR (CEILING where up is 1); an integer stays as it is, a float gives a
// float, a decimal (exact 1) an integer: its result has scale 0.
void floorFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_INTEGER)
        return sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
    const double v = sqlite3_value_double(argv[0]);
    const double r = sqlite3_value_int64(argv[1]) ? std::ceil(v) : std::floor(v);
    if (!sqlite3_value_int64(argv[2]))
        return sqlite3_result_double(context, r == 0 ? 0.0 : r);
    if (!(std::fabs(r) < 9.0e15))
        return resultError(context, "Unsupported T-SQL construct: FLOOR or CEILING of a decimal beyond 15 digits");
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(r));
}

// tsql_sign(value): -1, 0 or 1, an integer for an integer, else a double.
void signFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_INTEGER) {
        const sqlite3_int64 v = sqlite3_value_int64(argv[0]);
        return sqlite3_result_int64(context, v > 0 ? 1 : v < 0 ? -1 : 0);
    }
    const double v = sqlite3_value_double(argv[0]);
    sqlite3_result_double(context, v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0);
}

// tsql_sqrt(float) and tsql_square(float).
void sqrtFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const double v = sqlite3_value_double(argv[0]);
    if (v < 0)
        return resultError(context, "An invalid floating point operation occurred.");
    sqlite3_result_double(context, std::sqrt(v));
}

void squareFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const double v = sqlite3_value_double(argv[0]);
    if (!std::isfinite(v * v))
        return resultError(context, "Unsupported T-SQL construct: SQUARE beyond the range of float");
    sqlite3_result_double(context, v * v);
}

// tsql_isnumeric(value): 1 where SQL Server converts the value to some number type (int, decimal, float,
// money), else 0: a text with a letter never is. Beside plain numbers that takes in a lone sign, point or
// $, and an exponent ('1e5'); texts with what only some of those types read (thousands separators, other
// currency signs, the D exponent, blanks inside, other characters), blanks alone and signs in odd places
// are refused: SQL Server's answer for them is not one this rule can be sure of.
void isnumericFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return sqlite3_result_int(context, 0);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return sqlite3_result_int(context, 1);
    const std::string_view text = utf8(argv[0]);
    const auto unsure = [&] {
        resultError(context, "Unsupported T-SQL construct: ISNUMERIC of '" + std::string(text) + "'");
    };
    if (text.empty())
        return sqlite3_result_int(context, 0);
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty())
        return unsure();
    for (const char c : s) {
        const bool exponent = c == 'd' || c == 'D' || c == 'e' || c == 'E';
        if (!exponent && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return sqlite3_result_int(context, 0);  // no number type reads a word
    }
    for (const char c : s) {
        const bool part = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == '$' || c == 'e' ||
                          c == 'E' || c == 'd' || c == 'D';
        if (!part)
            return unsure();  // a blank inside, a separator, a sign some code page reads as a currency's
    }
    if (s.find_first_of("dD") != std::string_view::npos)
        return unsure();
    if (s == "$" || s == "." || s == "+" || s == "-")
        return sqlite3_result_int(context, 1);
    std::string_view number = s;
    if (number.front() == '$')
        number.remove_prefix(1);
    else if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    std::size_t i = 0, mantissa = 0;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9')
        ++i, ++mantissa;
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i, ++mantissa;
    }
    if (mantissa == 0)
        return unsure();
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E') && s.front() != '$') {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i, ++exponent;
        const double value = std::strtod(std::string(number).c_str(), nullptr);
        if (exponent == 0 || exponent > 3 || !std::isfinite(value) || (value != 0 && std::fabs(value) < 1e-300))
            return unsure();
    }
    if (i != number.size())
        return unsure();
    sqlite3_result_int(context, 1);
}

// ------------------------------------------------------------------------------------ text functions

// tsql_str(float, length, decimals): STR: the number rounded to decimals places (at most 16), right-aligned
// in length characters, or length asterisks where the part before the point does not fit. Refused where the
// decimals would have to give way to fit, where the double and the decimal it reads as round differently
// (a tie between two last digits), and past 15 significant digits.
void strFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (anyNull(3, argv))
        return;
    const auto refuse = [context](const char* what) {
        resultError(context, std::string("Unsupported T-SQL construct: STR ") + what);
    };
    if (sqlite3_value_type(argv[1]) != SQLITE_INTEGER || sqlite3_value_type(argv[2]) != SQLITE_INTEGER)
        return refuse("with a length or decimals that are no integer");
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    sqlite3_int64 decimals = sqlite3_value_int64(argv[2]);
    if (length < 1 || length > maxTextLength || decimals < 0)
        return refuse("with a length or decimals out of range");
    decimals = std::min<sqlite3_int64>(decimals, 16);
    const double v = sqlite3_value_double(argv[0]);
    if (!std::isfinite(v) || std::fabs(v) >= 1e15)
        return refuse("of a number of more than 15 digits");
    DecimalText d = decimalOf(v);
    roundDecimal(d, static_cast<int>(decimals));
    const std::string text = decimalString(d);
    char written[64];
    std::snprintf(written, sizeof written, "%.*f", static_cast<int>(decimals), v);
    if (text != written)
        return refuse("of a number whose rounding is not certain");
    const auto size = static_cast<sqlite3_int64>(text.size());
    if (size > length) {
        const std::size_t point = text.find('.');
        if (static_cast<sqlite3_int64>(point == std::string::npos ? text.size() : point) <= length)
            return refuse("whose decimals do not fit its length");
        return resultText(context, std::string(static_cast<std::size_t>(length), '*'));
    }
    resultText(context, std::string(static_cast<std::size_t>(length - size), ' ') + text);
}

// tsql_char(code, national): CHAR (national 0) or NCHAR (1) of a code; NULL outside the type's range. The
// database's code page (1252) agrees with Unicode on all of CHAR's codes but 128 to 159, which are refused.
void charFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    if (sqlite3_value_type(argv[0]) != SQLITE_INTEGER)
        return resultError(context, "Unsupported T-SQL construct: CHAR or NCHAR of a code that is no integer");
    const sqlite3_int64 code = sqlite3_value_int64(argv[0]);
    const bool national = sqlite3_value_int64(argv[1]) != 0;
    if (code < 0 || code > (national ? 0xFFFF : 0xFF))
        return;
    if ((!national && code >= 0x80 && code < 0xA0) || (code >= 0xD800 && code < 0xE000))
        return resultError(context, "Unsupported T-SQL construct: " + std::string(national ? "NCHAR(" : "CHAR(") +
                                        std::to_string(code) + ")");
    resultText(context, QString(QChar(static_cast<char16_t>(code))));
}

// tsql_code(text, national): ASCII (national 0) or UNICODE (1) of the first character; NULL for ''. Beyond
// what the code page shares with Unicode (ASCII) or past the basic plane (UNICODE, which gives a surrogate
// there) it is refused.
void codeFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const QString text = qstring(argv[0]);
    if (text.isEmpty())
        return;
    const char16_t c = text.at(0).unicode();
    const bool national = sqlite3_value_int64(argv[1]) != 0;
    if (QChar::isSurrogate(c) || (!national && (c > 0xFF || (c >= 0x80 && c < 0xA0))))
        return resultError(context, std::string("Unsupported T-SQL construct: ") + (national ? "UNICODE" : "ASCII") +
                                        " of a character beyond its code page");
    sqlite3_result_int64(context, c);
}

// tsql_quotename(text[, quote]): the text between the delimiters, its closing delimiter doubled; NULL beyond
// 128 characters. The delimiters whose doubling is not certain are refused.
void quotenameFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const std::string_view quote = argc < 2                                     ? std::string_view("[")
                                   : sqlite3_value_type(argv[1]) == SQLITE_NULL ? std::string_view()
                                                                                : utf8(argv[1]);
    char open = 0, close = 0;
    if (quote == "[" || quote == "]") {
        open = '[';
        close = ']';
    } else if (quote == "\"" || quote == "'") {
        open = close = quote[0];
    } else {
        return resultError(
            context, "Unsupported T-SQL construct: QUOTENAME with the quote character '" + std::string(quote) + "'");
    }
    const std::string_view s = utf8(argv[0]);
    if (codePoints(s) > 128)
        return;
    std::string out(1, open);
    for (const char c : s) {
        out += c;
        if (c == close)
            out += c;
    }
    out += close;
    resultText(context, out);
}

// tsql_concat_ws(separator, value, ...): the values that are not NULL, the separator between them.
void concatWsFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return resultError(context, "Unsupported T-SQL construct: CONCAT_WS with a NULL separator");
    const std::string_view separator = utf8(argv[0]);
    std::string out;
    bool first = true;
    for (int i = 1; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            continue;
        if (!first)
            out += separator;
        out += utf8(argv[i]);
        first = false;
    }
    resultText(context, out);
}

const char* integerTypeName(int bits) {
    switch (bits) {
    case 8: return "tinyint";
    case 16: return "smallint";
    case 32: return "int";
    default: return "bigint";
    }
}

// tsql_int(value, bits): CAST to TINYINT (8), SMALLINT (16), INT (32) or BIGINT (64). A number is truncated
// towards zero; text must be an integer (blanks around it allowed, blanks alone are 0).
void intFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    const int bits = static_cast<int>(sqlite3_value_int64(argv[1]));
    const sqlite3_int64 low = bits == 8    ? 0
                              : bits == 64 ? std::numeric_limits<sqlite3_int64>::min()
                                           : -(1LL << (bits - 1));
    const sqlite3_int64 high = bits == 8    ? 255
                               : bits == 64 ? std::numeric_limits<sqlite3_int64>::max()
                                            : (1LL << (bits - 1)) - 1;
    const std::string typeName = integerTypeName(bits);
    sqlite3_int64 value = 0;
    if (type == SQLITE_INTEGER) {
        value = sqlite3_value_int64(argv[0]);
    } else if (type == SQLITE_FLOAT) {
        const double d = std::trunc(sqlite3_value_double(argv[0]));
        if (!(d >= static_cast<double>(low) && d <= static_cast<double>(high))) {
            resultError(context, "Arithmetic overflow error converting expression to data type " + typeName + ".");
            return;
        }
        value = static_cast<sqlite3_int64>(d);
    } else {
        const std::string_view text = utf8(argv[0]);
        const std::string_view t = trimmedBlanks(text);
        if (!t.empty()) {
            std::string_view digits = t;
            const bool negative = digits.front() == '-';
            if (digits.front() == '+' || digits.front() == '-')
                digits.remove_prefix(1);
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (digits.empty() || end != digits.data() + digits.size() ||
                (error != std::errc() && error != std::errc::result_out_of_range)) {
                resultError(context, "Conversion failed when converting the varchar value '" + std::string(text) +
                                         "' to data type " + typeName + ".");
                return;
            }
            if (error == std::errc::result_out_of_range) {
                resultError(context, "The conversion of the varchar value '" + std::string(text) + "' overflowed an " +
                                         typeName + " column. Use a larger integer column.");
                return;
            }
            if (negative)
                value = -value;
        }
    }
    if (value < low || value > high) {
        resultError(context, "Arithmetic overflow error converting expression to data type " + typeName + ".");
        return;
    }
    sqlite3_result_int64(context, value);
}

// ------------------------------------------------------------------------------------ SUM and AVG
// SUM and AVG as SQL Server computes them, exactly. The argument's type, which the translation tells by the
// name it calls (DISTINCT takes one argument only), is the function's user data: an integer sums in an int
// (tinyint, smallint and int) or a bigint, overflowing as those do; a decimal of scale s sums in a
// decimal(38, s), its average a decimal(38, max(s, 6)) truncated as a quotient is. Of a type not known (a
// temporary table's column): the answer where every type it may be gives the same one, else a refusal.
struct AggregateKind {
    enum class Of : unsigned char { Integer, Decimal, Unknown } of;
    int bitsOrScale;  // integers: 32 or 64; decimals: the scale
    bool average;
};

// Lives in SQLite's aggregate memory, zeroed when the group starts: zero is each member's start.
struct AggregateState {
    ExactDecimal sum;
    double real;          // the sum as floats add
    sqlite3_int64 count;  // of the values not NULL
    bool fractions;       // a value not an integer
    bool floats;          // a value no decimal of 15 digits: a float
    const char* failure;  // the error met, reported at the end
    bool unsupported;     // the failure is a refusal
};

// The group's state, aligned as its 128-bit sum needs (SQLite's memory is aligned to 8 bytes); nullptr
// where none was made (with create false: no row came).
AggregateState* aggregateState(sqlite3_context* context, bool create) {
    constexpr std::size_t alignment = alignof(AggregateState);
    void* memory = sqlite3_aggregate_context(context, create ? sizeof(AggregateState) + alignment : 0);
    if (!memory)
        return nullptr;
    const auto address = (reinterpret_cast<std::uintptr_t>(memory) + alignment - 1) & ~(alignment - 1);
    return reinterpret_cast<AggregateState*>(address);
}

void aggregateStep(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    AggregateState* state = aggregateState(context, true);
    if (!state)
        return sqlite3_result_error_nomem(context);
    if (state->failure)
        return;
    const auto* kind = static_cast<const AggregateKind*>(sqlite3_user_data(context));
    const auto fail = [state](const char* message, bool unsupported) {
        state->failure = message;
        state->unsupported = unsupported;
    };
    ++state->count;
    ExactDecimal value;
    if (!exactOf(argv[0], &value)) {
        if (type != SQLITE_FLOAT || kind->of != AggregateKind::Of::Unknown)
            return fail(type == SQLITE_FLOAT ? "SUM or AVG of a value of more than 15 significant digits"
                                             : "SUM or AVG of a text",
                        true);
        state->floats = true;
    }
    state->fractions = state->fractions || type != SQLITE_INTEGER;
    state->real += sqlite3_value_double(argv[0]);
    if (state->floats)
        return;
    if (kind->of == AggregateKind::Of::Decimal) {
        // A value with more digits after the point than its type keeps was rounded when stored.
        roundExact(value, kind->bitsOrScale);
        // The sum is a decimal(38, s): 38 - s digits before the point.
        if (!exactStep('+', state->sum, value) ||
            digitCount(state->sum.units) - state->sum.scale > 38 - kind->bitsOrScale)
            return fail("Arithmetic overflow error converting expression to data type numeric.", false);
        return;
    }
    if (!exactStep('+', state->sum, value))
        return fail("SUM or AVG beyond 38 digits", true);
    if (kind->of == AggregateKind::Of::Integer) {
        if (value.scale != 0)
            return fail("SUM or AVG of a fraction held in an integer's column", true);
        const __int128 high = kind->bitsOrScale == 32 ? std::numeric_limits<std::int32_t>::max()
                                                      : std::numeric_limits<sqlite3_int64>::max();
        if (state->sum.units > high || state->sum.units < -high - 1) {
            return fail(kind->bitsOrScale == 32
                            ? "Arithmetic overflow error converting expression to data type int."
                            : "Arithmetic overflow error converting expression to data type bigint.",
                        false);
        }
    }
}

void aggregateFinal(sqlite3_context* context) {
    AggregateState* state = aggregateState(context, false);
    if (!state || state->count == 0)
        return;  // no value but NULL: NULL
    const auto* kind = static_cast<const AggregateKind*>(sqlite3_user_data(context));
    if (state->failure) {
        return resultError(context, state->unsupported ? std::string("Unsupported T-SQL construct: ") + state->failure
                                                       : std::string(state->failure));
    }
    const auto refuse = [context, kind](const char* what) {
        resultError(context, std::string("Unsupported T-SQL construct: ") + (kind->average ? "AVG" : "SUM") +
                                 " of a value whose type is not known, " + what);
    };
    if (state->floats) {
        // A float among the values: float arithmetic.
        return sqlite3_result_double(context,
                                     kind->average ? state->real / static_cast<double>(state->count) : state->real);
    }
    ExactDecimal result = state->sum;
    switch (kind->of) {
    case AggregateKind::Of::Integer:
        if (kind->average)
            result.units /= state->count;  // truncated towards zero
        return resultExact(context, result, 0, true);
    case AggregateKind::Of::Decimal: {
        const int scale = kind->average ? std::max(kind->bitsOrScale, 6) : kind->bitsOrScale;
        if (kind->average && !exactStep('/', result, ExactDecimal{state->count, 0}, scale))
            return resultError(context, "Unsupported T-SQL construct: AVG beyond 38 digits");
        return resultExact(context, result, scale, false);
    }
    case AggregateKind::Of::Unknown: break;
    }
    if (!state->fractions && !kind->average) {
        if (result.units > std::numeric_limits<std::int32_t>::max() ||
            result.units < std::numeric_limits<std::int32_t>::min())
            return refuse("beyond int (an int overflows)");
        return resultExact(context, result, 0, true);
    }
    if (kind->average) {
        // int, decimal and float agree only where the quotient is exact (of integers: an integer).
        ExactDecimal quotient = result;
        if (!exactStep('/', quotient, ExactDecimal{state->count, 0}, state->fractions ? std::max(result.scale, 6) : 0))
            return refuse("beyond 38 digits");
        ExactDecimal back = quotient;
        if (!exactStep('*', back, ExactDecimal{state->count, 0}) || !exactStep('-', back, result) || back.units != 0)
            return refuse("whose quotient is not exact (an int, a decimal and a float give other answers)");
        result = quotient;
        if (state->fractions && doubleOf(result) != state->real / static_cast<double>(state->count))
            return refuse("a float would give another answer");
        return resultExact(context, result, -1, !state->fractions);
    }
    if (doubleOf(result) != state->real)
        return refuse("a float would give another answer");
    resultExact(context, result, -1, false);
}

// The aggregates' names by the type of their argument: tsql_sum_i32 and tsql_avg_i32 (tinyint, smallint,
// int), _i64 (bigint), _d0 to _d38 (decimals of that scale) and _x (not known).
struct AggregateRegistration {
    std::string name;
    AggregateKind kind;
};

const std::vector<AggregateRegistration>& aggregateRegistrations() {
    static const std::vector<AggregateRegistration> all = [] {
        std::vector<AggregateRegistration> list;
        for (const bool average : {false, true}) {
            const std::string prefix = average ? "tsql_avg_" : "tsql_sum_";
            list.push_back({prefix + "i32", {AggregateKind::Of::Integer, 32, average}});
            list.push_back({prefix + "i64", {AggregateKind::Of::Integer, 64, average}});
            for (int scale = 0; scale <= 38; ++scale)
                list.push_back({prefix + "d" + std::to_string(scale), {AggregateKind::Of::Decimal, scale, average}});
            list.push_back({prefix + "x", {AggregateKind::Of::Unknown, 0, average}});
        }
        return list;
    }();
    return all;
}

// tsql_bit(value): 0 stays 0, any other number is 1; text may be 'TRUE', 'FALSE' or a number.
void bitFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_int(context, sqlite3_value_double(argv[0]) != 0 ? 1 : 0);
        return;
    }
    const std::string_view text = utf8(argv[0]);
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    if (t.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) {
        sqlite3_result_int(context, 1);
        return;
    }
    if (t.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
        sqlite3_result_int(context, 0);
        return;
    }
    DecimalText d;
    if (!parseDecimal(text, &d)) {
        resultError(context, "Conversion failed when converting the varchar value '" + std::string(text) +
                                 "' to data type bit.");
        return;
    }
    sqlite3_result_int(context, d.digits.find_first_not_of('0') == std::string::npos ? 0 : 1);
}

// tsql_decimal(value, precision, scale): rounded to the scale, checked against the precision; an integer
// when the scale is 0.
void decimalFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    const int precision = static_cast<int>(sqlite3_value_int64(argv[1]));
    const int scale = static_cast<int>(sqlite3_value_int64(argv[2]));
    DecimalText d;
    const char* from = "numeric";
    if (type == SQLITE_INTEGER) {
        parseDecimal(std::to_string(sqlite3_value_int64(argv[0])), &d);
        from = "expression";
    } else if (type == SQLITE_FLOAT) {
        const double v = sqlite3_value_double(argv[0]);
        if (!std::isfinite(v)) {
            resultError(context, "Arithmetic overflow error converting float to data type numeric.");
            return;
        }
        d = decimalOf(v);
    } else if (!parseDecimal(utf8(argv[0]), &d)) {
        resultError(context, "Error converting data type varchar to numeric.");
        return;
    } else {
        from = "varchar";
    }
    roundDecimal(d, scale);
    if (integerDigits(d) > precision - scale) {
        resultError(context, std::string("Arithmetic overflow error converting ") + from + " to data type numeric.");
        return;
    }
    const std::string text = decimalString(d);
    if (scale == 0) {
        sqlite3_int64 value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size()) {
            sqlite3_result_int64(context, value);
            return;
        }
    }
    sqlite3_result_double(context, std::strtod(text.c_str(), nullptr));
}

// tsql_float(value): text must be a number.
void floatFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_double(context, sqlite3_value_double(argv[0]));
        return;
    }
    const std::string text(trimmedBlanks(utf8(argv[0])));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    const bool hexOrWord = text.find_first_of("xXnNiI") != std::string::npos;  // no hex, inf or nan in T-SQL
    if (text.empty()) {
        sqlite3_result_double(context, 0);
        return;
    }
    if (hexOrWord || end != text.c_str() + text.size() || errno != 0 || !std::isfinite(value)) {
        resultError(context, "Error converting data type varchar to float.");
        return;
    }
    sqlite3_result_double(context, value);
}

// Text padded with blanks to width characters (a fixed-length type's), unless width is -1.
void finishText(sqlite3_context* context, std::string text, sqlite3_int64 width) {
    const auto count = static_cast<sqlite3_int64>(codePoints(text));
    if (width > count)
        text.append(static_cast<std::size_t>(width - count), ' ');
    resultText(context, text);
}

// tsql_text(value, length, kind, scale): CAST to a text type of length characters (-1: MAX); kind: 1 for
// the national types, plus 2 for the fixed-length ones, plus 4 for a value written into a column, which is
// cut only of blanks (anything else is the truncation error) and takes no number too long for it. A number becomes text as SQL Server writes it: an integer in its digits (a
// varchar too short for it holds '*', an nvarchar is an error), a decimal with the scale the translation
// knows (-1: not known, and a non-integer value is refused rather than written in a form SQL Server would
// not give); too long a decimal is an error.
void textFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 kind = sqlite3_value_int64(argv[2]);
    const bool national = (kind & 1) != 0;
    const bool fixed = (kind & 2) != 0;  // CHAR and NCHAR: padded with blanks to their length
    const bool write = (kind & 4) != 0;
    const int scale = static_cast<int>(sqlite3_value_int64(argv[3]));
    const char* typeName = national ? "nvarchar" : "varchar";
    if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
        const std::string_view s = utf8(argv[0]);
        if (length < 0) {
            sqlite3_result_value(context, argv[0]);
            return;
        }
        std::string out(slice(s, 0, static_cast<std::size_t>(length)));
        if (write && s.substr(out.size()).find_first_not_of(' ') != std::string_view::npos) {
            resultError(context, "String or binary data would be truncated.");
            return;
        }
        finishText(context, out, fixed ? length : -1);
        return;
    }
    std::string text;
    if (type == SQLITE_INTEGER && scale <= 0) {
        text = std::to_string(sqlite3_value_int64(argv[0]));
        if (length >= 0 && static_cast<sqlite3_int64>(text.size()) > length) {
            if (write) {
                resultError(context, "Unsupported T-SQL construct: a number longer than its text column");
            } else if (national) {
                resultError(context, std::string("Arithmetic overflow error converting expression to data type ") +
                                         typeName + ".");
            } else {
                resultText(context, std::string_view("*"));
            }
            return;
        }
        finishText(context, text, fixed ? length : -1);
        return;
    }
    if (scale < 0) {
        resultError(context, "Unsupported T-SQL construct: conversion to text of a number of unknown decimal scale");
        return;
    }
    DecimalText d = type == SQLITE_INTEGER ? DecimalText{} : decimalOf(sqlite3_value_double(argv[0]));
    if (type == SQLITE_INTEGER)
        parseDecimal(std::to_string(sqlite3_value_int64(argv[0])), &d);
    roundDecimal(d, scale);
    text = decimalString(d);
    if (length >= 0 && static_cast<sqlite3_int64>(text.size()) > length) {
        resultError(context,
                    std::string("Arithmetic overflow error converting numeric to data type ") + typeName + ".");
        return;
    }
    finishText(context, text, fixed ? length : -1);
}

// tsql_divisor(value): the right operand of / and %, which SQL Server refuses to be 0.
void divisorFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if ((type == SQLITE_INTEGER || type == SQLITE_FLOAT) && sqlite3_value_double(argv[0]) == 0) {
        resultError(context, "Divide by zero error encountered.");
        return;
    }
    sqlite3_result_value(context, argv[0]);
}

// tsql_number(value, integer): a text compared with or added to a number, converted to it first.
void numberFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    PlusValue v = plusValue(argv[0]);
    const std::string original = v.text;
    const bool integer = sqlite3_value_int64(argv[1]) != 0;
    if (!textAsNumber(v, integer)) {
        resultError(context,
                    integer ? "Conversion failed when converting the varchar value '" + original + "' to data type int."
                            : std::string("Error converting data type varchar to numeric."));
        return;
    }
    if (v.type == SQLITE_INTEGER) {
        sqlite3_result_int64(context, v.integer);
    } else {
        sqlite3_result_double(context, v.real);
    }
}

// A value as FOR XML PATH writes it: &, <, > and carriage returns escaped.
void xmlFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    const std::string_view s = utf8(argv[0]);
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\r': out += "&#x0D;"; break;
        default: out.push_back(c);
        }
    }
    resultText(context, out);
}

// T-SQL LIKE: % any run, _ any character, [abc] [a-z] [^a] sets, an optional escape character; letters
// compare as the matching tells. A failed match goes back to the last % only, so the time stays
// proportional to text times pattern.
class LikeMatcher {
public:
    LikeMatcher(const QString& text, const QString& pattern, QChar escape, Matching matching)
        : text_(matching == Matching::WithoutCase ? text.toCaseFolded() : text),
          pattern_(matching == Matching::WithoutCase ? pattern.toCaseFolded() : pattern),
          escape_(matching == Matching::WithoutCase ? escape.toCaseFolded() : escape), matching_(matching) {}

    bool matches() const {
        qsizetype t = 0, p = 0;
        qsizetype starP = -1, starT = 0;
        while (t < text_.size()) {
            if (p < pattern_.size() && pattern_[p] == u'%') {
                starP = ++p;
                starT = t;
                continue;
            }
            qsizetype next = 0;
            if (p < pattern_.size() && single(p, text_[t], &next)) {
                ++t;
                p = next;
                continue;
            }
            if (starP < 0)
                return false;
            p = starP;
            t = ++starT;
        }
        while (p < pattern_.size() && pattern_[p] == u'%')
            ++p;
        return p == pattern_.size();
    }

private:
    // Whether the pattern element at p (not %) matches ch; *next is the position after the element.
    bool single(qsizetype p, QChar ch, qsizetype* next) const {
        const QChar c = pattern_[p];
        if (!escape_.isNull() && c == escape_ && p + 1 < pattern_.size()) {
            *next = p + 2;
            return ch == pattern_[p + 1];
        }
        *next = p + 1;
        if (c == u'_')
            return true;
        if (c == u'[') {
            const qsizetype close = pattern_.indexOf(u']', p + 1);
            if (close > p + 1) {
                *next = close + 1;
                return inSet(ch, p + 1, close);
            }
        }
        return ch == c;
    }

    bool inSet(QChar ch, qsizetype from, qsizetype to) const {
        bool negate = false;
        if (pattern_[from] == u'^') {
            negate = true;
            ++from;
        }
        bool found = false;
        for (qsizetype i = from; i < to; ++i) {
            if (i + 2 < to && pattern_[i + 1] == u'-') {
                if (inRange(ch, pattern_[i], pattern_[i + 2]))
                    found = true;
                i += 2;
            } else if (pattern_[i] == ch) {
                found = true;
            }
        }
        return found != negate;
    }

    // A case-sensitive collation's ranges run in its order, where a < A < b: [a-c] holds B but not C.
    bool inRange(QChar ch, QChar low, QChar high) const {
        if (matching_ != Matching::WithCase)
            return ch >= low && ch <= high;
        return compareTextWithCase(QStringView(&low, 1), QStringView(&ch, 1)) <= 0 &&
               compareTextWithCase(QStringView(&ch, 1), QStringView(&high, 1)) <= 0;
    }

    QString text_;
    QString pattern_;
    QChar escape_;
    Matching matching_;
};

// tsql_like(value, pattern[, escape[, mode]]): mode 0 is SQL Server's LIKE of non-Unicode texts, where
// trailing blanks of the value do not count ('abc  ' LIKE 'abc' holds) but those of the pattern do; mode 1
// is its Unicode LIKE, where they count on both sides; mode -1 is a pair of types the translation does not
// know: where the two would differ the statement is refused. Mode N > 1 is Unicode LIKE on a value of a
// fixed-length type of N - 1 characters, which SQL Server holds padded with blanks.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc > 3 ? 3 : argc, argv) && (argc < 4 || anyNull(2, argv)))
        return;
    QChar escape;
    if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
        const QString e = qstring(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(context, "The invalid escape character was specified in a LIKE predicate.", -1);
            return;
        }
        escape = e[0];
    }
    const sqlite3_int64 mode = argc > 3 ? sqlite3_value_int64(argv[3]) : 0;
    QString value = qstring(argv[0]);
    const QString pattern = qstring(argv[1]);
    if (mode > 1) {
        const qsizetype width = static_cast<qsizetype>(mode - 1);
        if (value.size() < width)
            value.append(QString(width - value.size(), u' '));
    }
    const Matching way = matching(context);
    const bool exact = LikeMatcher(value, pattern, escape, way).matches();
    if (mode >= 1 || exact) {
        sqlite3_result_int(context, exact ? 1 : 0);
        return;
    }
    bool trimmed = false;
    while (value.endsWith(u' ')) {
        value.chop(1);
        if (LikeMatcher(value, pattern, escape, way).matches()) {
            trimmed = true;
            break;
        }
    }
    if (trimmed && mode < 0) {
        sqlite3_result_error(context,
                             "Unsupported T-SQL construct: LIKE on a value with trailing blanks whose type (varchar or "
                             "nvarchar) is not known",
                             -1);
        return;
    }
    sqlite3_result_int(context, trimmed ? 1 : 0);
}

// PATINDEX(pattern, text): the position of the first match of a LIKE pattern, 0 when there is none; a
// pattern without a leading % matches only at the start.
void patindexFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return;
    QString pattern = qstring(argv[0]);
    const QString text = qstring(argv[1]);
    const Matching way = matching(context);
    if (!pattern.startsWith(u'%')) {
        sqlite3_result_int64(context, LikeMatcher(text, pattern, QChar(), way).matches() ? 1 : 0);
        return;
    }
    while (pattern.startsWith(u'%'))
        pattern.remove(0, 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (LikeMatcher(text.mid(i), pattern, QChar(), way).matches()) {
            sqlite3_result_int64(context, static_cast<sqlite3_int64>(QStringView(text).left(i).toUcs4().size()) + 1);
            return;
        }
    }
    sqlite3_result_int64(context, 0);
}

struct Registration {
    const char* name;
    int arguments;
    bool deterministic;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
    Matching matching = Matching::WithoutCase;
};

constexpr Registration registrations[] = {
    {"len", 1, true, lenFunction},
    {"substring", 3, true, substringFunction},
    {"tsql_left", 2, true, leftFunction},
    {"tsql_right", 2, true, rightFunction},
    {"tsql_reverse", 1, true, reverseFunction},
    {"space", 1, true, spaceFunction},
    {"replicate", 2, true, replicateFunction},
    {"replicate", 3, true, replicateFunction},
    {"tsql_cut", 2, true, cutFunction},
    {"tsql_datetime", 2, true, datetimeFunction},
    {"tsql_datetext", 2, true, datetextFunction},
    {"tsql_top", 1, true, topFunction},
    {"tsql_percent", 2, true, percentFunction},
    {"tsql_rows", 2, true, rowsFunction},
    {"tsql_datalength", 2, true, datalengthFunction},
    {"tsql_integer", -1, true, integerFunction},
    {"stuff", 4, true, stuffFunction},
    {"charindex", 2, true, charindexFunction},
    {"charindex", 3, true, charindexFunction},
    {"tsql_replace", 3, true, replaceFunction},
    {"tsql_replace", 4, true, replaceFunction},
    {"upper", 1, true, upperFunction},
    {"lower", 1, true, lowerFunction},
    {"newid", 0, false, newidFunction},
    {"getdate", 0, false, getdateFunction},
    {"tsql_plus", -1, true, plusFunction},
    {"tsql_numeric", -1, true, numericFunction},
    {"tsql_xml", 1, true, xmlFunction},
    {"tsql_int", 2, true, intFunction},
    {"tsql_bit", 1, true, bitFunction},
    {"tsql_decimal", 3, true, decimalFunction},
    {"tsql_float", 1, true, floatFunction},
    {"tsql_text", 4, true, textFunction},
    {"tsql_divisor", 1, true, divisorFunction},
    {"tsql_single", 2, true, singleFunction},
    {"tsql_number", 2, true, numberFunction},
    {"tsql_like", 2, true, likeFunction},
    {"patindex", 2, true, patindexFunction},
    {"tsql_like", 3, true, likeFunction},
    {"tsql_like", 4, true, likeFunction},
    // Under an explicit case-sensitive or binary collation (QueryWriter::matchingSuffix).
    {"charindex_cs", 2, true, charindexFunction, Matching::WithCase},
    {"charindex_cs", 3, true, charindexFunction, Matching::WithCase},
    {"tsql_replace_cs", 3, true, replaceFunction, Matching::WithCase},
    {"tsql_replace_cs", 4, true, replaceFunction, Matching::WithCase},
    {"patindex_cs", 2, true, patindexFunction, Matching::WithCase},
    {"tsql_like_cs", 2, true, likeFunction, Matching::WithCase},
    {"tsql_like_cs", 3, true, likeFunction, Matching::WithCase},
    {"tsql_like_cs", 4, true, likeFunction, Matching::WithCase},
    {"charindex_bin", 2, true, charindexFunction, Matching::Binary},
    {"charindex_bin", 3, true, charindexFunction, Matching::Binary},
    {"tsql_replace_bin", 3, true, replaceFunction, Matching::Binary},
    {"tsql_replace_bin", 4, true, replaceFunction, Matching::Binary},
    {"patindex_bin", 2, true, patindexFunction, Matching::Binary},
    {"tsql_like_bin", 2, true, likeFunction, Matching::Binary},
    {"tsql_like_bin", 3, true, likeFunction, Matching::Binary},
    {"tsql_like_bin", 4, true, likeFunction, Matching::Binary},
    {"tsql_round", 6, true, roundFunction},
    {"tsql_floor", 3, true, floorFunction},
    {"tsql_sign", 1, true, signFunction},
    {"tsql_sqrt", 1, true, sqrtFunction},
    {"tsql_square", 1, true, squareFunction},
    {"tsql_isnumeric", 1, true, isnumericFunction},
    {"tsql_quotename", 1, true, quotenameFunction},
    {"tsql_quotename", 2, true, quotenameFunction},
    {"tsql_concat_ws", -1, true, concatWsFunction},
    {"tsql_str", 3, true, strFunction},
    {"tsql_char", 2, true, charFunction},
    {"tsql_code", 2, true, codeFunction},
};

}  // namespace

void registerFunctions(sqlite3* db) {
    for (const Registration& r : registrations) {
        const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (r.deterministic ? SQLITE_DETERMINISTIC : 0);
        void* way = const_cast<Matching*>(&matchings[static_cast<int>(r.matching)]);
        const int rc =
            sqlite3_create_function_v2(db, r.name, r.arguments, flags, way, r.function, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throwSqliteError(db, rc);
    }
    for (const AggregateRegistration& r : aggregateRegistrations()) {
        const int rc = sqlite3_create_function_v2(
            db, r.name.c_str(), 1, SQLITE_UTF8 | SQLITE_INNOCUOUS | SQLITE_DETERMINISTIC,
            const_cast<AggregateKind*>(&r.kind), nullptr, aggregateStep, aggregateFinal, nullptr);
        if (rc != SQLITE_OK)
            throwSqliteError(db, rc);
    }
}

}  // namespace tsql
