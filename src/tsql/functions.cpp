#include "tsql/functions.h"

#include "tsql/sqlite_statement.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

#include <sqlite3.h>

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace tsql {

namespace {

// SQL Server's varchar limit: SPACE and REPLICATE stop there as it does.
constexpr sqlite3_int64 maxTextLength = 8000;

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
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
    for (char c : s) n += isContinuation(c) ? 0 : 1;
    return n;
}

// Byte offset of code point index (0-based), or s.size() past the end.
std::size_t byteOffset(std::string_view s, std::size_t index) {
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        if (isContinuation(s[i])) continue;
        if (index == 0) return i;
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
    if (anyNull(argc, argv)) return;
    std::string_view s = utf8(argv[0]);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(codePoints(s)));
}

// SUBSTRING(text, start, length): positions before 1 still count towards length, as in SQL Server.
void substringFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    if (length < 0) {
        sqlite3_result_error(context, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    const std::string_view s = utf8(argv[0]);
    const sqlite3_int64 from = std::max<sqlite3_int64>(start, 1) - 1;
    sqlite3_int64 to = 0;  // one past the last position, counted from 0
    if (__builtin_add_overflow(start - 1, length, &to)) to = std::numeric_limits<sqlite3_int64>::max();
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
    if (anyNull(argc, argv) || !lengthArgument(context, argv[1], "left", &n)) return;
    resultText(context, slice(utf8(argv[0]), 0, n));
}

void rightFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    std::size_t n = 0;
    if (anyNull(argc, argv) || !lengthArgument(context, argv[1], "right", &n)) return;
    const std::string_view s = utf8(argv[0]);
    const std::size_t count = codePoints(s);
    const std::size_t keep = std::min(count, n);
    resultText(context, slice(s, count - keep, count));
}

// REVERSE(text): the characters in reverse order.
void reverseFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const std::string_view s = utf8(argv[0]);
    std::string out;
    out.reserve(s.size());
    std::size_t end = s.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && isContinuation(s[begin])) --begin;
        out.append(s.substr(begin, end - begin));
        end = begin;
    }
    resultText(context, out);
}

// SPACE(n): NULL for a negative count.
void spaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    if (n < 0) return;
    resultText(context, std::string(static_cast<std::size_t>(std::min(n, maxTextLength)), ' '));
}

// A text result of a non-max type cut as SQL Server cuts it: limit > 0 is the type's limit in characters
// (8,000 for varchar, 4,000 for nvarchar), -1 means a max type (no limit), 0 a type the translation does not
// know: a text beyond 4,000 characters is then refused, as the two limits would give different answers.
bool cutText(sqlite3_context* context, std::string& text, sqlite3_int64 limit) {
    if (limit < 0 || static_cast<sqlite3_int64>(text.size()) <= std::max<sqlite3_int64>(limit, 4000)) return true;
    const std::size_t count = codePoints(text);
    if (limit == 0 && count > 4000) {
        sqlite3_result_error(context,
                             "Unsupported T-SQL construct: a text of more than 4,000 characters whose type (varchar, "
                             "nvarchar or max) is not known",
                             -1);
        return false;
    }
    if (limit > 0 && count > static_cast<std::size_t>(limit)) text.resize(byteOffset(text, static_cast<std::size_t>(limit)));
    return true;
}

// REPLICATE(text, count, limit): limit as cutText takes it.
void replicateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return;
    const sqlite3_int64 limit = argc > 2 ? sqlite3_value_int64(argv[2]) : maxTextLength;
    const std::string_view s = utf8(argv[0]);
    // Past SQLite's own limit for a value nothing is built (SQLite's "too big" error).
    const sqlite3_int64 most = sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LENGTH, -1);
    std::string out;
    for (sqlite3_int64 i = 0; i < n; ++i) {
        if (static_cast<sqlite3_int64>(out.size() + s.size()) > most) {
            sqlite3_result_error_toobig(context);
            return;
        }
        // Beyond a non-max limit the rest would be cut away.
        if (limit > 0 && static_cast<sqlite3_int64>(out.size()) > 4 * limit) break;
        out += s;
    }
    if (!cutText(context, out, limit)) return;
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
    if (!cutText(context, text, limit)) return;
    resultText(context, text);
}

// DATALENGTH(value, national): the bytes of a value as SQL Server stores it: a text's characters, two per
// character for the national types (blanks at the end count); a number is passed its size by the
// translation instead.
void datalengthFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL) return;
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
        if (isContinuation(s[i])) continue;
        units += c >= 0xF0 ? 2 : 1;
    }
    const bool national = sqlite3_value_int64(argv[1]) != 0;
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(national ? 2 * units : codePoints(s)));
}

// tsql_top(n): the rows of TOP (n), which may not be negative.
void topFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_double(argv[0]) < 0) {
        sqlite3_result_error(context, "A TOP N or FETCH rows count value may not be negative.", -1);
        return;
    }
    sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
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
// each step, its operator (+ - * / %) and the width in bytes of its result (1, 2, 4 or 8): a result beyond
// it is SQL Server's overflow error, a zero divisor its divide-by-zero error; NULL gives NULL.
void integerFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2) return;
    const std::string_view ops = utf8(argv[0]);
    ++argv;
    --argc;
    if (anyNull(argc, argv)) return;
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
        sqlite3_result_error(context, "Unsupported T-SQL construct: integer arithmetic on a value that is no integer", -1);
        return false;
    };
    sqlite3_int64 result = 0;
    if (!operand(argv[0], &result)) return;
    for (int a = 1; a < argc; ++a) {
        const std::size_t at = 2 * static_cast<std::size_t>(a - 1);
        if (at + 1 >= ops.size()) return;
        const char op = ops[at];
        const int bytes = ops[at + 1] - '0';
        sqlite3_int64 right = 0;
        if (!operand(argv[a], &right)) return;
        bool overflow = false;
        switch (op) {
        case '+': overflow = __builtin_add_overflow(result, right, &result); break;
        case '-': overflow = __builtin_sub_overflow(result, right, &result); break;
        case '*': overflow = __builtin_mul_overflow(result, right, &result); break;
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
        const sqlite3_int64 low = bits == 8 ? 0 : bits >= 64 ? std::numeric_limits<sqlite3_int64>::min() : -(1LL << (bits - 1));
        const sqlite3_int64 high = bits == 8 ? 255 : bits >= 64 ? std::numeric_limits<sqlite3_int64>::max() : (1LL << (bits - 1)) - 1;
        if (overflow || result < low || result > high) {
            const std::string type = bits == 8 ? "tinyint" : bits == 16 ? "smallint" : bits == 32 ? "int" : "bigint";
            const std::string message =
                bits < 32 && !overflow ? "Arithmetic overflow error for data type " + type + ", value = " + std::to_string(result) + "."
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
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return;
    }
    const std::string_view s = utf8(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    const auto count = static_cast<sqlite3_int64>(codePoints(s));
    if (start < 1 || start > count || length < 0) return;
    const std::size_t headEnd = byteOffset(s, static_cast<std::size_t>(start - 1));
    const sqlite3_int64 tailStart = std::min(count, start - 1 + length);
    std::string out(s.substr(0, headEnd));
    out += utf8(argv[3]);
    out += s.substr(byteOffset(s, static_cast<std::size_t>(tailStart)));
    resultText(context, out);
}

// CHARINDEX(find, text[, start]): 1-based, 0 when absent; compares as the database collation does.
void charindexFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const QString find = qstring(argv[0]);
    const QString text = qstring(argv[1]);
    qsizetype from = argc > 2 ? static_cast<qsizetype>(sqlite3_value_int64(argv[2])) - 1 : 0;
    if (from < 0) from = 0;
    if (find.isEmpty()) {
        sqlite3_result_int64(context, 0);
        return;
    }
    sqlite3_result_int64(context, text.indexOf(find, from, Qt::CaseInsensitive) + 1);
}

// REPLACE(text, find, replacement[, limit]): limit as cutText takes it.
void replaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    QString text = qstring(argv[0]);
    const QString find = qstring(argv[1]);
    if (!find.isEmpty()) text.replace(find, qstring(argv[2]), Qt::CaseInsensitive);
    std::string out = text.toStdString();
    if (argc > 3 && !cutText(context, out, sqlite3_value_int64(argv[3]))) return;
    resultText(context, out);
}

void upperFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    resultText(context, qstring(argv[0]).toUpper());
}

void lowerFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    resultText(context, qstring(argv[0]).toLower());
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
        if (i == 4 || i == 6 || i == 8 || i == 10) out[o++] = '-';
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
    if (out.type == SQLITE_INTEGER) out.integer = sqlite3_value_int64(v);
    if (out.type == SQLITE_FLOAT) out.real = sqlite3_value_double(v);
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
        while (*p == ' ' || *p == '\t') ++p;
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
    if (integerOnly) return false;
    errno = 0;
    const double real = std::strtod(begin, &end);
    if (end != begin && errno == 0 && blanksOnly(end) && std::isfinite(real)) {
        v.type = SQLITE_FLOAT;
        v.real = real;
        return true;
    }
    return false;
}

// tsql_plus(ops, a, b, ...): a + b - ... when the translation could not tell the operands' types (ops holds
// the operators, + or -), folded left to right as SQL Server does: two texts concatenate, a number makes it
// arithmetic (the text converted, or SQL Server's conversion error), NULL gives NULL.
void plusFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2) return;
    const std::string_view ops = utf8(argv[0]);
    ++argv;
    --argc;
    if (anyNull(argc, argv)) return;
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
            if (v->type != SQLITE_TEXT) continue;
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
                sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type bigint.", -1);
                return;
            }
            continue;
        }
        const double l = sum.type == SQLITE_INTEGER ? static_cast<double>(sum.integer) : sum.real;
        const double r = next.type == SQLITE_INTEGER ? static_cast<double>(next.integer) : next.real;
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
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
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
    if (s.empty()) return false;
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
        if (c < '0' || c > '9') return false;
        out->digits.push_back(c);
        any = true;
        if (point) ++out->scale;
    }
    return any;
}

// The shortest decimal text that reads back as the double: a decimal literal's own digits.
DecimalText decimalOf(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    DecimalText out;
    if (error != std::errc()) return out;
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
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
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
    if (d.negative && !zero) out.push_back('-');
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
    if (type == SQLITE_NULL) return;
    const int bits = static_cast<int>(sqlite3_value_int64(argv[1]));
    const sqlite3_int64 low = bits == 8 ? 0 : bits == 64 ? std::numeric_limits<sqlite3_int64>::min() : -(1LL << (bits - 1));
    const sqlite3_int64 high = bits == 8 ? 255 : bits == 64 ? std::numeric_limits<sqlite3_int64>::max() : (1LL << (bits - 1)) - 1;
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
            if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
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
            if (negative) value = -value;
        }
    }
    if (value < low || value > high) {
        resultError(context, "Arithmetic overflow error converting expression to data type " + typeName + ".");
        return;
    }
    sqlite3_result_int64(context, value);
}

// tsql_bit(value): 0 stays 0, any other number is 1; text may be 'TRUE', 'FALSE' or a number.
void bitFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL) return;
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
    if (type == SQLITE_NULL) return;
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
    if (type == SQLITE_NULL) return;
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
    if (width > count) text.append(static_cast<std::size_t>(width - count), ' ');
    resultText(context, text);
}

// tsql_text(value, length, kind, scale): CAST to a text type of length characters (-1: MAX); kind: 1 for
// the national types, plus 2 for the fixed-length ones. A number becomes text as SQL Server writes it: an integer in its digits (a
// varchar too short for it holds '*', an nvarchar is an error), a decimal with the scale the translation
// knows (-1: not known, and a non-integer value is refused rather than written in a form SQL Server would
// not give); too long a decimal is an error.
void textFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL) return;
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 kind = sqlite3_value_int64(argv[2]);
    const bool national = (kind & 1) != 0;
    const bool fixed = (kind & 2) != 0;  // CHAR and NCHAR: padded with blanks to their length
    const int scale = static_cast<int>(sqlite3_value_int64(argv[3]));
    const char* typeName = national ? "nvarchar" : "varchar";
    if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
        const std::string_view s = utf8(argv[0]);
        if (length < 0) {
            sqlite3_result_value(context, argv[0]);
            return;
        }
        std::string out(slice(s, 0, static_cast<std::size_t>(length)));
        finishText(context, out, fixed ? length : -1);
        return;
    }
    std::string text;
    if (type == SQLITE_INTEGER && scale <= 0) {
        text = std::to_string(sqlite3_value_int64(argv[0]));
        if (length >= 0 && static_cast<sqlite3_int64>(text.size()) > length) {
            if (national) {
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
    if (type == SQLITE_INTEGER) parseDecimal(std::to_string(sqlite3_value_int64(argv[0])), &d);
    roundDecimal(d, scale);
    text = decimalString(d);
    if (length >= 0 && static_cast<sqlite3_int64>(text.size()) > length) {
        resultError(context, std::string("Arithmetic overflow error converting numeric to data type ") + typeName + ".");
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
    if (type == SQLITE_NULL) return;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    PlusValue v = plusValue(argv[0]);
    const std::string original = v.text;
    const bool integer = sqlite3_value_int64(argv[1]) != 0;
    if (!textAsNumber(v, integer)) {
        resultError(context, integer ? "Conversion failed when converting the varchar value '" + original +
                                           "' to data type int."
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
    if (anyNull(argc, argv)) return;
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
// compare without case, as the database collation does. A failed match goes back to the last % only, so
// the time stays proportional to text times pattern.
class LikeMatcher {
public:
    LikeMatcher(const QString& text, const QString& pattern, QChar escape)
        : text_(text.toCaseFolded()), pattern_(pattern.toCaseFolded()), escape_(escape.toCaseFolded()) {}

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
            if (starP < 0) return false;
            p = starP;
            t = ++starT;
        }
        while (p < pattern_.size() && pattern_[p] == u'%') ++p;
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
        if (c == u'_') return true;
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
                if (ch >= pattern_[i] && ch <= pattern_[i + 2]) found = true;
                i += 2;
            } else if (pattern_[i] == ch) {
                found = true;
            }
        }
        return found != negate;
    }

    QString text_;
    QString pattern_;
    QChar escape_;
};

// tsql_like(value, pattern[, escape[, mode]]): mode 0 is SQL Server's LIKE of non-Unicode texts, where
// trailing blanks of the value do not count ('abc  ' LIKE 'abc' holds) but those of the pattern do; mode 1
// is its Unicode LIKE, where they count on both sides; mode -1 is a pair of types the translation does not
// know: where the two would differ the statement is refused. Mode N > 1 is Unicode LIKE on a value of a
// fixed-length type of N - 1 characters, which SQL Server holds padded with blanks.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc > 3 ? 3 : argc, argv) && (argc < 4 || anyNull(2, argv))) return;
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
        if (value.size() < width) value.append(QString(width - value.size(), u' '));
    }
    const bool exact = LikeMatcher(value, pattern, escape).matches();
    if (mode >= 1 || exact) {
        sqlite3_result_int(context, exact ? 1 : 0);
        return;
    }
    bool trimmed = false;
    while (value.endsWith(u' ')) {
        value.chop(1);
        if (LikeMatcher(value, pattern, escape).matches()) {
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
    if (anyNull(argc, argv)) return;
    QString pattern = qstring(argv[0]);
    const QString text = qstring(argv[1]);
    if (!pattern.startsWith(u'%')) {
        sqlite3_result_int64(context, LikeMatcher(text, pattern, QChar()).matches() ? 1 : 0);
        return;
    }
    while (pattern.startsWith(u'%')) pattern.remove(0, 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (LikeMatcher(text.mid(i), pattern, QChar()).matches()) {
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
    {"tsql_top", 1, true, topFunction},
    {"tsql_percent", 2, true, percentFunction},
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
};

}  // namespace

void registerFunctions(sqlite3* db) {
    for (const Registration& r : registrations) {
        const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (r.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int rc = sqlite3_create_function_v2(db, r.name, r.arguments, flags, nullptr, r.function, nullptr,
                                                  nullptr, nullptr);
        if (rc != SQLITE_OK) throwSqliteError(db, rc);
    }
}

}  // namespace tsql
