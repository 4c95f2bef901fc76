#include "tsql/parser.h"

#include "tsql/translation_error.h"

#include <QString>

#include <algorithm>
#include <iterator>
#include <charconv>

namespace tsql {

using namespace ast;

namespace {

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

template <std::size_t N>
bool contains(const std::string_view (&words)[N], std::string_view word) {
    return std::any_of(std::begin(words), std::end(words),
                       [&](std::string_view w) { return equalsIgnoringCase(w, word); });
}

// Words that end a select item, a table source or an expression, so they can never be a bare alias.
constexpr std::string_view reservedWords[] = {
    "ADD", "ALL", "ALTER", "AND", "ANY", "APPLY", "AS", "ASC", "BEGIN", "BETWEEN", "BY", "CASE", "COLLATE",
    "COMMIT", "CREATE", "CROSS", "DECLARE", "DEFAULT", "DELETE", "DESC", "DISTINCT", "DROP", "ELSE", "END",
    "EXCEPT", "EXEC", "EXECUTE", "EXISTS", "FETCH", "FOR", "FROM", "FULL", "GO", "GROUP", "HAVING", "IF",
    "IN", "INNER", "INSERT", "INTERSECT", "INTO", "IS", "JOIN", "LEFT", "LIKE", "NOT", "NULL", "OFFSET", "ON",
    "OPTION", "OR", "ORDER", "OUTER", "PIVOT", "RIGHT", "ROLLBACK", "SELECT", "SET", "THEN", "TRUNCATE",
    "UNION", "WHERE"};
constexpr std::string_view moreReservedWords[] = {
    "UNPIVOT", "UPDATE", "VALUES", "WHEN", "WHILE", "WITH", "RETURN", "PRINT", "MERGE", "USE", "TOP",
    "OUTPUT"};

constexpr std::string_view tableHintWords[] = {
    "NOLOCK", "READUNCOMMITTED", "UPDLOCK", "ROWLOCK", "HOLDLOCK", "READPAST", "TABLOCK", "TABLOCKX",
    "PAGLOCK", "XLOCK", "NOWAIT", "SERIALIZABLE", "REPEATABLEREAD", "READCOMMITTED", "READCOMMITTEDLOCK",
    "INDEX", "FORCESEEK", "FORCESCAN", "NOEXPAND", "SNAPSHOT", "KEEPIDENTITY"};

// Statements of T-SQL that the dialect does not run, named as the user wrote them.
constexpr std::string_view unsupportedStatements[] = {
    "IF", "WHILE", "GOTO", "RETURN", "PRINT", "RAISERROR", "THROW", "MERGE", "ALTER", "USE", "GO", "GRANT",
    "REVOKE", "DENY", "OPEN", "FETCH", "CLOSE", "DEALLOCATE", "WAITFOR", "BREAK", "CONTINUE", "SAVE", "BULK",
    "BACKUP", "RESTORE", "DBCC", "KILL", "READTEXT", "WRITETEXT", "UPDATETEXT", "RECONFIGURE", "SHUTDOWN",
    "CHECKPOINT", "ENABLE", "DISABLE", "REVERT"};

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

ExprPtr makeExpr(ExprKind kind) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    return e;
}

ExprPtr makeBinary(std::string op, ExprPtr left, ExprPtr right) {
    auto e = makeExpr(ExprKind::Binary);
    e->text = std::move(op);
    e->args.push_back(std::move(left));
    e->args.push_back(std::move(right));
    return e;
}

}  // namespace

Parser::Parser(const Lexer& lexer) : lexer_(lexer), tokens_(lexer.tokens()) {}

Parser::Nesting::Nesting(Parser& parser) : depth_(parser.depth_) {
    constexpr int maxDepth = 200;
    if (++depth_ > maxDepth) {
        raiseSyntaxError(QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                                        "break it up into smaller queries."));
    }
}

// ---------------------------------------------------------------------------------------------- tokens

const Token& Parser::peek(std::size_t ahead) const {
    const std::size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
    return tokens_[i];
}

bool Parser::isWord(const Token& token, std::string_view keyword) const {
    return token.kind == TokenKind::Word && equalsIgnoringCase(lexer_.text(token), keyword);
}

bool Parser::atWord(std::string_view keyword, std::size_t ahead) const { return isWord(peek(ahead), keyword); }

bool Parser::acceptWord(std::string_view keyword) {
    if (!atWord(keyword)) return false;
    ++pos_;
    return true;
}

void Parser::expectWord(std::string_view keyword) {
    if (!acceptWord(keyword)) syntaxError();
}

bool Parser::atSymbol(std::string_view symbol, std::size_t ahead) const {
    const Token& t = peek(ahead);
    return t.kind == TokenKind::Symbol && lexer_.text(t) == symbol;
}

bool Parser::acceptSymbol(std::string_view symbol) {
    if (!atSymbol(symbol)) return false;
    ++pos_;
    return true;
}

void Parser::expectSymbol(std::string_view symbol) {
    if (!acceptSymbol(symbol)) syntaxError();
}

std::string Parser::upper(const Token& token) const { return toUpper(lexer_.text(token)); }

bool Parser::isReserved(const Token& token) const {
    if (token.kind != TokenKind::Word) return false;
    const std::string_view t = lexer_.text(token);
    return contains(reservedWords, t) || contains(moreReservedWords, t);
}

void Parser::syntaxError() const {
    const Token& t = peek();
    if (t.kind == TokenKind::End) {
        raiseSyntaxError(QStringLiteral("Incorrect syntax near the end of the command text."));
    }
    raiseSyntaxError(QStringLiteral("Incorrect syntax near '%1'.").arg(qtext(lexer_.text(t))));
}

std::string Parser::identifier() {
    const Token& t = peek();
    if (t.kind == TokenKind::QuotedName || (t.kind == TokenKind::Word && !isReserved(t))) {
        ++pos_;
        return lexer_.name(t);
    }
    syntaxError();
}

// A table's name: the last part of [database.][schema.]table; only the dbo schema is understood.
std::string Parser::tableName() {
    std::vector<std::string> parts;
    parts.push_back(identifier());
    while (acceptSymbol(".")) {
        if (atSymbol(".")) {
            parts.emplace_back();  // database..table
            continue;
        }
        parts.push_back(identifier());
    }
    if (parts.size() > 3) raiseUnsupported(QStringLiteral("linked-server name"));
    if (parts.size() == 3 && !equalsIgnoringCase(parts[0], "tempdb")) {
        raiseUnsupported(QStringLiteral("database-qualified name %1").arg(qtext(parts[0])));
    }
    if (parts.size() >= 2 && !parts[parts.size() - 2].empty() && !equalsIgnoringCase(parts[parts.size() - 2], "dbo")) {
        raiseUnsupported(QStringLiteral("schema %1").arg(qtext(parts[parts.size() - 2])));
    }
    return parts.back();
}

bool Parser::aliasFollows() const {
    const Token& t = peek();
    if (isWord(t, "AS")) return true;
    if (t.kind == TokenKind::QuotedName) return true;
    return t.kind == TokenKind::Word && !isReserved(t);
}

std::string Parser::alias() {
    const bool as = acceptWord("AS");
    const Token& t = peek();
    if (t.kind == TokenKind::String) {  // SELECT x AS 'name'
        ++pos_;
        return lexer_.stringValue(t);
    }
    if (!as && t.kind == TokenKind::Word && isReserved(t)) syntaxError();
    return identifier();
}

int Parser::integer() {
    const Token& t = peek();
    if (t.kind != TokenKind::Number) syntaxError();
    const std::string_view text = lexer_.text(t);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) syntaxError();
    ++pos_;
    return value;
}

TypeName Parser::typeName() {
    const Token& t = peek();
    if (t.kind != TokenKind::Word && t.kind != TokenKind::QuotedName) syntaxError();
    TypeName type;
    type.name = toUpper(lexer_.name(t));
    ++pos_;
    if (type.name == "DOUBLE" && acceptWord("PRECISION")) type.name = "FLOAT";
    if (acceptSymbol("(")) {
        if (acceptWord("MAX")) {
            type.max = true;
        } else {
            type.arguments.push_back(integer());
            if (acceptSymbol(",")) type.arguments.push_back(integer());
        }
        expectSymbol(")");
    }
    return type;
}

std::vector<std::string> Parser::nameList() {
    std::vector<std::string> names;
    expectSymbol("(");
    do {
        names.push_back(identifier());
    } while (acceptSymbol(","));
    expectSymbol(")");
    return names;
}

// ------------------------------------------------------------------------------------------ statements

std::vector<Statement> Parser::parseBatch() {
    std::vector<Statement> batch;
    for (;;) {
        while (acceptSymbol(";")) {
        }
        if (peek().kind == TokenKind::End) break;
        batch.push_back(statement());
    }
    if (batch.empty()) raiseSyntaxError(QStringLiteral("The command text holds no statement."));
    return batch;
}

Statement Parser::statement() {
    const Token& t = peek();
    if (atSymbol("(")) return selectStatement();
    if (t.kind != TokenKind::Word) syntaxError();
    const std::string word = upper(t);
    if (word == "WITH") {
        ++pos_;
        std::vector<Cte> ctes;
        withClause(ctes);
        Statement s;
        if (atWord("SELECT") || atSymbol("(")) {
            s = selectStatement();
        } else if (atWord("INSERT")) {
            s = insertStatement();
        } else if (atWord("UPDATE")) {
            s = updateStatement();
        } else if (atWord("DELETE")) {
            s = deleteStatement();
        } else {
            syntaxError();
        }
        s.ctes = std::move(ctes);
        return s;
    }
    if (word == "SELECT") return selectStatement();
    if (word == "INSERT") return insertStatement();
    if (word == "UPDATE") return updateStatement();
    if (word == "DELETE") return deleteStatement();
    if (word == "CREATE") return createStatement();
    if (word == "DROP") return dropStatement();
    if (word == "TRUNCATE") {
        ++pos_;
        expectWord("TABLE");
        Statement s;
        s.kind = Kind::Truncate;
        s.table = tableName();
        return s;
    }
    if (word == "DECLARE") return declareStatement();
    if (word == "SET") return setStatement();
    if (word == "EXEC" || word == "EXECUTE") return executeStatement();
    if (word == "BEGIN") {
        if (atWord("TRAN", 1) || atWord("TRANSACTION", 1)) return transactionStatement(Kind::Begin);
        if (atWord("TRY", 1) || atWord("CATCH", 1)) raiseUnsupported(QStringLiteral("TRY ... CATCH"));
        raiseUnsupported(QStringLiteral("BEGIN ... END block"));
    }
    if (word == "COMMIT") return transactionStatement(Kind::Commit);
    if (word == "ROLLBACK") return transactionStatement(Kind::Rollback);
    if (contains(unsupportedStatements, word)) raiseUnsupported(QString::fromStdString(word));
    syntaxError();
}

void Parser::withClause(std::vector<Cte>& ctes) {
    do {
        Cte cte;
        cte.name = identifier();
        if (atSymbol("(")) cte.columns = nameList();
        expectWord("AS");
        expectSymbol("(");
        cte.query = query();
        expectSymbol(")");
        ctes.push_back(std::move(cte));
    } while (acceptSymbol(","));
}

Statement Parser::selectStatement() {
    Statement s;
    s.kind = Kind::Select;
    s.select = query();
    return s;
}

// INSERT [INTO], UPDATE, DELETE [FROM] up to the target table and its hints.
Statement Parser::writeTarget(Kind kind, std::string_view verb, std::string_view optional) {
    expectWord(verb);
    if (atWord("TOP")) raiseUnsupported(QStringLiteral("%1 TOP").arg(qtext(verb)));
    if (!optional.empty()) acceptWord(optional);
    Statement s;
    s.kind = kind;
    s.table = tableName();
    if (atWord("WITH") && atSymbol("(", 1)) {
        ++pos_;
        tableHints();
    }
    return s;
}

Statement Parser::insertStatement() {
    Statement s = writeTarget(Kind::Insert, "INSERT", "INTO");
    if (atSymbol("(") && !atQuery(1)) s.columns = nameList();
    if (atWord("OUTPUT")) raiseUnsupported(QStringLiteral("OUTPUT clause"));
    if (acceptWord("VALUES")) {
        do {
            expectSymbol("(");
            s.values.push_back(expressionList());
            expectSymbol(")");
        } while (acceptSymbol(","));
    } else if (acceptWord("DEFAULT")) {
        expectWord("VALUES");
        s.defaultValues = true;
    } else if (atWord("EXEC") || atWord("EXECUTE")) {
        raiseUnsupported(QStringLiteral("INSERT ... EXECUTE"));
    } else if (atWord("WITH")) {
        ++pos_;
        std::vector<Cte> ctes;
        withClause(ctes);
        s.ctes = std::move(ctes);
        s.select = query();
    } else {
        s.select = query();
    }
    return s;
}

Statement Parser::updateStatement() {
    Statement s = writeTarget(Kind::Update, "UPDATE", "");
    expectWord("SET");
    do {
        Assignment a;
        if (peek().kind == TokenKind::Variable) raiseUnsupported(QStringLiteral("variable assignment in UPDATE"));
        a.target = identifier();
        while (acceptSymbol(".")) a.target = identifier();
        if (!atSymbol("=")) {
            if (atSymbol("+") || atSymbol("-") || atSymbol("*") || atSymbol("/")) {
                raiseUnsupported(QStringLiteral("compound assignment"));
            }
            syntaxError();
        }
        ++pos_;
        if (acceptWord("DEFAULT")) {
            a.value = makeExpr(ExprKind::Default);
        } else {
            a.value = expression();
        }
        s.assignments.push_back(std::move(a));
    } while (acceptSymbol(","));
    if (atWord("OUTPUT")) raiseUnsupported(QStringLiteral("OUTPUT clause"));
    if (acceptWord("FROM")) s.from = tableSources();
    if (acceptWord("WHERE")) {
        if (atWord("CURRENT")) raiseUnsupported(QStringLiteral("WHERE CURRENT OF"));
        s.where = expression();
    }
    return s;
}

Statement Parser::deleteStatement() {
    Statement s = writeTarget(Kind::Delete, "DELETE", "FROM");
    if (atWord("OUTPUT")) raiseUnsupported(QStringLiteral("OUTPUT clause"));
    if (atWord("FROM")) raiseUnsupported(QStringLiteral("DELETE with a FROM clause"));
    if (acceptWord("WHERE")) {
        if (atWord("CURRENT")) raiseUnsupported(QStringLiteral("WHERE CURRENT OF"));
        s.where = expression();
    }
    return s;
}

Statement Parser::createStatement() {
    expectWord("CREATE");
    Statement s;
    if (acceptWord("TABLE")) {
        s.kind = Kind::CreateTable;
        s.table = tableName();
        expectSymbol("(");
        do {
            if (atWord("CONSTRAINT")) {
                ++pos_;
                std::string name = identifier();
                tableConstraint(s, std::move(name));
            } else if (atWord("PRIMARY") || atWord("UNIQUE") || atWord("FOREIGN") || atWord("CHECK")) {
                tableConstraint(s, std::string());
            } else if (atWord("INDEX")) {
                raiseUnsupported(QStringLiteral("inline INDEX in CREATE TABLE"));
            } else {
                columnDefinition(s);
            }
        } while (acceptSymbol(","));
        expectSymbol(")");
        skipStorageOptions();
        return s;
    }
    s.kind = Kind::CreateIndex;
    s.uniqueIndex = acceptWord("UNIQUE");
    if (!acceptWord("CLUSTERED")) acceptWord("NONCLUSTERED");
    if (!acceptWord("INDEX")) {
        const Token& t = peek();
        if (t.kind == TokenKind::Word) raiseUnsupported(QStringLiteral("CREATE %1").arg(qtext(lexer_.text(t))));
        syntaxError();
    }
    s.indexName = identifier();
    expectWord("ON");
    s.table = tableName();
    s.keyColumns = keyColumns();
    if (atWord("INCLUDE")) raiseUnsupported(QStringLiteral("INCLUDE columns"));
    if (atWord("WHERE")) raiseUnsupported(QStringLiteral("filtered index"));
    skipStorageOptions();
    return s;
}

void Parser::columnDefinition(Statement& create) {
    ColumnDef column;
    column.name = identifier();
    if (atWord("AS")) raiseUnsupported(QStringLiteral("computed column"));
    column.type = typeName();
    for (;;) {
        if (acceptWord("CONSTRAINT")) identifier();  // the name of a column constraint is not kept
        if (acceptWord("NULL")) continue;
        if (atWord("NOT") && atWord("NULL", 1)) {
            pos_ += 2;
            column.notNull = true;
            continue;
        }
        if (acceptWord("COLLATE")) {
            column.collation = identifier();
            continue;
        }
        if (acceptWord("DEFAULT")) {
            column.defaultValue = unary();
            continue;
        }
        if (atWord("PRIMARY")) {
            ++pos_;
            expectWord("KEY");
            if (!acceptWord("CLUSTERED")) acceptWord("NONCLUSTERED");
            column.primaryKey = true;
            continue;
        }
        if (acceptWord("UNIQUE")) {
            if (!acceptWord("CLUSTERED")) acceptWord("NONCLUSTERED");
            column.unique = true;
            continue;
        }
        if (atWord("FOREIGN")) {
            ++pos_;
            expectWord("KEY");
        }
        if (atWord("REFERENCES")) {
            references(column.references, column.referencedColumns, column.referentialActions);
            continue;
        }
        if (acceptWord("CHECK")) {
            expectSymbol("(");
            column.check = expression();
            expectSymbol(")");
            continue;
        }
        if (acceptWord("ROWGUIDCOL")) continue;
        if (atWord("IDENTITY")) raiseUnsupported(QStringLiteral("IDENTITY"));
        if (atWord("SPARSE") || atWord("FILESTREAM")) raiseUnsupported(qtext(lexer_.text(peek())));
        break;
    }
    create.columnDefs.push_back(std::move(column));
}

void Parser::tableConstraint(Statement& create, std::string name) {
    TableConstraint c;
    c.name = std::move(name);
    if (acceptWord("PRIMARY")) {
        expectWord("KEY");
        c.kind = TableConstraint::Kind::PrimaryKey;
        if (!acceptWord("CLUSTERED")) acceptWord("NONCLUSTERED");
        c.keyColumns = keyColumns();
    } else if (acceptWord("UNIQUE")) {
        c.kind = TableConstraint::Kind::Unique;
        if (!acceptWord("CLUSTERED")) acceptWord("NONCLUSTERED");
        c.keyColumns = keyColumns();
    } else if (acceptWord("FOREIGN")) {
        expectWord("KEY");
        c.kind = TableConstraint::Kind::ForeignKey;
        c.columns = nameList();
        references(c.references, c.referencedColumns, c.referentialActions);
    } else if (acceptWord("CHECK")) {
        c.kind = TableConstraint::Kind::Check;
        expectSymbol("(");
        c.check = expression();
        expectSymbol(")");
    } else {
        syntaxError();
    }
    skipStorageOptions();
    create.constraints.push_back(std::move(c));
}

void Parser::references(std::string& table, std::vector<std::string>& columns, std::vector<std::string>& actions) {
    expectWord("REFERENCES");
    table = tableName();
    if (atSymbol("(")) columns = nameList();
    while (atWord("ON") && (atWord("DELETE", 1) || atWord("UPDATE", 1))) {
        pos_ += 1;
        std::string action = "ON " + upper(peek());
        ++pos_;
        if (acceptWord("CASCADE")) {
            action += " CASCADE";
        } else if (acceptWord("NO")) {
            expectWord("ACTION");
            action += " NO ACTION";
        } else if (acceptWord("SET")) {
            if (acceptWord("NULL")) {
                action += " SET NULL";
            } else {
                expectWord("DEFAULT");
                action += " SET DEFAULT";
            }
        } else {
            syntaxError();
        }
        actions.push_back(std::move(action));
    }
    if (atWord("NOT") && atWord("FOR", 1)) {  // NOT FOR REPLICATION
        pos_ += 2;
        expectWord("REPLICATION");
    }
}

std::vector<KeyColumn> Parser::keyColumns() {
    std::vector<KeyColumn> columns;
    expectSymbol("(");
    do {
        KeyColumn column;
        column.name = identifier();
        column.descending = acceptWord("DESC");
        if (!column.descending) acceptWord("ASC");
        columns.push_back(std::move(column));
    } while (acceptSymbol(","));
    expectSymbol(")");
    return columns;
}

// WITH (PAD_INDEX = OFF ...), ON [PRIMARY], TEXTIMAGE_ON [PRIMARY]: storage settings without meaning here.
void Parser::skipStorageOptions() {
    for (;;) {
        if (atWord("WITH") && atSymbol("(", 1)) {
            pos_ += 2;
            int depth = 1;
            while (depth > 0) {
                if (peek().kind == TokenKind::End) syntaxError();
                if (atSymbol("(")) ++depth;
                if (atSymbol(")")) --depth;
                ++pos_;
            }
            continue;
        }
        if ((atWord("ON") || atWord("TEXTIMAGE_ON")) &&
            (peek(1).kind == TokenKind::QuotedName || (peek(1).kind == TokenKind::Word && !isReserved(peek(1))))) {
            pos_ += 2;
            continue;
        }
        return;
    }
}

Statement Parser::dropStatement() {
    expectWord("DROP");
    if (!acceptWord("TABLE")) {
        const Token& t = peek();
        if (t.kind == TokenKind::Word) raiseUnsupported(QStringLiteral("DROP %1").arg(qtext(lexer_.text(t))));
        syntaxError();
    }
    Statement s;
    s.kind = Kind::DropTable;
    if (atWord("IF") && atWord("EXISTS", 1)) {
        pos_ += 2;
        s.ifExists = true;
    }
    do {
        s.tables.push_back(tableName());
    } while (acceptSymbol(","));
    return s;
}

Statement Parser::declareStatement() {
    expectWord("DECLARE");
    Statement s;
    s.kind = Kind::Declare;
    do {
        const Token& t = peek();
        if (t.kind != TokenKind::Variable) {
            if (t.kind == TokenKind::Word && atWord("CURSOR", 1)) raiseUnsupported(QStringLiteral("cursor"));
            syntaxError();
        }
        ++pos_;
        Declaration d;
        d.variable = upper(t);
        acceptWord("AS");
        if (atWord("TABLE")) raiseUnsupported(QStringLiteral("table variable"));
        if (atWord("CURSOR")) raiseUnsupported(QStringLiteral("cursor"));
        d.type = typeName();
        if (acceptSymbol("=")) d.initial = expression();
        s.declarations.push_back(std::move(d));
    } while (acceptSymbol(","));
    return s;
}

Statement Parser::setStatement() {
    expectWord("SET");
    Statement s;
    const Token& t = peek();
    if (t.kind == TokenKind::Variable) {
        ++pos_;
        Assignment a;
        a.target = upper(t);
        if (!acceptSymbol("=")) {
            if (atSymbol("+") || atSymbol("-") || atSymbol("*") || atSymbol("/")) {
                raiseUnsupported(QStringLiteral("compound assignment"));
            }
            syntaxError();
        }
        a.value = expression();
        s.kind = Kind::Set;
        s.assignments.push_back(std::move(a));
        return s;
    }
    if (t.kind != TokenKind::Word) syntaxError();
    if (atWord("NOCOUNT")) {
        ++pos_;
        if (!acceptWord("ON")) expectWord("OFF");
        s.kind = Kind::NoOp;
        return s;
    }
    if (atWord("TRANSACTION")) {  // SQLite transactions are serializable whatever the level asked
        ++pos_;
        expectWord("ISOLATION");
        expectWord("LEVEL");
        while (peek().kind == TokenKind::Word && !isReserved(peek())) ++pos_;
        s.kind = Kind::NoOp;
        return s;
    }
    raiseUnsupported(QStringLiteral("SET %1").arg(qtext(lexer_.text(t))));
}

Statement Parser::executeStatement() {
    ++pos_;  // EXEC or EXECUTE
    if (!atSymbol("(")) raiseUnsupported(QStringLiteral("stored procedure call"));
    ++pos_;
    Statement s;
    s.kind = Kind::Execute;
    s.argument = expression();
    expectSymbol(")");
    if (atWord("AS") || atWord("AT")) raiseUnsupported(QStringLiteral("EXECUTE AS / AT"));
    return s;
}

Statement Parser::transactionStatement(Kind kind) {
    ++pos_;  // BEGIN, COMMIT or ROLLBACK
    if (atWord("DISTRIBUTED")) raiseUnsupported(QStringLiteral("distributed transaction"));
    if (!acceptWord("TRAN") && !acceptWord("TRANSACTION")) {
        if (kind == Kind::Begin) syntaxError();
        acceptWord("WORK");
    }
    const Token& t = peek();
    if ((t.kind == TokenKind::Word && !isReserved(t)) || t.kind == TokenKind::QuotedName) ++pos_;  // a name
    Statement s;
    s.kind = kind;
    return s;
}

// -------------------------------------------------------------------------------------------- queries

bool Parser::atQuery(std::size_t ahead) const {
    std::size_t i = ahead;
    while (atSymbol("(", i)) ++i;
    return atWord("SELECT", i) || (i == ahead && atWord("WITH", i));
}

std::unique_ptr<Select> Parser::query() {
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
            if (!acceptWord("ROWS")) expectWord("ROW");
            if (acceptWord("FETCH")) {
                if (!acceptWord("NEXT")) expectWord("FIRST");
                first->fetch = additive();
                if (!acceptWord("ROWS")) expectWord("ROW");
                expectWord("ONLY");
            }
        }
    }
    if (atWord("FOR")) {
        ++pos_;
        if (!acceptWord("XML")) {
            const Token& t = peek();
            raiseUnsupported(QStringLiteral("FOR %1").arg(qtext(lexer_.text(t))));
        }
        if (!acceptWord("PATH")) raiseUnsupported(QStringLiteral("FOR XML %1").arg(qtext(lexer_.text(peek()))));
        first->forXmlPath = true;
        if (acceptSymbol("(")) {
            if (peek().kind != TokenKind::String) syntaxError();
            first->xmlElement = peek().ordinal;
            ++pos_;
            expectSymbol(")");
        }
        if (atSymbol(",")) raiseUnsupported(QStringLiteral("FOR XML PATH directive"));
    }
    if (atWord("OPTION")) raiseUnsupported(QStringLiteral("OPTION query hint"));
    return first;
}

std::unique_ptr<Select> Parser::queryTerm() {
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

std::unique_ptr<Select> Parser::selectCore() {
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
            if (t.kind != TokenKind::Number) syntaxError();
            select->top = makeExpr(ExprKind::Literal);
            select->top->index = t.ordinal;
            select->top->text = "n";
            ++pos_;
        }
        select->topPercent = acceptWord("PERCENT");
        if (atWord("WITH") && atWord("TIES", 1)) raiseUnsupported(QStringLiteral("TOP ... WITH TIES"));
    }
    do {
        select->items.push_back(selectItem());
    } while (acceptSymbol(","));
    if (acceptWord("INTO")) select->into = tableName();
    if (acceptWord("FROM")) select->from = tableSources();
    if (acceptWord("WHERE")) select->where = expression();
    if (atWord("GROUP") && atWord("BY", 1)) {
        pos_ += 2;
        if (atWord("ALL")) raiseUnsupported(QStringLiteral("GROUP BY ALL"));
        select->groupBy = expressionList();
        if (atWord("WITH")) raiseUnsupported(QStringLiteral("GROUP BY ... WITH %1").arg(qtext(lexer_.text(peek(1)))));
    }
    if (acceptWord("HAVING")) select->having = expression();
    return select;
}

SelectItem Parser::selectItem() {
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

std::vector<std::unique_ptr<TableRef>> Parser::tableSources() {
    std::vector<std::unique_ptr<TableRef>> sources;
    do {
        sources.push_back(tableSource());
    } while (acceptSymbol(","));
    return sources;
}

std::unique_ptr<TableRef> Parser::tableSource() {
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
            raiseUnsupported(QStringLiteral("%1 APPLY").arg(qtext(lexer_.text(peek()))));
        } else if (atWord("PIVOT")) {
            source = pivot(std::move(source));
            continue;
        } else if (atWord("UNPIVOT")) {
            raiseUnsupported(QStringLiteral("UNPIVOT"));
        } else {
            return source;
        }
        if (atWord("LOOP") || atWord("HASH") || atWord("MERGE")) raiseUnsupported(QStringLiteral("join hint"));
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

std::unique_ptr<TableRef> Parser::tablePrimary() {
    const Nesting nesting(*this);
    auto ref = std::make_unique<TableRef>();
    if (acceptSymbol("(")) {
        if (atQuery()) {
            ref->kind = TableRef::Kind::Derived;
            ref->query = query();
            expectSymbol(")");
            if (aliasFollows()) ref->alias = alias();
            if (atSymbol("(")) ref->columnAliases = nameList();
            return ref;
        }
        ref = tableSource();
        expectSymbol(")");
        return ref;
    }
    const Token& t = peek();
    if (t.kind == TokenKind::Variable) raiseUnsupported(QStringLiteral("table variable"));
    ref->kind = TableRef::Kind::Table;
    ref->name = tableName();
    if (atSymbol("(") && !(peek(1).kind == TokenKind::Word && contains(tableHintWords, lexer_.text(peek(1))))) {
        raiseUnsupported(QStringLiteral("table-valued function %1").arg(QString::fromStdString(ref->name)));
    }
    if (atWord("TABLESAMPLE")) raiseUnsupported(QStringLiteral("TABLESAMPLE"));
    if (aliasFollows() && !(atWord("WITH"))) ref->alias = alias();
    tableHints();
    if (ref->alias.empty() && aliasFollows()) ref->alias = alias();
    return ref;
}

// WITH (NOLOCK, ...) or the older (NOLOCK) after a table: locking advice SQLite has no use for.
void Parser::tableHints() {
    const bool with = atWord("WITH") && atSymbol("(", 1);
    const bool bare = atSymbol("(") && peek(1).kind == TokenKind::Word && contains(tableHintWords, lexer_.text(peek(1)));
    if (!with && !bare) return;
    pos_ += with ? 2 : 1;
    int depth = 1;
    while (depth > 0) {
        const Token& t = peek();
        if (t.kind == TokenKind::End) syntaxError();
        if (depth == 1 && t.kind == TokenKind::Word && !contains(tableHintWords, lexer_.text(t))) {
            raiseUnsupported(QStringLiteral("table hint %1").arg(qtext(lexer_.text(t))));
        }
        if (atSymbol("(")) ++depth;
        if (atSymbol(")")) --depth;
        ++pos_;
    }
}

std::unique_ptr<TableRef> Parser::pivot(std::unique_ptr<TableRef> source) {
    expectWord("PIVOT");
    expectSymbol("(");
    auto ref = std::make_unique<TableRef>();
    ref->kind = TableRef::Kind::Pivot;
    ref->left = std::move(source);
    const Token& fn = peek();
    if (fn.kind != TokenKind::Word) syntaxError();
    ref->pivotFunction = upper(fn);
    ++pos_;
    expectSymbol("(");
    ref->pivotValue = identifier();
    while (acceptSymbol(".")) ref->pivotValue = identifier();
    expectSymbol(")");
    expectWord("FOR");
    ref->pivotColumn = identifier();
    while (acceptSymbol(".")) ref->pivotColumn = identifier();
    expectWord("IN");
    ref->pivotValues = nameList();
    expectSymbol(")");
    if (aliasFollows()) ref->alias = alias();
    if (ref->alias.empty()) syntaxError();
    return ref;
}

// ------------------------------------------------------------------------------------------ expressions

ExprPtr Parser::expression() { return orExpression(); }

ExprPtr Parser::orExpression() {
    ExprPtr left = andExpression();
    while (acceptWord("OR")) left = makeBinary("OR", std::move(left), andExpression());
    return left;
}

ExprPtr Parser::andExpression() {
    ExprPtr left = notExpression();
    while (acceptWord("AND")) left = makeBinary("AND", std::move(left), notExpression());
    return left;
}

ExprPtr Parser::notExpression() {
    const Nesting nesting(*this);
    if (acceptWord("NOT")) {
        auto e = makeExpr(ExprKind::Unary);
        e->text = "NOT";
        e->args.push_back(notExpression());
        return e;
    }
    return predicate();
}

ExprPtr Parser::predicate() {
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
        if (op == "!=") op = "<>";
        if (op == "!<") op = ">=";
        if (op == "!>") op = "<=";
        if (op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=") {
            ++pos_;
            if (atWord("ALL") || atWord("ANY") || atWord("SOME")) {
                raiseUnsupported(QStringLiteral("comparison with %1").arg(qtext(lexer_.text(peek()))));
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
        if (acceptWord("ESCAPE")) e->args.push_back(additive());
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
            for (ExprPtr& item : expressionList()) e->args.push_back(std::move(item));
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

ExprPtr Parser::additive() {
    ExprPtr left = multiplicative();
    for (;;) {
        const Token& t = peek();
        if (t.kind != TokenKind::Symbol) return left;
        const std::string_view op = lexer_.text(t);
        if (op != "+" && op != "-" && op != "&" && op != "|" && op != "^") return left;
        ++pos_;
        left = makeBinary(std::string(op), std::move(left), multiplicative());
    }
}

ExprPtr Parser::multiplicative() {
    ExprPtr left = unary();
    for (;;) {
        const Token& t = peek();
        if (t.kind != TokenKind::Symbol) return left;
        const std::string_view op = lexer_.text(t);
        if (op != "*" && op != "/" && op != "%") return left;
        ++pos_;
        left = makeBinary(std::string(op), std::move(left), unary());
    }
}

ExprPtr Parser::unary() {
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

ExprPtr Parser::postfix() {
    ExprPtr e = primary();
    while (acceptWord("COLLATE")) {
        auto c = makeExpr(ExprKind::Collate);
        c->text = identifier();
        c->args.push_back(std::move(e));
        e = std::move(c);
    }
    return e;
}

ExprPtr Parser::primary() {
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
        if (name.rfind("@@", 0) == 0) raiseUnsupported(QString::fromStdString(name));
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
        if (!atSymbol("(")) syntaxError();
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
    case TokenKind::QuotedName:
        break;
    case TokenKind::End:
        syntaxError();
    }
    if (t.kind == TokenKind::Word) {
        const std::string word = upper(t);
        if (word == "NULL") {
            ++pos_;
            return makeExpr(ExprKind::Null);
        }
        if (word == "CASE") return caseExpression();
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
            if (atSymbol(",")) raiseUnsupported(QStringLiteral("CONVERT with a style"));
            expectSymbol(")");
            return e;
        }
        if (isReserved(t) && !(atSymbol("(", 1) && (word == "LEFT" || word == "RIGHT"))) syntaxError();
    }
    // A column, qualifier.*, or a function call.
    std::vector<std::string> names;
    names.push_back(lexer_.name(t));
    ++pos_;
    if (t.kind == TokenKind::Word && atSymbol("(")) return functionCall(toUpper(names.back()));
    while (acceptSymbol(".")) {
        if (acceptSymbol("*")) {
            auto e = makeExpr(ExprKind::Star);
            e->names = std::move(names);
            return e;
        }
        names.push_back(identifier());
    }
    if (atSymbol("(")) raiseUnsupported(QStringLiteral("qualified function name"));
    auto e = makeExpr(ExprKind::Column);
    e->names = std::move(names);
    return e;
}

ExprPtr Parser::functionCall(std::string name) {
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
    if (atWord("OVER")) raiseUnsupported(QStringLiteral("window function (OVER)"));
    if (atWord("WITHIN")) raiseUnsupported(QStringLiteral("WITHIN GROUP"));
    return e;
}

ExprPtr Parser::caseExpression() {
    expectWord("CASE");
    auto e = makeExpr(ExprKind::Case);
    if (!atWord("WHEN")) {
        e->hasOperand = true;
        e->args.push_back(expression());
    }
    if (!atWord("WHEN")) syntaxError();
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

std::vector<ExprPtr> Parser::expressionList() {
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
