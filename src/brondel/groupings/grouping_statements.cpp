#include "brondel/groupings/grouping_statements.h"

#include "brondel/console/sql_text.h"

#include "automation/sql_quote.h"

namespace brondel {

namespace {

// The lines that pick one grouping's composition rows, in the layout of the commands.
SqlText groupingConditions(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText()
        .line("   WHERE")
        .line("       MG5H_DITTA_CG18 = ", company, " ")
        .line("       AND   MG5H_RAGGR_MG5G     = '", grouping, "'")
        .line("       AND   MG5H_CODICEVAR_MG5F = '", variant, "'");
}

// The grouping's rows joined to their options, with or without the description in the grouping.
QString compositionRows(const QString& company, const QString& variant, const QString& grouping, bool description) {
    SqlText text;
    text.line("   SELECT ")
        .line("       MG5H_SEQOPZIONE")
        .line("       ,MG5H_OPZIONE_MG5E")
        .line("       ,MG5E_DESCR")
        .line("       ,MG5H_DITTA_CG18")
        .line("       ,MG5H_CODICEVAR_MG5F")
        .line("       ,MG5H_RAGGR_MG5G");
    if (description)
        text.line("       ,MG5H_DESCR");
    return text.line("   FROM MG5H_COMPRAGVAR ")
        .line("       INNER JOIN MG5E_OPZIONI")
        .line("       ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18")
        .line("       AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F")
        .line("       AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E")
        .line(groupingConditions(company, variant, grouping))
        .line("       ORDER BY MG5H_SEQOPZIONE");
}

// " WHERE" and the conditions on one grouping, in the one-line layout of the search lists' statements.
SqlText oneLineGrouping(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText(" WHERE", "    MG5H_DITTA_CG18 = ", company, " AND", "    MG5H_CODICEVAR_MG5F = '", variant, "' AND",
                   "    MG5H_RAGGR_MG5G = '", grouping, "'");
}

QString shiftSequences(const QString& company, const QString& variant, const QString& grouping, const char* shift,
                       const char* from, int seq) {
    return SqlText(" UPDATE", "    MG5H_COMPRAGVAR", " SET", "    MG5H_SEQOPZIONE = MG5H_SEQOPZIONE ", shift,
                   oneLineGrouping(company, variant, grouping), " AND", "    MG5H_SEQOPZIONE ", from,
                   QString::number(seq));
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

QString GroupingStatements::groupings(const QString& company, const QString& variant) {
    return SqlText()
        .line("   SELECT")
        .line("       MG5G_DITTA_CG18")
        .line("       ,MG5G_CODICEVAR_MG5F")
        .line("       ,MG5G_CODRAGGVAR ")
        .line("       ,MG5G_DESCRRAGGVAR ")
        .line("       ,MG5G_IDMEDIA_CG99 ")
        .line("   FROM")
        .line("       MG5G_RAGGVAR  ")
        .line("   WHERE")
        .line("       MG5G_DITTA_CG18 = ", company, " AND ")
        .line("       MG5G_CODICEVAR_MG5F = '", variant, "' ");
}

QString GroupingStatements::variantDecodeCondition() { return SqlText(" AND MG5F_INDPROGCONFIG <> 1 "); }

QString GroupingStatements::variantLookupStatement(const QString& hostStatement) {
    return QString(hostStatement).replace(QStringLiteral("ORDER BY"), SqlText("AND MG5F_INDPROGCONFIG <> 1 ORDER BY"));
}

QString GroupingStatements::selectorVariants(const QString& company) {
    return SqlText(" SELECT * FROM MG5F_DIMECONF ", " WHERE MG5F_DITTA_CG18 = ", company,
                   " AND MG5F_INDPROGCONFIG <> 1 ", " ORDER BY MG5F_CODICEVAR ");
}

QString GroupingStatements::variant(const QString& company, const QString& variant) {
    return SqlText(" SELECT", "    *", " FROM", "    MG5F_DIMECONF", " WHERE", "    MG5F_DITTA_CG18 = ", company,
                   " AND", "    MG5F_CODICEVAR  = '", variant, "'", " ORDER BY", "    MG5F_CODICEVAR");
}

QString GroupingStatements::variantOptions(const QString& company, const QString& variant) {
    return SqlText()
        .line("   SELECT ")
        .line("       MG5E_DITTA_CG18")
        .line("       ,MG5E_CODICEVAR_MG5F")
        .line("       ,MG5E_OPZIONE")
        .line("       ,MG5E_DESCR")
        .line("   FROM MG5E_OPZIONI")
        .line("   WHERE")
        .line("       MG5E_DITTA_CG18 = ", company, " ")
        .line("       AND MG5E_CODICEVAR_MG5F = '", variant, "'");
}

QString GroupingStatements::composition(const QString& company, const QString& variant, const QString& grouping) {
    return compositionRows(company, variant, grouping, true);
}

QString GroupingStatements::optionInGrouping(const QString& company, const QString& variant, const QString& grouping,
                                             const QString& option) {
    return SqlText()
        .line("   SELECT ")
        .line("       TOP 1 (1)")
        .line("   FROM MG5H_COMPRAGVAR ")
        .line(groupingConditions(company, variant, grouping))
        .line("       AND   MG5H_OPZIONE_MG5E = '", option, "'");
}

QString GroupingStatements::highestSequence(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText()
        .line("   SELECT  ISNULL( MAX ( MG5H_SEQOPZIONE ),0) AS MAXSEQ")
        .line("   FROM MG5H_COMPRAGVAR ")
        .line(groupingConditions(company, variant, grouping));
}

QString GroupingStatements::insertOption(const QString& company, const QString& variant, const QString& grouping,
                                         int seq, const QString& option) {
    return SqlText()
        .line("INSERT INTO MG5H_COMPRAGVAR")
        .line("(")
        .line("    MG5H_DITTA_CG18")
        .line("    , MG5H_CODICEVAR_MG5F")
        .line("    , MG5H_RAGGR_MG5G")
        .line("    , MG5H_SEQOPZIONE")
        .line("    , MG5H_OPZIONE_MG5E")
        .line("    , MG5H_DESCR")
        .line(")")
        .line("VALUES")
        .line("(")
        .line("    ", company)
        .line("    ,'", variant, "'")
        .line("    ,'", grouping, "'")
        .line("    ,", QString::number(seq))
        .line("    ,'", option, "'")
        .line("    , NULL ")
        .line(")");
}

QString GroupingStatements::deleteOption(const QString& company, const QString& variant, const QString& grouping,
                                         int seq, const QString& option) {
    return SqlText()
        .line("   DELETE ")
        .line("   MG5H_COMPRAGVAR ")
        .line(groupingConditions(company, variant, grouping))
        .line("       AND   MG5H_SEQOPZIONE = ", QString::number(seq))
        .line("       AND   MG5H_OPZIONE_MG5E = '", option, "'");
}

QString GroupingStatements::deleteAll(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText()
        .line("   DELETE ")
        .line("   MG5H_COMPRAGVAR ")
        .line(groupingConditions(company, variant, grouping));
}

QString GroupingStatements::updateDescription(const QString& company, const QString& variant, const QString& grouping,
                                              int seq, const QString& option, const QString& description) {
    const QString descr = trimmedBlanks(description);
    SqlText text;
    text.line("   UPDATE MG5H_COMPRAGVAR").line("   SET");
    if (descr.isEmpty())
        text.line("       MG5H_DESCR = NULL ");
    else
        text.line("       MG5H_DESCR = '", descr, "'");
    return text.line("   WHERE")
        .line("       MG5H_DITTA_CG18 = ", company, " AND")
        .line("       MG5H_CODICEVAR_MG5F = '", variant, "' AND")
        .line("       MG5H_RAGGR_MG5G = '", grouping, "' AND")
        .line("       MG5H_SEQOPZIONE = ", QString::number(seq), " AND")
        .line("       MG5H_OPZIONE_MG5E = '", option, "'");
}

QString GroupingStatements::optionsList(const QString& company, const QString& variant) {
    return SqlText(" SELECT", "    MG5E_OPZIONE,", "    MG5E_DESCR", " FROM", "    MG5E_OPZIONI", " WHERE",
                   "    MG5E_DITTA_CG18 = ", company, "   AND    MG5E_CODICEVAR_MG5F = '", variant, "'", " ORDER BY",
                   "    MG5E_OPZIONE");
}

QString GroupingStatements::compositionList(const QString& company, const QString& variant, const QString& grouping) {
    return compositionRows(company, variant, grouping, false);
}

QString GroupingStatements::optionSequence(const QString& company, const QString& variant, const QString& grouping,
                                           const QString& option) {
    return SqlText(" SELECT", "    MG5H_SEQOPZIONE", " FROM", "    MG5H_COMPRAGVAR",
                   oneLineGrouping(company, variant, grouping), " AND", "    MG5H_OPZIONE_MG5E = '", option, "'");
}

QString GroupingStatements::lastSequence(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText(" SELECT", "    MAX(MG5H_SEQOPZIONE) AS Maxseq", " FROM", "    MG5H_COMPRAGVAR",
                   oneLineGrouping(company, variant, grouping));
}

QString GroupingStatements::makeRoom(const QString& company, const QString& variant, const QString& grouping,
                                     int position) {
    return shiftSequences(company, variant, grouping, "+ 1", ">= ", position);
}

QString GroupingStatements::closeGap(const QString& company, const QString& variant, const QString& grouping, int seq) {
    return shiftSequences(company, variant, grouping, "- 1", "> ", seq);
}

QString GroupingStatements::treeVariant(const QString& company, const QString& variant) {
    return SqlText(" SELECT", "    *", " FROM", "    MG5F_DIMECONF", " WHERE", "    MG5F_DITTA_CG18 = ", company,
                   " AND", "    MG5F_FLGRAGGR   = 1 AND ", "    MG5F_CODICEVAR  = '", variant, "'", " ORDER BY",
                   "    MG5F_CODICEVAR");
}

QString GroupingStatements::treeGroupings(const QString& company, const QString& variant) {
    return SqlText(" SELECT", "    *", " FROM", "    MG5G_RAGGVAR", " WHERE", "    MG5G_DITTA_CG18 = ", company, " AND",
                   "    MG5G_CODICEVAR_MG5F = '", variant, "'", " ORDER BY", "    MG5G_CODRAGGVAR");
}

QString GroupingStatements::treeOptions(const QString& company, const QString& variant, const QString& grouping) {
    return SqlText(" SELECT", "    MG5H_SEQOPZIONE,", "    MG5H_OPZIONE_MG5E,", "    MG5E_DESCR", " FROM",
                   "    MG5H_COMPRAGVAR", " INNER JOIN MG5E_OPZIONI ON", "    MG5H_DITTA_CG18 = MG5E_DITTA_CG18 AND",
                   "    MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND", "    MG5H_OPZIONE_MG5E = MG5E_OPZIONE",
                   oneLineGrouping(company, variant, grouping), " ORDER BY", "    MG5H_SEQOPZIONE");
}

QString GroupingStatements::oneOption(const QString& option) { return SqlText(" ('", option, "') "); }

QString GroupingStatements::optionList(const QStringList& options) {
    SqlText list(" (");
    for (qsizetype i = 0; i < options.size(); ++i)
        list.add(" '", options.at(i), i + 1 < options.size() ? "'," : "'");
    return list.add(") ");
}

QString GroupingStatements::optionFilter(const QString& option) {
    return QStringLiteral("MG5H_OPZIONE_MG5E = ") + automation::sqlQuoted(option);
}

QString GroupingStatements::rowFilter(const QString& option, int seq) {
    return optionFilter(option) + QStringLiteral(" AND MG5H_SEQOPZIONE = ") + QString::number(seq);
}

}  // namespace brondel
