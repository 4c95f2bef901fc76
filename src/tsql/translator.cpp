#include "tsql/translator.h"

#include "tsql/global_temporary_tables.h"
#include "tsql/parser.h"
#include "tsql/translation_error.h"

#include <QString>

namespace tsql {

using namespace ast;

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool isGlobalTemporary(std::string_view name) { return name.size() > 2 && name[0] == '#' && name[1] == '#'; }

int variableSlot(const QueryWriter::Variables& variables, const std::string& name) {
    const auto it = variables.find(name);
    if (it == variables.end()) {
        raiseSyntaxError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(qtext(name)));
    }
    return it->second.slot;
}

}  // namespace

Translator::Translator(SqlTarget& target) : target_(target), columnTypes_(target) {}

ProgramPtr Translator::translate(const Lexer& lexer) {
    Parser parser(lexer);
    std::vector<Statement> batch = parser.parseBatch();
    auto program = std::make_shared<Program>();
    for (const int ordinal : parser.structuralLiterals()) {
        program->pinnedLiterals.push_back(ordinal);
        program->pinnedValues.push_back(lexer.literalValue(ordinal));
    }
    program->statements = batch.size();
    columnTypes_.forgetTemporaries();
    conditional_ = 0;
    QueryWriter::Variables variables;
    QueryWriter writer(lexer, target_, columnTypes_, *program, variables);
    for (Statement& s : batch)
        statement(s, writer, *program, variables);
    return program;
}

// A step that evaluates one value into a variable slot: SET, DECLARE ... =, the text of EXECUTE.
// A variable keeps a value of its declared type: the value is converted to it.
Program::Step& Translator::valueStep(Program& program, QueryWriter& writer, const Expr& value, int slot,
                                     const TypeName* declared) {
    Program::Step& step = program.steps.emplace_back();
    writer.begin(step);
    step.sql = "SELECT ";
    if (declared) {
        writer.convert(*declared, value, step.sql, true);
    } else {
        writer.expression(value, step.sql);
    }
    step.assignTo.push_back(slot);
    return step;
}

void Translator::statement(Statement& s, QueryWriter& writer, Program& program, QueryWriter::Variables& variables) {
    using Kind = Statement::Kind;
    switch (s.kind) {
    case Kind::Select: select(s, writer, program, variables); return;
    case Kind::Declare:
        for (const Declaration& d : s.declarations) {
            if (variables.count(d.variable)) {
                raiseSyntaxError(QStringLiteral("The variable name '%1' has already been declared. Variable names "
                                                "must be unique within a query batch or stored procedure.")
                                     .arg(qtext(d.variable)));
            }
            const int slot = program.slotCount++;
            if (d.initial)
                valueStep(program, writer, *d.initial, slot, &d.type);
            variables.emplace(d.variable, QueryWriter::Variable{slot, d.type.category(), d.type});
        }
        return;
    case Kind::Set: {
        const int slot = variableSlot(variables, s.assignments[0].target);
        valueStep(program, writer, *s.assignments[0].value, slot, &variables.at(s.assignments[0].target).declared);
        return;
    }
    case Kind::Execute: {
        int definitionSlot = -1;
        std::vector<std::pair<std::string, int>> parameterSlots;
        if (s.executeSql) {
            // Its statement and declarations are national text, as SQL Server's procedure requires.
            for (const Expr* e : {s.argument.get(), s.definition.get()}) {
                if (e && !writer.isNationalText(*e)) {
                    raiseSyntaxError(
                        QStringLiteral("Procedure expects parameter '%1' of type 'ntext/nchar/nvarchar'.")
                            .arg(e == s.argument.get() ? QStringLiteral("@statement") : QStringLiteral("@params")));
                }
            }
            if (s.definition) {
                definitionSlot = program.slotCount++;
                valueStep(program, writer, *s.definition, definitionSlot, nullptr);
            }
            for (const Assignment& a : s.assignments) {
                const int slot = program.slotCount++;
                valueStep(program, writer, *a.value, slot, nullptr);
                parameterSlots.emplace_back(a.target, slot);
            }
        }
        const int slot = program.slotCount++;
        Program::Step& step = valueStep(program, writer, *s.argument, slot, nullptr);
        step.kind = Program::Step::Kind::Execute;
        step.slot = slot;
        step.definitionSlot = definitionSlot;
        step.parameterSlots = std::move(parameterSlots);
        return;
    }
    case Kind::NoOp: return;
    case Kind::Block:
        for (Statement& inner : s.body)
            statement(inner, writer, program, variables);
        return;
    case Kind::If:
    case Kind::While: {
        const int top = static_cast<int>(program.steps.size());
        std::size_t branch = program.steps.size();
        {
            Program::Step& step = program.steps.emplace_back();
            step.kind = Program::Step::Kind::Branch;
            writer.begin(step);
            step.sql = "SELECT CASE WHEN ";
            writer.expression(*s.where, step.sql);
            step.sql += " THEN 1 ELSE 0 END";
        }
        ++conditional_;
        statement(s.body[0], writer, program, variables);
        if (s.kind == Kind::While) {
            Program::Step& back = program.steps.emplace_back();
            back.kind = Program::Step::Kind::Jump;
            back.target = top;
        } else if (s.body.size() > 1) {
            const std::size_t jump = program.steps.size();
            program.steps.emplace_back().kind = Program::Step::Kind::Jump;
            program.steps[branch].target = static_cast<int>(program.steps.size());
            branch = jump;  // patched below: past the ELSE
            statement(s.body[1], writer, program, variables);
        }
        --conditional_;
        program.steps[branch].target = static_cast<int>(program.steps.size());
        return;
    }
    case Kind::DropTable:
        for (const std::string& table : s.tables) {
            Program::Step& step = program.steps.emplace_back();
            writer.begin(step, true);
            step.sql = s.ifExists ? "DROP TABLE IF EXISTS " : "DROP TABLE ";
            writer.tableName(table, step.sql, true);
            if (isGlobalTemporary(table))
                step.dropsGlobalTemporary = table;
            step.changesSchema = !table.empty() && table[0] != '#';
            columnTypes_.forget(table);
        }
        return;
    default: break;
    }
    Program::Step& step = program.steps.emplace_back();
    const bool definition = s.kind == Kind::CreateTable || s.kind == Kind::CreateIndex;
    writer.begin(step, definition);
    std::string& sql = step.sql;
    if (s.kind != Kind::Insert || !s.select)
        writer.ctes(s.ctes, sql);  // an INSERT's query takes them itself
    switch (s.kind) {
    case Kind::Insert: insert(s, writer, sql); break;
    case Kind::Update: update(s, writer, sql); break;
    case Kind::Delete:
    case Kind::Truncate:
        sql += "DELETE FROM ";
        writer.tableName(s.table, sql);
        if (s.where) {
            sql += " WHERE ";
            writer.pushScope(s.table, nullptr);
            writer.expression(*s.where, sql);
            writer.popScope();
        }
        break;
    case Kind::CreateTable:
        columnTypes_.forget(s.table);
        step.changesSchema = !s.table.empty() && s.table[0] != '#';
        createTable(s, writer, sql);
        if (!s.table.empty() && s.table[0] == '#' && !conditional_) {
            // Created whatever ran before: its columns have the types written here. (One created under IF
            // may be an older one of other types.)
            ColumnTypes::Columns columns;
            for (const ColumnDef& column : s.columnDefs) {
                std::string declared;
                columnType(column, writer, declared);
                columns.emplace(upperAscii(column.name), ColumnTypes::ofDeclared(declared));
            }
            columnTypes_.declareTemporary(s.table, std::move(columns));
        }
        if (isGlobalTemporary(s.table))
            step.createsGlobalTemporary = s.table;
        break;
    case Kind::CreateIndex: {
        sql += s.uniqueIndex ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
        const bool local = s.table.size() > 1 && s.table[0] == '#' && s.table[1] != '#';
        if (local)
            sql += "temp.";
        writer.name(s.indexName, sql);
        sql += " ON ";
        writer.tableName(s.table, sql);
        sql += ' ';
        keyList(s.keyColumns, writer, sql);
        break;
    }
    case Kind::Begin:
        sql = "BEGIN IMMEDIATE";  // a write transaction from its start: no upgrade that WAL would refuse
        break;
    case Kind::Commit: sql = "COMMIT"; break;
    case Kind::Rollback: sql = "ROLLBACK"; break;
    default: break;
    }
}

void Translator::select(Statement& s, QueryWriter& writer, Program& program, const QueryWriter::Variables& variables) {
    Select& query = *s.select;
    Program::Step& step = program.steps.emplace_back();
    writer.begin(step);
    std::string& sql = step.sql;
    const bool assigns = !query.items.empty() && !query.items[0].variable.empty();
    if (assigns) {
        for (const SelectItem& item : query.items) {
            if (item.variable.empty()) {
                raiseSyntaxError(
                    QStringLiteral("A SELECT statement that assigns a value to a variable must not "
                                   "be combined with data-retrieval operations."));
            }
            step.assignTo.push_back(variableSlot(variables, item.variable));
        }
        writer.ctes(s.ctes, sql);
        writer.assignment(query, sql);
        return;
    }
    if (!query.into.empty()) {  // SELECT ... INTO table
        const std::string table = std::move(query.into);
        query.into.clear();
        columnTypes_.forget(table);
        step.changesSchema = !table.empty() && table[0] != '#';
        sql += "CREATE TABLE ";
        writer.tableName(table, sql, true);
        sql += " AS ";
        writer.ctes(s.ctes, sql);
        writer.query(query, sql, false);
        if (table[0] == '#' && !conditional_) {
            if (auto columns = writer.resultColumns(query))
                columnTypes_.declareTemporary(table, std::move(*columns));
        }
        if (isGlobalTemporary(table))
            step.createsGlobalTemporary = table;
        return;
    }
    writer.ctes(s.ctes, sql);
    writer.query(query, sql, true);
    step.resultSet = true;
}

// The values are converted to the columns' declared types as SQL Server converts them; a query's rows pass
// through a common table expression whose columns are converted in the same way.
void Translator::insert(const Statement& s, QueryWriter& writer, std::string& sql) {
    const std::vector<std::string>* declared = nullptr;
    if (s.columns.empty() && !s.defaultValues)
        declared = columnTypes_.columnNames(s.table);
    const std::vector<std::string>& targets = s.columns.empty() && declared ? *declared : s.columns;
    sql += "INSERT INTO ";
    writer.tableName(s.table, sql);
    if (!s.columns.empty()) {
        sql += ' ';
        nameList(s.columns, writer, sql);
    }
    if (s.defaultValues) {
        sql += " DEFAULT VALUES";
    } else if (s.select && !targets.empty()) {
        // The WITH follows INSERT: the SQLite ODBC driver counts no changed rows for a text that starts with it.
        sql += ' ';
        writer.ctes(s.ctes, sql);
        sql += s.ctes.empty() ? "WITH \"tsql_rows\" (" : ", \"tsql_rows\" (";
        for (std::size_t i = 0; i < targets.size(); ++i)
            sql += (i ? ", c" : "c") + std::to_string(i + 1);
        sql += ") AS (";
        writer.query(*s.select, sql, false);
        sql += ") SELECT ";
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (i)
                sql += ", ";
            writer.storedWritten(s.table, targets[i], "c" + std::to_string(i + 1), ScalarType::Unknown, -1, sql);
        }
        sql += " FROM \"tsql_rows\"";
    } else if (s.select) {
        sql += ' ';
        writer.ctes(s.ctes, sql);
        writer.query(*s.select, sql, false);
    } else {
        sql += " VALUES ";
        for (std::size_t r = 0; r < s.values.size(); ++r) {
            sql += r ? ", (" : "(";
            const std::vector<ExprPtr>& row = s.values[r];
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (i)
                    sql += ", ";
                if (i < targets.size()) {
                    writer.stored(s.table, targets[i], *row[i], sql);
                } else {
                    writer.expression(*row[i], sql);  // SQLite reports the count that does not match
                }
            }
            sql += ')';
        }
    }
}

void Translator::update(const Statement& s, QueryWriter& writer, std::string& sql) {
    sql += "UPDATE ";
    writer.tableName(s.table, sql);
    writer.pushScope(s.table, &s.from);
    sql += " SET ";
    for (std::size_t i = 0; i < s.assignments.size(); ++i) {
        if (i)
            sql += ", ";
        writer.name(s.assignments[i].target, sql);
        sql += " = ";
        writer.stored(s.table, s.assignments[i].target, *s.assignments[i].value, sql);
    }
    if (!s.from.empty()) {
        for (const auto& source : s.from) {
            if (source->kind != TableRef::Kind::Table ||
                QString::fromStdString(source->name).compare(QString::fromStdString(s.table), Qt::CaseInsensitive) ==
                    0) {
                raiseUnsupported(QStringLiteral("UPDATE with its target or a join in FROM"));
            }
        }
        sql += " FROM ";
        writer.tableSources(s.from, sql);
    }
    if (s.where) {
        sql += " WHERE ";
        writer.expression(*s.where, sql);
    }
    writer.popScope();
}

void Translator::nameList(const std::vector<std::string>& names, QueryWriter& writer, std::string& sql) {
    sql += '(';
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i)
            sql += ", ";
        writer.name(names[i], sql);
    }
    sql += ')';
}

void Translator::keyList(const std::vector<KeyColumn>& columns, QueryWriter& writer, std::string& sql) {
    sql += '(';
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i)
            sql += ", ";
        writer.name(columns[i].name, sql);
        if (columns[i].descending)
            sql += " DESC";
    }
    sql += ')';
}

void Translator::references(const std::string& table, const std::vector<std::string>& columns,
                            const std::vector<std::string>& actions, QueryWriter& writer, std::string& sql) {
    sql += " REFERENCES ";
    writer.tableName(table, sql);
    if (!columns.empty()) {
        sql += ' ';
        nameList(columns, writer, sql);
    }
    for (const std::string& action : actions)
        sql += ' ' + action;
}

// SQL Server's type as declared (SQLite takes its affinity from the name), UNIQUEIDENTIFIER kept as text,
// and every text column compared as the database does.
void Translator::columnType(const ColumnDef& column, QueryWriter& writer, std::string& sql) {
    const TypeName& type = column.type;
    sql += type.name;
    if (type.name == "UNIQUEIDENTIFIER") {
        sql += " TEXT";  // an all-digit GUID must not turn into a number
    } else if (!type.max && !type.arguments.empty()) {
        sql += '(' + std::to_string(type.arguments[0]);
        if (type.arguments.size() > 1)
            sql += ',' + std::to_string(type.arguments[1]);
        sql += ')';
    }
    if (type.isText() || !column.collation.empty()) {
        sql += " COLLATE ";
        sql += column.collation.empty() ? std::string("DATABASE_DEFAULT") : writer.collation(column.collation);
    }
}

void Translator::createTable(const Statement& s, QueryWriter& writer, std::string& sql) {
    sql += "CREATE TABLE ";
    writer.tableName(s.table, sql, true);
    sql += " (";
    if (isGlobalTemporary(s.table))
        sql += GlobalTemporaryTables::ownerMarker();
    bool first = true;
    for (const ColumnDef& column : s.columnDefs) {
        if (!first)
            sql += ", ";
        first = false;
        writer.name(column.name, sql);
        sql += ' ';
        columnType(column, writer, sql);
        if (column.notNull)
            sql += " NOT NULL";
        if (column.primaryKey)
            sql += " PRIMARY KEY";
        if (column.unique)
            sql += " UNIQUE";
        if (column.defaultValue) {
            sql += " DEFAULT ";
            const ExprKind k = column.defaultValue->kind;
            const bool simple = k == ExprKind::Literal || k == ExprKind::Null;
            if (!simple)
                sql += '(';  // SQLite takes an expression default only in parentheses
            writer.expression(*column.defaultValue, sql);
            if (!simple)
                sql += ')';
        }
        if (!column.references.empty()) {
            references(column.references, column.referencedColumns, column.referentialActions, writer, sql);
        }
        if (column.check) {
            sql += " CHECK (";
            writer.expression(*column.check, sql);
            sql += ')';
        }
    }
    for (const TableConstraint& c : s.constraints) {
        sql += ", ";
        if (!c.name.empty()) {
            sql += "CONSTRAINT ";
            writer.name(c.name, sql);
            sql += ' ';
        }
        switch (c.kind) {
        case TableConstraint::Kind::PrimaryKey:
            sql += "PRIMARY KEY ";
            keyList(c.keyColumns, writer, sql);
            break;
        case TableConstraint::Kind::Unique:
            sql += "UNIQUE ";
            keyList(c.keyColumns, writer, sql);
            break;
        case TableConstraint::Kind::ForeignKey:
            sql += "FOREIGN KEY ";
            nameList(c.columns, writer, sql);
            references(c.references, c.referencedColumns, c.referentialActions, writer, sql);
            break;
        case TableConstraint::Kind::Check:
            sql += "CHECK (";
            writer.expression(*c.check, sql);
            sql += ')';
            break;
        }
    }
    sql += ')';
}

}  // namespace tsql
