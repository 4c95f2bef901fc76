#pragma once

#include "tsql/query_parser.h"

#include <string>
#include <string_view>
#include <vector>

namespace tsql {

// Parser of a T-SQL batch: its statements (the queries and expressions through QueryParser). Statements of
// a batch need no separator, as in SQL Server. Malformed text raises a syntax error ("Incorrect syntax near
// 'x'."); valid T-SQL outside the supported set raises the unsupported-construct error naming it.
class Parser : private QueryParser {
public:
    explicit Parser(const Lexer& lexer) : QueryParser(lexer) {}

    std::vector<ast::Statement> parseBatch();
    // The literals whose values the parsed statements depend on (see TokenCursor).
    const std::vector<int>& structuralLiterals() const { return structuralLiterals_; }

private:
    using Kind = ast::Statement::Kind;

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
    ast::Statement executeSql();
    ast::Statement transactionStatement(Kind kind);
    ast::Statement controlStatement(Kind kind);
    void columnDefinition(ast::Statement& create);
    void tableConstraint(ast::Statement& create, std::string name);
    void references(std::string& table, std::vector<std::string>& columns, std::vector<std::string>& actions);
    std::vector<ast::KeyColumn> keyColumns();
    void skipStorageOptions();

    int controlDepth_ = 0;  // IF, WHILE and BEGIN ... END inside each other
};

}  // namespace tsql
