#include "tsql/column_types.h"

#include "automation/error.h"
#include "tsql/sql_target.h"


namespace tsql {

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

ColumnTypes::ColumnTypes(SqlTarget& target) : target_(target) {}

const ColumnTypes::Columns* ColumnTypes::columns(std::string_view table) {
    std::string key = upperAscii(table);
    if (const auto it = tables_.find(key); it != tables_.end()) return &it->second;
    ResultSet rows;
    try {
        const auto statement = target_.prepare("SELECT name, type FROM pragma_table_info(?1)", false);
        statement->bindText(1, table, true);
        statement->run(&rows);
    } catch (const automation::Error&) {
        return nullptr;  // a type not known is today's translation, not a failure
    }
    if (rows.rows.empty()) return nullptr;  // not kept: the table may be created later
    Columns columns;
    for (const Row& row : rows.rows) {
        const QByteArray type = row[1].toString().toUtf8();
        columns.emplace(upperAscii(row[0].toString().toStdString()),
                        ofTypeName(std::string_view(type.constData(), static_cast<std::size_t>(type.size()))));
    }
    return &tables_.emplace(std::move(key), std::move(columns)).first->second;
}

void ColumnTypes::forget(std::string_view table) { tables_.erase(upperAscii(table)); }

ScalarType ColumnTypes::ofTypeName(std::string_view declared) {
    std::size_t end = 0;
    while (end < declared.size() && declared[end] != '(' && declared[end] != ' ') ++end;
    const std::string name = upperAscii(declared.substr(0, end));
    static constexpr std::string_view integer[] = {"INT", "INTEGER", "BIGINT", "SMALLINT", "TINYINT"};
    static constexpr std::string_view decimal[] = {"DECIMAL", "NUMERIC", "MONEY", "SMALLMONEY"};
    static constexpr std::string_view floating[] = {"FLOAT", "REAL"};
    static constexpr std::string_view text[] = {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT",
                                                "NTEXT", "UNIQUEIDENTIFIER", "SYSNAME"};
    const auto in = [&name](const auto& names) {
        for (std::string_view n : names) {
            if (name == n) return true;
        }
        return false;
    };
    if (in(integer)) return ScalarType::Integer;
    if (in(decimal)) return ScalarType::Decimal;
    if (in(floating)) return ScalarType::Float;
    if (in(text)) return ScalarType::Text;
    return ScalarType::Unknown;  // BIT, dates, binaries: ISNULL keeps its replacement as it is
}

}  // namespace tsql
