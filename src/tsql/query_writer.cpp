#include "tsql/query_writer.h"

#include "tsql/function_rules.h"
#include "tsql/sql_target.h"
#include "tsql/translation_error.h"

#include <QString>

#include <algorithm>
#include <cstdlib>

#include <sqlite3.h>

namespace tsql {

using namespace ast;

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool isPlainName(std::string_view name) {
    if (name.empty())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9'))
            return false;
    }
    return !sqlite3_keyword_check(name.data(), static_cast<int>(name.size()));
}

void quoted(std::string_view text, char quote, std::string& out) {
    out.push_back(quote);
    for (char c : text) {
        out.push_back(c);
        if (c == quote)
            out.push_back(quote);
    }
    out.push_back(quote);
}

bool sameName(std::string_view a, std::string_view b) { return upperAscii(a) == upperAscii(b); }

bool isComparison(const std::string& op) {
    return op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=";
}

const char* joinWord(JoinKind kind) {
    switch (kind) {
    case JoinKind::Inner: return " INNER JOIN ";
    case JoinKind::Left: return " LEFT JOIN ";
    case JoinKind::Right: return " RIGHT JOIN ";
    case JoinKind::Full: return " FULL JOIN ";
    case JoinKind::Cross: return " CROSS JOIN ";
    }
    return " JOIN ";
}

// Whether a number as written is 100 (TOP 100 PERCENT), without a conversion that could throw.
bool isHundred(const std::string& number) {
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    return end == number.c_str() + number.size() && value == 100.0;
}

// The arguments (bit i for argument i) of a string function that take text: a number there is converted.
unsigned textArgumentsOf(std::string_view function) {
    if (function == "REPLACE")
        return 0b111;
    if (function == "CHARINDEX" || function == "PATINDEX")
        return 0b11;
    if (function == "STUFF")
        return 0b1001;
    if (function == "LEN" || function == "LEFT" || function == "REVERSE" || function == "RIGHT" ||
        function == "SUBSTRING" || function == "UPPER" || function == "LOWER" || function == "LTRIM" ||
        function == "RTRIM" || function == "TRIM" || function == "REPLICATE" || function == "QUOTENAME") {
        return 0b1;
    }
    return 0;
}

// The precision and scale SQL Server gives the result of l op r (+ - * / %) of decimals, integers taken as
// their types' decimals (int is 10 and 0): past 38 digits the precision is 38 and the scale gives way, for a
// product or a quotient to no less than 6 (or its own if smaller). A precision of 0: an operand's is not known. -1: a sum
// whose scale would give way below that, where SQL Server's documented rule and its behaviour may differ.
ColumnTypes::Column decimalResult(char op, const ColumnTypes::Column& l, const ColumnTypes::Column& r) {
    ColumnTypes::Column out;
    out.type = ScalarType::Decimal;
    if (l.precision <= 0 || r.precision <= 0)
        return out;
    int precision = 0;
    int scale = 0;
    if (op == '*') {
        precision = l.precision + r.precision + 1;
        scale = l.scale + r.scale;
    } else if (op == '/') {
        scale = std::max(6, l.scale + r.precision + 1);
        precision = l.precision - l.scale + r.scale + scale;
    } else if (op == '%') {
        scale = std::max(l.scale, r.scale);
        precision = std::min(l.precision - l.scale, r.precision - r.scale) + scale;
    } else {
        scale = std::max(l.scale, r.scale);
        precision = scale + std::max(l.precision - l.scale, r.precision - r.scale) + 1;
    }
    if (precision > 38) {
        const int integral = precision - scale;
        const int reduced = std::max(0, std::min(scale, 38 - integral));
        const int floor = std::min(scale, 6);
        if ((op == '+' || op == '-') && reduced < floor) {
            out.precision = -1;
            return out;
        }
        scale = std::max(reduced, floor);
        precision = 38;
    }
    out.precision = precision;
    out.scale = scale;
    return out;
}

constexpr const char* databaseDefault = " COLLATE DATABASE_DEFAULT";

// The operators' text of one tsql_plus or tsql_integer call (up to two characters an operator) stays well
// within SQLite's limit of arguments to a function.
constexpr std::size_t maxRunOperators = 100;

}  // namespace

QueryWriter::QueryWriter(const Lexer& lexer, SqlTarget& target, ColumnTypes& columnTypes, Program& program,
                         const Variables& variables)
    : lexer_(lexer), target_(target), columnTypes_(columnTypes), program_(program), variables_(variables) {}

void QueryWriter::begin(Program::Step& step, bool inlineLiterals) {
    step_ = &step;
    inlineLiterals_ = inlineLiterals;
    scopes_.clear();
    ctes_.clear();
    queryColumns_.clear();
}

void QueryWriter::pushScope(std::string_view table, const std::vector<std::unique_ptr<TableRef>>* from) {
    scopes_.push_back(Scope{table, from});
}

// ------------------------------------------------------------------------------------------------ names

void QueryWriter::name(std::string_view name, std::string& out) const {
    if (isPlainName(name)) {
        out.append(name);
    } else {
        quoted(name, '"', out);
    }
}

void QueryWriter::tableName(std::string_view name, std::string& out, bool creating) const {
    const bool local = name.size() > 1 && name[0] == '#' && name[1] != '#';
    if (local && creating)
        out += "temp.";
    this->name(name, out);
}

// Latin1_General's case-sensitive collation sorts a before A before b; its binary ones by code point,
// trailing blanks ignored (SQLite's RTRIM). Others sort in orders of their own: refused.
std::string QueryWriter::collation(std::string_view name) const {
    const std::string n = upperAscii(name);
    if (n == "DATABASE_DEFAULT")
        return n;
    const bool latin1 = n.rfind("LATIN1_GENERAL_", 0) == 0;
    if (latin1 && (n.ends_with("_BIN") || n.ends_with("_BIN2")))
        return "RTRIM";
    if (latin1 && n.ends_with("_CS_AS"))
        return "CASE_SENSITIVE";
    if (n.find("_CI_AS") != std::string::npos && n.find("_CI_AS_") == std::string::npos)
        return "DATABASE_DEFAULT";
    raiseUnsupported(QStringLiteral("collation %1").arg(qtext(name)));
}

// --------------------------------------------------------------------------------------------- literals

void QueryWriter::bind(Program::Binding::Source source, int index, std::string& out) {
    step_->bindings.push_back(Program::Binding{source, index});
    out.push_back('?');
    out += std::to_string(step_->bindings.size());
}

std::string QueryWriter::pinnedString(int ordinal) {
    std::string value = lexer_.literalValue(ordinal);
    program_.pinnedLiterals.push_back(ordinal);
    program_.pinnedValues.push_back(value);
    return value;
}

void QueryWriter::inlineLiteral(int ordinal, std::string& out) {
    const bool text = lexer_.literal(ordinal).kind == TokenKind::String;
    const std::string value = pinnedString(ordinal);
    if (text) {
        quoted(value, '\'', out);
    } else {
        out += value;
    }
}

// ---------------------------------------------------------------------------------------------- queries

void QueryWriter::query(const Select& select, std::string& out, bool resultSet) {
    if (select.forXmlPath) {
        out += "SELECT ";
        forXmlPath(select, out);
        if (resultSet)
            out += " AS \"XML_F52E2B61-18A1-11d1-B105-00805F49916B\"";
        return;
    }
    if (select.compounds.empty()) {
        pushScope({}, &select.from);  // ORDER BY may name the query's columns too
        selectCore(select, out, resultSet, false, nullptr);
        orderBy(select.orderBy, out);
        limit(select, out);
        popScope();
        return;
    }
    std::vector<ColumnTypes::Column> types;
    for (std::size_t i = 0; i < select.items.size(); ++i)
        types.push_back(queryColumnAt(select, i));
    // SQLite's LIMIT ends the whole compound: a term with its own TOP becomes a subquery.
    auto term = [&](const Select& t) {
        if (t.top) {
            out += "SELECT * FROM (";
            selectCore(t, out, resultSet, true, &types);
            out += ")";
        } else {
            selectCore(t, out, resultSet, false, &types);
        }
    };
    term(select);
    for (const auto& [op, next] : select.compounds) {
        out += ' ';
        out += op;
        out += ' ';
        if (!next->orderBy.empty() || next->forXmlPath)
            raiseSyntaxError(QStringLiteral("Incorrect syntax near 'UNION'."));
        term(*next);
    }
    orderBy(select.orderBy, out);
    if (select.offset) {
        offsetFetch(select, out);
    }
}

void QueryWriter::selectCore(const Select& select, std::string& out, bool resultSet, bool withLimit,
                             const std::vector<ColumnTypes::Column>* types) {
    const bool compound = types != nullptr;
    if (!select.into.empty())
        raiseSyntaxError(QStringLiteral("Incorrect syntax near 'INTO'."));
    const bool assigning = assigning_;
    assigning_ = false;
    pushScope({}, &select.from);
    out += select.distinct ? "SELECT DISTINCT " : "SELECT ";
    bool first = true;
    const bool compares = select.distinct || compound || !select.groupBy.empty();
    // A scalar subquery's value: more than one row is SQL Server's error 512 (the count is of the rows
    // before TOP or DISTINCT would cut them, so those are left as they are).
    const bool singleValue = singleValue_ && !select.top && !select.distinct && !compound && !select.offset;
    singleValue_ = false;
    bool firstItem = true;
    std::size_t position = 0;
    for (const SelectItem& item : select.items) {
        const ColumnTypes::Column* type = types && position < types->size() ? &(*types)[position] : nullptr;
        ++position;
        if (!item.variable.empty() && !assigning) {
            raiseSyntaxError(
                QStringLiteral("A SELECT statement that assigns a value to a variable must not be "
                               "combined with data-retrieval operations."));
        }
        if (!first)
            out += ", ";
        first = false;
        const bool single = singleValue && firstItem;
        firstItem = false;
        if (single)
            out += "tsql_single(";
        if (const auto v = item.variable.empty() ? variables_.end() : variables_.find(item.variable);
            v != variables_.end()) {
            convert(v->second.declared, *item.expr, out, true);  // the variable keeps its declared type
        } else if (type && scalarTypeOf(*item.expr) == ScalarType::Text && isNumber(type->type)) {
            // A compound's column is of the type of highest precedence among its branches': a text converts.
            textAsNumber(*type, *item.expr, "compound query's number column", out);
            if (!item.hasAlias && item.expr->kind == ExprKind::Column) {
                out += " AS ";
                name(item.expr->names.back(), out);  // converted, the column keeps its name
            }
        } else {
            expression(*item.expr, out);
            // Rows compared with each other (DISTINCT, UNION..., GROUP BY) compare a text that comes from no
            // column as the database does, without case.
            if (compares && !explicitlyCollated(*item.expr, out) && needsCollation(*item.expr))
                out += databaseDefault;
        }
        if (single)
            out += ", count(*) OVER ())";
        if (item.hasAlias) {
            out += " AS ";
            name(item.alias, out);
        } else if (resultSet && item.expr->kind != ExprKind::Column && item.expr->kind != ExprKind::Star) {
            out += " AS \"\"";  // SQL Server gives an expression no name
        }
    }
    clauses(select, out);
    if (withLimit)
        limit(select, out);
    popScope();
}

void QueryWriter::assignment(const Select& select, std::string& out) {
    assigning_ = true;
    query(select, out, false);
    assigning_ = false;
}

void QueryWriter::clauses(const Select& select, std::string& out) {
    if (!select.from.empty()) {
        out += " FROM ";
        tableSources(select.from, out);
    }
    if (select.where) {
        out += " WHERE ";
        expression(*select.where, out);
    }
    if (!select.groupBy.empty()) {
        out += " GROUP BY ";
        for (std::size_t i = 0; i < select.groupBy.size(); ++i) {
            if (i)
                out += ", ";
            expression(*select.groupBy[i], out);
            if (!explicitlyCollated(*select.groupBy[i], out) && needsCollation(*select.groupBy[i]))
                out += databaseDefault;
        }
    }
    if (select.having) {
        out += " HAVING ";
        expression(*select.having, out);
    }
}

void QueryWriter::limit(const Select& select, std::string& out) {
    if (select.top) {
        const Expr& top = *select.top;
        if (select.topPercent && !select.withTies && top.kind == ExprKind::Literal && top.text == "n" &&
            isHundred(pinnedString(top.index))) {
            return;  // TOP 100 PERCENT: every row
        }
        out += " LIMIT ";
        if (!select.topPercent && !select.withTies) {
            if (top.kind == ExprKind::Literal) {
                expression(top, out);
            } else {
                out += "tsql_top(";  // SQLite takes a negative LIMIT for none
                expression(top, out);
                out += ')';
            }
            return;
        }
        topCount(select, out);
        return;
    }
    if (select.offset)
        offsetFetch(select, out);
}

// The rows TOP n PERCENT and TOP n WITH TIES keep, counted over the query's own FROM ... HAVING: n percent
// of the rows rounded up; with ties, the rows that rank within the first n by the ORDER BY.
void QueryWriter::topCount(const Select& select, std::string& out) {
    std::string n;
    if (select.topPercent) {
        n = "tsql_percent(";
        expression(*select.top, n);
        n += ", (SELECT count(*) FROM (SELECT ";
        if (select.distinct) {
            n += "DISTINCT ";
            for (std::size_t i = 0; i < select.items.size(); ++i) {
                if (i)
                    n += ", ";
                expression(*select.items[i].expr, n);
                if (!explicitlyCollated(*select.items[i].expr, n) && needsCollation(*select.items[i].expr))
                    n += databaseDefault;
            }
        } else {
            n += '1';
        }
        clauses(select, n);
        n += ")))";
    } else {
        n = "tsql_top(";
        expression(*select.top, n);
        n += ')';
    }
    if (!select.withTies) {
        out += n;
        return;
    }
    if (select.orderBy.empty()) {
        raiseSyntaxError(
            QStringLiteral("The TOP N WITH TIES clause is not allowed without a corresponding ORDER BY clause."));
    }
    if (select.distinct)
        raiseUnsupported(QStringLiteral("TOP ... WITH TIES with DISTINCT"));
    for (const OrderItem& item : select.orderBy) {
        const Expr& e = *item.expr;
        const bool alias = e.kind == ExprKind::Column && e.names.size() == 1 &&
                           std::any_of(select.items.begin(), select.items.end(), [&](const SelectItem& i) {
                               return i.hasAlias && sameName(i.alias, e.names[0]);
                           });
        if ((e.kind == ExprKind::Literal && e.text == "n") || alias) {
            raiseUnsupported(QStringLiteral("TOP ... WITH TIES ordered by a column of the result"));
        }
    }
    std::string keys;
    orderBy(select.orderBy, keys);
    out += "(SELECT count(*) FROM (SELECT rank() OVER (" + keys.substr(1) + ") AS tsql_rank";
    clauses(select, out);
    out += ") WHERE tsql_rank <= " + n + ")";
}

void QueryWriter::offsetFetch(const Select& select, std::string& out) {
    out += " LIMIT ";
    if (select.fetch) {
        out += "tsql_rows(";
        expression(*select.fetch, out);
        out += ", 1)";
    } else {
        out += "-1";
    }
    out += " OFFSET tsql_rows(";
    expression(*select.offset, out);
    out += ", 0)";
}

// Text sorts as the database collation does, also when it is computed or comes through a derived table
// (which keeps no collation).
void QueryWriter::orderBy(const std::vector<OrderItem>& items, std::string& out) {
    if (items.empty())
        return;
    out += " ORDER BY ";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
        const Expr& e = *items[i].expr;
        if (e.kind == ExprKind::Literal && e.text == "n") {
            inlineLiteral(e.index, out);  // a column's position
        } else {
            expression(e, out);
            if (!explicitlyCollated(e, out) && typeOf(e) != ValueType::Number)
                out += databaseDefault;
        }
        if (items[i].descending)
            out += " DESC";
    }
}

// FOR XML PATH('element'): the rows' values, XML-escaped, concatenated in the query's order; a named column
// becomes <name>value</name>; no row gives NULL.
void QueryWriter::forXmlPath(const Select& select, std::string& out) {
    if (!select.compounds.empty())
        raiseUnsupported(QStringLiteral("FOR XML PATH over a compound query"));
    const std::string element = select.xmlElement >= 0 ? pinnedString(select.xmlElement) : std::string("row");
    pushScope({}, &select.from);
    out += "(SELECT group_concat(v, '') FROM (SELECT ";
    if (select.distinct)
        out += "DISTINCT ";
    std::string row;
    for (const SelectItem& item : select.items) {
        const Expr& e = *item.expr;
        if (e.kind == ExprKind::Star)
            raiseUnsupported(QStringLiteral("FOR XML PATH with *"));
        std::string tag = item.hasAlias ? item.alias : e.kind == ExprKind::Column ? e.names.back() : std::string();
        if (tag == "text()" || tag == "*")
            tag.clear();
        if (!tag.empty() && (tag[0] == '@' || tag.find('/') != std::string::npos)) {
            raiseUnsupported(QStringLiteral("FOR XML PATH attribute or path column"));
        }
        if (!row.empty())
            row += " || ";
        row += "ifnull(";
        if (!tag.empty()) {
            quoted("<" + tag + ">", '\'', row);
            row += " || ";
        }
        row += "tsql_xml(";
        expression(e, row);
        row += ")";
        if (!tag.empty()) {
            row += " || ";
            quoted("</" + tag + ">", '\'', row);
        }
        row += ", '')";
    }
    if (!element.empty()) {
        quoted("<" + element + ">", '\'', out);
        out += " || " + row + " || ";
        quoted("</" + element + ">", '\'', out);
    } else {
        out += row;
    }
    out += " AS v";
    clauses(select, out);
    orderBy(select.orderBy, out);
    limit(select, out);
    out += "))";
    popScope();
}

void QueryWriter::ctes(const std::vector<Cte>& ctes, std::string& out) {
    if (ctes.empty())
        return;
    out += "WITH ";
    for (std::size_t i = 0; i < ctes.size(); ++i) {
        if (i)
            out += ", ";
        ctes_.push_back(&ctes[i]);
        name(ctes[i].name, out);
        if (!ctes[i].columns.empty()) {
            out += " (";
            for (std::size_t c = 0; c < ctes[i].columns.size(); ++c) {
                if (c)
                    out += ", ";
                name(ctes[i].columns[c], out);
            }
            out += ")";
        }
        out += " AS (";
        query(*ctes[i].query, out, false);
        out += ")";
    }
    out += ' ';
}

void QueryWriter::tableSources(const std::vector<std::unique_ptr<TableRef>>& sources, std::string& out) {
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (i)
            out += ", ";
        tableRef(*sources[i], out);
    }
}

void QueryWriter::tableRef(const TableRef& ref, std::string& out) {
    switch (ref.kind) {
    case TableRef::Kind::Table: tableName(ref.name, out); break;
    case TableRef::Kind::Derived:
        if (!ref.columnAliases.empty())
            raiseUnsupported(QStringLiteral("column list of a derived table"));
        out += '(';
        query(*ref.query, out, false);
        out += ')';
        break;
    case TableRef::Kind::Join: {
        tableRef(*ref.left, out);
        out += joinWord(ref.join);
        const bool nested = ref.right->kind == TableRef::Kind::Join;
        if (nested)
            out += '(';
        tableRef(*ref.right, out);
        if (nested)
            out += ')';
        if (ref.on) {
            out += " ON ";
            expression(*ref.on, out);
        }
        return;
    }
    case TableRef::Kind::Pivot: pivot(ref, out); return;
    }
    if (!ref.alias.empty()) {
        out += " AS ";
        name(ref.alias, out);
    }
}

// PIVOT groups by every column of its source but the pivoted and the aggregated one: the source is
// prepared to learn its columns, so the translation follows the database and is not cached.
void QueryWriter::pivot(const TableRef& ref, std::string& out) {
    const std::string function = upperAscii(ref.pivotFunction);
    if (function != "MAX" && function != "MIN" && function != "SUM" && function != "COUNT" && function != "AVG") {
        raiseUnsupported(QStringLiteral("PIVOT with %1").arg(qtext(function)));
    }
    const TableRef& sourceRef = *ref.left;
    std::string qualifier;
    if (sourceRef.kind == TableRef::Kind::Table) {
        qualifier = sourceRef.alias.empty() ? sourceRef.name : sourceRef.alias;
    } else if (sourceRef.kind == TableRef::Kind::Derived && !sourceRef.alias.empty()) {
        qualifier = sourceRef.alias;
    } else {
        raiseUnsupported(QStringLiteral("PIVOT over a join"));
    }
    std::string source;
    tableRef(sourceRef, source);
    const std::vector<std::string> columns = target_.columnsOf("SELECT * FROM " + source);
    program_.cacheable = false;
    std::string aggregateName = function;
    if (function == "SUM" || function == "AVG") {
        // The aggregated column's type where its table tells it.
        ColumnTypes::Column of;
        const ColumnTypes::Columns* types = sourceRef.kind == TableRef::Kind::Table && sourceRef.name[0] != '#'
                                                ? columnTypes_.columns(sourceRef.name)
                                                : nullptr;
        if (types && types->count(upperAscii(ref.pivotValue)))
            of = types->at(upperAscii(ref.pivotValue));
        aggregateName = aggregateFunction(function, of, -1);
    }

    std::string q;
    name(qualifier, q);
    q += '.';
    std::vector<std::string> groups;
    for (const std::string& column : columns) {
        if (!sameName(column, ref.pivotColumn) && !sameName(column, ref.pivotValue))
            groups.push_back(q + [&] {
                std::string n;
                name(column, n);
                return n;
            }());
    }
    out += "(SELECT ";
    bool first = true;
    for (const std::string& g : groups) {
        if (!first)
            out += ", ";
        first = false;
        out += g;
    }
    for (const std::string& value : ref.pivotValues) {
        if (!first)
            out += ", ";
        first = false;
        out += aggregateName + "(CASE WHEN " + q;
        name(ref.pivotColumn, out);
        out += " = ";
        quoted(value, '\'', out);
        out += std::string(databaseDefault) + " THEN " + q;
        name(ref.pivotValue, out);
        out += " END) AS ";
        name(value, out);
    }
    out += " FROM " + source;
    if (!groups.empty()) {
        out += " GROUP BY ";
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (i)
                out += ", ";
            out += groups[i];
        }
    }
    out += ") AS ";
    name(ref.alias, out);
}

// ------------------------------------------------------------------------------------------ expressions

bool QueryWriter::hasCollation(const Expr& e) const {
    return e.kind == ExprKind::Column || !explicitCollation(e).empty();
}

bool QueryWriter::needsCollation(const Expr& e) const {
    return !hasCollation(e) && e.kind != ExprKind::Star && typeOf(e) != ValueType::Number;
}

std::string QueryWriter::explicitCollation(const Expr& e, const Expr* other) const {
    std::string found;
    explicitCollations(e, found);
    if (other)
        explicitCollations(*other, found);
    return found;
}

void QueryWriter::explicitCollations(const Expr& e, std::string& found) const {
    switch (e.kind) {
    case ExprKind::Collate:
        collation(e.text);  // refused here when it is none the translation knows
        if (found.empty()) {
            found = e.text;
        } else if (upperAscii(found) != upperAscii(e.text)) {
            raiseUnsupported(QStringLiteral("collation conflict between %1 and %2").arg(qtext(found), qtext(e.text)));
        }
        return;
    case ExprKind::Function:
    case ExprKind::Cast:
    case ExprKind::Binary:
        if (typeOf(e) == ValueType::Number)
            return;  // a number has no collation
        for (const ExprPtr& a : e.args)
            explicitCollations(*a, found);
        return;
    case ExprKind::Case: {
        const std::size_t firstResult = e.hasOperand ? 2 : 1;
        for (std::size_t i = firstResult; i < e.args.size(); i += 2)
            explicitCollations(*e.args[i], found);
        if (e.hasElse)
            explicitCollations(*e.args.back(), found);
        return;
    }
    default: return;  // a column's own collation, a subquery's, or no text
    }
}

bool QueryWriter::explicitlyCollated(const Expr& e, std::string& out) const {
    const std::string name = explicitCollation(e);
    if (name.empty())
        return false;
    out += " COLLATE " + collation(name);
    return true;
}

std::string QueryWriter::matchingSuffix(const Expr& e) const {
    std::string found;
    for (const ExprPtr& a : e.args)
        explicitCollations(*a, found);
    if (found.empty())
        return {};
    const std::string sqlite = collation(found);
    return sqlite == "CASE_SENSITIVE" ? "_cs" : sqlite == "RTRIM" ? "_bin" : "";
}

ValueType QueryWriter::typeOf(const Expr& e) const {
    if (!e.typed) {
        e.valueType = inferType(e);
        e.typed = true;
    }
    return e.valueType;
}

// What + of two operands yields, as far as their types tell.
ValueType QueryWriter::plusType(ValueType l, ValueType r) {
    if (l == ValueType::Number || r == ValueType::Number)
        return ValueType::Number;
    if ((l == ValueType::Text || l == ValueType::Null) && (r == ValueType::Text || r == ValueType::Null)) {
        return ValueType::Text;
    }
    return ValueType::Unknown;
}

ValueType QueryWriter::valueTypeOf(ScalarType type) {
    switch (type) {
    case ScalarType::Text: return ValueType::Text;
    case ScalarType::Integer:
    case ScalarType::Decimal:
    case ScalarType::Float: return ValueType::Number;
    case ScalarType::Null:
    case ScalarType::DateTime:
    case ScalarType::Unknown: return ValueType::Unknown;
    }
    return ValueType::Unknown;
}

// The type of CASE's results (from, from + step... before end, then otherwise), as far as they tell it.
ValueType QueryWriter::resultsType(const std::vector<ExprPtr>& args, std::size_t from, std::size_t end,
                                   const Expr* otherwise, std::size_t step) const {
    for (std::size_t i = from; i < end; i += step) {
        const ValueType t = typeOf(*args[i]);
        if (t == ValueType::Text || t == ValueType::Number)
            return t;
    }
    return otherwise ? typeOf(*otherwise) : ValueType::Unknown;
}

ValueType QueryWriter::inferType(const Expr& e) const {
    switch (e.kind) {
    case ExprKind::Literal: return e.text == "s" ? ValueType::Text : ValueType::Number;
    case ExprKind::Null: return ValueType::Null;
    case ExprKind::Variable: {
        const auto it = variables_.find(e.text);
        return it == variables_.end() ? ValueType::Unknown : it->second.type;
    }
    case ExprKind::Function: {
        const FunctionRule* rule = findFunctionRule(e.text);
        if (!rule)
            return ValueType::Unknown;
        switch (rule->result) {
        case FunctionRule::Result::Text: return ValueType::Text;
        case FunctionRule::Result::Number:
        case FunctionRule::Result::Integer:
        case FunctionRule::Result::Float:
        case FunctionRule::Result::Numeric: return ValueType::Number;
        case FunctionRule::Result::Choice: return resultsType(e.args, 1, e.args.size(), nullptr);
        case FunctionRule::Result::FirstArgument: return e.args.empty() ? ValueType::Unknown : typeOf(*e.args[0]);
        case FunctionRule::Result::Replacement: {
            const ValueType first = typeOf(*e.args[0]);
            if (first == ValueType::Null)
                return typeOf(*e.args[1]);
            if (first != ValueType::Unknown)
                return first;
            const ScalarType declared = scalarTypeOf(*e.args[0]);
            if (declared == ScalarType::Text)
                return ValueType::Text;
            return declared == ScalarType::Unknown ? ValueType::Unknown : ValueType::Number;
        }
        case FunctionRule::Result::FirstKnown: {
            ValueType known = ValueType::Unknown;
            for (const ExprPtr& a : e.args) {
                const ValueType t = typeOf(*a);
                if (t == ValueType::Number)
                    return t;
                if (t == ValueType::Text && known == ValueType::Unknown)
                    known = t;
            }
            return known;
        }
        }
        return ValueType::Unknown;
    }
    case ExprKind::Cast: return e.type.category();
    case ExprKind::Unary: return ValueType::Number;
    case ExprKind::Binary: {
        ValueType t = typeOf(*e.args[0]);
        for (std::size_t i = 0; i < e.ops.size(); ++i) {
            t = e.ops[i] == "+" ? plusType(t, typeOf(*e.args[i + 1])) : ValueType::Number;
        }
        return t;
    }
    case ExprKind::Like:
    case ExprKind::In:
    case ExprKind::Between:
    case ExprKind::IsNull:
    case ExprKind::Exists: return ValueType::Number;
    case ExprKind::Subquery: {
        if (e.query->forXmlPath)
            return ValueType::Text;
        if (const ValueType t = valueTypeOf(scalarTypeOf(e)); t != ValueType::Unknown)
            return t;
        if (e.query->items.empty() || !e.query->compounds.empty())
            return ValueType::Unknown;
        scopes_.push_back(Scope{{}, &e.query->from});  // its value's names are the subquery's
        const ValueType t = typeOf(*e.query->items[0].expr);
        scopes_.pop_back();
        return t;
    }
    case ExprKind::Case: {
        if (const ScalarType t = caseFacets(e).type; t != ScalarType::Unknown && t != ScalarType::Null)
            return valueTypeOf(t);  // a text result converts to a number result's type
        const std::size_t end = e.args.size() - (e.hasElse ? 1 : 0);
        return resultsType(e.args, e.hasOperand ? 2 : 1, end, e.hasElse ? e.args.back().get() : nullptr, 2);
    }
    case ExprKind::Collate: return typeOf(*e.args[0]);
    case ExprKind::Column: return valueTypeOf(columnType(e));
    case ExprKind::Star:
    case ExprKind::Parameter:
    case ExprKind::Default: return ValueType::Unknown;
    }
    return ValueType::Unknown;
}

// The left side of a comparison: SQLite compares two values that come from no column with BINARY, SQL
// Server with the database collation.
void QueryWriter::comparand(const Expr& left, const Expr* right, std::string& out) {
    expression(left, out);
    if (const std::string name = explicitCollation(left, right); !name.empty()) {
        out += " COLLATE " + collation(name);  // SQLite would not reach it through every expression
        return;
    }
    if (left.kind == ExprKind::Column || (right && right->kind == ExprKind::Column))
        return;
    if (typeOf(left) == ValueType::Number && (!right || typeOf(*right) == ValueType::Number))
        return;
    out += databaseDefault;
}

bool QueryWriter::comparesDates(const Expr& left, const std::vector<ExprPtr>& values, std::size_t from) const {
    bool date = false;
    for (std::size_t i = from; i <= values.size(); ++i) {
        const ScalarType t = scalarTypeOf(i == values.size() ? left : *values[i]);
        if (t == ScalarType::DateTime) {
            date = true;
        } else if (t != ScalarType::Text && t != ScalarType::Null) {
            return false;
        }
    }
    return date;
}

// DATETIME takes precedence over text: SQL Server converts the text, so '20010203' and
// '2001-02-03T00:00:00' are the same date. A column holds the date as it was written (with or without its
// time), read back here into the form every DATETIME value has.
void QueryWriter::dateComparand(const Expr& e, std::string& out) {
    const ScalarType t = scalarTypeOf(e);
    if (t == ScalarType::Null || (t == ScalarType::DateTime && e.kind != ExprKind::Column)) {
        expression(e, out);
        return;
    }
    out += "tsql_datetime(";
    expression(e, out);
    out += t == ScalarType::DateTime ? ", -2)" : ", -1)";
}

const Expr* QueryWriter::decisiveCollation(const Expr& left, const std::vector<ExprPtr>& values,
                                           std::size_t from) const {
    const Expr* decisive = nullptr;
    std::string first;
    for (std::size_t i = from; i < values.size(); ++i) {
        const std::string name = explicitCollation(left, values[i].get());
        if (i == from) {
            first = name;
        } else if (upperAscii(name) != upperAscii(first)) {
            raiseUnsupported(QStringLiteral("values compared under different collations"));
        }
        if (!decisive && !explicitCollation(*values[i]).empty())
            decisive = values[i].get();
    }
    return decisive;
}

void QueryWriter::expression(const Expr& e, std::string& out) {
    using Source = Program::Binding::Source;
    switch (e.kind) {
    case ExprKind::Literal:
        if (inlineLiterals_) {
            inlineLiteral(e.index, out);
        } else {
            bind(Source::Literal, e.index, out);
        }
        return;
    case ExprKind::Null: out += "NULL"; return;
    case ExprKind::Column:
        for (std::size_t i = 0; i < e.names.size(); ++i) {
            if (i)
                out += '.';
            name(e.names[i], out);
        }
        return;
    case ExprKind::Star:
        for (const std::string& part : e.names) {
            name(part, out);
            out += '.';
        }
        out += '*';
        return;
    case ExprKind::Variable: {
        const auto it = variables_.find(e.text);
        if (it == variables_.end()) {
            raiseSyntaxError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(qtext(e.text)));
        }
        if (inlineLiterals_)
            raiseUnsupported(QStringLiteral("variable in a definition"));
        bind(Source::Variable, it->second.slot, out);
        return;
    }
    case ExprKind::Parameter:
        if (inlineLiterals_)
            raiseUnsupported(QStringLiteral("parameter in a definition"));
        bind(Source::Caller, e.index, out);
        return;
    case ExprKind::Function: function(e, out); return;
    case ExprKind::Cast: convert(e.type, *e.args[0], out, false, e.args.size() > 1 ? e.args[1].get() : nullptr); return;
    case ExprKind::Unary:
        if (const int bits = facetsOf(*e.args[0]).bits;
            e.text == "-" && bits >= 16 && e.args[0]->kind != ExprKind::Literal) {
            // The negated least value is beyond the type: SQL Server's overflow error.
            out += "tsql_integer('-" + std::to_string(bits / 8) + "', 0, ";
            expression(*e.args[0], out);
            out += ')';
            return;
        }
        out += e.text == "NOT" ? "(NOT " : "(" + e.text;
        expression(*e.args[0], out);
        out += ')';
        return;
    case ExprKind::Binary:
        out += '(';
        if (isComparison(e.ops[0]) && comparesDates(*e.args[0], e.args, 1)) {
            dateComparand(*e.args[0], out);
            out += ' ' + e.ops[0] + ' ';
            dateComparand(*e.args[1], out);
        } else if (isComparison(e.ops[0])) {
            const ValueType l = typeOf(*e.args[0]);
            const ValueType r = typeOf(*e.args[1]);
            if ((l == ValueType::Text && r == ValueType::Number) || (l == ValueType::Number && r == ValueType::Text)) {
                // A text compared with a number is converted to it: 10 > '9' is true.
                const bool textLeft = l == ValueType::Text;
                const bool integer = scalarTypeOf(*e.args[textLeft ? 1 : 0]) == ScalarType::Integer;
                for (int side = 0; side < 2; ++side) {
                    if (side)
                        out += ' ' + e.ops[0] + ' ';
                    const bool text = (side == 0) == textLeft;
                    if (text)
                        out += "tsql_number(";
                    expression(*e.args[static_cast<std::size_t>(side)], out);
                    if (text)
                        out += integer ? ", 1)" : ", 0)";
                }
            } else {
                comparand(*e.args[0], e.args[1].get(), out);
                out += ' ';
                out += e.ops[0];
                out += ' ';
                expression(*e.args[1], out);
            }
        } else {
            chain(e, out);
        }
        out += ')';
        return;
    case ExprKind::Like:
        out += e.negated ? "(NOT tsql_like" : "(tsql_like";
        out += matchingSuffix(e) + '(';
        expressions(e.args, 0, out);
        likeMode(e, out);
        out += "))";
        return;
    case ExprKind::In:
        out += '(';
        if (!e.query && comparesDates(*e.args[0], e.args, 1)) {
            dateComparand(*e.args[0], out);
            out += e.negated ? " NOT IN (" : " IN (";
            for (std::size_t i = 1; i < e.args.size(); ++i) {
                if (i > 1)
                    out += ", ";
                dateComparand(*e.args[i], out);
            }
            out += "))";
            return;
        }
        comparand(*e.args[0], e.query ? nullptr : decisiveCollation(*e.args[0], e.args, 1), out);
        out += e.negated ? " NOT IN (" : " IN (";
        if (e.query) {
            query(*e.query, out, false);
        } else {
            expressions(e.args, 1, out);
        }
        out += "))";
        return;
    case ExprKind::Between: {
        out += '(';
        const bool dates = comparesDates(*e.args[0], e.args, 1);
        if (dates) {
            dateComparand(*e.args[0], out);
        } else {
            comparand(*e.args[0], decisiveCollation(*e.args[0], e.args, 1), out);
        }
        out += e.negated ? " NOT BETWEEN " : " BETWEEN ";
        for (std::size_t i = 1; i < 3; ++i) {
            if (i > 1)
                out += " AND ";
            if (dates) {
                dateComparand(*e.args[i], out);
            } else {
                expression(*e.args[i], out);
            }
        }
        out += ')';
        return;
    }
    case ExprKind::IsNull:
        out += '(';
        expression(*e.args[0], out);
        out += e.negated ? " IS NOT NULL)" : " IS NULL)";
        return;
    case ExprKind::Exists:
        out += "EXISTS (";
        query(*e.query, out, false);
        out += ')';
        return;
    case ExprKind::Subquery:
        if (e.query->forXmlPath) {
            forXmlPath(*e.query, out);
            return;
        }
        out += '(';
        singleValue_ = e.query->compounds.empty();
        query(*e.query, out, false);
        singleValue_ = false;
        out += ')';
        return;
    case ExprKind::Case: {
        out += "CASE";
        std::size_t i = 0;
        if (e.hasOperand) {
            out += ' ';
            comparand(*e.args[0], nullptr, out);
            i = 1;
        }
        // CASE's value is of the type of highest precedence among its results': a text result taken converts
        // to a number result's type (and is SQL Server's conversion error where it is no such number).
        const ColumnTypes::Column type = caseFacets(e);
        const auto result = [&](const Expr& r) {
            if (isNumber(type.type) && scalarTypeOf(r) == ScalarType::Text) {
                textAsNumber(type, r, "CASE of number results", out);
            } else {
                expression(r, out);
            }
        };
        const std::size_t pairsEnd = e.args.size() - (e.hasElse ? 1 : 0);
        for (; i < pairsEnd; i += 2) {
            out += " WHEN ";
            expression(*e.args[i], out);
            out += " THEN ";
            result(*e.args[i + 1]);
        }
        if (e.hasElse) {
            out += " ELSE ";
            result(*e.args.back());
        }
        out += " END";
        return;
    }
    case ExprKind::Collate:
        expression(*e.args[0], out);
        out += " COLLATE ";
        out += collation(e.text);
        return;
    case ExprKind::Default: raiseUnsupported(QStringLiteral("DEFAULT as a value"));
    }
}

// LIKE of non-Unicode texts ignores the value's trailing blanks; if either side is national, SQL Server's
// Unicode LIKE counts them, and a fixed-length value has them up to its length. The mode tells tsql_like
// which (nothing written: non-Unicode).
void QueryWriter::likeMode(const Expr& e, std::string& out) {
    bool unicode = false, known = true;
    for (std::size_t i = 0; i < 2; ++i) {
        const ColumnTypes::Column f = facetsOf(*e.args[i]);
        const bool number =
            f.type == ScalarType::Integer || f.type == ScalarType::Decimal || f.type == ScalarType::Float;
        unicode = unicode || (f.type == ScalarType::Text && f.national);
        known = known && (number || (f.type == ScalarType::Text && f.length != 0));
    }
    if (!unicode && known)
        return;
    const ColumnTypes::Column value = facetsOf(*e.args[0]);
    if (e.args.size() < 3)
        out += ", NULL";
    if (!unicode) {
        out += ", -1";
    } else if (value.fixed && value.length > 0) {
        out += ", " + std::to_string(value.length + 1);
    } else {
        out += ", 1";
    }
}

void QueryWriter::expressions(const std::vector<ExprPtr>& list, std::size_t from, std::string& out) {
    for (std::size_t i = from; i < list.size(); ++i) {
        if (i > from)
            out += ", ";
        expression(*list[i], out);
    }
}

void QueryWriter::function(const Expr& e, std::string& out) {
    const FunctionRule* rule = findFunctionRule(e.text);
    if (!rule)
        raiseUnsupported(QStringLiteral("function %1").arg(qtext(e.text)));
    const int count = e.star ? 1 : static_cast<int>(e.args.size());
    if ((e.star && rule->sqlite != "count") || count < rule->minArguments ||
        (rule->maxArguments >= 0 && count > rule->maxArguments)) {
        raiseSyntaxError(QStringLiteral("The %1 function requires %2 argument(s).")
                             .arg(qtext(e.text).toLower())
                             .arg(rule->minArguments));
    }
    if (rule->result == FunctionRule::Result::Replacement) {
        std::string call = "ifnull(";
        expression(*e.args[0], call);
        call += ", ";
        const ColumnTypes::Column first = facetsOf(*e.args[0]);
        const ColumnTypes::Column second = facetsOf(*e.args[1]);
        // Lengths known exactly: a column's, a CAST's, the least or greatest of a column.
        const Expr* checked = e.args[0].get();
        if (checked->kind == ExprKind::Function && (checked->text == "MIN" || checked->text == "MAX") &&
            checked->args.size() == 1) {
            checked = checked->args[0].get();
        }
        const bool exact = checked->kind == ExprKind::Column || checked->kind == ExprKind::Cast;
        if (exact && first.type == ScalarType::Text && first.length > 0 &&
            !(second.type == ScalarType::Text && second.length > 0 && second.length <= first.length)) {
            // The result has the first argument's type: a longer replacement is cut to its length.
            std::string value;
            replacement(first.type, *e.args[1], value);
            call += "tsql_text(" + value + ", " + std::to_string(first.length) + ", " + (first.national ? "1" : "0") +
                    ", -1)";
        } else {
            replacement(scalarTypeOf(*e.args[0]), *e.args[1], call);
        }
        call += ')';
        if (const Variable* v = variable(*e.args[0])) {
            convertWritten(v->declared, call, ScalarType::Unknown, -1, true, out);  // its length too
        } else {
            out += call;
        }
        return;
    }
    if (e.text == "COALESCE") {
        coalesce(e, out);
        return;
    }
    if (e.text == "DATALENGTH") {
        datalength(*e.args[0], out);
        return;
    }
    if (e.text == "NULLIF") {
        out += "nullif(";  // compares its arguments as = does, in the collation SQL Server would
        comparand(*e.args[0], e.args[1].get(), out);
        out += ", ";
        expression(*e.args[1], out);
        out += ')';
        return;
    }
    if (rule->result == FunctionRule::Result::Numeric || rule->result == FunctionRule::Result::Float) {
        mathFunction(e, out);
        return;
    }
    if (e.text == "CHAR" || e.text == "NCHAR" || e.text == "ASCII" || e.text == "UNICODE") {
        out += e.text == "CHAR" || e.text == "NCHAR" ? "tsql_char(" : "tsql_code(";
        expression(*e.args[0], out);
        out += e.text == "NCHAR" || e.text == "UNICODE" ? ", 1)" : ", 0)";
        return;
    }
    if (e.text == "ABS" && scalarTypeOf(*e.args[0]) == ScalarType::Text) {
        out += "abs(tsql_float(";  // a text converts to float: 'x' is SQL Server's conversion error
        expression(*e.args[0], out);
        out += "))";
        return;
    }
    if (e.text == "STR") {
        out += "tsql_str(tsql_float(";
        expression(*e.args[0], out);
        out += "), ";
        if (e.args.size() > 1) {
            expressions(e.args, 1, out);
        } else {
            out += "10";
        }
        out += e.args.size() < 3 ? ", 0)" : ")";
        return;
    }
    if (e.text == "CHOOSE") {
        // The value at the index (converted to an int), NULL past the last.
        out += "CASE tsql_int(";
        expression(*e.args[0], out);
        out += ", 32)";
        for (std::size_t i = 1; i < e.args.size(); ++i) {
            out += " WHEN " + std::to_string(i) + " THEN ";
            expression(*e.args[i], out);
        }
        out += " END";
        return;
    }
    if (e.text == "CONCAT" || e.text == "CONCAT_WS") {
        // Each argument as text (numbers as SQL Server writes them), NULL as '' (CONCAT_WS leaves it out,
        // separator and all); without a max argument the result stops at 8,000 characters (4,000 national).
        const bool separated = e.text == "CONCAT_WS";
        bool large = false, unknown = false, national = false;
        for (const ExprPtr& a : e.args) {
            const ColumnTypes::Column f = facetsOf(*a);
            if (f.type == ScalarType::Text) {
                large = large || f.length < 0;
                unknown = unknown || f.length == 0;
                national = national || f.national;
            }
        }
        const std::string limit = large ? std::string() : unknown ? "0" : national ? "4000" : "8000";
        if (!limit.empty())
            out += "tsql_cut(";
        out += separated ? "tsql_concat_ws(" : "(";
        for (std::size_t i = 0; i < e.args.size(); ++i) {
            if (i)
                out += separated ? ", " : " || ";
            const Expr& a = *e.args[i];
            if (!separated)
                out += "ifnull(";
            const ScalarType t = scalarTypeOf(a);
            if (t == ScalarType::Text) {
                expression(a, out);
            } else {
                std::string value;
                expression(a, value);
                convertWritten(TypeName{"VARCHAR", {}, true}, value, t, scaleOf(a), false, out);
            }
            if (!separated)
                out += ", '')";
        }
        out += ')';
        if (!limit.empty())
            out += ", " + limit + ")";
        return;
    }
    if (const int bits = e.text == "ABS" ? facetsOf(*e.args[0]).bits : 0; bits >= 16) {
        // Of the argument's type: the least value's absolute value is beyond it, SQL Server's overflow error.
        out += "tsql_integer('a" + std::to_string(bits / 8) + "', ";
        expression(*e.args[0], out);
        out += ", 0)";
        return;
    }
    if (e.text == "SUM" || e.text == "AVG") {
        aggregate(e, out);
        return;
    }
    out += rule->sqlite;
    if (e.text == "CHARINDEX" || e.text == "REPLACE" || e.text == "PATINDEX")
        out += matchingSuffix(e);
    out += '(';
    if (e.star)
        out += '*';
    if (e.distinct)
        out += "DISTINCT ";
    const unsigned textArguments = textArgumentsOf(e.text);
    const bool extreme = (e.text == "MIN" || e.text == "MAX") && e.args.size() == 1;
    for (std::size_t i = 0; i < e.args.size(); ++i) {
        if (i)
            out += ", ";
        const Expr& a = *e.args[i];
        if (extreme && a.kind != ExprKind::Column && a.kind != ExprKind::Star && typeOf(a) != ValueType::Number) {
            expression(a, out);
            // the least and greatest text as the database, or the explicit collation, compares them
            if (!explicitlyCollated(a, out))
                out += databaseDefault;
            continue;
        }
        const ScalarType t = i < 32 && (textArguments & (1u << i)) ? scalarTypeOf(a) : ScalarType::Text;
        if (t == ScalarType::Decimal || t == ScalarType::Float || t == ScalarType::DateTime) {
            // A number or a date where text is wanted is written as SQL Server writes it: 1.50 keeps its scale.
            std::string value;
            expression(a, value);
            convertWritten(TypeName{"VARCHAR", {}, true}, value, t, scaleOf(a), false, out);
        } else {
            expression(a, out);
        }
    }
    if (e.text == "REPLICATE" || e.text == "REPLACE") {
        // A result of a non-max type stops at 8,000 characters (4,000 national).
        out += ", " + std::to_string(textLimit(facetsOf(*e.args[0])));
    }
    out += ')';
}

void QueryWriter::aggregate(const Expr& e, std::string& out) {
    const Expr& argument = *e.args[0];
    out += aggregateFunction(e.text, facetsOf(argument), scaleOf(argument));
    out += e.distinct ? "(DISTINCT " : "(";
    expression(argument, out);
    out += ')';
}

std::string QueryWriter::aggregateFunction(std::string_view function, const ColumnTypes::Column& of, int scale) {
    const std::string operation = function == "SUM" ? "sum" : "avg";
    if (of.type == ScalarType::Text || of.type == ScalarType::DateTime || of.type == ScalarType::Null || of.bit) {
        // SQL Server's error 8117, where the text tells the type's name.
        std::string type = of.bit                            ? "bit"
                           : of.type == ScalarType::DateTime ? "datetime"
                           : of.type == ScalarType::Null     ? "NULL"
                                                             : "";
        if (of.type == ScalarType::Text && of.length > 0)
            type = std::string(of.national ? "n" : "") + (of.fixed ? "char" : "varchar");
        if (type.empty())
            raiseUnsupported(QStringLiteral("%1 of a text").arg(qtext(function)));
        raiseSyntaxError(QStringLiteral("Operand data type %1 is invalid for %2 operator.")
                             .arg(QString::fromStdString(type), QString::fromStdString(operation)));
    }
    if (of.money)
        raiseUnsupported(QStringLiteral("%1 of money").arg(qtext(function)));  // its results keep four digits
    const ColumnTypes::Column result = aggregateResult(function, of, scale);
    if (result.type == ScalarType::Float)
        return operation;  // SQLite's, in floats as SQL Server's
    if (result.type == ScalarType::Integer)
        return "tsql_" + operation + (result.bits == 64 ? "_i64" : "_i32");
    if (result.type == ScalarType::Decimal && result.precision > 0) {
        // Named by the argument's scale, which the sum keeps.
        return "tsql_" + operation + "_d" + std::to_string(of.precision > 0 ? of.scale : scale);
    }
    return "tsql_" + operation + "_x";  // decided by the values, or refused
}

ColumnTypes::Column QueryWriter::aggregateResult(const Expr& e) const {
    if (e.args.empty())
        return aggregateResult(e.text, ColumnTypes::Column{}, -1);
    const ColumnTypes::Column of = facetsOf(*e.args[0]);
    // The scale where the type does not tell it (a literal's, a product's).
    const bool scaleUnknown = of.type == ScalarType::Decimal && of.precision == 0;
    return aggregateResult(e.text, of, scaleUnknown ? scaleOf(*e.args[0]) : -1);
}

ColumnTypes::Column QueryWriter::aggregateResult(std::string_view function, const ColumnTypes::Column& of, int scale) {
    ColumnTypes::Column result;
    if (function == "COUNT" || function == "COUNT_BIG") {
        result.type = ScalarType::Integer;
        result.bits = function == "COUNT" ? 32 : 64;
        result.precision = function == "COUNT" ? 10 : 19;
        return result;
    }
    if (function == "MIN" || function == "MAX" || of.money)
        return of;
    switch (of.type) {
    case ScalarType::Integer:
        if (of.bits > 0) {
            result.type = ScalarType::Integer;
            result.bits = std::max(of.bits, 32);  // tinyint and smallint sum as int
            result.precision = result.bits == 64 ? 19 : 10;
        }
        return result;
    case ScalarType::Decimal:
        result.type = ScalarType::Decimal;
        if (of.precision > 0)
            scale = of.scale;
        if (scale >= 0) {
            result.precision = 38;  // SQL Server sums a decimal in its widest precision
            result.scale = function == "AVG" ? std::max(scale, 6) : scale;
        }
        return result;
    case ScalarType::Float: result.type = ScalarType::Float; return result;
    default: return result;
    }
}

// ROUND, FLOOR, CEILING and SIGN keep their argument's type (ROUND and SIGN widen tinyint and smallint to
// int; FLOOR and CEILING give a decimal scale 0), so they are refused where it is not known; SIGN of a text
// and SQRT and SQUARE compute in float.
void QueryWriter::mathFunction(const Expr& e, std::string& out) {
    const Expr& a = *e.args[0];
    const ColumnTypes::Column f = facetsOf(a);
    const bool text = f.type == ScalarType::Text;
    if (e.text == "SQRT" || e.text == "SQUARE" || e.text == "SIGN") {
        out += e.text == "SQRT" ? "tsql_sqrt(" : e.text == "SQUARE" ? "tsql_square(" : "tsql_sign(";
        const bool toFloat = e.text != "SIGN" || text;
        out += toFloat ? "tsql_float(" : "(";
        expression(a, out);
        out += "))";
        return;
    }
    if (f.type == ScalarType::Null) {
        out += "NULL";
        return;
    }
    if (e.text == "FLOOR" || e.text == "CEILING") {
        if (f.type != ScalarType::Integer && f.type != ScalarType::Float && (f.type != ScalarType::Decimal || f.money))
            raiseUnsupported(QStringLiteral("%1 of a value that is no integer, decimal or float").arg(qtext(e.text)));
        out += "tsql_floor(";
        expression(a, out);
        out += e.text == "CEILING" ? ", 1, " : ", 0, ";
        out += f.type == ScalarType::Decimal ? "1)" : "0)";
        return;
    }
    const bool integer = f.type == ScalarType::Integer && f.bits > 0;
    if (!integer && (f.type != ScalarType::Decimal || f.money || f.precision <= 0))
        raiseUnsupported(QStringLiteral("ROUND of a value that is no integer or decimal of known precision"));
    out += "tsql_round(";
    expressions(e.args, 0, out);
    if (e.args.size() < 3)
        out += ", 0";
    out += ", " + std::to_string(integer ? std::max(f.bits, 32) : 0) + ", " + std::to_string(f.precision) + ", " +
           std::to_string(integer ? 0 : f.scale) + ')';
}

// DATALENGTH: a text's bytes as SQL Server stores it (two per character for the national types), a number's
// size by its type; where the type is not known, only a text can be measured.
void QueryWriter::datalength(const Expr& e, std::string& out) {
    const ColumnTypes::Column facets = facetsOf(e);
    int size = 0;
    switch (facets.type) {
    case ScalarType::Integer: size = facets.bits / 8; break;
    case ScalarType::Float: size = e.kind == ExprKind::Cast && e.type.name == "REAL" ? 4 : 8; break;
    case ScalarType::Decimal: raiseUnsupported(QStringLiteral("DATALENGTH of a decimal"));
    case ScalarType::Null: out += "NULL"; return;
    default: break;
    }
    if (size > 0) {
        out += "(CASE WHEN ";
        expression(e, out);
        out += " IS NULL THEN NULL ELSE " + std::to_string(size) + " END)";
        return;
    }
    if (facets.type != ScalarType::Text || facets.length == 0) {
        raiseUnsupported(QStringLiteral("DATALENGTH of a value whose type is not known"));
    }
    if (facets.fixed && facets.length > 0) {
        // Stored padded to its length (here without the blanks).
        out += "(CASE WHEN ";
        expression(e, out);
        out += " IS NULL THEN NULL ELSE " + std::to_string(facets.length * (facets.national ? 2 : 1)) + " END)";
        return;
    }
    out += "tsql_datalength(";
    expression(e, out);
    out += facets.national ? ", 1)" : ", 0)";
}

// COALESCE's result has the type of highest precedence among its arguments: with a number among them, a
// text argument is converted to a number ('5' becomes 5). All arguments the NULL constant is an error.
void QueryWriter::coalesce(const Expr& e, std::string& out) {
    bool allNull = true, text = false;
    ScalarType number = ScalarType::Unknown;
    for (const ExprPtr& a : e.args) {
        const ScalarType t = scalarTypeOf(*a);
        if (a->kind != ExprKind::Null)
            allNull = false;
        if (t == ScalarType::Text)
            text = true;
        if ((t == ScalarType::Integer || t == ScalarType::Decimal || t == ScalarType::Float) &&
            (number == ScalarType::Unknown || t > number)) {
            number = t;
        }
    }
    if (allNull) {
        raiseSyntaxError(
            QStringLiteral("At least one of the arguments to COALESCE must be an expression that is not "
                           "the NULL constant."));
    }
    out += "coalesce(";
    for (std::size_t i = 0; i < e.args.size(); ++i) {
        if (i)
            out += ", ";
        const Expr& a = *e.args[i];
        if (text && number != ScalarType::Unknown && scalarTypeOf(a) != number) {
            out += "tsql_number(";
            expression(a, out);
            out += number == ScalarType::Integer ? ", 1)" : ", 0)";
        } else {
            expression(a, out);
        }
    }
    out += ')';
}

// ISNULL's result has its first argument's type, so its replacement is converted to it: '' becomes 0 for an
// int, 5 becomes '5' for a text. Where the first argument's type is not known here (a parameter, a column
// of a temporary table an earlier batch created) the replacement stays as it is and the result has its own
// type.
void QueryWriter::replacement(ScalarType type, const Expr& e, std::string& out) {
    const ScalarType own = scalarTypeOf(e);
    const bool same = own == type || own == ScalarType::Null ||
                      (type == ScalarType::Decimal && own == ScalarType::Integer);  // stored alike
    if (same || type == ScalarType::Unknown || type == ScalarType::Null) {
        expression(e, out);
        return;
    }
    std::string value;
    expression(e, value);
    switch (type) {
    case ScalarType::Integer: convertWritten(TypeName{"BIGINT", {}, false}, value, own, scaleOf(e), false, out); return;
    case ScalarType::Float: convertWritten(TypeName{"FLOAT", {}, false}, value, own, scaleOf(e), false, out); return;
    case ScalarType::Text: convertWritten(TypeName{"VARCHAR", {}, true}, value, own, scaleOf(e), false, out); return;
    case ScalarType::Decimal:
        if (own == ScalarType::Text) {
            out += "tsql_number(" + value + ", 0)";  // '' or a word is SQL Server's conversion error
        } else {
            out += "CAST(" + value + " AS NUMERIC)";
        }
        return;
    case ScalarType::DateTime: out += "tsql_datetime(" + value + ", -1)"; return;
    case ScalarType::Unknown:
    case ScalarType::Null: break;
    }
    out += value;
}

// The type family of a value where the text and the tables' declared types tell it.
ScalarType QueryWriter::scalarTypeOf(const Expr& e) const {
    const auto numeric = [](ScalarType t) {
        return t == ScalarType::Integer || t == ScalarType::Decimal || t == ScalarType::Float;
    };
    switch (e.kind) {
    case ExprKind::Literal:
        if (e.text == "s")
            return ScalarType::Text;
        switch (Lexer::numberKind(lexer_.text(lexer_.literal(e.index)))) {
        case NumberKind::Integer:
            // Beyond int SQL Server takes an integer literal for a decimal of scale 0.
            return Lexer::fitsInt(lexer_.text(lexer_.literal(e.index))) ? ScalarType::Integer : ScalarType::Decimal;
        case NumberKind::Decimal: return ScalarType::Decimal;
        case NumberKind::Float: return ScalarType::Float;
        }
        return ScalarType::Unknown;
    case ExprKind::Null: return ScalarType::Null;
    case ExprKind::Column: return columnType(e);
    case ExprKind::Subquery: return e.query->forXmlPath ? ScalarType::Text : queryColumnAt(*e.query, 0).type;
    case ExprKind::Variable: {
        const Variable* v = variable(e);
        return v ? ColumnTypes::ofTypeName(v->declared.name) : ScalarType::Unknown;
    }
    case ExprKind::Cast: return ColumnTypes::ofTypeName(e.type.name);
    case ExprKind::Collate: return scalarTypeOf(*e.args[0]);
    case ExprKind::Unary: {
        const ScalarType t = scalarTypeOf(*e.args[0]);
        return e.text != "NOT" && numeric(t) ? t : ScalarType::Unknown;
    }
    case ExprKind::Binary: {
        ScalarType l = scalarTypeOf(*e.args[0]);
        for (std::size_t i = 0; i < e.ops.size(); ++i) {
            const std::string& op = e.ops[i];
            if (op != "+" && op != "-" && op != "*" && op != "/" && op != "%")
                return ScalarType::Unknown;
            const ScalarType r = scalarTypeOf(*e.args[i + 1]);
            if (op == "+" && l == ScalarType::Text && r == ScalarType::Text) {
                l = ScalarType::Text;
            } else if (numeric(l) && numeric(r)) {
                l = std::max(l, r);  // int, then decimal, then float
            } else if (l == ScalarType::Text && numeric(r)) {
                l = r;  // the text converts to the number
            } else if (!(numeric(l) && r == ScalarType::Text)) {
                return ScalarType::Unknown;
            }
        }
        return l;
    }
    case ExprKind::Function: {
        if (e.text == "GETDATE")
            return ScalarType::DateTime;
        if (isAggregate(e.text))
            return aggregateResult(e).type;
        if (e.args.empty())
            return ScalarType::Unknown;
        if (integerResultBits(e) >= 0)
            return ScalarType::Integer;
        const FunctionRule* rule = findFunctionRule(e.text);
        if (!rule)
            return ScalarType::Unknown;
        switch (rule->result) {
        case FunctionRule::Result::Text: return ScalarType::Text;
        case FunctionRule::Result::Integer: return ScalarType::Integer;
        case FunctionRule::Result::Float: return ScalarType::Float;
        case FunctionRule::Result::Numeric: {
            const ScalarType t = scalarTypeOf(*e.args[0]);
            return numeric(t) ? t : t == ScalarType::Text ? ScalarType::Float : ScalarType::Unknown;
        }
        case FunctionRule::Result::FirstArgument: return scalarTypeOf(*e.args[0]);
        case FunctionRule::Result::Replacement: {
            const ScalarType first = scalarTypeOf(*e.args[0]);
            return first == ScalarType::Null ? scalarTypeOf(*e.args[1]) : first;
        }
        case FunctionRule::Result::Number:
        case FunctionRule::Result::Choice:
        case FunctionRule::Result::FirstKnown: return ScalarType::Unknown;
        }
        return ScalarType::Unknown;
    }
    case ExprKind::Case: return caseFacets(e).type;
    default: return ScalarType::Unknown;
    }
}

// The width of the integer a function of integer result gives: int, bigint for the length of or a position
// in a max type, 0 where the text's type does not tell which; -1 for other functions. (The aggregates' types
// are SUM's and AVG's above.)
int QueryWriter::integerResultBits(const Expr& e) const {
    if (e.args.empty())
        return -1;
    if (e.text == "ASCII" || e.text == "UNICODE")
        return 32;
    const bool position = e.text == "CHARINDEX" || e.text == "PATINDEX";
    if (!position && e.text != "LEN" && e.text != "DATALENGTH")
        return -1;
    if (position && e.args.size() < 2)
        return 0;
    const ColumnTypes::Column text = facetsOf(*e.args[position ? 1 : 0]);
    if (text.type == ScalarType::Text)
        return text.length < 0 ? 64 : text.length > 0 ? 32 : 0;
    return text.type == ScalarType::Unknown ? 0 : 32;
}

// CASE's result takes the type of highest precedence of its results': a text result converts to a number
// result's type when its branch is taken.
ColumnTypes::Column QueryWriter::caseFacets(const Expr& e) const {
    ColumnTypes::Column type;
    type.type = ScalarType::Null;
    const auto result = [&](const Expr& r) { type = compoundOf(type, facetsOf(r)); };
    const std::size_t pairsEnd = e.args.size() - (e.hasElse ? 1 : 0);
    for (std::size_t i = e.hasOperand ? 2 : 1; i < pairsEnd; i += 2)
        result(*e.args[i]);
    if (e.hasElse)
        result(*e.args.back());
    return type;
}

bool QueryWriter::isNumber(ScalarType type) {
    return type == ScalarType::Integer || type == ScalarType::Decimal || type == ScalarType::Float;
}

void QueryWriter::textAsNumber(const ColumnTypes::Column& type, const Expr& e, const char* where, std::string& out) {
    std::string typeName = type.type == ScalarType::Float ? "FLOAT" : "DECIMAL";
    if (type.type == ScalarType::Integer) {
        typeName = type.bits == 8 ? "TINYINT" : type.bits == 16 ? "SMALLINT" : type.bits == 32 ? "INT" : "BIGINT";
    }
    if ((type.type == ScalarType::Integer && !type.bits) || (type.type == ScalarType::Decimal && type.precision == 0)) {
        raiseUnsupported(QStringLiteral("text in a %1 of unknown precision").arg(QLatin1String(where)));
    }
    TypeName target{typeName, {}, false};
    if (type.type == ScalarType::Decimal)
        target.arguments = {type.precision, type.scale};
    convert(target, e, out);
}

// A column's type, found as SQL Server resolves the name: a qualified one by the alias (or name) of its
// table, an unqualified one in the innermost query whose tables have it. A source whose columns are not
// known here (PIVOT, a temporary table the batch did not create) makes a name it might hold unknown.
ScalarType QueryWriter::columnType(const Expr& column) const {
    const std::optional<ColumnTypes::Column> c = columnOf(column);
    return c ? c->type : ScalarType::Unknown;
}

std::optional<ColumnTypes::Column> QueryWriter::columnOf(const Expr& column) const {
    const std::string name = upperAscii(column.names.back());
    const bool qualified = column.names.size() >= 2;
    const std::string qualifier = qualified ? upperAscii(column.names[column.names.size() - 2]) : std::string();
    for (std::size_t level = scopes_.size(); level-- > 0;) {
        const Scope& scope = scopes_[level];
        bool opaque = false;
        std::optional<ColumnTypes::Column> found;
        bool matched = false;  // the qualifier names a source of this scope
        const auto source = [&](std::string_view table, std::string_view alias, const auto& lookup) {
            if (matched || (qualified && upperAscii(alias.empty() ? table : alias) != qualifier))
                return;
            matched = qualified;
            const SourceColumn c = lookup();
            if (!c.known) {
                opaque = true;
            } else if (!found && c.column) {
                found = c.column;
            }
        };
        const auto inTable = [&](const ColumnTypes::Columns* columns) {
            SourceColumn c;
            c.known = columns != nullptr;
            if (columns) {
                if (const auto it = columns->find(name); it != columns->end())
                    c.column = it->second;
            }
            return c;
        };
        const auto table = [&](std::string_view table) {
            const std::string key = upperAscii(table);
            for (auto cte = ctes_.rbegin(); cte != ctes_.rend(); ++cte) {
                if (upperAscii((*cte)->name) == key)
                    return queryColumn(*(*cte)->query, name, (*cte)->columns.empty() ? nullptr : &(*cte)->columns, 0);
            }
            if (!table.empty() && table[0] == '#')
                return inTable(columnTypes_.temporary(table));
            return inTable(columnTypes_.columns(table));
        };
        const auto walk = [&](const auto& self, const TableRef& ref) -> void {
            switch (ref.kind) {
            case TableRef::Kind::Table: source(ref.name, ref.alias, [&] { return table(ref.name); }); return;
            case TableRef::Kind::Join:
                self(self, *ref.left);
                self(self, *ref.right);
                return;
            case TableRef::Kind::Derived:
                source({}, ref.alias, [&] {
                    // A derived table sees the scopes around its query, not its siblings.
                    return ref.columnAliases.empty() ? queryColumn(*ref.query, name, nullptr, level) : SourceColumn{};
                });
                return;
            case TableRef::Kind::Pivot: source({}, ref.alias, [] { return SourceColumn{}; }); return;
            }
        };
        if (!scope.table.empty())
            source(scope.table, {}, [&] { return table(scope.table); });
        if (scope.from) {
            for (const auto& ref : *scope.from)
                walk(walk, *ref);
        }
        if (found)
            return found;
        if (opaque || matched)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<ColumnTypes::Columns> QueryWriter::resultColumns(const Select& query) const {
    ColumnTypes::Columns columns;
    for (std::size_t i = 0; i < query.items.size(); ++i) {
        const SelectItem& item = query.items[i];
        if (!item.hasAlias && item.expr->kind != ExprKind::Column)
            return std::nullopt;
        columns.emplace(upperAscii(item.hasAlias ? item.alias : item.expr->names.back()), queryColumnAt(query, i));
    }
    return columns;
}

QueryWriter::SourceColumn QueryWriter::queryColumn(const Select& query, const std::string& name,
                                                   const std::vector<std::string>* names, std::size_t level) const {
    const auto key = std::make_pair(&query, name);
    if (const auto it = queryColumns_.find(key); it != queryColumns_.end())
        return it->second;
    if (std::find(resolving_.begin(), resolving_.end(), &query) != resolving_.end())
        return {};  // a recursive CTE's column: its type is its anchor's, which is not worked out here
    // Worked out from the scopes the query sees, then those open again.
    struct Restore {
        const QueryWriter& writer;
        std::vector<Scope> scopes;
        ~Restore() {
            writer.scopes_ = std::move(scopes);
            writer.resolving_.pop_back();
        }
    } restore{*this, scopes_};
    resolving_.push_back(&query);
    scopes_.resize(std::min(level, scopes_.size()));
    SourceColumn result;
    result.known = true;
    const bool single = query.compounds.empty();
    for (std::size_t i = 0; i < query.items.size(); ++i) {
        const SelectItem& item = query.items[i];
        if (names) {
            if (i < names->size() && upperAscii((*names)[i]) == name) {
                result.column = queryColumnAt(query, i);
                break;
            }
            continue;
        }
        if (item.expr->kind == ExprKind::Star && !item.hasAlias) {
            // The columns of the sources it names: the name as the query's own FROM resolves it.
            if (!single)
                return queryColumns_[key] = SourceColumn{};
            Expr column;
            column.kind = ExprKind::Column;
            column.names = item.expr->names;
            column.names.push_back(name);
            scopes_.push_back(Scope{{}, &query.from});
            result.column = columnOf(column);
            scopes_.pop_back();
            result.known = result.column.has_value();
            if (result.column)
                break;
            continue;
        }
        const bool named = item.hasAlias
                               ? upperAscii(item.alias) == name
                               : item.expr->kind == ExprKind::Column && upperAscii(item.expr->names.back()) == name;
        if (named) {
            result.column = queryColumnAt(query, i);
            result.known = true;
            break;
        }
    }
    return queryColumns_[key] = result;
}

ColumnTypes::Column QueryWriter::queryColumnAt(const Select& query, std::size_t position) const {
    ColumnTypes::Column type;
    bool first = true;
    const auto branch = [&](const Select& b) {
        if (position >= b.items.size())
            return false;
        for (std::size_t i = 0; i <= position; ++i) {
            if (b.items[i].expr->kind == ExprKind::Star)
                return false;  // its columns are counted elsewhere
        }
        scopes_.push_back(Scope{{}, &b.from});
        const ColumnTypes::Column own = facetsOf(*b.items[position].expr);
        scopes_.pop_back();
        type = first ? own : compoundOf(type, own);
        first = false;
        return true;
    };
    if (!branch(query))
        return {};
    for (const auto& [op, next] : query.compounds) {
        if (!branch(*next))
            return {};
    }
    return type.type == ScalarType::Null ? ColumnTypes::Column{} : type;
}

// The type of a compound's column with branches of types a and b: that of higher precedence (datetime,
// float, decimal, integers by width, text), a decimal wide enough for both, a text as long as the longer.
// Unknown where that is not worked out here.
ColumnTypes::Column QueryWriter::compoundOf(const ColumnTypes::Column& a, const ColumnTypes::Column& b) {
    using T = ScalarType;
    if (a.type == T::Null)
        return b;
    if (b.type == T::Null)
        return a;
    if (a.type == T::Unknown || b.type == T::Unknown || a.money || b.money)
        return {};
    ColumnTypes::Column c;
    if (a.type == T::Text && b.type == T::Text) {
        c.type = T::Text;
        c.national = a.national || b.national;
        c.fixed = a.fixed && b.fixed;
        c.length = a.length < 0 || b.length < 0     ? -1
                   : a.length == 0 || b.length == 0 ? 0
                                                    : std::max(a.length, b.length);
        return c;
    }
    if (a.type == T::Text || b.type == T::Text) {
        const ColumnTypes::Column& other = a.type == T::Text ? b : a;
        return other.type == T::DateTime ? ColumnTypes::Column{} : other;  // the text converts to the number
    }
    if (a.type == T::DateTime || b.type == T::DateTime)
        return a.type == b.type ? a : ColumnTypes::Column{};
    if (a.type == T::Float || b.type == T::Float) {
        c.type = T::Float;
        return c;
    }
    if (a.type == T::Integer && b.type == T::Integer) {
        c.type = T::Integer;
        c.bits = a.bits && b.bits ? std::max(a.bits, b.bits) : 0;
        c.precision = c.bits ? std::max(a.precision, b.precision) : 0;
        return c;
    }
    // Decimals, or a decimal and an integer (of its type's digits): the larger integer part and scale.
    c.type = T::Decimal;
    if (a.precision > 0 && b.precision > 0) {
        const int scale = std::max(a.scale, b.scale);
        const int precision = std::max(a.precision - a.scale, b.precision - b.scale) + scale;
        if (precision <= 38) {
            c.precision = precision;
            c.scale = scale;
        }
    }
    return c;
}

ColumnTypes::Column QueryWriter::facetsOf(const TypeName& type, bool declaration) {
    std::string declared = type.name;
    if (type.max) {
        declared += "(MAX)";
    } else if (!type.arguments.empty()) {
        declared += '(' + std::to_string(type.arguments[0]);
        if (type.arguments.size() > 1)
            declared += ", " + std::to_string(type.arguments[1]);
        declared += ')';
    }
    ColumnTypes::Column facets = ColumnTypes::ofDeclared(declared);
    const bool variable =
        type.name == "VARCHAR" || type.name == "NVARCHAR" || type.name == "CHAR" || type.name == "NCHAR";
    if (variable && !type.max && type.arguments.empty())
        facets.length = declaration ? 1 : 30;
    return facets;
}

ColumnTypes::Column QueryWriter::facetsOf(const Expr& e) const {
    if (e.kind == ExprKind::Function && isAggregate(e.text))
        return aggregateResult(e);
    ColumnTypes::Column facets;
    facets.type = scalarTypeOf(e);
    const auto integer = [](ScalarType t) { return t == ScalarType::Integer; };
    switch (e.kind) {
    case ExprKind::Literal: {
        const Token& token = lexer_.literal(e.index);
        if (e.text == "s") {
            facets.national = token.national;
            // A literal long enough may be of a max type: its length is left unknown.
            facets.length = token.length > Lexer::longLiteral ? 0 : facets.national ? 4000 : 8000;
        } else if (integer(facets.type)) {
            facets.bits = 32;
            facets.precision = 10;
        } else if (facets.type == ScalarType::Decimal) {
            // SQL Server's type of the literal: its digits (leading zeros aside) and those after the point.
            const std::string_view number = lexer_.text(token);
            const std::size_t point = number.find('.');
            facets.scale = point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
            facets.precision = Lexer::decimalPrecision(number);
            if (facets.precision > 38)
                facets.precision = facets.scale = 0;
        }
        return facets;
    }
    case ExprKind::Column: return columnOf(e).value_or(facets);
    case ExprKind::Subquery: return e.query->forXmlPath ? facets : queryColumnAt(*e.query, 0);
    case ExprKind::Variable:
        if (const Variable* v = variable(e))
            return facetsOf(v->declared, true);
        return facets;
    case ExprKind::Cast: return facetsOf(e.type, false);
    case ExprKind::Collate: return facetsOf(*e.args[0]);
    case ExprKind::Unary: return e.text == "NOT" ? facets : facetsOf(*e.args[0]);
    case ExprKind::Binary: {
        if (isComparison(e.ops[0]) || e.ops[0] == "AND" || e.ops[0] == "OR")
            return facets;
        ColumnTypes::Column first = facetsOf(*e.args[0]);
        if (facets.type == ScalarType::Text) {
            // A concatenation: as long as its parts together, of a national type if one part is.
            facets.length = first.length;
            facets.national = first.national;
            for (std::size_t i = 1; i < e.args.size(); ++i) {
                const ColumnTypes::Column part = facetsOf(*e.args[i]);
                facets.national = facets.national || part.national;
                if (facets.length < 0 || part.length < 0) {
                    facets.length = -1;
                } else if (facets.length == 0 || part.length == 0) {
                    facets.length = 0;
                } else {
                    facets.length = std::min(facets.length + part.length, 8000);
                }
            }
            if (facets.length > 0)
                facets.length = std::min(facets.length, facets.national ? 4000 : 8000);
        } else if (integer(facets.type)) {
            // Each operand's facets read once: reading them again at every level of a nested expression
            // would take time exponential in its depth.
            facets.bits = first.bits;
            facets.precision = first.precision;  // of the widest integer
            for (std::size_t i = 1; i < e.args.size() && facets.bits; ++i) {
                const ColumnTypes::Column operand = facetsOf(*e.args[i]);
                facets.bits = operand.bits ? std::max(facets.bits, operand.bits) : 0;
                if (facets.precision)
                    facets.precision = std::max(facets.precision, operand.precision);
            }
            if (!facets.bits)
                facets.precision = 0;
        } else if (facets.type == ScalarType::Decimal) {
            ColumnTypes::Column so = first;
            for (std::size_t i = 0; i < e.ops.size() && so.precision > 0; ++i) {
                const std::string& op = e.ops[i];
                if (op != "+" && op != "-" && op != "*" && op != "/" && op != "%")
                    return facets;
                so = decimalResult(op[0], so, facetsOf(*e.args[i + 1]));
            }
            if (so.precision > 0) {
                facets.precision = so.precision;
                facets.scale = so.scale;
            }
        }
        return facets;
    }
    case ExprKind::Case: return caseFacets(e);
    case ExprKind::Function: {
        if (e.args.empty())
            return facets;
        if (const int bits = integerResultBits(e); bits >= 0) {
            facets.bits = bits;
            facets.precision = bits == 64 ? 19 : bits == 32 ? 10 : 0;
            return facets;
        }
        const ColumnTypes::Column first = facetsOf(*e.args[0]);
        if (e.text == "ABS" || e.text == "NULLIF")
            return first;
        if (e.text == "ROUND" || e.text == "SIGN" || e.text == "FLOOR" || e.text == "CEILING") {
            if (facets.type != first.type)
                return facets;  // a float from a text
            facets = first;
            if (facets.type == ScalarType::Decimal && (e.text == "FLOOR" || e.text == "CEILING"))
                facets.scale = 0;
            if (facets.bits > 0 && facets.bits < 32 && e.text != "FLOOR" && e.text != "CEILING") {
                facets.bits = 32;  // tinyint and smallint give an int
                facets.precision = 10;
            }
            return facets;
        }
        if (e.text == "ISNUMERIC") {
            facets.bits = 32;
            facets.precision = 10;
            return facets;
        }
        if (e.text == "QUOTENAME") {
            facets.national = true;
            facets.length = 258;
            return facets;
        }
        if (e.text == "ISNULL")
            return first.type == ScalarType::Null ? facetsOf(*e.args[1]) : first;
        if (facets.type != ScalarType::Text)
            return facets;
        facets.national = first.national || e.text == "NCHAR";
        const bool sameLength = e.text == "LEFT" || e.text == "RIGHT" || e.text == "SUBSTRING" || e.text == "LTRIM" ||
                                e.text == "RTRIM" || e.text == "TRIM" || e.text == "UPPER" || e.text == "LOWER" ||
                                e.text == "REVERSE";
        const bool limited = e.text == "REPLACE" || e.text == "REPLICATE" || e.text == "STUFF" || e.text == "CONCAT" ||
                             e.text == "CONCAT_WS";
        if (sameLength && first.type == ScalarType::Text) {
            facets.length = first.length;
        } else if (limited && first.length > 0) {
            facets.length = facets.national ? 4000 : 8000;
        } else if (e.text == "CHAR" || e.text == "NCHAR") {
            facets.length = 1;
        } else if (e.text == "SPACE") {
            facets.length = 8000;
        } else if (e.text == "NEWID") {
            facets.length = 36;
        }
        return facets;
    }
    default: return facets;
    }
}

int QueryWriter::textLimit(const ColumnTypes::Column& facets) const {
    if (facets.length < 0)
        return -1;
    if (facets.length == 0)
        return 0;
    return facets.national ? 4000 : 8000;
}

void QueryWriter::convert(const TypeName& type, const Expr& e, std::string& out, bool declaration, const Expr* style) {
    std::string value;
    expression(e, value);
    std::string styleSql = "-1";
    if (style) {
        styleSql.clear();
        expression(*style, styleSql);
    }
    convertWritten(type, value, scalarTypeOf(e), scaleOf(e), declaration, out, styleSql);
}

const QueryWriter::Variable* QueryWriter::variable(const Expr& e) const {
    if (e.kind != ExprKind::Variable)
        return nullptr;
    const auto it = variables_.find(e.text);
    return it == variables_.end() ? nullptr : &it->second;
}

void QueryWriter::convertWritten(const TypeName& type, const std::string& written, ScalarType from, int scale,
                                 bool declaration, std::string& out, const std::string& style) {
    const std::string& n = type.name;
    std::string value = written;
    if (n == "DATETIME") {
        out += from == ScalarType::DateTime ? value : "tsql_datetime(" + value + ", " + style + ")";
        return;
    }
    if (from == ScalarType::DateTime && type.isText()) {
        value = "tsql_datetext(" + value + ", " + style + ")";  // as SQL Server writes it in the style
        from = ScalarType::Text;
    } else if (style != "-1" && from != ScalarType::Text && from != ScalarType::Integer && from != ScalarType::Null) {
        // The style of a float, money or date: a value whose type is not known might be any of them.
        raiseUnsupported(QStringLiteral("CONVERT with a style of a value that is no DATETIME, text or integer"));
    }
    const auto argument = [&](std::size_t i, int otherwise) {
        return i < type.arguments.size() ? type.arguments[i] : otherwise;
    };
    if (n == "UNIQUEIDENTIFIER") {
        out += "CAST(" + value + " AS TEXT)";
        return;
    }
    if (type.isText()) {
        const bool national = n[0] == 'N' || n == "SYSNAME";
        const bool fixed = n == "CHAR" || n == "NCHAR";
        int length = argument(0, declaration ? 1 : 30);
        if (type.max || n == "TEXT" || n == "NTEXT" || n == "XML")
            length = -1;
        if (n == "SYSNAME")
            length = 128;
        if (from == ScalarType::Float)
            raiseUnsupported(QStringLiteral("conversion of a float to text"));
        if (from == ScalarType::Decimal && scale < 0) {
            raiseUnsupported(QStringLiteral("conversion to text of a decimal of unknown scale"));
        }
        if (from == ScalarType::Text && length < 0) {
            out += value;
            return;
        }
        out += "tsql_text(" + value + ", " + std::to_string(length) + ", " +
               std::to_string((national ? 1 : 0) | (fixed ? 2 : 0)) + ", " + std::to_string(scale) + ")";
        return;
    }
    if (n == "INT" || n == "BIGINT" || n == "SMALLINT" || n == "TINYINT") {
        const int bits = n == "TINYINT" ? 8 : n == "SMALLINT" ? 16 : n == "INT" ? 32 : 64;
        out += "tsql_int(" + value + ", " + std::to_string(bits) + ")";
        return;
    }
    if (n == "BIT") {
        out += "tsql_bit(" + value + ")";
        return;
    }
    if (n == "FLOAT" || n == "REAL") {
        out += "tsql_float(" + value + ")";
        return;
    }
    if (n == "DECIMAL" || n == "NUMERIC" || n == "MONEY" || n == "SMALLMONEY") {
        const bool money = n == "MONEY" || n == "SMALLMONEY";
        const int precision = money ? (n == "MONEY" ? 19 : 10) : argument(0, 18);
        const int decimals = money ? 4 : argument(1, 0);
        if (precision < 1 || precision > 38 || decimals < 0 || decimals > precision) {
            raiseSyntaxError(QStringLiteral("The scale must be less than or equal to the precision."));
        }
        out += "tsql_decimal(" + value + ", " + std::to_string(precision) + ", " + std::to_string(decimals) + ")";
        return;
    }
    if (declaration) {
        out += value;  // dates and the rest keep the value as it is
        return;
    }
    raiseUnsupported(QStringLiteral("CAST to %1").arg(qtext(n)));
}

void QueryWriter::stored(std::string_view table, std::string_view column, const Expr& value, std::string& out) {
    std::string written;
    expression(value, written);
    if (value.kind == ExprKind::Default || value.kind == ExprKind::Null) {
        out += written;
        return;
    }
    storedWritten(table, column, written, scalarTypeOf(value), scaleOf(value), out);
}

void QueryWriter::storedWritten(std::string_view table, std::string_view column, const std::string& written,
                                ScalarType from, int scale, std::string& out) {
    const bool temporary = !table.empty() && table[0] == '#';
    const ColumnTypes::Columns* columns = temporary ? columnTypes_.temporary(table) : columnTypes_.columns(table);
    const auto it = columns ? columns->find(upperAscii(column)) : ColumnTypes::Columns::const_iterator{};
    if (!columns || it == columns->end()) {
        out += written;
        return;
    }
    const ColumnTypes::Column& target = it->second;
    switch (target.type) {
    case ScalarType::Integer: out += "tsql_int(" + written + ", " + std::to_string(target.bits) + ")"; return;
    case ScalarType::Decimal:
        if (target.precision > 0) {
            out += "tsql_decimal(" + written + ", " + std::to_string(target.precision) + ", " +
                   std::to_string(target.scale) + ")";
            return;
        }
        break;  // money keeps its value
    case ScalarType::Float: out += "tsql_float(" + written + ")"; return;
    case ScalarType::Text:
        if (target.length > 0 && from != ScalarType::DateTime) {
            if (from == ScalarType::Float)
                raiseUnsupported(QStringLiteral("a float written into a text column"));
            // kind 4: a write, which refuses to cut anything but blanks.
            out += "tsql_text(" + written + ", " + std::to_string(target.length) + ", " +
                   std::to_string((target.national ? 1 : 0) | (target.fixed ? 2 : 0) | 4) + ", " +
                   std::to_string(from == ScalarType::Decimal   ? scale
                                  : from == ScalarType::Integer ? 0
                                                                : -1) +
                   ")";
            return;
        }
        break;
    case ScalarType::DateTime:
        if (from == ScalarType::Text) {
            out += "tsql_datetime(" + written + ", -1)";
            return;
        }
        break;
    default:
        if (target.bit) {
            out += "tsql_bit(" + written + ")";
            return;
        }
        break;
    }
    out += written;
}

int QueryWriter::scaleOf(const Expr& e) const {
    const auto ofType = [](const TypeName& t) {
        const std::string& n = t.name;
        if (n == "INT" || n == "BIGINT" || n == "SMALLINT" || n == "TINYINT" || n == "BIT")
            return 0;
        if (n == "MONEY" || n == "SMALLMONEY")
            return 4;
        if (n == "DECIMAL" || n == "NUMERIC")
            return t.arguments.size() > 1 ? t.arguments[1] : 0;
        return -1;
    };
    switch (e.kind) {
    case ExprKind::Literal: {
        if (e.text == "s")
            return -1;
        const std::string_view number = lexer_.text(lexer_.literal(e.index));
        switch (Lexer::numberKind(number)) {
        case NumberKind::Integer: return 0;
        case NumberKind::Decimal: return static_cast<int>(number.size() - number.find('.') - 1);
        case NumberKind::Float: return -1;
        }
        return -1;
    }
    case ExprKind::Cast: return ofType(e.type);
    case ExprKind::Variable: {
        const Variable* v = variable(e);
        return v ? ofType(v->declared) : -1;
    }
    case ExprKind::Column: return columnType(e) == ScalarType::Integer ? 0 : -1;
    case ExprKind::Unary: return e.text == "NOT" ? -1 : scaleOf(*e.args[0]);
    case ExprKind::Collate: return scaleOf(*e.args[0]);
    case ExprKind::Binary: {
        if (const ColumnTypes::Column f = facetsOf(e); f.type == ScalarType::Decimal && f.precision > 0)
            return f.scale;  // as SQL Server sets it, reduced past 38 digits
        int scale = scaleOf(*e.args[0]);
        for (std::size_t i = 0; i < e.ops.size() && scale >= 0; ++i) {
            const int right = scaleOf(*e.args[i + 1]);
            if (right < 0)
                return -1;
            if (e.ops[i] == "+" || e.ops[i] == "-") {
                scale = std::max(scale, right);
            } else if (e.ops[i] == "*") {
                scale += right;
            } else {
                return -1;
            }
        }
        return scale > 38 ? -1 : scale;
    }
    case ExprKind::Function:
        if (e.args.empty())
            return -1;
        if (e.text == "ABS" || e.text == "MIN" || e.text == "MAX" || e.text == "ISNULL" || e.text == "ROUND" ||
            e.text == "SIGN")
            return scaleOf(*e.args[0]);
        if (isAggregate(e.text)) {
            const ColumnTypes::Column result = aggregateResult(e);
            if (result.type == ScalarType::Integer)
                return 0;
            return result.type == ScalarType::Decimal && result.precision > 0 ? result.scale : -1;
        }
        if (e.text == "FLOOR" || e.text == "CEILING" || e.text == "ISNUMERIC") {
            const ScalarType t = scalarTypeOf(e);
            return t == ScalarType::Integer || t == ScalarType::Decimal ? 0 : -1;
        }
        return -1;
    default: return -1;
    }
}

// A chain of operators of one level, written flat: SQLite parses a long flat chain without growing its
// parser stack. + means what SQL Server's types make of it: arithmetic of two numbers, concatenation of two
// texts, and a run-time decision (tsql_plus, which takes a run of such steps at once) otherwise, which also
// raises SQL Server's error for a text that is no number. Where SQLite ranks the next operator differently
// from the previous one (||, & and | are not on the level of + and - there), the part written so far is put
// in parentheses, so the chain still runs left to right.
void QueryWriter::chain(const Expr& e, std::string& out) {
    enum class Kind {
        None,
        Logical,
        Multiplicative,
        Additive,
        Concatenation,
        BitAnd,
        BitOr,
        Decided,
        Integer,
        Decimal
    };
    std::string prefix;
    expression(*e.args[0], prefix);
    ValueType type = typeOf(*e.args[0]);
    Kind previous = Kind::None;
    bool decimalSoFar = scalarTypeOf(*e.args[0]) == ScalarType::Decimal;  // of the terms written so far
    bool floatSoFar = scalarTypeOf(*e.args[0]) == ScalarType::Float;
    int bitsSoFar = facetsOf(*e.args[0]).bits;  // the width of the integer the terms so far make, else 0
    // The terms so far as a decimal or an integer (precision and scale), else of type Unknown.
    ColumnTypes::Column exactSoFar = facetsOf(*e.args[0]);
    const auto exact = [](ScalarType t) { return t == ScalarType::Integer || t == ScalarType::Decimal; };
    if (!exact(exactSoFar.type))
        exactSoFar = ColumnTypes::Column{};
    // A number whose type the text does not tell (a temporary table's column, a parameter): a float or a
    // decimal. With a decimal it is computed exactly and checked against what a float would give.
    const auto unknownNumber = [this](const Expr& x) {
        return scalarTypeOf(x) == ScalarType::Unknown && typeOf(x) != ValueType::Text && typeOf(x) != ValueType::Null;
    };
    bool soFarUnknown = unknownNumber(*e.args[0]);  // the terms so far make such a number
    bool checked = false;                           // the exact run so far holds such a number
    bool openCall = false;  // prefix is a call of tsql_plus or tsql_integer without its closing parenthesis
    std::string runOps;     // the operators of that call, written as its first argument when it closes
    std::string_view call;
    const auto closeCall = [&] {
        prefix.insert(call.size(), "'" + runOps + "', ");
        prefix += ')';
        openCall = false;
    };
    const auto integerFacets = [](int bits) {
        ColumnTypes::Column f;
        f.type = ScalarType::Integer;
        f.bits = bits;
        f.precision = bits == 8 ? 3 : bits == 16 ? 5 : bits == 32 ? 10 : 19;
        return f;
    };
    for (std::size_t i = 0; i < e.ops.size(); ++i) {
        const std::string& op = e.ops[i];
        const Expr& right = *e.args[i + 1];
        ValueType rightType = typeOf(right);
        ScalarType rightScalar = scalarTypeOf(right);
        int rightBits = facetsOf(right).bits;
        std::string rightSql;
        expression(right, rightSql);
        const bool arithmetic = op == "+" || op == "-" || op == "*" || op == "/" || op == "%";
        if (arithmetic &&
            (rightScalar == ScalarType::DateTime || (i == 0 && scalarTypeOf(*e.args[0]) == ScalarType::DateTime))) {
            raiseUnsupported(QStringLiteral("arithmetic or concatenation with a DATETIME"));
        }
        // A text with a number converts to the number's type, which sets the arithmetic: 2147483647 * '2'
        // overflows an int, 3 * '2.5' is a conversion error.
        const bool leftText = i == 0 && scalarTypeOf(*e.args[0]) == ScalarType::Text;
        const bool leftNumber = !leftText && type == ValueType::Number;
        if (arithmetic && rightScalar == ScalarType::Text && leftNumber) {
            if (decimalSoFar || exactSoFar.type == ScalarType::Decimal)
                raiseUnsupported(QStringLiteral("arithmetic of a decimal with a text"));
            if (bitsSoFar) {
                rightSql = "tsql_int(" + rightSql + ", " + std::to_string(bitsSoFar) + ")";
                rightScalar = ScalarType::Integer;
                rightBits = bitsSoFar;
                rightType = ValueType::Number;
            } else if (floatSoFar) {
                rightSql = "tsql_float(" + rightSql + ")";
                rightScalar = ScalarType::Float;
                rightType = ValueType::Number;
            }
        } else if (arithmetic && leftText && (exact(rightScalar) || rightScalar == ScalarType::Float)) {
            if (rightScalar == ScalarType::Decimal)
                raiseUnsupported(QStringLiteral("arithmetic of a decimal with a text"));
            if (rightBits) {
                prefix = "tsql_int(" + prefix + ", " + std::to_string(rightBits) + ")";
                bitsSoFar = rightBits;
                exactSoFar = integerFacets(rightBits);
                type = ValueType::Number;
            } else if (rightScalar == ScalarType::Float) {
                prefix = "tsql_float(" + prefix + ")";
                floatSoFar = true;
                type = ValueType::Number;
            }
        }
        Kind kind = Kind::Logical;
        const char* sql = nullptr;
        const ColumnTypes::Column rightFacets = rightScalar == ScalarType::Integer && rightBits
                                                    ? integerFacets(rightBits)
                                                : exact(rightScalar) ? facetsOf(right)
                                                                     : ColumnTypes::Column{};
        if (arithmetic && (rightFacets.money || (i == 0 && exactSoFar.money)))
            raiseUnsupported(QStringLiteral("arithmetic on money"));  // its results keep four digits, not a decimal's
        // + of a value that may be text is a concatenation or a sum, decided at run time (tsql_plus).
        const bool leftUnknown = soFarUnknown && (op != "+" || type == ValueType::Number);
        const bool rightUnknown = unknownNumber(right) && (op != "+" || rightType == ValueType::Number);
        if (arithmetic && bitsSoFar && rightBits) {
            // Integers keep their type, so a result beyond it is SQL Server's overflow error.
            kind = Kind::Integer;
        } else if ((op == "/" || op == "%") && exactSoFar.precision > 0 && rightFacets.precision > 0 &&
                   (exactSoFar.type == ScalarType::Decimal || rightFacets.type == ScalarType::Decimal)) {
            kind = Kind::Decimal;  // of known precisions only: they set the quotient's scale
        } else if ((op == "+" || op == "-" || op == "*") && (exact(exactSoFar.type) || leftUnknown) &&
                   (exact(rightFacets.type) || rightUnknown) &&
                   (exactSoFar.type == ScalarType::Decimal || rightFacets.type == ScalarType::Decimal || leftUnknown ||
                    rightUnknown)) {
            // A decimal with a decimal or an integer: exact, as SQL Server computes it (a double would round).
            kind = Kind::Decimal;
        } else if (op == "+") {
            if (type == ValueType::Number && rightType == ValueType::Number) {
                kind = Kind::Additive;
                sql = " + ";
            } else if (plusType(type, rightType) == ValueType::Text) {
                kind = Kind::Concatenation;
                sql = " || ";
            } else {
                kind = Kind::Decided;
            }
        } else if (op == "-") {
            kind = Kind::Additive;
        } else if (op == "*" || op == "/" || op == "%") {
            kind = Kind::Multiplicative;
            if (op != "*") {
                const ScalarType r = rightScalar;
                if (decimalSoFar || r == ScalarType::Decimal) {
                    // The result's scale follows from the operands' precisions, which the text does not tell.
                    raiseUnsupported(op == "/" ? QStringLiteral("division of decimal numbers of unknown precision")
                                               : QStringLiteral("modulo of decimal numbers of unknown precision"));
                }
                if (op == "%" && (floatSoFar || r == ScalarType::Float)) {
                    raiseUnsupported(QStringLiteral("modulo of float numbers"));
                }
                // A decimal column's whole value is kept as an integer: it would divide as one.
                const auto unknownColumn = [&](const Expr& x) {
                    return x.kind == ExprKind::Column && unknownNumber(x);
                };
                if ((unknownColumn(right) || (i == 0 && unknownColumn(*e.args[0]))) && !floatSoFar &&
                    r != ScalarType::Float) {
                    raiseUnsupported(QStringLiteral("division of a column whose type is not known"));
                }
            }
        } else if (op == "&") {
            kind = Kind::BitAnd;
        } else if (op == "|") {
            kind = Kind::BitOr;
        } else if (op == "^") {
            raiseUnsupported(QStringLiteral("operator ^"));
        }
        if (openCall && previous == Kind::Decided && op == "-")
            kind = Kind::Decided;  // the run decided at run time goes on
        if (kind != previous) {
            if (openCall)
                closeCall();
            if (previous != Kind::None)
                prefix = '(' + prefix + ')';
            if (kind == Kind::Decided || kind == Kind::Integer || kind == Kind::Decimal) {
                runOps.clear();
                call = kind == Kind::Decided ? "tsql_plus(" : kind == Kind::Integer ? "tsql_integer(" : "tsql_numeric(";
                prefix = std::string(call) + prefix;
                openCall = true;
            }
        }
        if (openCall && kind == previous && runOps.size() >= maxRunOperators) {
            // SQLite takes at most 127 arguments: the run goes on in a call around the one written so far.
            closeCall();
            prefix = std::string(call) + prefix;
            runOps.clear();
            openCall = true;
        }
        if (kind == Kind::Integer) {
            bitsSoFar = std::max(bitsSoFar, rightBits);
            runOps += op;
            runOps += static_cast<char>('0' + bitsSoFar / 8);
            prefix += ", " + rightSql;  // tsql_integer refuses a zero divisor itself
            previous = kind;
            type = ValueType::Number;
            exactSoFar = integerFacets(bitsSoFar);
            soFarUnknown = false;
            continue;
        }
        if (kind == Kind::Decimal) {
            exactSoFar = decimalResult(op[0], exactSoFar, rightFacets);
            if (exactSoFar.precision < 0)
                raiseUnsupported(QStringLiteral("decimal sum beyond 38 digits whose scale SQL Server reduces"));
            // Each step: its operator, then its result's scale and precision in two digits each, or "--"
            // where the operands' types do not tell them, then 'c' where a number of unknown type takes part.
            if (previous != Kind::Decimal)
                checked = false;
            checked = checked || leftUnknown || rightUnknown;
            runOps += op;
            for (const int n : {exactSoFar.scale, exactSoFar.precision}) {
                if (exactSoFar.precision > 0) {
                    runOps += static_cast<char>('0' + n / 10);
                    runOps += static_cast<char>('0' + n % 10);
                } else {
                    runOps += "--";
                }
            }
            runOps += checked ? 'c' : '.';
            soFarUnknown = false;
            prefix += ", " + rightSql;
            previous = kind;
            type = ValueType::Number;
            bitsSoFar = 0;
            decimalSoFar = true;
            continue;
        }
        if (op == "&" || op == "|") {
            bitsSoFar = bitsSoFar && rightBits ? std::max(bitsSoFar, rightBits) : 0;
        } else {
            bitsSoFar = 0;
        }
        if (kind == Kind::Decided) {
            runOps += op;
            prefix += ", ";
        } else if (sql) {
            prefix += sql;
        } else {
            prefix += ' ';
            prefix += op;
            prefix += ' ';
        }
        if (op == "/" || op == "%") {
            prefix += "tsql_divisor(" + rightSql + ")";  // 0 is SQL Server's error 8134, not NULL
        } else {
            prefix += rightSql;
        }
        type = op == "+" ? plusType(type, rightType) : ValueType::Number;
        decimalSoFar = decimalSoFar || rightScalar == ScalarType::Decimal;
        exactSoFar = ColumnTypes::Column{};
        floatSoFar = floatSoFar || rightScalar == ScalarType::Float;
        soFarUnknown = arithmetic && !floatSoFar && type != ValueType::Text;
        previous = kind;
    }
    if (openCall)
        closeCall();
    // A text longer than its type holds is cut as SQL Server cuts a concatenation (a max part: never).
    const bool concatenation = std::find(e.ops.begin(), e.ops.end(), "+") != e.ops.end() && type != ValueType::Number;
    const ColumnTypes::Column facets = concatenation ? facetsOf(e) : ColumnTypes::Column{};
    const int limit = concatenation ? textLimit(facets) : -1;
    if (limit >= 0 && !(facets.length > 0 && facets.length < limit)) {
        out += "tsql_cut(" + prefix + ", " + std::to_string(limit) + ")";
        return;
    }
    out += prefix;
}

}  // namespace tsql
