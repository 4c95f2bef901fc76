#include "suite/framework/standard_statements.h"

#include "suite/framework/host_session.h"

#include "automation/sql_quote.h"

namespace suite::statements {

namespace {
const QString LineBreak = QStringLiteral("\r\n");
const QString Indent = QStringLiteral("    ");
}  // namespace

QString select(const QStringList& columns, const QString& from, const QStringList& conditions, const QString& orderBy) {
    QString text = QStringLiteral("SELECT") + LineBreak + Indent +
                   columns.join(QStringLiteral(",") + LineBreak + Indent) + LineBreak + QStringLiteral("FROM") +
                   LineBreak + Indent + from + LineBreak + QStringLiteral("WHERE") + LineBreak + Indent +
                   conditions.join(LineBreak + Indent + QStringLiteral("AND "));
    if (!orderBy.isEmpty())
        text += LineBreak + QStringLiteral("ORDER BY") + LineBreak + Indent + orderBy;
    return text;
}

QStringList fieldNames(const QStringList& columns) {
    QStringList names;
    for (const QString& column : columns) {
        const qsizetype alias = column.lastIndexOf(QStringLiteral(" AS "), -1, Qt::CaseInsensitive);
        names << (alias < 0 ? column : column.mid(alias + 4)).trimmed();
    }
    return names;
}

QString quoted(const QString& text) { return automation::sqlQuoted(text); }

QString equalsText(const QString& column, const QString& code) { return column + QStringLiteral(" = ") + quoted(code); }

QString equalsNumber(const QString& column, const QVariant& number) {
    return column + QStringLiteral(" = ") + session::sqlNumber(number);
}

}  // namespace suite::statements
