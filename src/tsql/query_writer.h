#pragma once

#include "tsql/column_types.h"
#include "tsql/lexer.h"
#include "tsql/program.h"
#include "tsql/syntax_tree.h"

#include <map>
#include <optional>
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
    // The columns a query's result has, by name, or nullopt where a column's name is not known here (a star).
    std::optional<ColumnTypes::Columns> resultColumns(const ast::Select& query) const;
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

    // types: the compound's column types, to which a branch's text converts (nullptr outside a compound).
    void selectCore(const ast::Select& select, std::string& out, bool resultSet, bool withLimit,
                    const std::vector<ColumnTypes::Column>* types);
    void clauses(const ast::Select& select, std::string& out);
    void limit(const ast::Select& select, std::string& out);
    void topCount(const ast::Select& select, std::string& out);
    void offsetFetch(const ast::Select& select, std::string& out);
    void orderBy(const std::vector<ast::OrderItem>& items, std::string& out);
    void forXmlPath(const ast::Select& select, std::string& out);
    void tableRef(const ast::TableRef& ref, std::string& out);
    void pivot(const ast::TableRef& ref, std::string& out);
    void function(const ast::Expr& e, std::string& out);
    // SUM and AVG: exact, in the type SQL Server gives their result.
    void aggregate(const ast::Expr& e, std::string& out);
    // The type of an aggregate's result (COUNT, COUNT_BIG, MIN, MAX, SUM, AVG) as SQL Server gives it, from
    // what is known of its argument's: SUM and AVG of an integer an int (of a bigint a bigint), of a
    // decimal(p, s) a decimal(38, s) and a decimal(38, max(s, 6)), of a float a float; COUNT an int,
    // COUNT_BIG a bigint; MIN and MAX the argument's type. Unknown where the argument's type is.
    ColumnTypes::Column aggregateResult(const ast::Expr& e) const;
    // The same from the argument's type, and its scale where its type does not tell it (else -1).
    static ColumnTypes::Column aggregateResult(std::string_view function, const ColumnTypes::Column& of, int scale);
    // The SQLite function that computes SUM or AVG of a value of that type (SQL Server's error where it
    // has none, a refusal of money).
    static std::string aggregateFunction(std::string_view function, const ColumnTypes::Column& of, int scale);
    void coalesce(const ast::Expr& e, std::string& out);
    void datalength(const ast::Expr& e, std::string& out);
    void mathFunction(const ast::Expr& e, std::string& out);
    // style: the SQL of CONVERT's style, "-1" for none.
    void convertWritten(const ast::TypeName& type, const std::string& value, ScalarType from, int scale,
                        bool declaration, std::string& out, const std::string& style = "-1");
    // Digits after the point of a decimal value where the text tells them (0 for an integer), else -1.
    int scaleOf(const ast::Expr& e) const;
    const Variable* variable(const ast::Expr& e) const;
    void chain(const ast::Expr& e, std::string& out);
    ast::ValueType inferType(const ast::Expr& e) const;
    ast::ValueType resultsType(const std::vector<ast::ExprPtr>& args, std::size_t from, std::size_t end,
                               const ast::Expr* otherwise, std::size_t step = 1) const;
    static ast::ValueType plusType(ast::ValueType l, ast::ValueType r);
    static ast::ValueType valueTypeOf(ScalarType type);
    void comparand(const ast::Expr& left, const ast::Expr* right, std::string& out);
    // Whether left compared with values[from...] compares DATETIMEs: one of them is one and the others are
    // DATETIMEs, texts or NULL.
    bool comparesDates(const ast::Expr& left, const std::vector<ast::ExprPtr>& values, std::size_t from) const;
    // One side of such a comparison, as a DATETIME in its one written form.
    void dateComparand(const ast::Expr& e, std::string& out);
    // Of the values left is compared with in turn (IN, BETWEEN): one whose explicit collation decides every
    // comparison, or nullptr when none has one; comparisons under different collations are refused.
    const ast::Expr* decisiveCollation(const ast::Expr& left, const std::vector<ast::ExprPtr>& values,
                                       std::size_t from) const;
    void bind(Program::Binding::Source source, int index, std::string& out);
    bool hasCollation(const ast::Expr& e) const;
    bool needsCollation(const ast::Expr& e) const;
    // The T-SQL name of the explicit COLLATE that decides how the text of the expressions compares (one
    // reaches through the operators, functions and CASE results it passes), or "" for none. Two different
    // ones are a collation conflict: refused.
    std::string explicitCollation(const ast::Expr& e, const ast::Expr* other = nullptr) const;
    void explicitCollations(const ast::Expr& e, std::string& found) const;
    // Appends what makes a text compare as its explicit collation does; false when it has none.
    bool explicitlyCollated(const ast::Expr& e, std::string& out) const;
    // The suffix of the SQLite function that looks for text in text as the arguments' explicit collation
    // compares ("_cs", "_bin"), "" for the database collation.
    std::string matchingSuffix(const ast::Expr& e) const;
    ScalarType scalarTypeOf(const ast::Expr& e) const;
    ScalarType columnType(const ast::Expr& column) const;
    // The type of the column an expression names (a table's declared one, or that of the expression a derived
    // table, a CTE or a compound makes it of), or nullopt where it is not known.
    std::optional<ColumnTypes::Column> columnOf(const ast::Expr& column) const;
    // What a source tells of a column name: whether it knows its columns at all, and the column's type if
    // it has one of that name.
    struct SourceColumn {
        bool known = false;
        std::optional<ColumnTypes::Column> column;
    };
    // A query's column by name (names: a CTE's column list, or nullptr), seen from the first `level` scopes.
    SourceColumn queryColumn(const ast::Select& query, const std::string& name, const std::vector<std::string>* names,
                             std::size_t level) const;
    // The type of a query's column at a position, from the scopes open: a compound's column takes the type
    // of highest precedence of its branches'. Unknown where a branch does not tell it.
    ColumnTypes::Column queryColumnAt(const ast::Select& query, std::size_t position) const;
    int integerResultBits(const ast::Expr& e) const;
    ColumnTypes::Column caseFacets(const ast::Expr& e) const;
    static ColumnTypes::Column compoundOf(const ColumnTypes::Column& a, const ColumnTypes::Column& b);
    static bool isNumber(ScalarType type);
    // e, a text, converted to the number type (of a compound's column or a CASE's value); where: what for.
    void textAsNumber(const ColumnTypes::Column& type, const ast::Expr& e, const char* where, std::string& out);
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
    mutable std::vector<Scope> scopes_;  // innermost last
    std::vector<const ast::Cte*> ctes_;  // of the step being written
    // The types of queries' columns worked out for the step, by query and name ("#n": by position).
    mutable std::map<std::pair<const ast::Select*, std::string>, SourceColumn> queryColumns_;
    mutable std::vector<const ast::Select*> resolving_;  // queries whose columns are being worked out
};

}  // namespace tsql
