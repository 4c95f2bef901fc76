#pragma once

#include <QString>
#include <QStringList>

namespace brondel {

// The statements of the groupings and of the grouping composition, each built in one place exactly as
// the suite runs it on SQL Server (SqlText). The company is the current company's code as statement text (a
// number, unquoted); every other value is given as typed or stored and goes in with its apostrophes
// doubled.
class GroupingStatements {
public:
    // The groupings of a variant: the groupings frame's rows (no ORDER BY).
    static QString groupings(const QString& company, const QString& variant);
    // What the groupings' variant decode and lookup add to the host's statements: no variant reserved for
    // configuration.
    static QString variantDecodeCondition();
    static QString variantLookupStatement(const QString& hostStatement);

    // The composition's variant selector: the variants not reserved for configuration, by code.
    static QString selectorVariants(const QString& company);
    // One variant's row (MG5F_FLGRAGGR tells whether it admits groupings).
    static QString variant(const QString& company, const QString& variant);
    // The options of a variant (no ORDER BY), and the options in a grouping with their descriptions, by
    // sequence.
    static QString variantOptions(const QString& company, const QString& variant);
    static QString composition(const QString& company, const QString& variant, const QString& grouping);

    // The composition commands.
    static QString optionInGrouping(const QString& company, const QString& variant, const QString& grouping,
                                    const QString& option);
    // MAXSEQ: the highest sequence of a grouping, 0 when it is empty.
    static QString highestSequence(const QString& company, const QString& variant, const QString& grouping);
    // The option at the end of the grouping (seq), with no description.
    static QString insertOption(const QString& company, const QString& variant, const QString& grouping, int seq,
                                const QString& option);
    // One composition row.
    static QString deleteOption(const QString& company, const QString& variant, const QString& grouping, int seq,
                                const QString& option);
    static QString deleteAll(const QString& company, const QString& variant, const QString& grouping);
    // The description of an option in the grouping; an empty one stores NULL.
    static QString updateDescription(const QString& company, const QString& variant, const QString& grouping, int seq,
                                     const QString& option, const QString& description);

    // The search lists and what their picks run.
    static QString optionsList(const QString& company, const QString& variant);
    static QString compositionList(const QString& company, const QString& variant, const QString& grouping);
    // MG5H_SEQOPZIONE of an option in the grouping.
    static QString optionSequence(const QString& company, const QString& variant, const QString& grouping,
                                  const QString& option);
    // Maxseq: the highest sequence of a grouping, Null when it is empty.
    static QString lastSequence(const QString& company, const QString& variant, const QString& grouping);
    // Moves the options from position on one place down / the options after seq one place up.
    static QString makeRoom(const QString& company, const QString& variant, const QString& grouping, int position);
    static QString closeGap(const QString& company, const QString& variant, const QString& grouping, int seq);

    // The tree view: the variant when it admits groupings, its groupings by code, a grouping's options by
    // sequence.
    static QString treeVariant(const QString& company, const QString& variant);
    static QString treeGroupings(const QString& company, const QString& variant);
    static QString treeOptions(const QString& company, const QString& variant, const QString& grouping);

    // Recordset filters (ADO filter syntax) over the composition's rows.
    static QString optionFilter(const QString& option);
    static QString rowFilter(const QString& option, int seq);

    // The options whose removal the in-use check is asked about: " ('A') " for the current row, " ( 'A',
    // 'B') " for the whole grouping.
    static QString oneOption(const QString& option);
    static QString optionList(const QStringList& options);
};

}  // namespace brondel
