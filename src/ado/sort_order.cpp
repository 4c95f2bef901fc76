#include "ado/sort_order.h"

#include "ado/error.h"
#include "ado/value_comparison.h"
#include "automation/error.h"

#include <QStringList>

namespace ado {

namespace {

const QString Source = QStringLiteral("ADODB.Recordset");

[[noreturn]] void raise(long number, const QString& detail) {
    const automation::Error base = adoError(number, Source);
    throw automation::Error(base.number(), base.source(), base.description() + QLatin1Char(' ') + detail);
}

}  // namespace

SortOrder SortOrder::parse(const QString& text, const std::function<int(const QString&)>& fieldIndex) {
    SortOrder order;
    for (const QString& part : text.split(QLatin1Char(','))) {
        QString item = part.trimmed();
        if (item.isEmpty())
            raise(automation::errors::ArgumentsWrongType, QStringLiteral("(Sort \"%1\")").arg(text));
        bool descending = false;
        const qsizetype blank = item.lastIndexOf(QLatin1Char(' '));
        if (blank > 0 && !item.endsWith(QLatin1Char(']'))) {
            const QString direction = item.mid(blank + 1);
            if (direction.compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0) {
                descending = true;
            } else if (direction.compare(QLatin1String("ASC"), Qt::CaseInsensitive) != 0) {
                raise(automation::errors::ArgumentsWrongType, QStringLiteral("(Sort \"%1\")").arg(text));
            }
            item = item.left(blank).trimmed();
        }
        if (item.startsWith(QLatin1Char('[')) && item.endsWith(QLatin1Char(']')))
            item = item.mid(1, item.size() - 2);
        const int field = fieldIndex(item);
        if (field < 0)
            raise(automation::errors::ItemNotFound, QStringLiteral("(Sort field \"%1\")").arg(item));
        order.keys_.push_back(Key{field, descending});
    }
    return order;
}

bool SortOrder::less(const std::vector<QVariant>& a, const std::vector<QVariant>& b) const {
    for (const Key& key : keys_) {
        const auto i = static_cast<std::size_t>(key.field);
        const int c = compareValues(a[i], b[i]);
        if (c != 0)
            return key.descending ? c > 0 : c < 0;
    }
    return false;
}

}  // namespace ado
