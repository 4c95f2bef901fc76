#include "brondel/variants/variant_statements.h"

#include <QStringList>

namespace brondel {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QChar cr = QLatin1Char('\r');

// The frame's columns, one line each.
const char* const frameColumns[] = {
    "    MG5F_DITTA_CG18",          "    ,MG5F_CODICEVAR",           "    ,MG5F_DESCR_VAR ",
    "    ,MG5F_INDNATURA ",         "    ,MG5F_SIZE ",               "    ,MG5F_NUMINT ",
    "    ,MG5F_NUMDEC ",            "    ,MG5F_FLGRAGGR ",           "    ,MG5F_FLGINTERVVAR ",
    "    ,MG5F_INDDESCRART ",       "    ,MG5F_VALIDO ",             "    ,MG5F_INDPRCLIFOR ",
    "    ,MG5F_POSINIZDESCR ",      "    ,MG5F_POSFINDESCR ",        "    ,MG5F_SEQDESCR ",
    "    ,MG5F_INDGRIGLIA ",        "    ,MG5F_INDGENGRIDDOC ",      "    ,MG5F_INDMOSTRACOD ",
    "    ,MG5F_FLGVARAUTO ",        "    ,MG5F_FLGCONFERMAVARAUTO ", "    ,MG5F_FLGDESCRVARAUTO ",
    "    ,MG5F_FLGOBBLIG ",         "    ,MG5F_FLGDEFAULT ",         "    ,MG5F_VARDEFAULT ",
    "    ,MG5F_INDEREDIBA ",        "    ,MG5F_INDPROGCONFIG ",
};

// "SELECT <what>" over the company's dimensions, in the layout of the configurator's aggregates.
QString overDimensions(const char* select, const QString& company) {
    return QString::fromLatin1(select) + crlf + QStringLiteral("   FROM") + crlf + QStringLiteral("    MG5F_DIMECONF") +
           crlf + QStringLiteral("WHERE") + crlf + QStringLiteral("    MG5F_DITTA_CG18 = ") + company;
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
    QStringList joins;
    QStringList conditions;  // before the option test
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
        return {"PD95_CODART_MG66",
                {"    INNER JOIN PD95_DISBA WITH (NOLOCK)", "        ON PD95_DISBA.PD95_DITTA_CG18 = ARTS.MG6B_DITTA_CG18",
                 "        AND PD95_DISBA.PD95_CODART_MG66 = ARTS.MG6B_CODART_MG66"},
                {},
                "PD95_DISBA.PD95_OPZIONE"};
    case VariantStatements::OptionUse::ComponentArticle:
        break;
    }
    return {"PD96_COMPON",
            {"    INNER JOIN PD96_LEGAMIDISBA WITH (NOLOCK)", "        ON PD96_LEGAMIDISBA.PD96_COMPON = ARTS.MG6B_CODART_MG66"},
            {},
            "PD96_LEGAMIDISBA.PD96_OPZIONE"};
}

}  // namespace

QString VariantStatements::frameRows(const QString& company) {
    QStringList lines{QStringLiteral("SELECT")};
    for (const char* column : frameColumns)
        lines << QString::fromLatin1(column);
    lines << QStringLiteral("FROM") << QStringLiteral("    MG5F_DIMECONF") << QStringLiteral("WHERE")
          << QStringLiteral("    MG5F_DITTA_CG18 = ") + company;
    return lines.join(crlf);
}

QString VariantStatements::highestCode(const QString& company) {
    return overDimensions("SELECT MAX(MG5F_CODICEVAR) AS MAXPROG", company);
}

QString VariantStatements::sizeTotal(const QString& company) {
    return overDimensions("SELECT ISNULL(SUM(MG5F_SIZE),0) AS SUMSIZE", company);
}

QString VariantStatements::optionSize(const QString& company, const QString& code) {
    return QStringLiteral("     SELECT") + QStringLiteral("       MG5F_SIZE") + QStringLiteral("   FROM MG5F_DIMECONF ") +
           QStringLiteral("   WHERE ") + QStringLiteral("       MG5F_DITTA_CG18 = ") + company + QStringLiteral(" AND ") +
           QStringLiteral("       MG5F_CODICEVAR = '") + code + QStringLiteral("' AND ") +
           QStringLiteral("       MG5F_INDPROGCONFIG <> 1");
}

QString VariantStatements::description(const QString& company, const QString& code) {
    return overDimensions("SELECT MG5F_DESCR_VAR", company) + QStringLiteral(" ") +
           QStringLiteral("    AND MG5F_CODICEVAR = '") + code + QStringLiteral("'");
}

QString VariantStatements::articleDescriptionsFrom(const QString& company, const QString& position) {
    return QStringList{QStringLiteral("   SELECT TOP 1 (1) "), QStringLiteral("       FROM"),
                       QStringLiteral("   MG87_ARTDESC"), QStringLiteral("   WHERE"),
                       QStringLiteral("       MG87_DITTA_CG18 = ") + company + QStringLiteral(" "),
                       QStringLiteral("       AND RTRIM(LTRIM(SUBSTRING(MG87_OPZIONE_MG5E,") + position +
                           QStringLiteral(", LEN(MG87_OPZIONE_MG5E) ) )) <>''")}
        .join(crlf);
}

QString VariantStatements::dimensionOptions(const QString& company, const QString& code) {
    return QStringLiteral("SELECT TOP 1 (1) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = ") + company +
           QStringLiteral(" AND MG5E_CODICEVAR_MG5F = '") + code + QStringLiteral("'");
}

QString VariantStatements::dimensionGroupings(const QString& company, const QString& code) {
    return QStringLiteral("SELECT TOP 1 (1) FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = ") + company +
           QStringLiteral(" AND MG5G_CODICEVAR_MG5F = '") + code + QStringLiteral("'");
}

QString VariantStatements::companyOptions(const QString& company) {
    return QStringLiteral("SELECT * FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = ") + company;
}

QString VariantStatements::companyGroupings(const QString& company) {
    return QStringLiteral("SELECT * FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = ") + company;
}

QString VariantStatements::deleteDimensions(const QString& company) {
    return QStringLiteral("DELETE FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = ") + company;
}

QString VariantStatements::clearVariantsFlag(const QString& company) {
    return QStringLiteral("UPDATE MG50_PARMAGAZ ") + QStringLiteral(" SET MG50_FLGVARIANTI = 0") +
           QStringLiteral(" WHERE MG50_DITTA_CG18 = ") + company;
}

QString VariantStatements::configurationsUsing(const QString& company, const QString& start, const QString& size) {
    return QStringLiteral("Select Top 1 1 From CM15_CONFGCOMM WITH (NOLOCK) ") + cr +
           QStringLiteral(" Where CM15_DITTA_CG18 = ") + company + QStringLiteral(" And ") + cr +
           QStringLiteral("       lTrim(rTrim( SubString(IsNull(CM15_OPZIONE_MG5E, Space(20)), ") + start +
           QStringLiteral(", ") + size + QStringLiteral(") )) <> ''");
}

QString VariantStatements::defaultValueLookup(const QString& company, const QString& code) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MG5E_OPZIONE,") + QStringLiteral("    MG5E_DESCR") +
           QStringLiteral(" FROM") + QStringLiteral("    MG5E_OPZIONI") + QStringLiteral(" WHERE") +
           QStringLiteral("    MG5E_DITTA_CG18 = ") + company + QStringLiteral(" AND") +
           QStringLiteral("    MG5E_CODICEVAR_MG5F = '") + code + QStringLiteral("'") + QStringLiteral(" ORDER BY") +
           QStringLiteral("    MG5E_OPZIONE");
}

QString VariantStatements::defaultValueDecode(const QString& company, const QString& code, const QString& option) {
    return QStringLiteral(" SELECT") + QStringLiteral("    MG5E_DESCR") + QStringLiteral(" FROM") +
           QStringLiteral("    MG5E_OPZIONI") + QStringLiteral(" WHERE") + QStringLiteral("    MG5E_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG5E_CODICEVAR_MG5F = '") + code +
           QStringLiteral("' AND ") + QStringLiteral("    MG5E_OPZIONE = '") + option + QStringLiteral("'");
}

QString VariantStatements::optionsInUse(OptionUse use, const QString& company, const QString& code,
                                        const QString& grouping, const QString& optionList) {
    const OptionUseQuery query = optionUseQuery(use);
    QStringList lines;
    for (const char* line : positionsExpression)
        lines << QString::fromLatin1(line);
    lines << QStringLiteral("SELECT DISTINCT") << QStringLiteral("    ") + QString::fromLatin1(query.column)
          << QStringLiteral("FROM") << QStringLiteral("    MG6B_GESVARART AS ARTS WITH (NOLOCK)")
          << QStringLiteral("    INNER JOIN CTE_POSDIMVAR")
          << QStringLiteral("        ON CTE_POSDIMVAR.MG5F_DITTA_CG18 = ARTS.MG6B_DITTA_CG18")
          << QStringLiteral("        AND CTE_POSDIMVAR.MG5F_CODICEVAR = ARTS.MG6B_CODICEVAR_MG5F");
    lines << query.joins;
    lines << QStringLiteral("WHERE") << QStringLiteral("    ARTS.MG6B_DITTA_CG18 = ") + company
          << QStringLiteral("    AND ARTS.MG6B_FLGGESTVAR = 1")
          << QStringLiteral("    AND ARTS.MG6B_CODICEVAR_MG5F = '") + code + QLatin1Char('\'')
          << QStringLiteral("    AND ARTS.MG6B_CODRAGGVAR_MG5G = '") + grouping + QLatin1Char('\'');
    lines << query.conditions;
    lines << QStringLiteral("    AND SUBSTRING(ISNULL(") + QString::fromLatin1(query.optionColumn) +
                 QStringLiteral(",''), CTE_POSDIMVAR.MG5F_START, CTE_POSDIMVAR.MG5F_SIZE) IN ") + optionList;
    return lines.join(crlf);
}

}  // namespace brondel
