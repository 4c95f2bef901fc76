#include "brondel/groupings/grouping_statements.h"

#include <QStringList>

namespace brondel {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString lines(const QStringList& pieces) { return pieces.join(crlf); }

// The trailing conditions that pick one grouping's composition rows, in the layout of the commands.
QStringList groupingConditions(const QString& company, const QString& variant, const QString& grouping) {
    return {QStringLiteral("   WHERE"), QStringLiteral("       MG5H_DITTA_CG18 = ") + company + QStringLiteral(" "),
            QStringLiteral("       AND   MG5H_RAGGR_MG5G     = '") + GroupingStatements::quoted(grouping) +
                QStringLiteral("'"),
            QStringLiteral("       AND   MG5H_CODICEVAR_MG5F = '") + GroupingStatements::quoted(variant) +
                QStringLiteral("'")};
}

// The grouping's rows joined to their options, with or without the description in the grouping.
QString compositionRows(const QString& company, const QString& variant, const QString& grouping, bool description) {
    QStringList pieces{QStringLiteral("   SELECT "),          QStringLiteral("       MG5H_SEQOPZIONE"),
                       QStringLiteral("       ,MG5H_OPZIONE_MG5E"), QStringLiteral("       ,MG5E_DESCR"),
                       QStringLiteral("       ,MG5H_DITTA_CG18"), QStringLiteral("       ,MG5H_CODICEVAR_MG5F"),
                       QStringLiteral("       ,MG5H_RAGGR_MG5G")};
    if (description)
        pieces << QStringLiteral("       ,MG5H_DESCR");
    pieces << QStringLiteral("   FROM MG5H_COMPRAGVAR ") << QStringLiteral("       INNER JOIN MG5E_OPZIONI")
           << QStringLiteral("       ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18")
           << QStringLiteral("       AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F")
           << QStringLiteral("       AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E");
    pieces << groupingConditions(company, variant, grouping);
    pieces << QStringLiteral("       ORDER BY MG5H_SEQOPZIONE");
    return lines(pieces);
}

// " WHERE" and the conditions on one grouping in the one-line layout of the search lists' statements.
QString oneLineGrouping(const QString& company, const QString& variant, const QString& grouping) {
    return QStringLiteral(" WHERE") + QStringLiteral("    MG5H_DITTA_CG18 = ") + company + QStringLiteral(" AND") +
           QStringLiteral("    MG5H_CODICEVAR_MG5F = '") + GroupingStatements::quoted(variant) +
           QStringLiteral("' AND") + QStringLiteral("    MG5H_RAGGR_MG5G = '") + GroupingStatements::quoted(grouping) +
           QStringLiteral("'");
}

QString shiftSequences(const QString& company, const QString& variant, const QString& grouping, const char* shift,
                       const char* from, int seq) {
    return QStringLiteral(" UPDATE") + QStringLiteral("    MG5H_COMPRAGVAR") + QStringLiteral(" SET") +
           QStringLiteral("    MG5H_SEQOPZIONE = MG5H_SEQOPZIONE ") + QLatin1String(shift) +
           oneLineGrouping(company, variant, grouping) + QStringLiteral(" AND") +
           QStringLiteral("    MG5H_SEQOPZIONE ") + QLatin1String(from) + QString::number(seq);
}

// Blanks at both ends removed (blanks only, as the suite trims).
QString trimmedBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

}  // namespace

QString GroupingStatements::quoted(const QString& value) {
    return QString(value).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString GroupingStatements::groupings(const QString& company, const QString& variant) {
    return lines({QStringLiteral("   SELECT"), QStringLiteral("       MG5G_DITTA_CG18"),
                  QStringLiteral("       ,MG5G_CODICEVAR_MG5F"), QStringLiteral("       ,MG5G_CODRAGGVAR "),
                  QStringLiteral("       ,MG5G_DESCRRAGGVAR "), QStringLiteral("       ,MG5G_IDMEDIA_CG99 "),
                  QStringLiteral("   FROM"), QStringLiteral("       MG5G_RAGGVAR  "), QStringLiteral("   WHERE"),
                  QStringLiteral("       MG5G_DITTA_CG18 = ") + company + QStringLiteral(" AND "),
                  QStringLiteral("       MG5G_CODICEVAR_MG5F = '") + quoted(variant) + QStringLiteral("' ")});
}

QString GroupingStatements::variantDecodeCondition() { return QStringLiteral(" AND MG5F_INDPROGCONFIG <> 1 "); }

QString GroupingStatements::variantLookupStatement(const QString& hostStatement) {
    return QString(hostStatement)
        .replace(QStringLiteral("ORDER BY"), QStringLiteral("AND MG5F_INDPROGCONFIG <> 1 ORDER BY"));
}

QString GroupingStatements::selectorVariants(const QString& company) {
    return QStringLiteral(" SELECT * FROM MG5F_DIMECONF ") + QStringLiteral(" WHERE MG5F_DITTA_CG18 = ") + company +
           QStringLiteral(" AND MG5F_INDPROGCONFIG <> 1 ") + QStringLiteral(" ORDER BY MG5F_CODICEVAR ");
}

QString GroupingStatements::variant(const QString& company, const QString& variant) {
    return QStringLiteral(" SELECT") + QStringLiteral("    *") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5F_DIMECONF") + QStringLiteral(" WHERE") + QStringLiteral("    MG5F_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG5F_CODICEVAR  = '") + quoted(variant) +
           QStringLiteral("'") + QStringLiteral(" ORDER BY") + QStringLiteral("    MG5F_CODICEVAR");
}

QString GroupingStatements::variantOptions(const QString& company, const QString& variant) {
    return lines({QStringLiteral("   SELECT "), QStringLiteral("       MG5E_DITTA_CG18"),
                  QStringLiteral("       ,MG5E_CODICEVAR_MG5F"), QStringLiteral("       ,MG5E_OPZIONE"),
                  QStringLiteral("       ,MG5E_DESCR"), QStringLiteral("   FROM MG5E_OPZIONI"), QStringLiteral("   WHERE"),
                  QStringLiteral("       MG5E_DITTA_CG18 = ") + company + QStringLiteral(" "),
                  QStringLiteral("       AND MG5E_CODICEVAR_MG5F = '") + quoted(variant) + QStringLiteral("'")});
}

QString GroupingStatements::composition(const QString& company, const QString& variant, const QString& grouping) {
    return compositionRows(company, variant, grouping, true);
}

QString GroupingStatements::optionInGrouping(const QString& company, const QString& variant, const QString& grouping,
                                             const QString& option) {
    QStringList pieces{QStringLiteral("   SELECT "), QStringLiteral("       TOP 1 (1)"),
                       QStringLiteral("   FROM MG5H_COMPRAGVAR ")};
    pieces << groupingConditions(company, variant, grouping);
    pieces << QStringLiteral("       AND   MG5H_OPZIONE_MG5E = '") + quoted(option) + QStringLiteral("'");
    return lines(pieces);
}

QString GroupingStatements::highestSequence(const QString& company, const QString& variant, const QString& grouping) {
    QStringList pieces{QStringLiteral("   SELECT  ISNULL( MAX ( MG5H_SEQOPZIONE ),0) AS MAXSEQ"),
                       QStringLiteral("   FROM MG5H_COMPRAGVAR ")};
    pieces << groupingConditions(company, variant, grouping);
    return lines(pieces);
}

QString GroupingStatements::insertOption(const QString& company, const QString& variant, const QString& grouping,
                                         int seq, const QString& option) {
    return lines({QStringLiteral("INSERT INTO MG5H_COMPRAGVAR"), QStringLiteral("("),
                  QStringLiteral("    MG5H_DITTA_CG18"), QStringLiteral("    , MG5H_CODICEVAR_MG5F"),
                  QStringLiteral("    , MG5H_RAGGR_MG5G"), QStringLiteral("    , MG5H_SEQOPZIONE"),
                  QStringLiteral("    , MG5H_OPZIONE_MG5E"), QStringLiteral("    , MG5H_DESCR"), QStringLiteral(")"),
                  QStringLiteral("VALUES"), QStringLiteral("("), QStringLiteral("    ") + company,
                  QStringLiteral("    ,'") + quoted(variant) + QStringLiteral("'"),
                  QStringLiteral("    ,'") + quoted(grouping) + QStringLiteral("'"),
                  QStringLiteral("    ,") + QString::number(seq),
                  QStringLiteral("    ,'") + quoted(option) + QStringLiteral("'"), QStringLiteral("    , NULL "),
                  QStringLiteral(")")});
}

QString GroupingStatements::deleteOption(const QString& company, const QString& variant, const QString& grouping,
                                         int seq, const QString& option) {
    QStringList pieces{QStringLiteral("   DELETE "), QStringLiteral("   MG5H_COMPRAGVAR ")};
    pieces << groupingConditions(company, variant, grouping);
    pieces << QStringLiteral("       AND   MG5H_SEQOPZIONE = ") + QString::number(seq)
           << QStringLiteral("       AND   MG5H_OPZIONE_MG5E = '") + quoted(option) + QStringLiteral("'");
    return lines(pieces);
}

QString GroupingStatements::deleteAll(const QString& company, const QString& variant, const QString& grouping) {
    QStringList pieces{QStringLiteral("   DELETE "), QStringLiteral("   MG5H_COMPRAGVAR ")};
    pieces << groupingConditions(company, variant, grouping);
    return lines(pieces);
}

QString GroupingStatements::updateDescription(const QString& company, const QString& variant, const QString& grouping,
                                              int seq, const QString& option, const QString& description) {
    const QString descr = quoted(trimmedBlanks(description));
    return lines({QStringLiteral("   UPDATE MG5H_COMPRAGVAR"), QStringLiteral("   SET"),
                  descr.isEmpty() ? QStringLiteral("       MG5H_DESCR = NULL ")
                                  : QStringLiteral("       MG5H_DESCR = '") + descr + QStringLiteral("'"),
                  QStringLiteral("   WHERE"), QStringLiteral("       MG5H_DITTA_CG18 = ") + company + QStringLiteral(" AND"),
                  QStringLiteral("       MG5H_CODICEVAR_MG5F = '") + quoted(variant) + QStringLiteral("' AND"),
                  QStringLiteral("       MG5H_RAGGR_MG5G = '") + quoted(grouping) + QStringLiteral("' AND"),
                  QStringLiteral("       MG5H_SEQOPZIONE = ") + QString::number(seq) + QStringLiteral(" AND"),
                  QStringLiteral("       MG5H_OPZIONE_MG5E = '") + quoted(option) + QStringLiteral("'")});
}

QString GroupingStatements::optionsList(const QString& company, const QString& variant) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MG5E_OPZIONE,") + QStringLiteral("    MG5E_DESCR") +
           QStringLiteral(" FROM") + QStringLiteral("    MG5E_OPZIONI") + QStringLiteral(" WHERE") +
           QStringLiteral("    MG5E_DITTA_CG18 = ") + company + QStringLiteral("   AND    MG5E_CODICEVAR_MG5F = '") +
           quoted(variant) + QStringLiteral("'") + QStringLiteral(" ORDER BY") + QStringLiteral("    MG5E_OPZIONE");
}

QString GroupingStatements::compositionList(const QString& company, const QString& variant, const QString& grouping) {
    return compositionRows(company, variant, grouping, false);
}

QString GroupingStatements::optionSequence(const QString& company, const QString& variant, const QString& grouping,
                                           const QString& option) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MG5H_SEQOPZIONE") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5H_COMPRAGVAR") + oneLineGrouping(company, variant, grouping) +
           QStringLiteral(" AND") + QStringLiteral("    MG5H_OPZIONE_MG5E = '") + quoted(option) + QStringLiteral("'");
}

QString GroupingStatements::lastSequence(const QString& company, const QString& variant, const QString& grouping) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MAX(MG5H_SEQOPZIONE) AS Maxseq") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5H_COMPRAGVAR") + oneLineGrouping(company, variant, grouping);
}

QString GroupingStatements::makeRoom(const QString& company, const QString& variant, const QString& grouping,
                                     int position) {
    return shiftSequences(company, variant, grouping, "+ 1", ">= ", position);
}

QString GroupingStatements::closeGap(const QString& company, const QString& variant, const QString& grouping, int seq) {
    return shiftSequences(company, variant, grouping, "- 1", "> ", seq);
}

QString GroupingStatements::treeVariant(const QString& company, const QString& variant) {
    return QStringLiteral(" SELECT") + QStringLiteral("    *") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5F_DIMECONF") + QStringLiteral(" WHERE") + QStringLiteral("    MG5F_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG5F_FLGRAGGR   = 1 AND ") +
           QStringLiteral("    MG5F_CODICEVAR  = '") + quoted(variant) + QStringLiteral("'") +
           QStringLiteral(" ORDER BY") + QStringLiteral("    MG5F_CODICEVAR");
}

QString GroupingStatements::treeGroupings(const QString& company, const QString& variant) {
    return QStringLiteral(" SELECT") + QStringLiteral("    *") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5G_RAGGVAR") + QStringLiteral(" WHERE") + QStringLiteral("    MG5G_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG5G_CODICEVAR_MG5F = '") + quoted(variant) +
           QStringLiteral("'") + QStringLiteral(" ORDER BY") + QStringLiteral("    MG5G_CODRAGGVAR");
}

QString GroupingStatements::treeOptions(const QString& company, const QString& variant, const QString& grouping) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MG5H_SEQOPZIONE,") + QStringLiteral("    MG5H_OPZIONE_MG5E,") +
           QStringLiteral("    MG5E_DESCR") + QStringLiteral(" FROM") + QStringLiteral("    MG5H_COMPRAGVAR") +
           QStringLiteral(" INNER JOIN MG5E_OPZIONI ON") + QStringLiteral("    MG5H_DITTA_CG18 = MG5E_DITTA_CG18 AND") +
           QStringLiteral("    MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND") +
           QStringLiteral("    MG5H_OPZIONE_MG5E = MG5E_OPZIONE") + oneLineGrouping(company, variant, grouping) +
           QStringLiteral(" ORDER BY") + QStringLiteral("    MG5H_SEQOPZIONE");
}

QString GroupingStatements::optionFilter(const QString& option) {
    return QStringLiteral("MG5H_OPZIONE_MG5E = '") + quoted(option) + QStringLiteral("'");
}

QString GroupingStatements::rowFilter(const QString& option, int seq) {
    return optionFilter(option) + QStringLiteral(" AND MG5H_SEQOPZIONE = ") + QString::number(seq);
}

}  // namespace brondel
