#include "tsql/parser.h"

#include "tsql/translation_error.h"

#include <algorithm>
#include <iterator>

namespace tsql {

using namespace ast;

namespace {

// Statements of T-SQL that the dialect does not run, named as the user wrote them.
constexpr std::string_view unsupportedStatements[] = {
    "GOTO",       "RETURN",      "PRINT",    "RAISERROR",  "THROW",   "MERGE",   "ALTER",      "USE",      "GO",
    "GRANT",      "REVOKE",      "DENY",     "OPEN",       "FETCH",   "CLOSE",   "DEALLOCATE", "WAITFOR",  "BREAK",
    "CONTINUE",   "SAVE",        "BULK",     "BACKUP",     "RESTORE", "DBCC",    "KILL",       "READTEXT", "WRITETEXT",
    "UPDATETEXT", "RECONFIGURE", "SHUTDOWN", "CHECKPOINT", "ENABLE",  "DISABLE", "REVERT"};

// word is upper case.
bool isUnsupportedStatement(std::string_view word) {
    return std::find(std::begin(unsupportedStatements), std::end(unsupportedStatements), word) !=
           std::end(unsupportedStatements);
}

}  // namespace

std::vector<Statement> Parser::parseBatch() {
    std::vector<Statement> batch;
    for (;;) {
        while (acceptSymbol(";")) {
        }
        if (peek().kind == TokenKind::End)
            break;
        batch.push_back(statement());
    }
    if (batch.empty())
        raiseSyntaxError(QStringLiteral("The command text holds no statement."));
    return batch;
}

Statement Parser::statement() {
    const Token& t = peek();
    if (atSymbol("("))
        return selectStatement();
    if (t.kind != TokenKind::Word)
        syntaxError();
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
    if (word == "SELECT")
        return selectStatement();
    if (word == "INSERT")
        return insertStatement();
    if (word == "UPDATE")
        return updateStatement();
    if (word == "DELETE")
        return deleteStatement();
    if (word == "CREATE")
        return createStatement();
    if (word == "DROP")
        return dropStatement();
    if (word == "TRUNCATE") {
        ++pos_;
        expectWord("TABLE");
        Statement s;
        s.kind = Kind::Truncate;
        s.table = tableName();
        return s;
    }
    if (word == "DECLARE")
        return declareStatement();
    if (word == "SET")
        return setStatement();
    if (word == "EXEC" || word == "EXECUTE")
        return executeStatement();
    if (word == "BEGIN") {
        if (atWord("TRAN", 1) || atWord("TRANSACTION", 1))
            return transactionStatement(Kind::Begin);
        if (atWord("TRY", 1) || atWord("CATCH", 1))
            raiseUnsupported(QStringLiteral("TRY ... CATCH"));
        if (atWord("DISTRIBUTED", 1))
            raiseUnsupported(QStringLiteral("BEGIN DISTRIBUTED TRANSACTION"));
        return controlStatement(Kind::Block);
    }
    if (word == "IF")
        return controlStatement(Kind::If);
    if (word == "WHILE")
        return controlStatement(Kind::While);
    if (word == "COMMIT")
        return transactionStatement(Kind::Commit);
    if (word == "ROLLBACK")
        return transactionStatement(Kind::Rollback);
    if (isUnsupportedStatement(word))
        raiseUnsupported(QString::fromStdString(word));
    syntaxError();
}

// IF condition statement [ELSE statement], WHILE condition statement, BEGIN statements END.
Statement Parser::controlStatement(Kind kind) {
    constexpr int maxDepth = 64;
    if (++controlDepth_ > maxDepth) {
        raiseSyntaxError(
            QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                           "break it up into smaller queries."));
    }
    ++pos_;
    Statement s;
    s.kind = kind;
    if (kind == Kind::Block) {
        for (;;) {
            while (acceptSymbol(";")) {
            }
            if (acceptWord("END"))
                break;
            if (peek().kind == TokenKind::End)
                syntaxError();
            s.body.push_back(statement());
        }
    } else {
        s.where = expression();
        const auto branch = [&] {
            while (acceptSymbol(";")) {
            }
            if (peek().kind == TokenKind::End)
                syntaxError();
            s.body.push_back(statement());
        };
        branch();
        if (kind == Kind::If && acceptWord("ELSE"))
            branch();
    }
    --controlDepth_;
    return s;
}

void Parser::withClause(std::vector<Cte>& ctes) {
    do {
        Cte cte;
        cte.name = identifier();
        if (atSymbol("("))
            cte.columns = nameList();
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
    if (atWord("TOP"))
        raiseUnsupported(QStringLiteral("%1 TOP").arg(display(verb)));
    if (!optional.empty())
        acceptWord(optional);
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
    if (atSymbol("(") && !atQuery(1))
        s.columns = nameList();
    if (atWord("OUTPUT"))
        raiseUnsupported(QStringLiteral("OUTPUT clause"));
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
        if (peek().kind == TokenKind::Variable)
            raiseUnsupported(QStringLiteral("variable assignment in UPDATE"));
        a.target = identifier();
        while (acceptSymbol("."))
            a.target = identifier();
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
    if (atWord("OUTPUT"))
        raiseUnsupported(QStringLiteral("OUTPUT clause"));
    if (acceptWord("FROM"))
        s.from = tableSources();
    if (acceptWord("WHERE")) {
        if (atWord("CURRENT"))
            raiseUnsupported(QStringLiteral("WHERE CURRENT OF"));
        s.where = expression();
    }
    return s;
}

Statement Parser::deleteStatement() {
    Statement s = writeTarget(Kind::Delete, "DELETE", "FROM");
    if (atWord("OUTPUT"))
        raiseUnsupported(QStringLiteral("OUTPUT clause"));
    if (atWord("FROM"))
        raiseUnsupported(QStringLiteral("DELETE with a FROM clause"));
    if (acceptWord("WHERE")) {
        if (atWord("CURRENT"))
            raiseUnsupported(QStringLiteral("WHERE CURRENT OF"));
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
    if (!acceptWord("CLUSTERED"))
        acceptWord("NONCLUSTERED");
    if (!acceptWord("INDEX")) {
        const Token& t = peek();
        if (t.kind == TokenKind::Word)
            raiseUnsupported(QStringLiteral("CREATE %1").arg(display(lexer_.text(t))));
        syntaxError();
    }
    s.indexName = identifier();
    expectWord("ON");
    s.table = tableName();
    s.keyColumns = keyColumns();
    if (atWord("INCLUDE"))
        raiseUnsupported(QStringLiteral("INCLUDE columns"));
    if (atWord("WHERE"))
        raiseUnsupported(QStringLiteral("filtered index"));
    skipStorageOptions();
    return s;
}

void Parser::columnDefinition(Statement& create) {
    ColumnDef column;
    column.name = identifier();
    if (atWord("AS"))
        raiseUnsupported(QStringLiteral("computed column"));
    column.type = typeName();
    for (;;) {
        if (acceptWord("CONSTRAINT"))
            identifier();  // the name of a column constraint is not kept
        if (acceptWord("NULL"))
            continue;
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
            if (!acceptWord("CLUSTERED"))
                acceptWord("NONCLUSTERED");
            column.primaryKey = true;
            continue;
        }
        if (acceptWord("UNIQUE")) {
            if (!acceptWord("CLUSTERED"))
                acceptWord("NONCLUSTERED");
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
        if (acceptWord("ROWGUIDCOL"))
            continue;
        if (atWord("IDENTITY"))
            raiseUnsupported(QStringLiteral("IDENTITY"));
        if (atWord("SPARSE") || atWord("FILESTREAM"))
            raiseUnsupported(display(lexer_.text(peek())));
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
        if (!acceptWord("CLUSTERED"))
            acceptWord("NONCLUSTERED");
        c.keyColumns = keyColumns();
    } else if (acceptWord("UNIQUE")) {
        c.kind = TableConstraint::Kind::Unique;
        if (!acceptWord("CLUSTERED"))
            acceptWord("NONCLUSTERED");
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
    if (atSymbol("("))
        columns = nameList();
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
        if (!column.descending)
            acceptWord("ASC");
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
                if (peek().kind == TokenKind::End)
                    syntaxError();
                if (atSymbol("("))
                    ++depth;
                if (atSymbol(")"))
                    --depth;
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
        if (t.kind == TokenKind::Word)
            raiseUnsupported(QStringLiteral("DROP %1").arg(display(lexer_.text(t))));
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
            if (t.kind == TokenKind::Word && atWord("CURSOR", 1))
                raiseUnsupported(QStringLiteral("cursor"));
            syntaxError();
        }
        ++pos_;
        Declaration d;
        d.variable = upper(t);
        acceptWord("AS");
        if (atWord("TABLE"))
            raiseUnsupported(QStringLiteral("table variable"));
        if (atWord("CURSOR"))
            raiseUnsupported(QStringLiteral("cursor"));
        d.type = typeName();
        if (acceptSymbol("="))
            d.initial = expression();
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
    if (t.kind != TokenKind::Word)
        syntaxError();
    if (atWord("NOCOUNT")) {
        ++pos_;
        if (!acceptWord("ON"))
            expectWord("OFF");
        s.kind = Kind::NoOp;
        return s;
    }
    if (atWord("TRANSACTION")) {  // SQLite transactions are serializable whatever the level asked
        ++pos_;
        expectWord("ISOLATION");
        expectWord("LEVEL");
        while (peek().kind == TokenKind::Word && !isReserved(peek()))
            ++pos_;
        s.kind = Kind::NoOp;
        return s;
    }
    raiseUnsupported(QStringLiteral("SET %1").arg(display(lexer_.text(t))));
}

Statement Parser::executeStatement() {
    ++pos_;  // EXEC or EXECUTE
    if (atWord("SP_EXECUTESQL") || (atWord("SYS") && atSymbol(".", 1)))
        return executeSql();
    if (!atSymbol("("))
        raiseUnsupported(QStringLiteral("stored procedure call"));
    ++pos_;
    Statement s;
    s.kind = Kind::Execute;
    s.argument = expression();
    expectSymbol(")");
    if (atWord("AS") || atWord("AT"))
        raiseUnsupported(QStringLiteral("EXECUTE AS / AT"));
    return s;
}

// sp_executesql statement [, definition [, value | @name = value ...]]
Statement Parser::executeSql() {
    if (acceptWord("SYS")) {
        expectSymbol(".");
        if (!atWord("SP_EXECUTESQL"))
            raiseUnsupported(QStringLiteral("stored procedure call"));
    }
    ++pos_;  // sp_executesql
    Statement s;
    s.kind = Kind::Execute;
    s.executeSql = true;
    s.argument = expression();
    if (acceptSymbol(",")) {
        s.definition = expression();
        while (acceptSymbol(",")) {
            Assignment a;
            if (peek().kind == TokenKind::Variable && atSymbol("=", 1)) {
                a.target = upper(peek());
                pos_ += 2;
            }
            a.value = expression();
            if (atWord("OUTPUT") || atWord("OUT"))
                raiseUnsupported(QStringLiteral("sp_executesql with an OUTPUT parameter"));
            s.assignments.push_back(std::move(a));
        }
    }
    return s;
}

Statement Parser::transactionStatement(Kind kind) {
    ++pos_;  // BEGIN, COMMIT or ROLLBACK
    if (atWord("DISTRIBUTED"))
        raiseUnsupported(QStringLiteral("distributed transaction"));
    if (!acceptWord("TRAN") && !acceptWord("TRANSACTION")) {
        if (kind == Kind::Begin)
            syntaxError();
        acceptWord("WORK");
    }
    const Token& t = peek();
    if ((t.kind == TokenKind::Word && !isReserved(t)) || t.kind == TokenKind::QuotedName)
        ++pos_;  // a name
    Statement s;
    s.kind = kind;
    return s;
}

}  // namespace tsql
