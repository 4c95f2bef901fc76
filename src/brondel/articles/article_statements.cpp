#include "brondel/articles/article_statements.h"

#include <QStringList>
#include <initializer_list>

namespace brondel {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString lines(std::initializer_list<QString> pieces) { return QStringList(pieces).join(crlf); }

// A value written between apostrophes: its own apostrophes doubled.
QString escaped(const QString& value) { return QString(value).replace(QLatin1Char('\''), QStringLiteral("''")); }

const char* const configuratorColumns[] = {
    "    MG6F_DITTA_CG18",      "    ,MG6F_PROGR",         "    ,MG6F_DESCR ",     "    ,MG6F_SIZE ",
    "    ,MG6F_INDCODIFICA ",   "    ,MG6F_INDALLIN ",     "    ,MG6F_INDDESCRART ", "    ,MG6F_POSINIZDESCR ",
    "    ,MG6F_POSFINDESCR ",   "    ,MG6F_SEQDESCR ",     "    ,MG6F_IDMEDIA_CG99 ", "    ,MG6F_ULTPROG ",
};

// " SELECT" what, over the company's sub-codes, one piece per line.
QString overSubCodes(const char* what, const QString& company) {
    return lines({QStringLiteral(" SELECT"), QString::fromLatin1(what), QStringLiteral(" FROM"),
                  QStringLiteral("    MG6F_DIMEART"), QStringLiteral(" WHERE"),
                  QStringLiteral("    MG6F_DITTA_CG18 = ") + company});
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

// The condition that addresses one description, after its WHERE line; indent is the blanks before each
// column.
QStringList descriptionKey(const QString& indent, const QString& company, const QString& type, const QString& value,
                           const QString& language) {
    return {indent + QStringLiteral("MG6I_DITTA_CG18 = ") + company + QStringLiteral(" AND"),
            indent + QStringLiteral("MG6I_PROGR_MG6F = '") + escaped(type) + QStringLiteral("' AND"),
            indent + QStringLiteral("MG6I_SUBCODICE_MG6E = '") + escaped(value) + QStringLiteral("' AND"),
            indent + QStringLiteral("MG6I_LINGUA_MG52 = '") + escaped(language) + QStringLiteral("'")};
}

QString writtenDescription(const QString& description) { return escaped(description).trimmed(); }

}  // namespace

QString ArticleStatements::configuratorRows(const QString& company) {
    QStringList text{QStringLiteral("SELECT")};
    for (const char* column : configuratorColumns)
        text << QString::fromLatin1(column);
    text << QStringLiteral("FROM") << QStringLiteral("    MG6F_DIMEART") << QStringLiteral("WHERE")
         << QStringLiteral("    MG6F_DITTA_CG18 = ") + company;
    return text.join(crlf);
}

QString ArticleStatements::highestProgressive(const QString& company) {
    return overSubCodes("    MAX(MG6F_PROGR) AS MAXPROGR", company);
}

QString ArticleStatements::lengthTotal(const QString& company) {
    return overSubCodes("    SUM(MG6F_SIZE) AS MAXSIZE", company);
}

QString ArticleStatements::otherCounter(const QString& company, const QString& progressive) {
    return QStringLiteral("SELECT MG6F_INDCODIFICA FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = ") + company +
           QStringLiteral(" AND MG6F_INDCODIFICA >= 2 AND MG6F_PROGR <> ") + progressive;
}

QString ArticleStatements::subCodeLength(const QString& company, const QString& progressive) {
    return QStringLiteral("     SELECT") + QStringLiteral("       MG6F_SIZE") + QStringLiteral("   FROM MG6F_DIMEART ") +
           QStringLiteral("   WHERE ") + QStringLiteral("       MG6F_DITTA_CG18 = ") + company + QStringLiteral(" AND ") +
           QStringLiteral("       MG6F_PROGR = ") + progressive + QStringLiteral(" ");
}

QString ArticleStatements::subCodeValues(const QString& company) {
    return QStringLiteral("SELECT * FROM MG6E_SUBCODART INNER JOIN MG6F_DIMEART") +
           QStringLiteral(" ON MG6E_DITTA_CG18 = MG6F_DITTA_CG18") + QStringLiteral(" AND MG6E_PROGR_MG6F = MG6F_PROGR") +
           QStringLiteral(" WHERE MG6F_DITTA_CG18 = ") + company;
}

QString ArticleStatements::deleteConfigurator(const QString& company) {
    return QStringLiteral("DELETE FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = ") + company;
}

QString ArticleStatements::clearSubCodesFlag(const QString& company) {
    return QStringLiteral("UPDATE MG50_PARMAGAZ ") + QStringLiteral(" SET MG50_INDCODART = 0") +
           QStringLiteral(" WHERE MG50_DITTA_CG18 = ") + company;
}

QString ArticleStatements::codedTypes(const QString& company) {
    return QStringLiteral("   SELECT") + QStringLiteral("    MG6F_PROGR, MG6F_DESCR ") + QStringLiteral(" FROM") +
           QStringLiteral("    MG6F_DIMEART") + QStringLiteral(" WHERE") + QStringLiteral("    MG6F_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG6F_INDCODIFICA = 1");
}

QString ArticleStatements::typeDescription(const QString& company, const QString& type) {
    return QStringLiteral("   SELECT") + QStringLiteral("    MG6F_DESCR ") + QStringLiteral(" FROM") +
           QStringLiteral("    MG6F_DIMEART") + QStringLiteral(" WHERE") + QStringLiteral("    MG6F_DITTA_CG18 = ") +
           company + QStringLiteral(" AND") + QStringLiteral("    MG6F_PROGR = ") + type;
}

QString ArticleStatements::valueRows(const QString& company, const QString& type) {
    return lines({QStringLiteral("SELECT"), QStringLiteral("    MG6E_DITTA_CG18"), QStringLiteral("    ,MG6E_PROGR_MG6F"),
                  QStringLiteral("    ,MG6E_SUBCODICE "), QStringLiteral("    ,MG6E_DESCR "),
                  QStringLiteral("    ,MG6E_IDMEDIA_CG99 "), QStringLiteral("FROM"), QStringLiteral("    MG6E_SUBCODART"),
                  QStringLiteral("WHERE"),
                  QStringLiteral("    MG6E_DITTA_CG18 = ") + company + QStringLiteral(" AND ") +
                      QStringLiteral("    MG6E_PROGR_MG6F = ") + type});
}

QString ArticleStatements::createLanguageTable(const QString& table) {
    QStringList text{QStringLiteral("CREATE TABLE ") + table, QStringLiteral("(")};
    for (const char* column : languageTableColumns)
        text << QString::fromLatin1(column);
    text << QStringLiteral(" )");
    return text.join(crlf);
}

QString ArticleStatements::truncateTable(const QString& table) { return QStringLiteral("TRUNCATE TABLE ") + table; }

QString ArticleStatements::fillLanguageTable(const QString& table, const QString& company) {
    return lines({
        QStringLiteral("INSERT INTO ") + table,
        QStringLiteral("("),
        QStringLiteral("       CHIAVE"),
        QStringLiteral("     , TBL_CODLINGUA"),
        QStringLiteral("     , TBL_DESCRLINGUA"),
        QStringLiteral("     , TBL_SIGLALINGUA"),
        QStringLiteral("     , TBL_DITTA_CG18"),
        QStringLiteral("     , TBL_PROGRART"),
        QStringLiteral("     , TBL_SUBCODICE"),
        QStringLiteral("     , TBL_DESCRSUBCOD"),
        QStringLiteral("     , TBL_DESCRIZIONE"),
        QStringLiteral(" )"),
        QStringLiteral("     SELECT"),
        QStringLiteral("         NEWID() "),
        QStringLiteral("         ,MG52_CODLINGUA AS CODLINGUA"),
        QStringLiteral("         ,MG52_DESCRLINGUA AS DESCRLINGUA"),
        QStringLiteral("         ,MG52_SIGLALINGUA AS SIGLALINGUA"),
        QStringLiteral("         ,SUBCODICI.MG6E_DITTA_CG18 AS DITTA"),
        QStringLiteral("         ,SUBCODICI.MG6E_PROGR_MG6F AS PROGRART"),
        QStringLiteral("         ,SUBCODICI.MG6E_SUBCODICE AS SUBCOD"),
        QStringLiteral("         ,SUBCODICI.MG6E_DESCR AS DESCRSUBCOD"),
        QStringLiteral("         ,MG6I_DESCR AS DESCRIZIONE"),
        QStringLiteral("     FROM  "),
        QStringLiteral("         MG52_LINGUE"),
        QStringLiteral("     CROSS JOIN"),
        QStringLiteral("         ("),
        QStringLiteral("             SELECT MG6E_DITTA_CG18"),
        QStringLiteral("                     ,MG6E_PROGR_MG6F"),
        QStringLiteral("                     ,MG6E_SUBCODICE"),
        QStringLiteral("                     ,MG6E_DESCR "),
        QStringLiteral("             FROM  "),
        QStringLiteral("                 MG6E_SUBCODART "),
        QStringLiteral("             WHERE "),
        QStringLiteral("                 MG6E_DITTA_CG18 = ") + company,
        QStringLiteral("         ) AS SUBCODICI"),
        QStringLiteral("     INNER JOIN MG47_PARMAGLINGUE "),
        QStringLiteral("         ON MG52_CODLINGUA = MG47_CODLINGUA_MG52"),
        QStringLiteral("            AND MG47_DITTA_CG18 = ") + company,
        QStringLiteral("            AND MG52_CODLINGUA <> 'ITA' "),
        QStringLiteral("     LEFT JOIN "),
        QStringLiteral("         MG6I_SUBCODARTLING"),
        QStringLiteral("         ON "),
        QStringLiteral("             MG6I_DITTA_CG18 = MG6E_DITTA_CG18"),
        QStringLiteral("             AND MG6I_PROGR_MG6F= MG6E_PROGR_MG6F"),
        QStringLiteral("             AND MG6I_SUBCODICE_MG6E =  MG6E_SUBCODICE "),
        QStringLiteral("             AND MG6I_LINGUA_MG52 = MG52_CODLINGUA"),
        QStringLiteral("     ORDER BY "),
        QStringLiteral("         MG52_DESCRLINGUA,"),
        QStringLiteral("         SUBCODICI.MG6E_DESCR"),
    });
}

QString ArticleStatements::tableRows(const QString& table) { return QStringLiteral("SELECT * FROM ") + table; }

QString ArticleStatements::deleteDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language) {
    return (QStringList{QStringLiteral("  DELETE FROM"), QStringLiteral("    MG6I_SUBCODARTLING"), QStringLiteral(" WHERE")} +
            descriptionKey(QStringLiteral("    "), company, type, value, language))
        .join(crlf);
}

QString ArticleStatements::descriptionExists(const QString& company, const QString& type, const QString& value,
                                             const QString& language) {
    return (QStringList{QStringLiteral("SELECT TOP 1"), QStringLiteral("    1"), QStringLiteral("FROM"),
                        QStringLiteral("    MG6I_SUBCODARTLING"), QStringLiteral(" WHERE")} +
            descriptionKey(QStringLiteral("    "), company, type, value, language))
        .join(crlf);
}

QString ArticleStatements::insertDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language, const QString& description) {
    return lines({QStringLiteral("INSERT INTO MG6I_SUBCODARTLING"), QStringLiteral("("),
                  QStringLiteral("    MG6I_DITTA_CG18"), QStringLiteral("    , MG6I_PROGR_MG6F"),
                  QStringLiteral("    , MG6I_SUBCODICE_MG6E"), QStringLiteral("    , MG6I_LINGUA_MG52"),
                  QStringLiteral("    , MG6I_DESCR"), QStringLiteral("    , MG6I_IDMEDIA_CG99"), QStringLiteral(")"),
                  QStringLiteral("VALUES"), QStringLiteral("("), QStringLiteral("    ") + company,
                  QStringLiteral("    ,'") + escaped(type) + QStringLiteral("'"),
                  QStringLiteral("    ,'") + escaped(value) + QStringLiteral("'"),
                  QStringLiteral("    ,'") + escaped(language) + QStringLiteral("'"),
                  QStringLiteral("    ,'") + writtenDescription(description) + QStringLiteral("'"),
                  QStringLiteral("    , NULL "), QStringLiteral(")")});
}

QString ArticleStatements::updateDescription(const QString& company, const QString& type, const QString& value,
                                             const QString& language, const QString& description) {
    return (QStringList{QStringLiteral("   UPDATE MG6I_SUBCODARTLING"), QStringLiteral("   SET"),
                        QStringLiteral("       MG6I_DESCR = '") + writtenDescription(description) + QStringLiteral("'"),
                        QStringLiteral("   WHERE")} +
            descriptionKey(QStringLiteral("       "), company, type, value, language))
        .join(crlf);
}

}  // namespace brondel
