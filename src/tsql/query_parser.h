#pragma once

#include "tsql/token_cursor.h"

#include <memory>
#include <string>
#include <vector>

namespace tsql {

// Recursive-descent parser of T-SQL queries and expressions: SELECT with TOP, INTO, joins, PIVOT, UNION,
// ORDER BY, OFFSET / FETCH and FOR XML PATH; expressions with SQL Server's precedence, CASE, CAST,
// subqueries. Valid T-SQL outside the supported set raises the unsupported-construct error naming it.
class QueryParser : public TokenCursor {
protected:
    explicit QueryParser(const Lexer& lexer) : TokenCursor(lexer) {}

    std::unique_ptr<ast::Select> query();
    std::unique_ptr<ast::Select> queryTerm();
    std::unique_ptr<ast::Select> selectCore();
    ast::SelectItem selectItem();
    std::vector<std::unique_ptr<ast::TableRef>> tableSources();
    std::unique_ptr<ast::TableRef> tableSource();
    std::unique_ptr<ast::TableRef> tablePrimary();
    std::unique_ptr<ast::TableRef> pivot(std::unique_ptr<ast::TableRef> source);

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

    static ast::ExprPtr makeExpr(ast::ExprKind kind);

private:
    // Counts one more level of nesting for the current function; too deep a text is refused rather than
    // exhausting the stack.
    class Nesting {
    public:
        explicit Nesting(QueryParser& parser);
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
    };

    int depth_ = 0;
};

}  // namespace tsql
