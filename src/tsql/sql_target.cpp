#include "tsql/sql_target.h"

#include <type_traits>

namespace tsql {

void SqlTarget::Statement::bind(int index, const QVariant& value) {
    asBindable(value, [&](const auto& v) {
        using Value = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<Value, std::nullptr_t>) {
            bindNull(index);
        } else if constexpr (std::is_same_v<Value, qint64>) {
            bindInteger(index, v);
        } else if constexpr (std::is_same_v<Value, double>) {
            bindReal(index, v);
        } else if constexpr (std::is_same_v<Value, QByteArray>) {
            bindBytes(index, v);
        } else {
            const QByteArray utf8 = v.toUtf8();
            bindText(index, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), false);
        }
    });
}

}  // namespace tsql
