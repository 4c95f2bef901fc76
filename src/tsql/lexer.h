#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsql {

enum class TokenKind : std::uint8_t {
    End,         // after the last token
    Word,        // identifier or keyword, #temp and ##temp names included
    QuotedName,  // [name] or "name"
    String,      // '...' or N'...'
    Number,      // 12, 1.5, .5, 1e3
    Variable,    // @name, @@name
    Parameter,   // ? (the data layer's placeholders)
    Symbol,      // operators and punctuation, one or two characters
};

// How a number is written decides its SQL Server type: 12 is an int, 1.5 a decimal, 1e3 a float. Texts whose
// numbers differ in kind have different shapes, so a translation may depend on it.
enum class NumberKind : std::uint8_t { Integer, Decimal, Float };

struct Token {
    TokenKind kind = TokenKind::End;
    bool national = false;     // N'...'
    bool escaped = false;      // the quoted text holds a doubled delimiter
    std::uint32_t offset = 0;  // byte offset of the token in the source, delimiters included
    std::uint32_t length = 0;
    int ordinal = -1;  // for String and Number: the literal's position among the literals;
                       // for Parameter: the placeholder's position among the placeholders
};

// Splits T-SQL text (UTF-8) into tokens, and builds the text's shape: the tokens without comments, each
// literal replaced by a marker of its kind, blanks between tokens reduced to one. Two texts with the same
// shape differ only in literal values, so they translate alike. Unterminated quotes and comments raise
// SQL Server's syntax errors.
class Lexer {
public:
    void tokenize(std::string_view source);
    // Reads the same text at another address (a copy the caller keeps alive): tokens are offsets, so a
    // copied lexer needs no second tokenize.
    void rebase(std::string_view copy) { source_ = copy; }

    std::string_view source() const { return source_; }
    const std::vector<Token>& tokens() const { return tokens_; }
    const std::string& shape() const { return shape_; }
    int literalCount() const { return static_cast<int>(literalTokens_.size()); }
    const Token& literal(int ordinal) const { return tokens_[literalTokens_[static_cast<std::size_t>(ordinal)]]; }
    int parameterCount() const { return parameters_; }

    std::string_view text(const Token& token) const { return source_.substr(token.offset, token.length); }
    // A Word or QuotedName without its delimiters.
    std::string name(const Token& token) const;
    // A String's value: no N, no quotes, doubled quotes single.
    std::string stringValue(const Token& token) const;
    // A String's value when it needs no unescaping: a view into the source.
    std::string_view rawStringValue(const Token& token) const;
    // A literal's value as text: a String's value, a Number as written.
    std::string literalValue(int ordinal) const;
    static NumberKind numberKind(std::string_view number);
    // Whether an integer as written is within int's range: beyond it SQL Server takes it for a decimal.
    static bool fitsInt(std::string_view digits);
    // SQL Server's precision of an integer or decimal literal beyond int: its digits, leading zeros aside, at
    // least those after the point (0.05 is DECIMAL(2,2)).
    static int decimalPrecision(std::string_view number);
    // A string literal longer than this (in bytes, quotes included) may hold more than a non-max type does.
    static constexpr std::size_t longLiteral = 4000;

private:
    void push(TokenKind kind, std::size_t begin, std::size_t end, bool spaced);

    std::string_view source_;
    std::vector<Token> tokens_;
    std::string shape_;
    std::vector<std::uint32_t> literalTokens_;  // token index of each literal, by ordinal
    int parameters_ = 0;
};

}  // namespace tsql
