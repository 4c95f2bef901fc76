#pragma once

#include "tsql/column_types.h"
#include "tsql/lexer.h"
#include "tsql/program.h"
#include "tsql/query_writer.h"
#include "tsql/syntax_tree.h"

namespace tsql {

class SqlTarget;

// Translates a T-SQL batch into a Program: one SQLite statement per data statement (temporary tables named
// for SQLite, TRUNCATE as DELETE, BEGIN TRAN as BEGIN IMMEDIATE, SQL Server column types with
// DATABASE_DEFAULT on text columns), DECLARE / SET / SELECT @v = as variable assignments, EXECUTE(@v) as a
// batch run in turn.
class Translator {
public:
    // The target is asked for the current columns of a PIVOT's source and for the declared types of the
    // tables whose columns ISNULL's first argument names.
    explicit Translator(SqlTarget& target);

    // The program of the batch the lexer holds.
    ProgramPtr translate(const Lexer& lexer);
    // Forgets the tables' columns read so far: the schema changed.
    void schemaChanged() { columnTypes_.clear(); }

private:
    void statement(ast::Statement& s, QueryWriter& writer, Program& program, QueryWriter::Variables& variables);
    void select(ast::Statement& s, QueryWriter& writer, Program& program, const QueryWriter::Variables& variables);
    void insert(const ast::Statement& s, QueryWriter& writer, std::string& sql);
    void update(const ast::Statement& s, QueryWriter& writer, std::string& sql);
    void createTable(const ast::Statement& s, QueryWriter& writer, std::string& sql);
    void columnType(const ast::ColumnDef& column, QueryWriter& writer, std::string& sql);
    void references(const std::string& table, const std::vector<std::string>& columns,
                    const std::vector<std::string>& actions, QueryWriter& writer, std::string& sql);
    void nameList(const std::vector<std::string>& names, QueryWriter& writer, std::string& sql);
    void keyList(const std::vector<ast::KeyColumn>& columns, QueryWriter& writer, std::string& sql);
    Program::Step& valueStep(Program& program, QueryWriter& writer, const ast::Expr& value, int slot,
                             const ast::TypeName* declared);

    SqlTarget& target_;
    ColumnTypes columnTypes_;
    int conditional_ = 0;  // depth of IF and WHILE around the statement being translated
};

}  // namespace tsql
