#pragma once

#include "tsql/lexer.h"
#include "tsql/syntax_tree.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace tsql {

// Reading position over the tokens of a Lexer, with the token tests and the small pieces of T-SQL that
// statements and queries share: names, aliases, types, table hints. Failures raise SQL Server's syntax
// error ("Incorrect syntax near 'x'.").
class TokenCursor {
protected:
    explicit TokenCursor(const Lexer& lexer);

    const Token& peek(std::size_t ahead = 0) const;
    bool isWord(const Token& token, std::string_view keyword) const;
    bool atWord(std::string_view keyword, std::size_t ahead = 0) const;
    bool acceptWord(std::string_view keyword);
    void expectWord(std::string_view keyword);
    bool atSymbol(std::string_view symbol, std::size_t ahead = 0) const;
    bool acceptSymbol(std::string_view symbol);
    void expectSymbol(std::string_view symbol);
    std::string upper(const Token& token) const;
    // A keyword that ends a select item, a table source or an expression: never a bare alias.
    bool isReserved(const Token& token) const;
    bool isTableHint(const Token& token) const;
    [[noreturn]] void syntaxError() const;

    std::string identifier();
    // The last part of [database.][schema.]table; only the dbo schema is understood.
    std::string tableName();
    bool aliasFollows() const;
    std::string alias();
    int integer();
    ast::TypeName typeName();
    std::vector<std::string> nameList();
    // WITH (NOLOCK, ...) or the older (NOLOCK) after a table: locking advice SQLite has no use for.
    void tableHints();

    static std::string toUpper(std::string_view text);
    static QString display(std::string_view text);

    const Lexer& lexer_;
    const std::vector<Token>& tokens_;
    std::size_t pos_ = 0;
    // Literals read as part of the statement's structure (a type's length or scale, an alias written as a
    // string): the translation depends on their values, not only on the text's shape.
    std::vector<int> structuralLiterals_;
};

}  // namespace tsql
