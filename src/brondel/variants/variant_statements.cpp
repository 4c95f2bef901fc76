#include "brondel/variants/variant_statements.h"

#include "brondel/console/sql_text.h"

#include <vector>

namespace brondel {

namespace {

// The frame's columns, one line each.
const char* const frameColumns[] = {
    "    MG5F_DITTA_CG18",
    "    ,MG5F_CODICEVAR",
    "    ,MG5F_DESCR_VAR ",
    "    ,MG5F_INDNATURA ",
    "    ,MG5F_SIZE ",
    "    ,MG5F_NUMINT ",
    "    ,MG5F_NUMDEC ",
    "    ,MG5F_FLGRAGGR ",
    "    ,MG5F_FLGINTERVVAR ",
    "    ,MG5F_INDDESCRART ",
    "    ,MG5F_VALIDO ",
    "    ,MG5F_INDPRCLIFOR ",
    "    ,MG5F_POSINIZDESCR ",
    "    ,MG5F_POSFINDESCR ",
    "    ,MG5F_SEQDESCR ",
    "    ,MG5F_INDGRIGLIA ",
    "    ,MG5F_INDGENGRIDDOC ",
    "    ,MG5F_INDMOSTRACOD ",
    "    ,MG5F_FLGVARAUTO ",
    "    ,MG5F_FLGCONFERMAVARAUTO ",
    "    ,MG5F_FLGDESCRVARAUTO ",
    "    ,MG5F_FLGOBBLIG ",
    "    ,MG5F_FLGDEFAULT ",
    "    ,MG5F_VARDEFAULT ",
    "    ,MG5F_INDEREDIBA ",
    "    ,MG5F_INDPROGCONFIG ",
};

// "SELECT <what>" over the company's dimensions, in the layout of the configurator's aggregates.
SqlText overDimensions(const char* select, const QString& company) {
    return SqlText()
        .line(select)
        .line("   FROM")
        .line("    MG5F_DIMECONF")
        .line("WHERE")
        .line("    MG5F_DITTA_CG18 = ", company);
}

// The start of every dimension of every company in its option string.
const char* const positionsExpression[] = {
    ";WITH CTE_POSDIMVAR AS",
    "(",
    "    SELECT",
    "        MG5F_DITTA_CG18",
    "        , MG5F_CODICEVAR",
    "        , MG5F_SIZE",
    "        , (SELECT (CASE WHEN SUM(INIZIO.MG5F_SIZE) IS NULL THEN 1 ELSE SUM(INIZIO.MG5F_SIZE) + 1 END) FROM "
    "MG5F_DIMECONF AS INIZIO WITH (NOLOCK) WHERE INIZIO.MG5F_DITTA_CG18 = MG5F_DIMECONF.MG5F_DITTA_CG18 AND "
    "INIZIO.MG5F_CODICEVAR < MG5F_DIMECONF.MG5F_CODICEVAR) AS MG5F_START",
    "    FROM",
    "        MG5F_DIMECONF WITH (NOLOCK)",
    ")",
};

struct OptionUseQuery {
    const char* column;
    std::vector<const char*> joins;
    std::vector<const char*> conditions;  // before the option test
    const char* optionColumn;
};

OptionUseQuery optionUseQuery(VariantStatements::OptionUse use) {
    switch (use) {
    case VariantStatements::OptionUse::DocumentArticle:
        return {"DO30_DOCCORPO.DO30_CODART_MG66",
                {"    INNER JOIN DO30_DOCCORPO WITH (NOLOCK)",
                 "        ON DO30_DOCCORPO.DO30_DITTA_CG18 = ARTS.MG6B_DITTA_CG18",
                 "        AND DO30_DOCCORPO.DO30_CODART_MG66 = ARTS.MG6B_CODART_MG66",
                 "    INNER JOIN DO11_DOCTESTATA WITH (NOLOCK)",
                 "        ON DO11_DOCTESTATA.DO11_DITTA_CG18 = DO30_DOCCORPO.DO30_DITTA_CG18",
                 "        AND DO11_DOCTESTATA.DO11_NUMREG_CO99 = DO30_DOCCORPO.DO30_NUMREG_CO99"},
                {"    AND NOT DO30_DOCCORPO.DO30_OPZIONE_MG5E IS NULL"},
                "DO30_DOCCORPO.DO30_OPZIONE_MG5E"};
    case VariantStatements::OptionUse::BillOfMaterialsArticle:
        return {
            "PD95_CODART_MG66",
            {"    INNER JOIN PD95_DISBA WITH (NOLOCK)", "        ON PD95_DISBA.PD95_DITTA_CG18 = ARTS.MG6B_DITTA_CG18",
             "        AND PD95_DISBA.PD95_CODART_MG66 = ARTS.MG6B_CODART_MG66"},
            {},
            "PD95_DISBA.PD95_OPZIONE"};
    case VariantStatements::OptionUse::ComponentArticle: break;
    }
    return {"PD96_COMPON",
            {"    INNER JOIN PD96_LEGAMIDISBA WITH (NOLOCK)",
             "        ON PD96_LEGAMIDISBA.PD96_COMPON = ARTS.MG6B_CODART_MG66"},
            {},
            "PD96_LEGAMIDISBA.PD96_OPZIONE"};
}

}  // namespace

QString VariantStatements::frameRows(const QString& company) {
    SqlText text("SELECT");
    for (const char* column : frameColumns)
        text.line(column);
    return text.line("FROM").line("    MG5F_DIMECONF").line("WHERE").line("    MG5F_DITTA_CG18 = ", company);
}

QString VariantStatements::highestCode(const QString& company) {
    return overDimensions("SELECT MAX(MG5F_CODICEVAR) AS MAXPROG", company);
}

QString VariantStatements::sizeTotal(const QString& company) {
    return overDimensions("SELECT ISNULL(SUM(MG5F_SIZE),0) AS SUMSIZE", company);
}

QString VariantStatements::optionSize(const QString& company, const QString& code) {
    return SqlText("     SELECT", "       MG5F_SIZE", "   FROM MG5F_DIMECONF ", "   WHERE ",
                   "       MG5F_DITTA_CG18 = ", company, " AND ", "       MG5F_CODICEVAR = '", code, "' AND ",
                   "       MG5F_INDPROGCONFIG <> 1");
}

QString VariantStatements::description(const QString& company, const QString& code) {
    return overDimensions("SELECT MG5F_DESCR_VAR", company).add(" ", "    AND MG5F_CODICEVAR = '", code, "'");
}

QString VariantStatements::articleDescriptionsFrom(const QString& company, const QString& position) {
    return SqlText()
        .line("   SELECT TOP 1 (1) ")
        .line("       FROM")
        .line("   MG87_ARTDESC")
        .line("   WHERE")
        .line("       MG87_DITTA_CG18 = ", company, " ")
        .line("       AND RTRIM(LTRIM(SUBSTRING(MG87_OPZIONE_MG5E,", position, ", LEN(MG87_OPZIONE_MG5E) ) )) <>''");
}

QString VariantStatements::dimensionOptions(const QString& company, const QString& code) {
    return SqlText("SELECT TOP 1 (1) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = ", company,
                   " AND MG5E_CODICEVAR_MG5F = '", code, "'");
}

QString VariantStatements::dimensionGroupings(const QString& company, const QString& code) {
    return SqlText("SELECT TOP 1 (1) FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = ", company,
                   " AND MG5G_CODICEVAR_MG5F = '", code, "'");
}

QString VariantStatements::companyOptions(const QString& company) {
    return SqlText("SELECT * FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = ", company);
}

QString VariantStatements::companyGroupings(const QString& company) {
    return SqlText("SELECT * FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = ", company);
}

QString VariantStatements::deleteDimensions(const QString& company) {
    return SqlText("DELETE FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = ", company);
}

QString VariantStatements::clearVariantsFlag(const QString& company) {
    return SqlText("UPDATE MG50_PARMAGAZ ", " SET MG50_FLGVARIANTI = 0", " WHERE MG50_DITTA_CG18 = ", company);
}

QString VariantStatements::configurationsUsing(const QString& company, const QString& start, const QString& size) {
    return SqlText("Select Top 1 1 From CM15_CONFGCOMM WITH (NOLOCK) ", SqlText::cr,
                   " Where CM15_DITTA_CG18 = ", company, " And ", SqlText::cr,
                   "       lTrim(rTrim( SubString(IsNull(CM15_OPZIONE_MG5E, Space(20)), ", start, ", ", size,
                   ") )) <> ''");
}

QString VariantStatements::defaultValueLookup(const QString& company, const QString& code) {
    return SqlText(" SELECT", "    MG5E_OPZIONE,", "    MG5E_DESCR", " FROM", "    MG5E_OPZIONI", " WHERE",
                   "    MG5E_DITTA_CG18 = ", company, " AND", "    MG5E_CODICEVAR_MG5F = '", code, "'", " ORDER BY",
                   "    MG5E_OPZIONE");
}

QString VariantStatements::defaultValueDecode(const QString& company, const QString& code, const QString& option) {
    return SqlText(" SELECT", "    MG5E_DESCR", " FROM", "    MG5E_OPZIONI", " WHERE",
                   "    MG5E_DITTA_CG18 = ", company, " AND", "    MG5E_CODICEVAR_MG5F = '", code, "' AND ",
                   "    MG5E_OPZIONE = '", option, "'");
}

QString VariantStatements::optionsInUse(OptionUse use, const QString& company, const QString& code,
                                        const QString& grouping, const QString& optionList) {
    const OptionUseQuery query = optionUseQuery(use);
    SqlText text;
    for (const char* line : positionsExpression)
        text.line(line);
    text.line("SELECT DISTINCT")
        .line("    ", query.column)
        .line("FROM")
        .line("    MG6B_GESVARART AS ARTS WITH (NOLOCK)")
        .line("    INNER JOIN CTE_POSDIMVAR")
        .line("        ON CTE_POSDIMVAR.MG5F_DITTA_CG18 = ARTS.MG6B_DITTA_CG18")
        .line("        AND CTE_POSDIMVAR.MG5F_CODICEVAR = ARTS.MG6B_CODICEVAR_MG5F");
    for (const char* line : query.joins)
        text.line(line);
    text.line("WHERE")
        .line("    ARTS.MG6B_DITTA_CG18 = ", company)
        .line("    AND ARTS.MG6B_FLGGESTVAR = 1")
        .line("    AND ARTS.MG6B_CODICEVAR_MG5F = '", code, "'")
        .line("    AND ARTS.MG6B_CODRAGGVAR_MG5G = '", grouping, "'");
    for (const char* line : query.conditions)
        text.line(line);
    // The list is statement text its caller built, its values already escaped.
    return text.line("    AND SUBSTRING(ISNULL(", query.optionColumn,
                     ",''), CTE_POSDIMVAR.MG5F_START, CTE_POSDIMVAR.MG5F_SIZE) IN ", SqlText::verbatim(optionList));
}

}  // namespace brondel
