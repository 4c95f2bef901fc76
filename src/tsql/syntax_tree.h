#pragma once

#include <memory>
#include <string>
#include <vector>

// The syntax tree of the T-SQL the translator understands: enough structure to move TOP to LIMIT inside
// any subquery, type the operands of +, expand PIVOT and FOR XML PATH, and name temporary tables.
namespace tsql::ast {

// What an expression yields, as far as the text tells: drives the meaning of + and the collation of
// comparisons.
enum class ValueType : unsigned char { Unknown, Text, Number, Null };

struct Select;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct TypeName {
    std::string name;  // upper case: VARCHAR, DECIMAL, UNIQUEIDENTIFIER...
    std::vector<int> arguments;
    bool max = false;  // (MAX)
    ValueType category() const;
    bool isText() const { return category() == ValueType::Text; }
};

enum class ExprKind : unsigned char {
    Literal,  // index: the literal's ordinal; text: "s" for strings, "n" for numbers
    Null,
    Column,     // names: the parts of a (qualified) column name
    Star,       // * or qualifier.* (names: the qualifier)
    Variable,   // text: the variable's name, upper case, with its @
    Parameter,  // index: the placeholder's ordinal
    Function,   // text: name in upper case; args; distinct; star for COUNT(*)
    Cast,       // args[0] AS type; CONVERT's style in args[1]
    Unary,      // text: "-", "+", "~", "NOT"; args[0]
    Binary,     // a chain of operators of one precedence level, left to right: args[0] ops[0] args[1] ops[1]
                // args[2] ...; ops: + - & | ^, or * / %, or AND, or OR, or one comparison = <> < > <= >=
    Like,       // args: value, pattern[, escape]; negated
    In,         // args[0] IN (args[1..]) or IN (query); negated
    Between,    // args: value, low, high; negated
    IsNull,     // args[0] IS [NOT] NULL
    Exists,     // EXISTS (query)
    Subquery,   // (query) as a value
    Case,       // [operand] (when, then)... [else]
    Collate,    // args[0] COLLATE text
    Default,    // the DEFAULT keyword in VALUES or SET
};

struct Expr {
    ExprKind kind = ExprKind::Null;
    bool negated = false;
    bool distinct = false;
    bool star = false;
    bool hasOperand = false;  // CASE x WHEN ...
    bool hasElse = false;
    int index = -1;
    std::string text;
    std::vector<std::string> names;
    std::vector<std::string> ops;  // Binary
    std::vector<ExprPtr> args;
    std::unique_ptr<Select> query;
    TypeName type;
    // The writer's inference of what the expression yields, made once per node.
    mutable bool typed = false;
    mutable ValueType valueType = ValueType::Unknown;
};

// COUNT, COUNT_BIG, MIN, MAX, SUM, AVG (upper case).
bool isAggregate(std::string_view name);
// Whether e holds an aggregate or a query, which no aggregate's argument may (SQL Server's error 130).
bool holdsAggregateOrQuery(const Expr& e);

struct SelectItem {
    ExprPtr expr;
    std::string alias;
    bool hasAlias = false;
    std::string variable;  // SELECT @v = expr
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

enum class JoinKind : unsigned char { Inner, Left, Right, Full, Cross };

struct TableRef {
    enum class Kind : unsigned char { Table, Derived, Join, Pivot } kind = Kind::Table;
    std::string name;                        // Table: the table's name (a temporary one keeps its # or ##)
    std::string alias;                       // Table, Derived, Pivot
    std::vector<std::string> columnAliases;  // Derived: (a, b)
    std::unique_ptr<Select> query;           // Derived
    std::unique_ptr<TableRef> left;          // Join; Pivot: the source
    std::unique_ptr<TableRef> right;         // Join
    JoinKind join = JoinKind::Inner;
    ExprPtr on;
    // Pivot: aggregate(value) FOR column IN (values)
    std::string pivotFunction;
    std::string pivotValue;
    std::string pivotColumn;
    std::vector<std::string> pivotValues;
};

struct Cte {
    std::string name;
    std::vector<std::string> columns;
    std::unique_ptr<Select> query;
};

struct Select {
    bool distinct = false;
    ExprPtr top;
    bool topPercent = false;
    bool withTies = false;
    std::vector<SelectItem> items;
    std::string into;  // SELECT ... INTO table
    std::vector<std::unique_ptr<TableRef>> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    // Further terms of a compound query: UNION [ALL], EXCEPT, INTERSECT.
    std::vector<std::pair<std::string, std::unique_ptr<Select>>> compounds;
    std::vector<OrderItem> orderBy;
    ExprPtr offset;  // OFFSET n ROWS
    ExprPtr fetch;   // FETCH NEXT n ROWS ONLY
    bool forXmlPath = false;
    int xmlElement = -1;  // the literal of PATH('element')
};

struct ColumnDef {
    std::string name;
    TypeName type;
    std::string collation;
    bool notNull = false;
    bool primaryKey = false;
    bool unique = false;
    ExprPtr defaultValue;
    std::string references;
    std::vector<std::string> referencedColumns;
    std::vector<std::string> referentialActions;  // "ON DELETE CASCADE" ...
    ExprPtr check;
};

// A column of a key or an index, in its order.
struct KeyColumn {
    std::string name;
    bool descending = false;
};

struct TableConstraint {
    enum class Kind : unsigned char { PrimaryKey, Unique, ForeignKey, Check } kind = Kind::PrimaryKey;
    std::string name;
    std::vector<KeyColumn> keyColumns;  // PrimaryKey, Unique
    std::vector<std::string> columns;   // ForeignKey
    std::string references;
    std::vector<std::string> referencedColumns;
    std::vector<std::string> referentialActions;
    ExprPtr check;
};

struct Declaration {
    std::string variable;  // upper case, with its @
    TypeName type;
    ExprPtr initial;
};

struct Assignment {
    std::string target;  // column name, or @variable (upper case)
    ExprPtr value;
};

struct Statement {
    enum class Kind : unsigned char {
        Select,
        Insert,
        Update,
        Delete,
        CreateTable,
        CreateIndex,
        DropTable,
        Truncate,
        Declare,
        Set,
        Execute,
        Begin,
        Commit,
        Rollback,
        NoOp,
        If,
        While,
        Block  // where: the condition; body: the statement (If: then, else); Block: BEGIN ... END
    } kind = Kind::NoOp;
    std::vector<Statement> body;
    std::vector<Cte> ctes;
    std::unique_ptr<Select> select;  // Select; Insert ... SELECT
    std::string table;
    std::string indexName;
    bool uniqueIndex = false;
    bool ifExists = false;
    std::vector<std::string> columns;          // Insert (columns)
    std::vector<KeyColumn> keyColumns;         // CreateIndex
    std::vector<std::vector<ExprPtr>> values;  // Insert VALUES rows
    bool defaultValues = false;
    std::vector<Assignment> assignments;          // Update SET; Set
    std::vector<std::unique_ptr<TableRef>> from;  // Update FROM
    ExprPtr where;
    std::vector<ColumnDef> columnDefs;
    std::vector<TableConstraint> constraints;
    std::vector<Declaration> declarations;
    ExprPtr argument;                 // Execute (text)
    bool executeSql = false;          // Execute: sp_executesql, its values in assignments
    ExprPtr definition;               // sp_executesql: its parameters' declarations
    std::vector<std::string> tables;  // DropTable
};

}  // namespace tsql::ast
