#include "tsql/text_comparison.h"

#include <QString>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <algorithm>
#include <memory>

namespace tsql {

namespace {

// Shared by every connection and recordset: comparing does not change it.
const icu::Collator* collator() {
    static const std::unique_ptr<icu::Collator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status))
            c.reset();
        if (c)
            c->setStrength(icu::Collator::SECONDARY);
        return c;
    }();
    return instance.get();
}

// The same with case as a level of its own between accents and the rest (width, kana), which stay ignored.
const icu::Collator* caseCollator() {
    static const std::unique_ptr<icu::Collator> instance = [] {
        std::unique_ptr<icu::Collator> c(collator() ? collator()->clone() : nullptr);
        UErrorCode status = U_ZERO_ERROR;
        if (c)
            c->setAttribute(UCOL_CASE_LEVEL, UCOL_ON, status);
        if (U_FAILURE(status))
            c.reset();
        return c;
    }();
    return instance.get();
}

int sign(UCollationResult result) { return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0); }

// Trailing blanks do not count.
template <class Text>
auto significantLength(const Text& text) {
    auto n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return n;
}

// A blank, a digit or a letter of the ASCII range, as its place in ICU's root order at secondary strength
// (blank < digits < letters, case ignored), or -1 for any other character.
int plainWeight(char16_t c) {
    if (c == u' ')
        return 0;
    if (c >= u'0' && c <= u'9')
        return 1 + (c - u'0');
    if (c >= u'a' && c <= u'z')
        return 11 + (c - u'a');
    if (c >= u'A' && c <= u'Z')
        return 11 + (c - u'A');
    return -1;
}

char16_t unit(QChar c) { return c.unicode(); }
char16_t unit(char c) { return static_cast<unsigned char>(c); }  // a byte of a longer UTF-8 character is no plain one

// Texts of blanks, digits and ASCII letters only (codes, most descriptions): each character has one weight
// of its own in the collator's order and none has an accent, so comparing the weights in turn is the
// collator's answer, without it. Every index seek and sort on a text column compares this way. Returns
// false, comparing nothing, when either text holds another character.
template <class Text>
bool comparePlain(const Text& a, const Text& b, int& result) {
    for (const auto c : a) {
        if (plainWeight(unit(c)) < 0)
            return false;
    }
    for (const auto c : b) {
        if (plainWeight(unit(c)) < 0)
            return false;
    }
    const auto n = std::min(a.size(), b.size());
    for (decltype(a.size()) i = 0; i < n; ++i) {
        const int x = plainWeight(unit(a[i]));
        const int y = plainWeight(unit(b[i]));
        if (x != y) {
            result = x < y ? -1 : 1;
            return true;
        }
    }
    result = a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    return true;
}

}  // namespace

int compareText(QStringView a, QStringView b) {
    a = a.first(significantLength(a));
    b = b.first(significantLength(b));
    if (int plain = 0; comparePlain(a, b, plain))
        return plain;
    const icu::Collator* c = collator();
    if (!c)
        return a.compare(b, Qt::CaseInsensitive);  // without ICU's collator, case is still ignored
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compare(reinterpret_cast<const char16_t*>(a.utf16()), static_cast<int32_t>(a.size()),
                           reinterpret_cast<const char16_t*>(b.utf16()), static_cast<int32_t>(b.size()), status));
}

int compareText(std::string_view a, std::string_view b) {
    a = a.substr(0, significantLength(a));
    b = b.substr(0, significantLength(b));
    if (int plain = 0; comparePlain(a, b, plain))
        return plain;
    const icu::Collator* c = collator();
    if (!c) {
        return compareText(QStringView(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))),
                           QStringView(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))));
    }
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                               icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status));
}

int compareTextWithCase(QStringView a, QStringView b) {
    a = a.first(significantLength(a));
    b = b.first(significantLength(b));
    const icu::Collator* c = caseCollator();
    if (!c)
        return a.compare(b, Qt::CaseSensitive);
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compare(reinterpret_cast<const char16_t*>(a.utf16()), static_cast<int32_t>(a.size()),
                           reinterpret_cast<const char16_t*>(b.utf16()), static_cast<int32_t>(b.size()), status));
}

int compareTextWithCase(std::string_view a, std::string_view b) {
    a = a.substr(0, significantLength(a));
    b = b.substr(0, significantLength(b));
    const icu::Collator* c = caseCollator();
    if (!c) {
        return compareTextWithCase(QStringView(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))),
                                   QStringView(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))));
    }
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                               icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status));
}

}  // namespace tsql
