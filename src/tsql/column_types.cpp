#include "tsql/column_types.h"

#include "automation/error.h"
#include "tsql/sql_target.h"

#include <cstdlib>

namespace tsql {

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

ColumnTypes::ColumnTypes(SqlTarget& target) : target_(target) {}

const ColumnTypes::Columns* ColumnTypes::columns(std::string_view table) {
    std::string key = upperAscii(table);
    if (const auto it = tables_.find(key); it != tables_.end())
        return &it->second;
    ResultSet rows;
    try {
        const auto statement = target_.prepare("SELECT name, type FROM pragma_table_info(?1)", false);
        statement->bindText(1, table, true);
        statement->run(&rows);
    } catch (const automation::Error&) {
        return nullptr;  // a type not known is today's translation, not a failure
    }
    if (rows.rows.empty())
        return nullptr;  // not kept: the table may be created later
    Columns columns;
    std::vector<std::string> names;
    for (const Row& row : rows.rows) {
        const QByteArray type = row[1].toString().toUtf8();
        names.push_back(upperAscii(row[0].toString().toStdString()));
        columns.emplace(names.back(),
                        ofDeclared(std::string_view(type.constData(), static_cast<std::size_t>(type.size()))));
    }
    order_[key] = std::move(names);
    return &tables_.emplace(std::move(key), std::move(columns)).first->second;
}

const std::vector<std::string>* ColumnTypes::columnNames(std::string_view table) {
    if (!columns(table))
        return nullptr;
    return &order_.at(upperAscii(table));
}

void ColumnTypes::forget(std::string_view table) {
    tables_.erase(upperAscii(table));
    order_.erase(upperAscii(table));
    temporaries_.erase(upperAscii(table));
}

const ColumnTypes::Columns* ColumnTypes::temporary(std::string_view table) const {
    const auto it = temporaries_.find(upperAscii(table));
    return it == temporaries_.end() ? nullptr : &it->second;
}

void ColumnTypes::declareTemporary(std::string_view table, Columns columns) {
    temporaries_[upperAscii(table)] = std::move(columns);
}

ScalarType ColumnTypes::ofTypeName(std::string_view declared) {
    std::size_t end = 0;
    while (end < declared.size() && declared[end] != '(' && declared[end] != ' ')
        ++end;
    const std::string name = upperAscii(declared.substr(0, end));
    static constexpr std::string_view integer[] = {"INT", "INTEGER", "BIGINT", "SMALLINT", "TINYINT"};
    static constexpr std::string_view decimal[] = {"DECIMAL", "NUMERIC", "MONEY", "SMALLMONEY"};
    static constexpr std::string_view floating[] = {"FLOAT", "REAL"};
    static constexpr std::string_view text[] = {"CHAR",  "VARCHAR",          "NCHAR",  "NVARCHAR", "TEXT",
                                                "NTEXT", "UNIQUEIDENTIFIER", "SYSNAME"};
    const auto in = [&name](const auto& names) {
        for (std::string_view n : names) {
            if (name == n)
                return true;
        }
        return false;
    };
    if (in(integer))
        return ScalarType::Integer;
    if (in(decimal))
        return ScalarType::Decimal;
    if (in(floating))
        return ScalarType::Float;
    if (in(text))
        return ScalarType::Text;
    if (name == "DATETIME")
        return ScalarType::DateTime;
    return ScalarType::Unknown;  // BIT, other dates, binaries: ISNULL keeps its replacement as it is
}

ColumnTypes::Column ColumnTypes::ofDeclared(std::string_view declared) {
    Column column;
    column.type = ofTypeName(declared);
    std::size_t end = 0;
    while (end < declared.size() && declared[end] != '(' && declared[end] != ' ')
        ++end;
    const std::string name = upperAscii(declared.substr(0, end));
    if (column.type == ScalarType::Integer) {
        column.bits = name == "TINYINT" ? 8 : name == "SMALLINT" ? 16 : name == "BIGINT" ? 64 : 32;
        column.precision = column.bits == 8 ? 3 : column.bits == 16 ? 5 : column.bits == 64 ? 19 : 10;
    } else if (name == "MONEY" || name == "SMALLMONEY") {
        column.money = true;
    } else if (name == "BIT") {
        column.bit = true;
    } else if (name == "DECIMAL" || name == "NUMERIC") {
        // "decimal(18, 4)": without arguments SQL Server's default, 18 and 0.
        column.precision = 18;
        const std::size_t open = declared.find('(');
        if (open != std::string_view::npos) {
            const std::string arguments(declared.substr(open + 1));
            char* end = nullptr;
            column.precision = static_cast<int>(std::strtol(arguments.c_str(), &end, 10));
            const std::size_t comma = arguments.find(',');
            if (comma != std::string::npos && comma < arguments.find(')'))
                column.scale = std::atoi(arguments.c_str() + comma + 1);
            if (column.precision < 1 || column.precision > 38 || column.scale < 0 || column.scale > column.precision) {
                column.precision = 0;
                column.scale = 0;
            }
        }
    } else if (column.type == ScalarType::Text) {
        column.national = name[0] == 'N' || name == "SYSNAME";
        column.fixed = name == "CHAR" || name == "NCHAR";
        column.length = name == "SYSNAME"                   ? 128
                        : name == "UNIQUEIDENTIFIER"        ? 36
                        : name == "CHAR" || name == "NCHAR" ? 1
                                                            : -1;
        const std::size_t open = declared.find('(');
        if (open != std::string_view::npos) {
            const std::string argument = upperAscii(declared.substr(open + 1, declared.find(')', open) - open - 1));
            if (argument.find("MAX") != std::string::npos) {
                column.length = -1;
            } else {
                const int length = std::atoi(argument.c_str());
                column.length = length > 0 ? length : -1;
            }
        } else if (name == "VARCHAR" || name == "NVARCHAR") {
            column.length = 1;  // as SQL Server declares a VARCHAR without a length
        }
    }
    return column;
}

}  // namespace tsql
