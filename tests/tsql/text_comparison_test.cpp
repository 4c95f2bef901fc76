#include "tsql/text_comparison.h"

#include <gtest/gtest.h>

#include <QString>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

int sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// The suite's order is SQL Server's default collation: ICU's root collation at secondary strength (case
// ignored, accents significant), trailing blanks ignored. Codes and words of letters, digits and blanks,
// mixed with texts that hold other characters, are ordered exactly as the collator orders them.
TEST(TextComparison, AgreesWithTheCollatorOnRandomTexts) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    ASSERT_TRUE(U_SUCCESS(status));
    collator->setStrength(icu::Collator::SECONDARY);
    const auto trimmed = [](std::string text) {
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    };
    const std::vector<std::string> pieces = {" ", "0", "1", "9", "A", "a", "B", "m",
                                             "Z", "z", "-", "_", ".", "é", "\t"};
    std::mt19937 random(13);
    const auto text = [&] {
        std::string built;
        for (int n = int(random() % 6); n > 0; --n)
            built += pieces[random() % (random() % 4 == 0 ? pieces.size() : 10)];
        return built;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string a = text();
        const std::string b = text();
        UErrorCode compared = U_ZERO_ERROR;
        const int expected =
            sign(collator->compareUTF8(icu::StringPiece(trimmed(a)), icu::StringPiece(trimmed(b)), compared));
        ASSERT_EQ(sign(tsql::compareText(std::string_view(a), std::string_view(b))), expected)
            << '"' << a << "\" \"" << b << '"';
        ASSERT_EQ(sign(tsql::compareText(QString::fromStdString(a), QString::fromStdString(b))), expected)
            << '"' << a << "\" \"" << b << '"';
    }
}

}  // namespace
