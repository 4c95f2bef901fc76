#include "brondel/console/sql_text.h"

#include "automation/sql_quote.h"

namespace brondel {

void SqlText::append(const char* piece) {
    // Statements are sent one after another in long runs: a piece in ASCII (nearly all) goes in without a
    // temporary string, and the first piece makes room for a statement's usual length.
    if (text_.isEmpty())
        text_.reserve(512);
    const char* end = piece;
    while (static_cast<unsigned char>(*end) < 0x80 && *end)
        ++end;
    if (*end)
        text_ += QString::fromUtf8(piece);
    else
        text_ += QLatin1StringView(piece, end - piece);
}

void SqlText::append(const QString& value) { text_ += automation::sqlEscaped(value); }

}  // namespace brondel
