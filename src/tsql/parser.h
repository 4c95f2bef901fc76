#pragma once

#include "tsql/lexer.h"
#include "tsql/syntax_tree.h"

#include <string>
#include <string_view>
#include <vector>

namespace tsql {

// Recursive-descent parser of the T-SQL the translator understands, over the tokens of a Lexer. Statements of
// a batch need no separator, as in SQL Server. Malformed text raises a syntax error ("Incorrect syntax near
// 'x'."); valid T-SQL outside the supported set raises the unsupported-construct error naming it.
class Parser {
public:
    explicit Parser(const Lexer& lexer);

    std::vector<ast::Statement> parseBatch();

private:
    using Kind = ast::Statement::Kind;

    // Tokens.
    const Token& peek(std::size_t ahead = 0) const;
    bool isWord(const Token& token, std::string_view keyword) const;
    bool atWord(std::string_view keyword, std::size_t ahead = 0) const;
    bool acceptWord(std::string_view keyword);
    void expectWord(std::string_view keyword);
    bool atSymbol(std::string_view symbol, std::size_t ahead = 0) const;
    bool acceptSymbol(std::string_view symbol);
    void expectSymbol(std::string_view symbol);
    std::string upper(const Token& token) const;
    bool isReserved(const Token& token) const;
    [[noreturn]] void syntaxError() const;

    std::string identifier();
    std::string tableName();
    bool aliasFollows() const;
    std::string alias();
    int integer();
    ast::TypeName typeName();
    std::vector<std::string> nameList();

    // Statements.
    ast::Statement statement();
    void withClause(std::vector<ast::Cte>& ctes);
    ast::Statement selectStatement();
    ast::Statement writeTarget(Kind kind, std::string_view verb, std::string_view optional);
    ast::Statement insertStatement();
    ast::Statement updateStatement();
    ast::Statement deleteStatement();
    ast::Statement createStatement();
    ast::Statement dropStatement();
    ast::Statement declareStatement();
    ast::Statement setStatement();
    ast::Statement executeStatement();
    ast::Statement transactionStatement(Kind kind);
    void columnDefinition(ast::Statement& create);
    void tableConstraint(ast::Statement& create, std::string name);
    void references(std::string& table, std::vector<std::string>& columns, std::vector<std::string>& actions);
    std::vector<ast::KeyColumn> keyColumns();
    void skipStorageOptions();

    // Queries.
    std::unique_ptr<ast::Select> query();
    std::unique_ptr<ast::Select> queryTerm();
    std::unique_ptr<ast::Select> selectCore();
    ast::SelectItem selectItem();
    std::vector<std::unique_ptr<ast::TableRef>> tableSources();
    std::unique_ptr<ast::TableRef> tableSource();
    std::unique_ptr<ast::TableRef> tablePrimary();
    std::unique_ptr<ast::TableRef> pivot(std::unique_ptr<ast::TableRef> source);
    void tableHints();

    // Expressions.
    ast::ExprPtr expression();
    ast::ExprPtr orExpression();
    ast::ExprPtr andExpression();
    ast::ExprPtr notExpression();
    ast::ExprPtr predicate();
    ast::ExprPtr additive();
    ast::ExprPtr multiplicative();
    ast::ExprPtr unary();
    ast::ExprPtr postfix();
    ast::ExprPtr primary();
    ast::ExprPtr functionCall(std::string name);
    ast::ExprPtr caseExpression();
    std::vector<ast::ExprPtr> expressionList();
    bool atQuery(std::size_t ahead = 0) const;
    // Counts one more level of nesting for the current function; too deep a text is refused rather than
    // exhausting the stack.
    class Nesting {
    public:
        explicit Nesting(Parser& parser);
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
    };

    const Lexer& lexer_;
    const std::vector<Token>& tokens_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace tsql
