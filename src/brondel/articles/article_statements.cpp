#include "brondel/articles/article_statements.h"

#include "brondel/console/sql_text.h"

namespace brondel {

namespace {

const char* const configuratorColumns[] = {
    "    MG6F_DITTA_CG18",    "    ,MG6F_PROGR",     "    ,MG6F_DESCR ",        "    ,MG6F_SIZE ",
    "    ,MG6F_INDCODIFICA ", "    ,MG6F_INDALLIN ", "    ,MG6F_INDDESCRART ",  "    ,MG6F_POSINIZDESCR ",
    "    ,MG6F_POSFINDESCR ", "    ,MG6F_SEQDESCR ", "    ,MG6F_IDMEDIA_CG99 ", "    ,MG6F_ULTPROG ",
};

// " SELECT" what, over the company's sub-codes, one piece per line.
SqlText overSubCodes(const char* what, const QString& company) {
    return SqlText()
        .line(" SELECT")
        .line(what)
        .line(" FROM")
        .line("    MG6F_DIMEART")
        .line(" WHERE")
        .line("    MG6F_DITTA_CG18 = ", company);
}

const char* const languageTableColumns[] = {
    "       CHIAVE                   UNIQUEIDENTIFIER NOT NULL DEFAULT NEWID()",
    "     , TBL_DITTA_CG18           DECIMAL(5,0)        NOT NULL",
    "     , TBL_SIGLALINGUA          varchar(8)          COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCRLINGUA          varchar(40)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCRIZIONE          nvarchar(36)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_CODLINGUA            varchar(4)          COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_PROGRART             DECIMAL(2,0)        NULL",
    "     , TBL_SUBCODICE            varchar(25)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCRSUBCOD          varchar(36)         COLLATE DATABASE_DEFAULT NULL",
};

// The lines of the working table's fill, between "INSERT INTO " + name and the company's lines.
const char* const fillColumns[] = {
    "(",
    "       CHIAVE",
    "     , TBL_CODLINGUA",
    "     , TBL_DESCRLINGUA",
    "     , TBL_SIGLALINGUA",
    "     , TBL_DITTA_CG18",
    "     , TBL_PROGRART",
    "     , TBL_SUBCODICE",
    "     , TBL_DESCRSUBCOD",
    "     , TBL_DESCRIZIONE",
    " )",
    "     SELECT",
    "         NEWID() ",
    "         ,MG52_CODLINGUA AS CODLINGUA",
    "         ,MG52_DESCRLINGUA AS DESCRLINGUA",
    "         ,MG52_SIGLALINGUA AS SIGLALINGUA",
    "         ,SUBCODICI.MG6E_DITTA_CG18 AS DITTA",
    "         ,SUBCODICI.MG6E_PROGR_MG6F AS PROGRART",
    "         ,SUBCODICI.MG6E_SUBCODICE AS SUBCOD",
    "         ,SUBCODICI.MG6E_DESCR AS DESCRSUBCOD",
    "         ,MG6I_DESCR AS DESCRIZIONE",
    "     FROM  ",
    "         MG52_LINGUE",
    "     CROSS JOIN",
    "         (",
    "             SELECT MG6E_DITTA_CG18",
    "                     ,MG6E_PROGR_MG6F",
    "                     ,MG6E_SUBCODICE",
    "                     ,MG6E_DESCR ",
    "             FROM  ",
    "                 MG6E_SUBCODART ",
    "             WHERE ",
};

const char* const fillJoins[] = {
    "            AND MG52_CODLINGUA <> 'ITA' ",
    "     LEFT JOIN ",
    "         MG6I_SUBCODARTLING",
    "         ON ",
    "             MG6I_DITTA_CG18 = MG6E_DITTA_CG18",
    "             AND MG6I_PROGR_MG6F= MG6E_PROGR_MG6F",
    "             AND MG6I_SUBCODICE_MG6E =  MG6E_SUBCODICE ",
    "             AND MG6I_LINGUA_MG52 = MG52_CODLINGUA",
    "     ORDER BY ",
    "         MG52_DESCRLINGUA,",
    "         SUBCODICI.MG6E_DESCR",
};

// The lines that address one description, after its WHERE line; indent is the blanks before each column.
SqlText& descriptionKey(SqlText& text, const char* indent, const QString& company, const QString& type,
                        const QString& value, const QString& language) {
    return text.line(indent, "MG6I_DITTA_CG18 = ", company, " AND")
        .line(indent, "MG6I_PROGR_MG6F = '", type, "' AND")
        .line(indent, "MG6I_SUBCODICE_MG6E = '", value, "' AND")
        .line(indent, "MG6I_LINGUA_MG52 = '", language, "'");
}

// A description as written: its apostrophes doubled (by SqlText), then trimmed.
QString written(const QString& description) { return description.trimmed(); }

}  // namespace

QString ArticleStatements::configuratorRows(const QString& company) {
    SqlText text;
    text.line("SELECT");
    for (const char* column : configuratorColumns)
        text.line(column);
    return text.line("FROM").line("    MG6F_DIMEART").line("WHERE").line("    MG6F_DITTA_CG18 = ", company);
}

QString ArticleStatements::highestProgressive(const QString& company) {
    return overSubCodes("    MAX(MG6F_PROGR) AS MAXPROGR", company);
}

QString ArticleStatements::lengthTotal(const QString& company) {
    return overSubCodes("    SUM(MG6F_SIZE) AS MAXSIZE", company);
}

QString ArticleStatements::otherCounter(const QString& company, const QString& progressive) {
    return SqlText("SELECT MG6F_INDCODIFICA FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = ", company,
                   " AND MG6F_INDCODIFICA >= 2 AND MG6F_PROGR <> ", progressive);
}

QString ArticleStatements::subCodeLength(const QString& company, const QString& progressive) {
    return SqlText("     SELECT", "       MG6F_SIZE", "   FROM MG6F_DIMEART ", "   WHERE ",
                   "       MG6F_DITTA_CG18 = ", company, " AND ", "       MG6F_PROGR = ", progressive, " ");
}

QString ArticleStatements::subCodeValues(const QString& company) {
    return SqlText("SELECT * FROM MG6E_SUBCODART INNER JOIN MG6F_DIMEART", " ON MG6E_DITTA_CG18 = MG6F_DITTA_CG18",
                   " AND MG6E_PROGR_MG6F = MG6F_PROGR", " WHERE MG6F_DITTA_CG18 = ", company);
}

QString ArticleStatements::deleteConfigurator(const QString& company) {
    return SqlText("DELETE FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = ", company);
}

QString ArticleStatements::clearSubCodesFlag(const QString& company) {
    return SqlText("UPDATE MG50_PARMAGAZ ", " SET MG50_INDCODART = 0", " WHERE MG50_DITTA_CG18 = ", company);
}

QString ArticleStatements::codedTypes(const QString& company) {
    return SqlText("   SELECT", "    MG6F_PROGR, MG6F_DESCR ", " FROM", "    MG6F_DIMEART", " WHERE",
                   "    MG6F_DITTA_CG18 = ", company, " AND", "    MG6F_INDCODIFICA = 1");
}

QString ArticleStatements::typeDescription(const QString& company, const QString& type) {
    return SqlText("   SELECT", "    MG6F_DESCR ", " FROM", "    MG6F_DIMEART", " WHERE",
                   "    MG6F_DITTA_CG18 = ", company, " AND", "    MG6F_PROGR = ", type);
}

QString ArticleStatements::valueRows(const QString& company, const QString& type) {
    return SqlText()
        .line("SELECT")
        .line("    MG6E_DITTA_CG18")
        .line("    ,MG6E_PROGR_MG6F")
        .line("    ,MG6E_SUBCODICE ")
        .line("    ,MG6E_DESCR ")
        .line("    ,MG6E_IDMEDIA_CG99 ")
        .line("FROM")
        .line("    MG6E_SUBCODART")
        .line("WHERE")
        .line("    MG6E_DITTA_CG18 = ", company, " AND ", "    MG6E_PROGR_MG6F = ", type);
}

QString ArticleStatements::createLanguageTable(const QString& table) {
    SqlText text;
    text.line("CREATE TABLE ", table).line("(");
    for (const char* column : languageTableColumns)
        text.line(column);
    return text.line(" )");
}

QString ArticleStatements::truncateTable(const QString& table) { return SqlText("TRUNCATE TABLE ", table); }

QString ArticleStatements::fillLanguageTable(const QString& table, const QString& company) {
    SqlText text;
    text.line("INSERT INTO ", table);
    for (const char* piece : fillColumns)
        text.line(piece);
    text.line("                 MG6E_DITTA_CG18 = ", company)
        .line("         ) AS SUBCODICI")
        .line("     INNER JOIN MG47_PARMAGLINGUE ")
        .line("         ON MG52_CODLINGUA = MG47_CODLINGUA_MG52")
        .line("            AND MG47_DITTA_CG18 = ", company);
    for (const char* piece : fillJoins)
        text.line(piece);
    return text;
}

QString ArticleStatements::tableRows(const QString& table) { return SqlText("SELECT * FROM ", table); }

QString ArticleStatements::deleteDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language) {
    SqlText text;
    text.line("  DELETE FROM").line("    MG6I_SUBCODARTLING").line(" WHERE");
    return descriptionKey(text, "    ", company, type, value, language);
}

QString ArticleStatements::descriptionExists(const QString& company, const QString& type, const QString& value,
                                             const QString& language) {
    SqlText text;
    text.line("SELECT TOP 1").line("    1").line("FROM").line("    MG6I_SUBCODARTLING").line(" WHERE");
    return descriptionKey(text, "    ", company, type, value, language);
}

QString ArticleStatements::insertDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language, const QString& description) {
    return SqlText()
        .line("INSERT INTO MG6I_SUBCODARTLING")
        .line("(")
        .line("    MG6I_DITTA_CG18")
        .line("    , MG6I_PROGR_MG6F")
        .line("    , MG6I_SUBCODICE_MG6E")
        .line("    , MG6I_LINGUA_MG52")
        .line("    , MG6I_DESCR")
        .line("    , MG6I_IDMEDIA_CG99")
        .line(")")
        .line("VALUES")
        .line("(")
        .line("    ", company)
        .line("    ,'", type, "'")
        .line("    ,'", value, "'")
        .line("    ,'", language, "'")
        .line("    ,'", written(description), "'")
        .line("    , NULL ")
        .line(")");
}

QString ArticleStatements::updateDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language, const QString& description) {
    SqlText text;
    text.line("   UPDATE MG6I_SUBCODARTLING")
        .line("   SET")
        .line("       MG6I_DESCR = '", written(description), "'")
        .line("   WHERE");
    return descriptionKey(text, "       ", company, type, value, language);
}

}  // namespace brondel
