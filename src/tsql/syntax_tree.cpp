#include "tsql/syntax_tree.h"

#include <algorithm>
#include <string_view>

namespace tsql::ast {

ValueType TypeName::category() const {
    static constexpr std::string_view text[] = {"CHAR",  "VARCHAR",          "NCHAR",   "NVARCHAR", "TEXT",
                                                "NTEXT", "UNIQUEIDENTIFIER", "SYSNAME", "XML"};
    static constexpr std::string_view number[] = {"INT",     "BIGINT", "SMALLINT",   "TINYINT", "BIT", "DECIMAL",
                                                  "NUMERIC", "MONEY",  "SMALLMONEY", "FLOAT",   "REAL"};
    for (std::string_view t : text) {
        if (name == t)
            return ValueType::Text;
    }
    for (std::string_view t : number) {
        if (name == t)
            return ValueType::Number;
    }
    return ValueType::Unknown;
}

bool isAggregate(std::string_view name) {
    return name == "SUM" || name == "AVG" || name == "COUNT" || name == "COUNT_BIG" || name == "MIN" || name == "MAX";
}

bool holdsAggregateOrQuery(const Expr& e) {
    if (e.query || (e.kind == ExprKind::Function && isAggregate(e.text)))
        return true;
    return std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& a) { return a && holdsAggregateOrQuery(*a); });
}

}  // namespace tsql::ast
