#pragma once

#include "tsql/sql_target.h"

#include <memory>
#include <string>
#include <vector>

namespace tsql {

// A T-SQL batch translated for SQLite: the steps the batch interpreter runs in order. A program is made once
// per statement shape and kept, with its prepared statements, by the translation cache; the literal values
// of each text are bound at run time.
struct Program {
    // Where the value of one SQLite parameter comes from.
    struct Binding {
        enum class Source : unsigned char { Caller, Literal, Variable };
        Source source;
        int index;  // the caller's parameter ordinal, the literal's ordinal, or the variable's slot
    };

    struct Step {
        enum class Kind : unsigned char {
            Sql,      // run sql; its rows are a result set, or assign variables
            Execute,  // run sql (SELECT text), then run the text in variable slot as a batch of its own
            Branch,   // run sql (SELECT of 1 or 0): on anything but 1 go on at step target
            Jump,     // go on at step target
        };
        Kind kind = Kind::Sql;
        std::string sql;
        std::vector<Binding> bindings;  // ?1, ?2 ... in order
        std::vector<int> assignTo;      // SELECT @v = ...: the slot of each column; the last row wins
        bool resultSet = false;
        int slot = -1;  // Execute: the slot that receives the text
        // Execute of sp_executesql: the slot of its parameters' declarations (-1: a plain EXECUTE), and the
        // slots of its values, each with the parameter it names (empty: by position).
        int definitionSlot = -1;
        std::vector<std::pair<std::string, int>> parameterSlots;
        int target = -1;                     // Branch, Jump: the index of the next step
        std::string createsGlobalTemporary;  // ##name the statement creates, or empty
        std::string dropsGlobalTemporary;    // ##name the statement drops, or empty
        // The statement creates or drops a table of the database: translations made before may rest on
        // its old columns.
        bool changesSchema = false;
        std::unique_ptr<SqlTarget::Statement> prepared;  // prepared on first run, kept with the program
    };

    std::vector<Step> steps;
    std::size_t statements = 0;  // statements of the batch's own text
    int slotCount = 0;
    // Literals the translation wrote into the SQL text instead of binding them (TOP 100 PERCENT, DDL,
    // FOR XML PATH's element...): the program serves another text of the same shape only when these match.
    std::vector<int> pinnedLiterals;
    std::vector<std::string> pinnedValues;
    // False when the translation read the database's current columns (PIVOT): translated on every run.
    bool cacheable = true;
};

using ProgramPtr = std::shared_ptr<Program>;

}  // namespace tsql
