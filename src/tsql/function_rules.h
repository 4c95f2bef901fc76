#pragma once

#include <span>
#include <string_view>

namespace tsql {

// How a T-SQL function translates: the SQLite function that does its job (SQLite's own where it behaves
// like SQL Server's, else one registered by registerFunctions) and what type its result has, which decides
// what a + around it means.
struct FunctionRule {
    // Replacement: ISNULL, the first argument's type (the second's when the first is NULL); the second is
    // converted to the first's type. Numeric: the first argument's type where it is a number, float for a
    // text. Choice: the type of the arguments after the first, as CASE has its results'.
    enum class Result : unsigned char {
        Text,
        Number,
        Integer,
        Float,
        FirstArgument,
        FirstKnown,
        Replacement,
        Numeric,
        Choice
    };

    std::string_view name;    // T-SQL, upper case
    std::string_view sqlite;  // the function the translation calls
    int minArguments;
    int maxArguments;  // -1: no limit
    Result result;
};

// The rule of an upper-case T-SQL function name, or nullptr for a function the dialect does not know.
const FunctionRule* findFunctionRule(std::string_view name);
// Every rule, by T-SQL name.
std::span<const FunctionRule> functionRules();

}  // namespace tsql
