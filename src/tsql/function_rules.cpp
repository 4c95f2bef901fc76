#include "tsql/function_rules.h"

#include <iterator>

namespace tsql {

namespace {

using R = FunctionRule::Result;

constexpr FunctionRule rules[] = {
    {"ABS", "abs", 1, 1, R::FirstArgument},
    {"ASCII", "", 1, 1, R::Number},
    {"AVG", "avg", 1, 1, R::Number},
    {"CEILING", "", 1, 1, R::Numeric},
    {"CHAR", "", 1, 1, R::Text},
    {"CHARINDEX", "charindex", 2, 3, R::Number},
    {"CHOOSE", "", 2, 255, R::Choice},
    {"COALESCE", "coalesce", 2, -1, R::FirstKnown},
    {"CONCAT", "", 2, 254, R::Text},
    {"CONCAT_WS", "", 3, 254, R::Text},
    {"COUNT", "count", 1, 1, R::Number},
    {"COUNT_BIG", "count", 1, 1, R::Number},
    {"DATALENGTH", "", 1, 1, R::Number},
    {"FLOOR", "", 1, 1, R::Numeric},
    {"GETDATE", "getdate", 0, 0, R::Text},
    {"ISNULL", "ifnull", 2, 2, R::Replacement},
    {"ISNUMERIC", "tsql_isnumeric", 1, 1, R::Integer},
    {"LEFT", "tsql_left", 2, 2, R::Text},
    {"LEN", "len", 1, 1, R::Number},
    {"LOWER", "lower", 1, 1, R::Text},
    {"LTRIM", "ltrim", 1, 1, R::Text},
    {"MAX", "max", 1, 1, R::FirstArgument},
    {"MIN", "min", 1, 1, R::FirstArgument},
    {"NCHAR", "", 1, 1, R::Text},
    {"NEWID", "newid", 0, 0, R::Text},
    {"NULLIF", "nullif", 2, 2, R::FirstArgument},
    {"PATINDEX", "patindex", 2, 2, R::Number},
    {"QUOTENAME", "tsql_quotename", 1, 2, R::Text},
    {"REPLACE", "tsql_replace", 3, 3, R::Text},
    {"REPLICATE", "replicate", 2, 2, R::Text},
    {"REVERSE", "tsql_reverse", 1, 1, R::Text},
    {"RIGHT", "tsql_right", 2, 2, R::Text},
    {"ROUND", "", 2, 3, R::Numeric},
    {"RTRIM", "rtrim", 1, 1, R::Text},
    {"SIGN", "", 1, 1, R::Numeric},
    {"SPACE", "space", 1, 1, R::Text},
    {"SQRT", "", 1, 1, R::Float},
    {"SQUARE", "", 1, 1, R::Float},
    {"STR", "", 1, 3, R::Text},
    {"STUFF", "stuff", 4, 4, R::Text},
    {"SUBSTRING", "substring", 3, 3, R::Text},
    {"SUM", "sum", 1, 1, R::Number},
    {"TRIM", "trim", 1, 1, R::Text},
    {"UNICODE", "", 1, 1, R::Number},
    {"UPPER", "upper", 1, 1, R::Text},
};

}  // namespace

const FunctionRule* findFunctionRule(std::string_view name) {
    for (const FunctionRule& rule : rules) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

std::span<const FunctionRule> functionRules() { return rules; }

}  // namespace tsql
