#include "tsql/functions.h"

#include "tsql/sqlite_statement.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

#include <sqlite3.h>

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
    sqlite3_result_text64(context, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
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

// SPACE(n): NULL for a negative count.
void spaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    if (n < 0) return;
    resultText(context, std::string(static_cast<std::size_t>(std::min(n, maxTextLength)), ' '));
}

void replicateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return;
    const std::string_view s = utf8(argv[0]);
    std::string out;
    for (sqlite3_int64 i = 0; i < n && static_cast<sqlite3_int64>(out.size() + s.size()) <= maxTextLength; ++i) out += s;
    resultText(context, out);
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

void replaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    QString text = qstring(argv[0]);
    const QString find = qstring(argv[1]);
    if (!find.isEmpty()) text.replace(find, qstring(argv[2]), Qt::CaseInsensitive);
    resultText(context, text);
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

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return;
    QChar escape;
    if (argc > 2) {
        const QString e = qstring(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(context, "The invalid escape character was specified in a LIKE predicate.", -1);
            return;
        }
        escape = e[0];
    }
    sqlite3_result_int(context, LikeMatcher(qstring(argv[0]), qstring(argv[1]), escape).matches() ? 1 : 0);
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
    {"space", 1, true, spaceFunction},
    {"replicate", 2, true, replicateFunction},
    {"stuff", 4, true, stuffFunction},
    {"charindex", 2, true, charindexFunction},
    {"charindex", 3, true, charindexFunction},
    {"tsql_replace", 3, true, replaceFunction},
    {"upper", 1, true, upperFunction},
    {"lower", 1, true, lowerFunction},
    {"newid", 0, false, newidFunction},
    {"getdate", 0, false, getdateFunction},
    {"tsql_plus", -1, true, plusFunction},
    {"tsql_xml", 1, true, xmlFunction},
    {"tsql_like", 2, true, likeFunction},
    {"tsql_like", 3, true, likeFunction},
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
