#include "tsql/text_comparison.h"

#include <QString>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <memory>

namespace tsql {

namespace {

// Shared by every connection and recordset: comparing does not change it.
const icu::Collator* collator() {
    static const std::unique_ptr<icu::Collator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) c.reset();
        if (c) c->setStrength(icu::Collator::SECONDARY);
        return c;
    }();
    return instance.get();
}

int sign(UCollationResult result) { return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0); }

// Trailing blanks do not count.
template <class Text>
auto significantLength(const Text& text) {
    auto n = text.size();
    while (n > 0 && text[n - 1] == u' ') --n;
    return n;
}

}  // namespace

int compareText(QStringView a, QStringView b) {
    a = a.first(significantLength(a));
    b = b.first(significantLength(b));
    const icu::Collator* c = collator();
    if (!c) return a.compare(b, Qt::CaseInsensitive);  // without ICU's collator, case is still ignored
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compare(reinterpret_cast<const char16_t*>(a.utf16()), static_cast<int32_t>(a.size()),
                           reinterpret_cast<const char16_t*>(b.utf16()), static_cast<int32_t>(b.size()), status));
}

int compareText(std::string_view a, std::string_view b) {
    a = a.substr(0, significantLength(a));
    b = b.substr(0, significantLength(b));
    const icu::Collator* c = collator();
    if (!c) {
        return compareText(QStringView(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))),
                           QStringView(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))));
    }
    UErrorCode status = U_ZERO_ERROR;
    return sign(c->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                               icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status));
}

}  // namespace tsql
