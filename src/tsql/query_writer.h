#pragma once

#include "tsql/column_types.h"
#include "tsql/lexer.h"
#include "tsql/program.h"
#include "tsql/syntax_tree.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace tsql {

class SqlTarget;

// Writes SQLite SQL for T-SQL queries and expressions: the table-driven rewrites of the dialect. TOP becomes
// LIMIT at the end of its own query, + becomes || or arithmetic by the operands' types (tsql_plus when the
// text does not tell), comparisons that involve no column compare as DATABASE_DEFAULT, FOR XML PATH('')
// becomes group_concat over the ordered query, PIVOT becomes one MAX(CASE ...) column per value, #t and
// ##t become "#t" and "##t", ISNULL's replacement takes the type of its first argument where the columns'
// declared types or the literals tell it. Literals, the caller's ? and @variables become parameters of the step being
// written, unless the writer is told to write literals inline (DDL, where SQLite takes no parameters).
class QueryWriter {
public:
    struct Variable {
        int slot;
        ast::ValueType type;
        ast::TypeName declared;
    };
    using Variables = std::unordered_map<std::string, Variable>;

    QueryWriter(const Lexer& lexer, SqlTarget& target, ColumnTypes& columnTypes, Program& program,
                const Variables& variables);

    // Parameters met from now on bind to step.
    void begin(Program::Step& step, bool inlineLiterals = false);

    // The tables whose columns the expressions written until popScope name: an UPDATE's or DELETE's target
    // and its FROM (may be null). Queries push their own FROM.
    void pushScope(std::string_view table, const std::vector<std::unique_ptr<ast::TableRef>>* from);
    void popScope() { scopes_.pop_back(); }

    void query(const ast::Select& select, std::string& out, bool resultSet);
    // SELECT @v = expr ...: the query without the variables, one column per assignment.
    void assignment(const ast::Select& select, std::string& out);
    void ctes(const std::vector<ast::Cte>& ctes, std::string& out);
    void expression(const ast::Expr& e, std::string& out);
    // list[from...] separated by commas.
    void expressions(const std::vector<ast::ExprPtr>& list, std::size_t from, std::string& out);
    void tableSources(const std::vector<std::unique_ptr<ast::TableRef>>& sources, std::string& out);
    // A table's name as SQLite knows it: "#t" lives in temp (creating: temp."#t"), "##t" and others in main.
    void tableName(std::string_view name, std::string& out, bool creating = false) const;
    void name(std::string_view name, std::string& out) const;
    // The SQLite collation of a T-SQL collation name.
    std::string collation(std::string_view name) const;
    ast::ValueType typeOf(const ast::Expr& e) const;
    // Whether e is of a national text type, or of a type the text does not tell.
    bool isNationalText(const ast::Expr& e) const {
        const ColumnTypes::Column f = facetsOf(e);
        return f.type != ScalarType::Text || f.length == 0 || f.national;
    }
    // e converted to type as CAST does; a declaration's type (a variable's) gives VARCHAR without a length
    // 1 character instead of 30, and leaves types it has no conversion for (dates) as they are.
    // style: CONVERT's, or nullptr.
    void convert(const ast::TypeName& type, const ast::Expr& e, std::string& out, bool declaration = false,
                 const ast::Expr* style = nullptr);
    // A value INSERT or UPDATE writes into table.column, converted to the column's declared type as SQL Server
    // converts it on a write: integers truncated, decimals rounded to their scale (both with their overflow
    // errors), bits 0 or 1, text checked against the column's length (blanks past it dropped, anything else
    // the truncation error), fixed-length text padded. A column whose type is not known takes the value as it is.
    void stored(std::string_view table, std::string_view column, const ast::Expr& value, std::string& out);
    // The same for a value already written, of type from (scale: as scaleOf gives it).
    void storedWritten(std::string_view table, std::string_view column, const std::string& written, ScalarType from,
                       int scale, std::string& out);
    // Writes a literal into the text and remembers that the program depends on its value.
    void inlineLiteral(int ordinal, std::string& out);
    // The value of a literal the translation depends on (pinned).
    std::string pinnedString(int ordinal);

private:
    struct Scope {
        std::string_view table;
        const std::vector<std::unique_ptr<ast::TableRef>>* from;
    };

    void selectCore(const ast::Select& select, std::string& out, bool resultSet, bool withLimit, bool compound);
    void clauses(const ast::Select& select, std::string& out);
    void limit(const ast::Select& select, std::string& out);
    void topCount(const ast::Select& select, std::string& out);
    void offsetFetch(const ast::Select& select, std::string& out);
    void orderBy(const std::vector<ast::OrderItem>& items, std::string& out);
    void forXmlPath(const ast::Select& select, std::string& out);
    void tableRef(const ast::TableRef& ref, std::string& out);
    void pivot(const ast::TableRef& ref, std::string& out);
    void function(const ast::Expr& e, std::string& out);
    void coalesce(const ast::Expr& e, std::string& out);
    void datalength(const ast::Expr& e, std::string& out);
    // style: the SQL of CONVERT's style, "-1" for none.
    void convertWritten(const ast::TypeName& type, const std::string& value, ScalarType from, int scale,
                        bool declaration, std::string& out, const std::string& style = "-1");
    // Digits after the point of a decimal value where the text tells them (0 for an integer), else -1.
    int scaleOf(const ast::Expr& e) const;
    const Variable* variable(const ast::Expr& e) const;
    void chain(const ast::Expr& e, std::string& out);
    ast::ValueType inferType(const ast::Expr& e) const;
    static ast::ValueType plusType(ast::ValueType l, ast::ValueType r);
    void comparand(const ast::Expr& left, const ast::Expr* right, std::string& out);
    void bind(Program::Binding::Source source, int index, std::string& out);
    bool hasCollation(const ast::Expr& e) const;
    bool needsCollation(const ast::Expr& e) const;
    void refuseCaseSensitive(const ast::Expr& e, std::string_view what) const;
    ScalarType scalarTypeOf(const ast::Expr& e) const;
    ScalarType columnType(const ast::Expr& column) const;
    // The declared type of the column an expression names, or nullptr where it is not known.
    const ColumnTypes::Column* columnOf(const ast::Expr& column) const;
    // What the text and the declared types tell of a value's type: its family, an integer's width, a text's
    // length (0: not known, -1: a max type) and kind.
    ColumnTypes::Column facetsOf(const ast::Expr& e) const;
    static ColumnTypes::Column facetsOf(const ast::TypeName& type, bool declaration);
    // How many characters a text result of e's type holds at most before SQL Server cuts it (8,000 or
    // 4,000), -1 for a max type, 0 where the type is not known.
    int textLimit(const ColumnTypes::Column& facets) const;
    void likeMode(const ast::Expr& e, std::string& out);
    void replacement(ScalarType type, const ast::Expr& e, std::string& out);

    const Lexer& lexer_;
    SqlTarget& target_;
    ColumnTypes& columnTypes_;
    Program& program_;
    const Variables& variables_;
    Program::Step* step_ = nullptr;
    bool inlineLiterals_ = false;
    bool assigning_ = false;             // the next select list may assign variables
    bool singleValue_ = false;           // the next select core is a scalar subquery's
    std::vector<Scope> scopes_;          // innermost last
    std::vector<std::string> cteNames_;  // of the step being written
};

}  // namespace tsql
