#include "suite/framework/lookup_window_model.h"

#include "suite/framework/function_library_model.h"
#include "suite/framework/standard_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"

#include <QDateTime>
#include <QStringList>

namespace suite {

namespace {

automation::Error invalidPick() {
    return automation::Error(5, QStringLiteral("LookupWindow"), QStringLiteral("Invalid procedure call or argument"));
}

// A value as a T-SQL literal.
QString literal(const QVariant& value) {
    if (automation::isEmpty(value) || automation::isNull(value))
        return QStringLiteral("NULL");
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (FunctionLibraryModel::isNumber(value))
        return automation::cstr(value);
    if (value.metaType().id() == QMetaType::QDateTime)
        return statements::quoted(value.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    return QLatin1Char('N') + statements::quoted(automation::cstr(value));
}

}  // namespace

LookupWindowModel::LookupWindowModel(std::shared_ptr<LookupPresenter> presenter, ConnectionProvider connections)
    : presenter_(std::move(presenter)), connections_(std::move(connections)) {}

void LookupWindowModel::show() {
    struct Closing {
        LookupWindowModel& window;
        ~Closing() {
            window.shown_ = false;
            window.view_.rows.reset();
        }
    };
    std::shared_ptr<ado::Connection> connection;
    if (connections_) {
        connection = connections_(connectionString_);
    } else {
        connection = std::make_shared<ado::Connection>();
        connection->open(connectionString_);
    }
    const std::shared_ptr<ado::Recordset> rows =
        connection->execute(view_.statement, nullptr, ado::TextKind::Statement);
    view_.rows = rows->isOpen() ? rows : nullptr;
    shown_ = true;
    Closing closing{*this};
    apply(presenter_->choose(view_));
}

void LookupWindowModel::apply(const LookupPick& pick) {
    const qint64 count = view_.rows ? view_.rows->recordCount() : 0;
    for (const int index : pick.rows) {
        if (index < 0 || index >= count)
            throw invalidPick();
    }
    switch (pick.kind) {
    case LookupPick::Kind::Cancel: return;
    case LookupPick::Kind::Row: {
        if (pick.rows.size() != 1)
            throw invalidPick();
        const std::shared_ptr<ado::Recordset> row = view_.rows->clone();
        row->setAbsolutePosition(pick.rows.first() + 1);
        OnSelection.raise(view_.identifier, row);
        return;
    }
    case LookupPick::Kind::Selection:
        if (!view_.multipleSelection)
            throw invalidPick();
        OnReturnRecordSet.raise(pick.rows.isEmpty() ? QString() : selectionStatement(*view_.rows, pick.rows));
        return;
    }
}

QString LookupWindowModel::selectionStatement(ado::Recordset& rows, const QList<int>& indexes) {
    const std::shared_ptr<ado::Recordset> walker = rows.clone();
    QStringList selects;
    for (const int index : indexes) {
        walker->setAbsolutePosition(index + 1);
        QStringList columns;
        for (int i = 0; i < walker->fields().count(); ++i)
            columns << literal(walker->value(i)) + QStringLiteral(" AS [") + walker->fields().item(i).name() +
                           QLatin1Char(']');
        selects << QStringLiteral("SELECT ") + columns.join(QStringLiteral(", "));
    }
    // SQLite takes at most 500 terms in one compound SELECT, SQL Server many more: a longer selection is
    // a UNION ALL of derived tables of a few hundred rows each, still in the order picked.
    constexpr qsizetype terms = 400;
    const QString unionAll = QStringLiteral("\r\nUNION ALL\r\n");
    while (selects.size() > terms) {
        QStringList parts;
        for (qsizetype first = 0; first < selects.size(); first += terms)
            parts << QStringLiteral("SELECT * FROM (") + selects.mid(first, terms).join(unionAll) +
                         QStringLiteral(") AS [Picked]");
        selects = parts;
    }
    return selects.join(unionAll);
}

}  // namespace suite
