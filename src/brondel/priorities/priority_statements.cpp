#include "brondel/priorities/priority_statements.h"

namespace brondel {

namespace {

// The one escaping of values written into statement text: apostrophes doubled.
QString escaped(const QString& value) {
    QString text = value;
    return text.replace(QLatin1Char('\''), QLatin1String("''"));
}

}  // namespace

QString PriorityStatements::configuredVariants(const QString& company) {
    return QStringLiteral("SELECT MG5F_DESCR_VAR ") + QStringLiteral(" FROM MG5F_DIMECONF ") + QStringLiteral(" WHERE ") +
           QStringLiteral(" MG5F_DITTA_CG18 = ") + escaped(company);
}

QString PriorityStatements::deleteDefaultLists(const QString& company) {
    return QStringLiteral("DELETE FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = ") + escaped(company) +
           QStringLiteral(" AND MG5L_INDELEMENTO <> 5");
}

QString PriorityStatements::insertStep(const QString& company, int element, int priority, const StepFlags& flags) {
    QString text = QStringLiteral("INSERT INTO MG5L_LETVARIANTI") + QStringLiteral(" (MG5L_DITTA_CG18,") +
                   QStringLiteral(" MG5L_INDELEMENTO,") + QStringLiteral(" MG5L_PRIORITA,");
    for (int position = 1; position <= 10; ++position)
        text += QStringLiteral(" MG5L_FLGPOSVAR%1").arg(position) + (position < 10 ? QStringLiteral(",") : QString());
    text += QStringLiteral(" ) ") + QStringLiteral(" VALUES (") + escaped(company) + QStringLiteral(",") +
            QString::number(element) + QStringLiteral(",") + QString::number(priority);
    for (const int flag : flags)
        text += flag ? QStringLiteral(",1") : QStringLiteral(",0");
    return text + QStringLiteral(" ) ");
}

QString PriorityStatements::elementSteps(const QString& company, const QString& element) {
    QString text = QStringLiteral("   SELECT ") + QStringLiteral("       MG5L_DITTA_CG18") +
                   QStringLiteral("       ,MG5L_INDELEMENTO") + QStringLiteral("       ,MG5L_PRIORITA");
    for (int position = 1; position <= 10; ++position)
        text += QStringLiteral("       ,MG5L_FLGPOSVAR%1").arg(position);
    return text + QStringLiteral("   FROM MG5L_LETVARIANTI ") + QStringLiteral("   WHERE MG5L_DITTA_CG18 = ") +
           escaped(company) + QStringLiteral("       AND MG5L_INDELEMENTO = ") + escaped(element) +
           QStringLiteral("   ORDER BY MG5L_PRIORITA");
}

}  // namespace brondel
