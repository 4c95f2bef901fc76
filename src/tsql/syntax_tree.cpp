#include "tsql/syntax_tree.h"

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

}  // namespace tsql::ast
