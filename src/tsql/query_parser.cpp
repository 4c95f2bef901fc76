#include "tsql/query_parser.h"

#include "tsql/translation_error.h"

#include <algorithm>

namespace tsql {

using namespace ast;

namespace {

// The longest chain of operators of one level: longer ones are refused, as SQLite's expression depth
// limit (1000) would refuse them anyway.
constexpr std::size_t maxChainTerms = 900;

ExprPtr makeBinary(std::string op, ExprPtr left, ExprPtr right) {
    auto e = std::make_unique<Expr>();
    e->kind = ExprKind::Binary;
    e->ops.push_back(std::move(op));
    e->args.push_back(std::move(left));
    e->args.push_back(std::move(right));
    return e;
}

// Appends `op right` to the chain that starts with left: a chain is one node, however long, so that no
// walk over it recurses per term.
void chain(ExprPtr& left, ExprPtr* chainNode, std::string op, ExprPtr right) {
    if (!*chainNode) {
        *chainNode = makeBinary(std::move(op), std::move(left), std::move(right));
        return;
    }
    Expr& c = **chainNode;
    if (c.args.size() >= maxChainTerms) {
        raiseSyntaxError(
            QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                           "break it up into smaller queries."));
    }
    c.ops.push_back(std::move(op));
    c.args.push_back(std::move(right));
}

}  // namespace

QueryParser::Nesting::Nesting(QueryParser& parser) : depth_(parser.depth_) {
    constexpr int maxDepth = 200;
    if (++depth_ > maxDepth) {
        raiseSyntaxError(
            QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                           "break it up into smaller queries."));
    }
}

ExprPtr QueryParser::makeExpr(ExprKind kind) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    return e;
}

bool QueryParser::atQuery(std::size_t ahead) const {
    std::size_t i = ahead;
    while (atSymbol("(", i))
        ++i;
    return atWord("SELECT", i) || (i == ahead && atWord("WITH", i));
}

std::unique_ptr<Select> QueryParser::query() {
    const Nesting nesting(*this);
    std::unique_ptr<Select> first = queryTerm();
    for (;;) {
        std::string op;
        if (acceptWord("UNION")) {
            op = acceptWord("ALL") ? "UNION ALL" : "UNION";
        } else if (acceptWord("EXCEPT")) {
            op = "EXCEPT";
        } else if (acceptWord("INTERSECT")) {
            op = "INTERSECT";
        } else {
            break;
        }
        first->compounds.emplace_back(std::move(op), queryTerm());
    }
    if (atWord("ORDER") && atWord("BY", 1)) {
        pos_ += 2;
        do {
            OrderItem item;
            item.expr = expression();
            if (acceptWord("DESC")) {
                item.descending = true;
            } else {
                acceptWord("ASC");
            }
            first->orderBy.push_back(std::move(item));
        } while (acceptSymbol(","));
        if (acceptWord("OFFSET")) {
            first->offset = additive();
            if (!acceptWord("ROWS"))
                expectWord("ROW");
            if (acceptWord("FETCH")) {
                if (!acceptWord("NEXT"))
                    expectWord("FIRST");
                first->fetch = additive();
                if (!acceptWord("ROWS"))
                    expectWord("ROW");
                expectWord("ONLY");
            }
        }
    }
    if (atWord("FOR")) {
        ++pos_;
        if (!acceptWord("XML")) {
            const Token& t = peek();
            raiseUnsupported(QStringLiteral("FOR %1").arg(display(lexer_.text(t))));
        }
        if (!acceptWord("PATH"))
            raiseUnsupported(QStringLiteral("FOR XML %1").arg(display(lexer_.text(peek()))));
        first->forXmlPath = true;
        if (acceptSymbol("(")) {
            if (peek().kind != TokenKind::String)
                syntaxError();
            first->xmlElement = peek().ordinal;
            ++pos_;
            expectSymbol(")");
        }
        if (atSymbol(","))
            raiseUnsupported(QStringLiteral("FOR XML PATH directive"));
    }
    if (atWord("OPTION"))
        raiseUnsupported(QStringLiteral("OPTION query hint"));
    return first;
}

std::unique_ptr<Select> QueryParser::queryTerm() {
    if (acceptSymbol("(")) {
        // A parenthesized query term becomes SELECT * FROM (term).
        auto derived = std::make_unique<TableRef>();
        derived->kind = TableRef::Kind::Derived;
        derived->query = query();
        expectSymbol(")");
        auto wrapper = std::make_unique<Select>();
        SelectItem all;
        all.expr = makeExpr(ExprKind::Star);
        wrapper->items.push_back(std::move(all));
        wrapper->from.push_back(std::move(derived));
        return wrapper;
    }
    return selectCore();
}

std::unique_ptr<Select> QueryParser::selectCore() {
    expectWord("SELECT");
    auto select = std::make_unique<Select>();
    if (acceptWord("DISTINCT")) {
        select->distinct = true;
    } else {
        acceptWord("ALL");
    }
    if (acceptWord("TOP")) {
        if (acceptSymbol("(")) {
            select->top = expression();
            expectSymbol(")");
        } else {
            const Token& t = peek();
            if (t.kind != TokenKind::Number)
                syntaxError();
            select->top = makeExpr(ExprKind::Literal);
            select->top->index = t.ordinal;
            select->top->text = "n";
            ++pos_;
        }
        select->topPercent = acceptWord("PERCENT");
        if (atWord("WITH") && atWord("TIES", 1)) {
            pos_ += 2;
            select->withTies = true;
        }
    }
    do {
        select->items.push_back(selectItem());
    } while (acceptSymbol(","));
    if (acceptWord("INTO"))
        select->into = tableName();
    if (acceptWord("FROM"))
        select->from = tableSources();
    if (acceptWord("WHERE"))
        select->where = expression();
    if (atWord("GROUP") && atWord("BY", 1)) {
        pos_ += 2;
        if (atWord("ALL"))
            raiseUnsupported(QStringLiteral("GROUP BY ALL"));
        select->groupBy = expressionList();
        if (atWord("WITH"))
            raiseUnsupported(QStringLiteral("GROUP BY ... WITH %1").arg(display(lexer_.text(peek(1)))));
    }
    if (acceptWord("HAVING"))
        select->having = expression();
    return select;
}

SelectItem QueryParser::selectItem() {
    SelectItem item;
    const Token& t = peek();
    if (t.kind == TokenKind::Variable && atSymbol("=", 1)) {
        item.variable = upper(t);
        pos_ += 2;
        item.expr = expression();
        return item;
    }
    if ((t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName) && !isReserved(t) && atSymbol("=", 1)) {
        item.alias = lexer_.name(t);  // T-SQL's alias = expression
        item.hasAlias = true;
        pos_ += 2;
        item.expr = expression();
        return item;
    }
    item.expr = expression();
    if (aliasFollows() || peek().kind == TokenKind::String) {
        if (peek().kind == TokenKind::String || item.expr->kind != ExprKind::Star) {
            item.alias = alias();
            item.hasAlias = true;
        }
    }
    return item;
}

std::vector<std::unique_ptr<TableRef>> QueryParser::tableSources() {
    std::vector<std::unique_ptr<TableRef>> sources;
    do {
        sources.push_back(tableSource());
    } while (acceptSymbol(","));
    return sources;
}

std::unique_ptr<TableRef> QueryParser::tableSource() {
    std::unique_ptr<TableRef> source = tablePrimary();
    for (;;) {
        JoinKind kind = JoinKind::Inner;
        if (atWord("JOIN")) {
            ++pos_;
        } else if (atWord("INNER") && atWord("JOIN", 1)) {
            pos_ += 2;
        } else if (atWord("LEFT") || atWord("RIGHT") || atWord("FULL")) {
            kind = atWord("LEFT") ? JoinKind::Left : atWord("RIGHT") ? JoinKind::Right : JoinKind::Full;
            ++pos_;
            acceptWord("OUTER");
            expectWord("JOIN");
        } else if (atWord("CROSS") && atWord("JOIN", 1)) {
            kind = JoinKind::Cross;
            pos_ += 2;
        } else if ((atWord("CROSS") || atWord("OUTER")) && atWord("APPLY", 1)) {
            raiseUnsupported(QStringLiteral("%1 APPLY").arg(display(lexer_.text(peek()))));
        } else if (atWord("PIVOT")) {
            source = pivot(std::move(source));
            continue;
        } else if (atWord("UNPIVOT")) {
            raiseUnsupported(QStringLiteral("UNPIVOT"));
        } else {
            return source;
        }
        if (atWord("LOOP") || atWord("HASH") || atWord("MERGE"))
            raiseUnsupported(QStringLiteral("join hint"));
        auto join = std::make_unique<TableRef>();
        join->kind = TableRef::Kind::Join;
        join->join = kind;
        join->left = std::move(source);
        join->right = tablePrimary();
        if (kind != JoinKind::Cross) {
            expectWord("ON");
            join->on = expression();
        }
        source = std::move(join);
    }
}

std::unique_ptr<TableRef> QueryParser::tablePrimary() {
    const Nesting nesting(*this);
    auto ref = std::make_unique<TableRef>();
    if (acceptSymbol("(")) {
        if (atQuery()) {
            ref->kind = TableRef::Kind::Derived;
            ref->query = query();
            expectSymbol(")");
            if (aliasFollows())
                ref->alias = alias();
            if (ref->alias.empty())
                raiseSyntaxError(QStringLiteral("Incorrect syntax near ')'."));  // needs a name
            if (atSymbol("("))
                ref->columnAliases = nameList();
            return ref;
        }
        ref = tableSource();
        expectSymbol(")");
        return ref;
    }
    const Token& t = peek();
    if (t.kind == TokenKind::Variable)
        raiseUnsupported(QStringLiteral("table variable"));
    ref->kind = TableRef::Kind::Table;
    ref->name = tableName();
    if (atSymbol("(") && !isTableHint(peek(1))) {
        raiseUnsupported(QStringLiteral("table-valued function %1").arg(QString::fromStdString(ref->name)));
    }
    if (atWord("TABLESAMPLE"))
        raiseUnsupported(QStringLiteral("TABLESAMPLE"));
    if (aliasFollows() && !(atWord("WITH")))
        ref->alias = alias();
    tableHints();
    if (ref->alias.empty() && aliasFollows())
        ref->alias = alias();
    return ref;
}

std::unique_ptr<TableRef> QueryParser::pivot(std::unique_ptr<TableRef> source) {
    expectWord("PIVOT");
    expectSymbol("(");
    auto ref = std::make_unique<TableRef>();
    ref->kind = TableRef::Kind::Pivot;
    ref->left = std::move(source);
    const Token& fn = peek();
    if (fn.kind != TokenKind::Word)
        syntaxError();
    ref->pivotFunction = upper(fn);
    ++pos_;
    expectSymbol("(");
    ref->pivotValue = identifier();
    while (acceptSymbol("."))
        ref->pivotValue = identifier();
    expectSymbol(")");
    expectWord("FOR");
    ref->pivotColumn = identifier();
    while (acceptSymbol("."))
        ref->pivotColumn = identifier();
    expectWord("IN");
    ref->pivotValues = nameList();
    expectSymbol(")");
    if (aliasFollows())
        ref->alias = alias();
    if (ref->alias.empty())
        syntaxError();
    return ref;
}

ExprPtr QueryParser::expression() { return orExpression(); }

ExprPtr QueryParser::orExpression() {
    ExprPtr left = andExpression();
    ExprPtr c;
    while (acceptWord("OR"))
        chain(left, &c, "OR", andExpression());
    return c ? std::move(c) : std::move(left);
}

ExprPtr QueryParser::andExpression() {
    ExprPtr left = notExpression();
    ExprPtr c;
    while (acceptWord("AND"))
        chain(left, &c, "AND", notExpression());
    return c ? std::move(c) : std::move(left);
}

ExprPtr QueryParser::notExpression() {
    const Nesting nesting(*this);
    if (acceptWord("NOT")) {
        auto e = makeExpr(ExprKind::Unary);
        e->text = "NOT";
        e->args.push_back(notExpression());
        return e;
    }
    return predicate();
}

ExprPtr QueryParser::predicate() {
    if (acceptWord("EXISTS")) {
        expectSymbol("(");
        auto e = makeExpr(ExprKind::Exists);
        e->query = query();
        expectSymbol(")");
        return e;
    }
    ExprPtr left = additive();
    const Token& t = peek();
    if (t.kind == TokenKind::Symbol) {
        std::string op(lexer_.text(t));
        if (op == "!=")
            op = "<>";
        if (op == "!<")
            op = ">=";
        if (op == "!>")
            op = "<=";
        if (op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=") {
            ++pos_;
            if (atWord("ALL") || atWord("ANY") || atWord("SOME")) {
                raiseUnsupported(QStringLiteral("comparison with %1").arg(display(lexer_.text(peek()))));
            }
            return makeBinary(std::move(op), std::move(left), additive());
        }
        return left;
    }
    bool negated = false;
    if (atWord("NOT") && (atWord("LIKE", 1) || atWord("IN", 1) || atWord("BETWEEN", 1))) {
        negated = true;
        ++pos_;
    }
    if (acceptWord("LIKE")) {
        auto e = makeExpr(ExprKind::Like);
        e->negated = negated;
        e->args.push_back(std::move(left));
        e->args.push_back(additive());
        if (acceptWord("ESCAPE"))
            e->args.push_back(additive());
        return e;
    }
    if (acceptWord("IN")) {
        auto e = makeExpr(ExprKind::In);
        e->negated = negated;
        e->args.push_back(std::move(left));
        expectSymbol("(");
        if (atQuery()) {
            e->query = query();
        } else {
            for (ExprPtr& item : expressionList())
                e->args.push_back(std::move(item));
        }
        expectSymbol(")");
        return e;
    }
    if (acceptWord("BETWEEN")) {
        auto e = makeExpr(ExprKind::Between);
        e->negated = negated;
        e->args.push_back(std::move(left));
        e->args.push_back(additive());
        expectWord("AND");
        e->args.push_back(additive());
        return e;
    }
    if (acceptWord("IS")) {
        auto e = makeExpr(ExprKind::IsNull);
        e->negated = acceptWord("NOT");
        expectWord("NULL");
        e->args.push_back(std::move(left));
        return e;
    }
    return left;
}

ExprPtr QueryParser::additive() {
    ExprPtr left = multiplicative();
    ExprPtr c;
    for (;;) {
        const Token& t = peek();
        if (t.kind != TokenKind::Symbol)
            break;
        const std::string_view op = lexer_.text(t);
        if (op != "+" && op != "-" && op != "&" && op != "|" && op != "^")
            break;
        ++pos_;
        chain(left, &c, std::string(op), multiplicative());
    }
    return c ? std::move(c) : std::move(left);
}

ExprPtr QueryParser::multiplicative() {
    ExprPtr left = unary();
    ExprPtr c;
    for (;;) {
        const Token& t = peek();
        if (t.kind != TokenKind::Symbol)
            break;
        const std::string_view op = lexer_.text(t);
        if (op != "*" && op != "/" && op != "%")
            break;
        ++pos_;
        chain(left, &c, std::string(op), unary());
    }
    return c ? std::move(c) : std::move(left);
}

ExprPtr QueryParser::unary() {
    const Nesting nesting(*this);
    const Token& t = peek();
    if (t.kind == TokenKind::Symbol) {
        const std::string_view op = lexer_.text(t);
        if (op == "-" || op == "+" || op == "~") {
            ++pos_;
            auto e = makeExpr(ExprKind::Unary);
            e->text = std::string(op);
            e->args.push_back(unary());
            return e;
        }
    }
    return postfix();
}

ExprPtr QueryParser::postfix() {
    ExprPtr e = primary();
    while (acceptWord("COLLATE")) {
        auto c = makeExpr(ExprKind::Collate);
        c->text = identifier();
        c->args.push_back(std::move(e));
        e = std::move(c);
    }
    return e;
}

ExprPtr QueryParser::primary() {
    const Nesting nesting(*this);
    const Token& t = peek();
    switch (t.kind) {
    case TokenKind::Number:
    case TokenKind::String: {
        auto e = makeExpr(ExprKind::Literal);
        e->index = t.ordinal;
        e->text = t.kind == TokenKind::String ? "s" : "n";
        ++pos_;
        return e;
    }
    case TokenKind::Variable: {
        const std::string name = upper(t);
        if (name.rfind("@@", 0) == 0)
            raiseUnsupported(QString::fromStdString(name));
        auto e = makeExpr(ExprKind::Variable);
        e->text = name;
        ++pos_;
        return e;
    }
    case TokenKind::Parameter: {
        auto e = makeExpr(ExprKind::Parameter);
        e->index = t.ordinal;
        ++pos_;
        return e;
    }
    case TokenKind::Symbol: {
        if (atSymbol("*")) {
            ++pos_;
            return makeExpr(ExprKind::Star);
        }
        if (!atSymbol("("))
            syntaxError();
        ++pos_;
        ExprPtr e;
        if (atQuery()) {
            e = makeExpr(ExprKind::Subquery);
            e->query = query();
        } else {
            e = expression();
        }
        expectSymbol(")");
        return e;
    }
    case TokenKind::Word:
    case TokenKind::QuotedName: break;
    case TokenKind::End: syntaxError();
    }
    if (t.kind == TokenKind::Word) {
        const std::string word = upper(t);
        if (word == "NULL") {
            ++pos_;
            return makeExpr(ExprKind::Null);
        }
        if (word == "CASE")
            return caseExpression();
        if (word == "CURRENT_TIMESTAMP") {
            ++pos_;
            auto e = makeExpr(ExprKind::Function);
            e->text = "GETDATE";
            return e;
        }
        if (word == "CAST" && atSymbol("(", 1)) {
            pos_ += 2;
            auto e = makeExpr(ExprKind::Cast);
            e->args.push_back(expression());
            expectWord("AS");
            e->type = typeName();
            expectSymbol(")");
            return e;
        }
        if (word == "CONVERT" && atSymbol("(", 1)) {
            pos_ += 2;
            auto e = makeExpr(ExprKind::Cast);
            e->type = typeName();
            expectSymbol(",");
            e->args.push_back(expression());
            if (acceptSymbol(","))
                e->args.push_back(expression());  // the style
            expectSymbol(")");
            return e;
        }
        if (isReserved(t) && !(atSymbol("(", 1) && (word == "LEFT" || word == "RIGHT")))
            syntaxError();
    }
    // A column, qualifier.*, or a function call.
    std::vector<std::string> names;
    names.push_back(lexer_.name(t));
    ++pos_;
    if (t.kind == TokenKind::Word && atSymbol("("))
        return functionCall(toUpper(names.back()));
    while (acceptSymbol(".")) {
        if (acceptSymbol("*")) {
            auto e = makeExpr(ExprKind::Star);
            e->names = std::move(names);
            return e;
        }
        names.push_back(identifier());
    }
    if (atSymbol("("))
        raiseUnsupported(QStringLiteral("qualified function name"));
    auto e = makeExpr(ExprKind::Column);
    e->names = std::move(names);
    return e;
}

ExprPtr QueryParser::functionCall(std::string name) {
    expectSymbol("(");
    auto e = makeExpr(ExprKind::Function);
    e->text = std::move(name);
    if (acceptSymbol("*")) {
        e->star = true;
    } else if (!atSymbol(")")) {
        if (acceptWord("DISTINCT")) {
            e->distinct = true;
        } else {
            acceptWord("ALL");
        }
        e->args = expressionList();
    }
    expectSymbol(")");
    if (isAggregate(e->text) &&
        std::any_of(e->args.begin(), e->args.end(), [](const ExprPtr& a) { return holdsAggregateOrQuery(*a); })) {
        raiseSyntaxError(QStringLiteral(
            "Cannot perform an aggregate function on an expression containing an aggregate or a subquery."));
    }
    if (atWord("OVER"))
        raiseUnsupported(QStringLiteral("window function (OVER)"));
    if (atWord("WITHIN"))
        raiseUnsupported(QStringLiteral("WITHIN GROUP"));
    if (e->text == "IIF" && !e->star && !e->distinct) {
        // IIF(condition, a, b) is CASE WHEN condition THEN a ELSE b END, its type rules included.
        if (e->args.size() != 3)
            raiseSyntaxError(QStringLiteral("The iif function requires 3 arguments."));
        auto c = makeExpr(ExprKind::Case);
        c->hasElse = true;
        c->args = std::move(e->args);
        return c;
    }
    return e;
}

ExprPtr QueryParser::caseExpression() {
    expectWord("CASE");
    auto e = makeExpr(ExprKind::Case);
    if (!atWord("WHEN")) {
        e->hasOperand = true;
        e->args.push_back(expression());
    }
    if (!atWord("WHEN"))
        syntaxError();
    while (acceptWord("WHEN")) {
        e->args.push_back(expression());
        expectWord("THEN");
        e->args.push_back(expression());
    }
    if (acceptWord("ELSE")) {
        e->hasElse = true;
        e->args.push_back(expression());
    }
    expectWord("END");
    return e;
}

std::vector<ExprPtr> QueryParser::expressionList() {
    std::vector<ExprPtr> list;
    do {
        if (acceptWord("DEFAULT")) {
            list.push_back(makeExpr(ExprKind::Default));
        } else {
            list.push_back(expression());
        }
    } while (acceptSymbol(","));
    return list;
}

}  // namespace tsql
