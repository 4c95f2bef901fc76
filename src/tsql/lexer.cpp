#include "tsql/lexer.h"

#include "tsql/translation_error.h"

#include <QString>

#include <algorithm>

namespace tsql {

namespace {

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isWordStart(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '#' || c >= 0x80;
}

bool isWordPart(unsigned char c) { return isWordStart(c) || isDigit(c) || c == '@' || c == '$'; }

bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

QString excerpt(std::string_view text) {
    constexpr std::size_t limit = 60;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(text.size(), limit)));
}

// Index just past the closing delimiter of text opened at begin (pointing at the opening one); a doubled
// closing delimiter stands for itself. Returns npos when the text never closes.
std::size_t closeQuoted(std::string_view s, std::size_t begin, char close, bool* escaped) {
    for (std::size_t i = begin + 1; i < s.size(); ++i) {
        if (s[i] != close)
            continue;
        if (i + 1 < s.size() && s[i + 1] == close) {
            *escaped = true;
            ++i;
            continue;
        }
        return i + 1;
    }
    return std::string_view::npos;
}

std::string unescape(std::string_view body, char quote) {
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        out.push_back(body[i]);
        if (body[i] == quote && i + 1 < body.size() && body[i + 1] == quote)
            ++i;
    }
    return out;
}

}  // namespace

bool Lexer::fitsInt(std::string_view digits) {
    std::size_t first = 0;
    while (first + 1 < digits.size() && digits[first] == '0')
        ++first;
    const std::string_view significant = digits.substr(first);
    return significant.size() < 10 || (significant.size() == 10 && significant <= "2147483647");
}

int Lexer::decimalPrecision(std::string_view number) {
    const std::size_t point = number.find('.');
    const std::string_view integral = number.substr(0, point);
    const std::size_t first = integral.find_first_not_of('0');
    const std::size_t scale = point == std::string_view::npos ? 0 : number.size() - point - 1;
    return static_cast<int>(
        std::max<std::size_t>(1, (first == std::string_view::npos ? 0 : integral.size() - first) + scale));
}

NumberKind Lexer::numberKind(std::string_view number) {
    if (number.find_first_of("eE") != std::string_view::npos)
        return NumberKind::Float;
    return number.find('.') != std::string_view::npos ? NumberKind::Decimal : NumberKind::Integer;
}

void Lexer::push(TokenKind kind, std::size_t begin, std::size_t end, bool spaced) {
    Token token;
    token.kind = kind;
    token.offset = static_cast<std::uint32_t>(begin);
    token.length = static_cast<std::uint32_t>(end - begin);
    if (spaced && !shape_.empty())
        shape_.push_back(' ');
    if (kind == TokenKind::String || kind == TokenKind::Number) {
        token.ordinal = static_cast<int>(literalTokens_.size());
        literalTokens_.push_back(static_cast<std::uint32_t>(tokens_.size()));
        shape_.push_back('\x01');
        // What a literal's type is made of is part of the shape: N'' or '', a text long enough to be a
        // max type, an integer beyond int (a decimal to SQL Server), a decimal's scale.
        const std::string_view written = source_.substr(begin, end - begin);
        if (kind == TokenKind::String) {
            const bool national = written[0] == 'N' || written[0] == 'n';
            shape_.push_back(written.size() > longLiteral ? (national ? 'L' : 'l') : (national ? 'S' : 's'));
        } else {
            static constexpr char marker[] = {'n', 'd', 'f'};
            const NumberKind numberKind = Lexer::numberKind(written);
            if (numberKind == NumberKind::Integer && !fitsInt(written)) {
                shape_.push_back('b');
            } else {
                shape_.push_back(marker[static_cast<int>(numberKind)]);
            }
            if (numberKind == NumberKind::Decimal) {
                shape_ += std::to_string(written.size() - written.find('.') - 1);
                shape_.push_back(';');
            }
            if (numberKind == NumberKind::Decimal || (numberKind == NumberKind::Integer && !fitsInt(written))) {
                shape_ += std::to_string(decimalPrecision(written));  // the precision of decimal arithmetic
                shape_.push_back(';');
            }
        }
    } else {
        if (kind == TokenKind::Parameter)
            token.ordinal = parameters_++;
        shape_.append(source_.substr(begin, end - begin));
    }
    tokens_.push_back(token);
}

void Lexer::tokenize(std::string_view source) {
    source_ = source;
    tokens_.clear();
    shape_.clear();
    literalTokens_.clear();
    parameters_ = 0;
    const std::string_view s = source;
    const std::size_t n = s.size();
    std::size_t i = 0;
    bool spaced = false;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (isBlank(c)) {
            spaced = true;
            ++i;
            continue;
        }
        if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            while (i < n && s[i] != '\n')
                ++i;
            spaced = true;
            continue;
        }
        if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            // Block comments nest in T-SQL.
            int depth = 0;
            std::size_t j = i;
            while (j < n) {
                if (s[j] == '/' && j + 1 < n && s[j + 1] == '*') {
                    ++depth;
                    j += 2;
                } else if (s[j] == '*' && j + 1 < n && s[j + 1] == '/') {
                    j += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++j;
                }
            }
            if (depth != 0)
                raiseSyntaxError(QStringLiteral("Missing end comment mark '*/'."));
            i = j;
            spaced = true;
            continue;
        }
        const std::size_t begin = i;
        bool escaped = false;
        if (c == '\'' || ((c == 'N' || c == 'n') && i + 1 < n && s[i + 1] == '\'')) {
            const std::size_t open = c == '\'' ? i : i + 1;
            const std::size_t end = closeQuoted(s, open, '\'', &escaped);
            if (end == std::string_view::npos) {
                raiseSyntaxError(QStringLiteral("Unclosed quotation mark after the character string '%1'.")
                                     .arg(excerpt(s.substr(open + 1))));
            }
            push(TokenKind::String, begin, end, spaced);
            tokens_.back().national = open != begin;
            tokens_.back().escaped = escaped;
            i = end;
        } else if (c == '[' || c == '"') {
            const std::size_t end = closeQuoted(s, i, c == '[' ? ']' : '"', &escaped);
            if (end == std::string_view::npos) {
                raiseSyntaxError(QStringLiteral("Unclosed quotation mark after the character string '%1'.")
                                     .arg(excerpt(s.substr(i + 1))));
            }
            push(TokenKind::QuotedName, begin, end, spaced);
            tokens_.back().escaped = escaped;
            i = end;
        } else if (isDigit(c) || (c == '.' && i + 1 < n && isDigit(static_cast<unsigned char>(s[i + 1])))) {
            while (i < n && isDigit(static_cast<unsigned char>(s[i])))
                ++i;
            if (i == begin + 1 && c == '0' && i < n && (s[i] == 'x' || s[i] == 'X'))
                raiseUnsupported(QStringLiteral("binary constant"));  // else read as 0 named x...
            if (i < n && s[i] == '.') {
                ++i;
                while (i < n && isDigit(static_cast<unsigned char>(s[i])))
                    ++i;
            }
            if (i < n && (s[i] == 'e' || s[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < n && (s[j] == '+' || s[j] == '-'))
                    ++j;
                if (j < n && isDigit(static_cast<unsigned char>(s[j]))) {
                    i = j;
                    while (i < n && isDigit(static_cast<unsigned char>(s[i])))
                        ++i;
                }
            }
            push(TokenKind::Number, begin, i, spaced);
        } else if (c == '@') {
            ++i;
            if (i < n && s[i] == '@')
                ++i;
            while (i < n && isWordPart(static_cast<unsigned char>(s[i])))
                ++i;
            push(TokenKind::Variable, begin, i, spaced);
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(static_cast<unsigned char>(s[i])))
                ++i;
            push(TokenKind::Word, begin, i, spaced);
        } else if (c == '?') {
            ++i;
            push(TokenKind::Parameter, begin, i, spaced);
        } else {
            ++i;
            if (i < n) {
                const char d = s[i];
                const bool pair = (c == '<' && (d == '>' || d == '=')) || (c == '>' && d == '=') ||
                                  (c == '!' && (d == '=' || d == '<' || d == '>'));
                if (pair)
                    ++i;
            }
            push(TokenKind::Symbol, begin, i, spaced);
        }
        spaced = false;
    }
    Token end;
    end.offset = static_cast<std::uint32_t>(n);
    tokens_.push_back(end);
}

std::string Lexer::name(const Token& token) const {
    const std::string_view t = text(token);
    if (token.kind != TokenKind::QuotedName)
        return std::string(t);
    const std::string_view body = t.substr(1, t.size() - 2);
    if (!token.escaped)
        return std::string(body);
    return unescape(body, t.front() == '[' ? ']' : '"');
}

std::string_view Lexer::rawStringValue(const Token& token) const {
    const std::string_view t = text(token);
    const std::size_t open = token.national ? 1 : 0;
    return t.substr(open + 1, t.size() - open - 2);
}

std::string Lexer::stringValue(const Token& token) const {
    const std::string_view body = rawStringValue(token);
    return token.escaped ? unescape(body, '\'') : std::string(body);
}

std::string Lexer::literalValue(int ordinal) const {
    const Token& token = literal(ordinal);
    return token.kind == TokenKind::String ? stringValue(token) : std::string(text(token));
}

}  // namespace tsql
