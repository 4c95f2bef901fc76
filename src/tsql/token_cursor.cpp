#include "tsql/token_cursor.h"

#include "tsql/translation_error.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace tsql {

using namespace ast;

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

template <std::size_t N>
bool contains(const std::string_view (&words)[N], std::string_view word) {
    return std::any_of(std::begin(words), std::end(words),
                       [&](std::string_view w) { return equalsIgnoringCase(w, word); });
}

constexpr std::string_view reservedWords[] = {
    "ADD",      "ALL",   "ALTER",   "AND",    "ANY",    "APPLY",    "AS",      "ASC",     "BEGIN",  "BETWEEN",
    "BY",       "CASE",  "COLLATE", "COMMIT", "CREATE", "CROSS",    "DECLARE", "DEFAULT", "DELETE", "DESC",
    "DISTINCT", "DROP",  "ELSE",    "END",    "EXCEPT", "EXEC",     "EXECUTE", "EXISTS",  "FETCH",  "FOR",
    "FROM",     "FULL",  "GO",      "GROUP",  "HAVING", "IF",       "IN",      "INNER",   "INSERT", "INTERSECT",
    "INTO",     "IS",    "JOIN",    "LEFT",   "LIKE",   "NOT",      "NULL",    "OFFSET",  "ON",     "OPTION",
    "OR",       "ORDER", "OUTER",   "PIVOT",  "RIGHT",  "ROLLBACK", "SELECT",  "SET",     "THEN",   "TRUNCATE",
    "UNION",    "WHERE", "UNPIVOT", "UPDATE", "VALUES", "WHEN",     "WHILE",   "WITH",    "RETURN", "PRINT",
    "MERGE",    "USE",   "TOP",     "OUTPUT"};

constexpr std::string_view tableHintWords[] = {
    "NOLOCK",         "READUNCOMMITTED", "UPDLOCK",           "ROWLOCK", "HOLDLOCK",  "READPAST",
    "TABLOCK",        "TABLOCKX",        "PAGLOCK",           "XLOCK",   "NOWAIT",    "SERIALIZABLE",
    "REPEATABLEREAD", "READCOMMITTED",   "READCOMMITTEDLOCK", "INDEX",   "FORCESEEK", "FORCESCAN",
    "NOEXPAND",       "SNAPSHOT",        "KEEPIDENTITY"};

}  // namespace

TokenCursor::TokenCursor(const Lexer& lexer) : lexer_(lexer), tokens_(lexer.tokens()) {}

std::string TokenCursor::toUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

QString TokenCursor::display(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool TokenCursor::isTableHint(const Token& token) const {
    return token.kind == TokenKind::Word && contains(tableHintWords, lexer_.text(token));
}

const Token& TokenCursor::peek(std::size_t ahead) const {
    const std::size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
    return tokens_[i];
}

bool TokenCursor::isWord(const Token& token, std::string_view keyword) const {
    return token.kind == TokenKind::Word && equalsIgnoringCase(lexer_.text(token), keyword);
}

bool TokenCursor::atWord(std::string_view keyword, std::size_t ahead) const { return isWord(peek(ahead), keyword); }

bool TokenCursor::acceptWord(std::string_view keyword) {
    if (!atWord(keyword))
        return false;
    ++pos_;
    return true;
}

void TokenCursor::expectWord(std::string_view keyword) {
    if (!acceptWord(keyword))
        syntaxError();
}

bool TokenCursor::atSymbol(std::string_view symbol, std::size_t ahead) const {
    const Token& t = peek(ahead);
    return t.kind == TokenKind::Symbol && lexer_.text(t) == symbol;
}

bool TokenCursor::acceptSymbol(std::string_view symbol) {
    if (!atSymbol(symbol))
        return false;
    ++pos_;
    return true;
}

void TokenCursor::expectSymbol(std::string_view symbol) {
    if (!acceptSymbol(symbol))
        syntaxError();
}

std::string TokenCursor::upper(const Token& token) const { return toUpper(lexer_.text(token)); }

bool TokenCursor::isReserved(const Token& token) const {
    return token.kind == TokenKind::Word && contains(reservedWords, lexer_.text(token));
}

void TokenCursor::syntaxError() const {
    const Token& t = peek();
    if (t.kind == TokenKind::End) {
        raiseSyntaxError(QStringLiteral("Incorrect syntax near the end of the command text."));
    }
    raiseSyntaxError(QStringLiteral("Incorrect syntax near '%1'.").arg(display(lexer_.text(t))));
}

std::string TokenCursor::identifier() {
    const Token& t = peek();
    if (t.kind == TokenKind::QuotedName || (t.kind == TokenKind::Word && !isReserved(t))) {
        ++pos_;
        return lexer_.name(t);
    }
    syntaxError();
}

std::string TokenCursor::tableName() {
    std::vector<std::string> parts;
    parts.push_back(identifier());
    while (acceptSymbol(".")) {
        if (atSymbol(".")) {
            parts.emplace_back();  // database..table
            continue;
        }
        parts.push_back(identifier());
    }
    if (parts.size() > 3)
        raiseUnsupported(QStringLiteral("linked-server name"));
    if (parts.size() == 3 && !equalsIgnoringCase(parts[0], "tempdb")) {
        raiseUnsupported(QStringLiteral("database-qualified name %1").arg(display(parts[0])));
    }
    if (parts.size() >= 2 && !parts[parts.size() - 2].empty() && !equalsIgnoringCase(parts[parts.size() - 2], "dbo")) {
        raiseUnsupported(QStringLiteral("schema %1").arg(display(parts[parts.size() - 2])));
    }
    return parts.back();
}

bool TokenCursor::aliasFollows() const {
    const Token& t = peek();
    if (isWord(t, "AS"))
        return true;
    if (t.kind == TokenKind::QuotedName)
        return true;
    return t.kind == TokenKind::Word && !isReserved(t);
}

std::string TokenCursor::alias() {
    const bool as = acceptWord("AS");
    const Token& t = peek();
    if (t.kind == TokenKind::String) {  // SELECT x AS 'name'
        structuralLiterals_.push_back(t.ordinal);
        ++pos_;
        return lexer_.stringValue(t);
    }
    if (!as && t.kind == TokenKind::Word && isReserved(t))
        syntaxError();
    return identifier();
}

int TokenCursor::integer() {
    const Token& t = peek();
    if (t.kind != TokenKind::Number)
        syntaxError();
    const std::string_view text = lexer_.text(t);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        syntaxError();
    structuralLiterals_.push_back(t.ordinal);
    ++pos_;
    return value;
}

TypeName TokenCursor::typeName() {
    const Token& t = peek();
    if (t.kind != TokenKind::Word && t.kind != TokenKind::QuotedName)
        syntaxError();
    TypeName type;
    type.name = toUpper(lexer_.name(t));
    ++pos_;
    if (type.name == "DOUBLE" && acceptWord("PRECISION"))
        type.name = "FLOAT";
    if (acceptSymbol("(")) {
        if (acceptWord("MAX")) {
            type.max = true;
        } else {
            type.arguments.push_back(integer());
            if (acceptSymbol(","))
                type.arguments.push_back(integer());
        }
        expectSymbol(")");
    }
    return type;
}

std::vector<std::string> TokenCursor::nameList() {
    std::vector<std::string> names;
    expectSymbol("(");
    do {
        names.push_back(identifier());
    } while (acceptSymbol(","));
    expectSymbol(")");
    return names;
}

void TokenCursor::tableHints() {
    const bool with = atWord("WITH") && atSymbol("(", 1);
    const bool bare = atSymbol("(") && isTableHint(peek(1));
    if (!with && !bare)
        return;
    pos_ += with ? 2 : 1;
    int depth = 1;
    while (depth > 0) {
        const Token& t = peek();
        if (t.kind == TokenKind::End)
            syntaxError();
        if (depth == 1 && t.kind == TokenKind::Word && !isTableHint(t)) {
            raiseUnsupported(QStringLiteral("table hint %1").arg(display(lexer_.text(t))));
        }
        if (atSymbol("("))
            ++depth;
        if (atSymbol(")"))
            --depth;
        ++pos_;
    }
}

}  // namespace tsql
