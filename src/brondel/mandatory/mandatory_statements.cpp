#include "brondel/mandatory/mandatory_statements.h"

#include "brondel/console/sql_text.h"

namespace brondel {

namespace {

// The pieces in which the two working tables differ.
struct PivotText {
    const char* table;
    const char* firstColumn;   // its definition in the working table
    const char* objectColumn;  // the row's object
    const char* flag;          // the CASE that gives a cell
    const char* from;          // the objects' table
    const char* objectJoin;
    const char* companyFilter;  // the filter on the company
    const char* orderBy;
    const char* rows;
};

const PivotText& pivotText(MandatoryStatements::Pivot pivot) {
    static const PivotText documents = {
        "#MG5JJDOC",
        "MG3G_CODDOCUM_MG36 CHAR(14)",
        "MG3G_CODDOCUM_MG36",
        "        , CASE WHEN MG5J_FLGOBBLIG IS NULL THEN 1 ELSE 0 END AS MG5J_FLGOBBLIG ",
        " FROM    MG3G_DOCDITTA  ",
        "                 AND MG3G_CODDOCUM_MG36 = MG5J_UOBJECT ",
        "         WHERE   MG3G_DITTA_CG18 = ",
        " ORDER BY MG3G_CODDOCUM_MG36' ",
        "SELECT * FROM #MG5JJDOC ORDER BY MG3G_CODDOCUM_MG36",
    };
    // Filtered on the exception table: only programs with an exception survive the join.
    static const PivotText programs = {
        "#MG5JJRIEP",
        "FW50_NOME VARCHAR(60)",
        "FW50_NOME",
        "        , CASE WHEN MG5J_FLGOBBLIG IS NULL THEN 0 ELSE 1 END AS MG5J_FLGOBBLIG ",
        " FROM    FW50_MODMENU  ",
        "                 AND FW50_NOME = MG5J_UOBJECT ",
        "         WHERE   MG5J_DITTA_CG18 = ",
        " ORDER BY FW50_NOME' ",
        "SELECT * FROM #MG5JJRIEP",
    };
    return pivot == MandatoryStatements::Pivot::Documents ? documents : programs;
}

}  // namespace

QString MandatoryStatements::columnList(const QString& company) {
    return SqlText()
        .line("          DECLARE @COLS NVARCHAR(2000) ")
        .line(" SELECT  @COLS = STUFF(( SELECT DISTINCT TOP 100 PERCENT ")
        .line("                                 '],[' + t1.MG5F_CODICEVAR  ")
        .line("                         FROM    MG5F_DIMECONF AS t1 ")
        .line("                         WHERE   MG5F_DITTA_CG18 = ", company)
        .line("                         ORDER BY '],[' + t1.MG5F_CODICEVAR  ")
        .line("                         FOR XML PATH('') ")
        .line("                       ), 1, 2, '') + ']' ")
        .line(" SELECT @COLS ", SqlText::crlf);
}

QString MandatoryStatements::columnDefinitions(const QString& columnList) {
    QString definitions = columnList;
    return definitions.replace(QLatin1Char(','), QStringLiteral(" TINYINT , ")) + QStringLiteral(" TINYINT)");
}

QString MandatoryStatements::dropWorkingTable(Pivot pivot) { return SqlText("DROP TABLE ", pivotText(pivot).table); }

QString MandatoryStatements::createWorkingTable(Pivot pivot, const QString& columnDefinitions) {
    const PivotText& pieces = pivotText(pivot);
    // The definitions name the variant columns between brackets: identifiers, not a literal.
    return SqlText("CREATE TABLE ", pieces.table, " (")
        .add(pieces.firstColumn, ", ", SqlText::verbatim(columnDefinitions));
}

QString MandatoryStatements::fillWorkingTable(Pivot pivot, const QString& company, const QString& columnList) {
    const PivotText& pieces = pivotText(pivot);
    const char* const object = pieces.objectColumn;
    // The column list is a value inside the dynamic statement's literal.
    return SqlText()
        .line("          DECLARE @query NVARCHAR(4000) ")
        .line(" SET @query = N'INSERT INTO ", pieces.table, " SELECT ", object, ",  ")
        .line(columnList, " ")
        .line(" FROM ")
        .line(" (SELECT  ", object, " ")
        .line("        , MG5F_CODICEVAR ")
        .line(pieces.flag)
        .line(pieces.from)
        .line("         CROSS JOIN  MG5F_DIMECONF  ")
        .line("         LEFT JOIN   MG5J_DOCPRGVAR ")
        .line("             ON  MG5F_CODICEVAR = MG5J_CODICEVAR_MG5F ")
        .line("                 AND MG5F_DITTA_CG18 = MG5J_DITTA_CG18 ")
        .line(pieces.objectJoin)
        .line(pieces.companyFilter, company)
        .line("                 AND MG5F_DITTA_CG18 = ", company, ") p ")
        .line(" PIVOT ")
        .line(" ( ")
        .line(" MAX([MG5J_FLGOBBLIG]) ")
        .line(" FOR MG5F_CODICEVAR IN ")
        .line(" ( ")
        .line(columnList, " ) ")
        .line(" ) AS pvt ")
        .line(pieces.orderBy)
        .line("  ")
        .line(" EXECUTE(@query) ")
        .line(" ", SqlText::crlf);
}

QString MandatoryStatements::workingRows(Pivot pivot) { return SqlText(pivotText(pivot).rows); }

QString MandatoryStatements::exception(const QString& company, const QString& code, const QString& object) {
    return SqlText()
        .line("          SELECT      *  ")
        .line(" FROM        MG5J_DOCPRGVAR  ")
        .line(" WHERE       MG5J_DITTA_CG18 = ", company)
        .line("             AND MG5J_CODICEVAR_MG5F = '", code, "' ")
        .line("             AND MG5J_UOBJECT = '", object, "' ", SqlText::crlf);
}

QString MandatoryStatements::deleteException(const QString& company, const QString& code, const QString& object) {
    return SqlText()
        .line("  DELETE FROM")
        .line("    MG5J_DOCPRGVAR")
        .line(" WHERE")
        .line("    MG5J_DITTA_CG18 = ", company, " AND")
        .line("    MG5J_CODICEVAR_MG5F = '", code, "' AND")
        .line("    MG5J_UOBJECT = '", object, "' ");
}

QString MandatoryStatements::insertException(const QString& company, const QString& code, const QString& object) {
    return SqlText()
        .line("INSERT INTO MG5J_DOCPRGVAR")
        .line("(")
        .line("      MG5J_DITTA_CG18")
        .line("    , MG5J_CODICEVAR_MG5F")
        .line("    , MG5J_UOBJECT")
        .line("    , MG5J_FLGOBBLIG")
        .line(")")
        .line("VALUES")
        .line("(")
        .line("    ", company)
        .line("    ,'", code, "'")
        .line("    ,'", object, "'")
        .line("    , 0 ")
        .line(")");
}

QString MandatoryStatements::markedEntries(const QString& company) {
    return SqlText()
        .line("          SELECT      DISTINCT FW50_IDVOCETS AS IDVOCETS  ")
        .line(" FROM        MG5J_DOCPRGVAR  ")
        .line("             INNER JOIN FW50_MODMENU  ")
        .line("                 ON MG5J_UOBJECT = FW50_NOME  ")
        .line(" WHERE       MG5J_DITTA_CG18 = ", company, SqlText::crlf);
}

QString MandatoryStatements::programVariants(const QString& company, const QString& program) {
    return SqlText()
        .line("          SELECT      MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5J_UOBJECT, ")
        .line("             CASE WHEN MG5J_FLGOBBLIG IS NULL THEN 1 ELSE 0 END AS MG5J_FLGOBBLIG ")
        .line(" FROM        MG5F_DIMECONF ")
        .line("             LEFT JOIN MG5J_DOCPRGVAR  ")
        .line("                 ON MG5F_CODICEVAR = MG5J_CODICEVAR_MG5F  ")
        .line("                     AND MG5F_DITTA_CG18 = MG5J_DITTA_CG18  ")
        .line("                     AND MG5J_UOBJECT = '", program, "' ")
        .line(" WHERE       MG5F_DITTA_CG18 = ", company, SqlText::crlf);
}

QString MandatoryStatements::variantList(const QString& company) {
    return SqlText()
        .line("          SELECT      MG5F_CODICEVAR, MG5F_DESCR_VAR   ")
        .line(" FROM        MG5F_DIMECONF ")
        .line(" WHERE       MG5F_DITTA_CG18 = ", company, SqlText::crlf);
}

QString MandatoryStatements::programDescription(const QString& program) {
    return SqlText()
        .line("SELECT FW50_DESCR")
        .line("   FROM")
        .line("    FW50_MODMENU")
        .line("WHERE")
        .line("    FW50_NOME = '", program, "' ");
}

}  // namespace brondel
