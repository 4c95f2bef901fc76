#include "brondel/options/option_statements.h"

#include "automation/error.h"

#include <QRegularExpression>
#include <QStringList>
#include <initializer_list>

namespace brondel {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString escaped(const QString& value) { return QString(value).replace(QLatin1Char('\''), QStringLiteral("''")); }

// A number written unquoted: anything else would end up as statement text, so it is refused.
QString number(const QString& value) {
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!plain.match(value).hasMatch())
        throw automation::Error::fromNumber(automation::errors::TypeMismatch, value);
    return value;
}

// A description as the suite stores it: without the blanks around it.
QString description(const QString& value) { return escaped(OptionStatements::trimmed(value)); }

// Pieces each followed by a line break.
QString linesEachEnded(std::initializer_list<QString> pieces) {
    QString text;
    for (const QString& piece : pieces)
        text += piece + crlf;
    return text;
}

QString joined(std::initializer_list<QString> pieces) {
    QString text;
    for (const QString& piece : pieces)
        text += piece;
    return text;
}

// The working tables' columns, in creation order.
const char* const languageColumns[] = {
    "       CHIAVE                  UNIQUEIDENTIFIER NOT NULL DEFAULT NEWID()",
    "     , TBL_DITTA_CG18          DECIMAL(5,0)        NOT NULL",
    "     , TBL_SIGLALINGUA         varchar(8)          COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCRLINGUA         varchar(40)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCRIZIONE         nvarchar(160)        COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_CODLINGUA           varchar(4)          COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_CODICEVAR           varchar(20)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_OPZIONE             varchar(20)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCROPZIONE        nvarchar(160)        COLLATE DATABASE_DEFAULT NULL",
};

const char* const customerSupplierColumns[] = {
    "       CHIAVE                  UNIQUEIDENTIFIER NOT NULL DEFAULT NEWID()",
    "     , TBL_DITTA_CG18          DECIMAL(5,0)        NOT NULL",
    "     , TBL_DESCRIZIONE         nvarchar(160)        COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_CODICEVAR           varchar(20)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_OPZIONE             varchar(20)         COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_DESCROPZIONE        nvarchar(160)        COLLATE DATABASE_DEFAULT NULL",
    "     , TBL_CLIFOR              DECIMAL(8,0)        NULL",
};

template <std::size_t N>
QString createTable(const QString& name, const char* const (&columns)[N]) {
    QString text = QStringLiteral("CREATE TABLE ") + name + crlf + QStringLiteral("(") + crlf;
    for (const char* column : columns)
        text += QString::fromLatin1(column) + crlf;
    return text + QStringLiteral(" )");
}

struct TableColumns {
    const char* table;
    const char* prefix;
    const char* optionColumn;
};

TableColumns columnsOf(OptionStatements::OptionTable table) {
    switch (table) {
    case OptionStatements::OptionTable::Languages:
        return {"MG5I_OPZLINGUA", "MG5I", "MG5I_OPZIONE_MG5E"};
    case OptionStatements::OptionTable::Groupings:
        return {"MG5H_COMPRAGVAR", "MG5H", "MG5H_OPZIONE_MG5E"};
    case OptionStatements::OptionTable::CustomersSuppliers:
        return {"MG5S_VARCLIFOR", "MG5S", "MG5S_OPZIONE_MG5E"};
    case OptionStatements::OptionTable::Options:
        break;
    }
    return {"MG5E_OPZIONI", "MG5E", "MG5E_OPZIONE"};
}

QString languageCondition(const OptionStatements::LanguageRow& row) {
    return QStringLiteral("    MG5I_DITTA_CG18 = ") + number(row.company) + QStringLiteral(" AND") + crlf +
           QStringLiteral("    MG5I_CODICEVAR_MG5F = '") + escaped(row.code) + QStringLiteral("' AND") + crlf +
           QStringLiteral("    MG5I_OPZIONE_MG5E = '") + escaped(row.option) + QStringLiteral("' AND") + crlf +
           QStringLiteral("    MG5I_LINGUA_MG52 = '") + escaped(row.language) + QStringLiteral("'");
}

QString customerSupplierCondition(const OptionStatements::CustomerSupplierRow& row, const QString& indent) {
    return indent + QStringLiteral("MG5S_DITTA_CG18 = ") + number(row.company) + QStringLiteral(" AND") + crlf +
           indent + QStringLiteral("MG5S_CODICEVAR_MG5F = '") + escaped(row.code) + QStringLiteral("' AND") + crlf +
           indent + QStringLiteral("MG5S_OPZIONE_MG5E = '") + escaped(row.option) + QStringLiteral("' AND") + crlf +
           indent + QStringLiteral("MG5S_TIPOCF_CG44 = ") + number(row.kind) + QStringLiteral(" AND") + crlf +
           indent + QStringLiteral("MG5S_CLIFOR_CG44 = ") + number(row.customerSupplier);
}

// "SELECT TOP 1 1" over a table, its lines spaced as the description passes write it.
QString existsIn(const char* table, const QString& condition) {
    return QStringLiteral("SELECT TOP 1") + crlf + crlf + QStringLiteral("    1") + crlf + crlf + QStringLiteral("FROM") +
           crlf + crlf + QStringLiteral("    ") + QString::fromLatin1(table) + crlf + crlf + QStringLiteral(" WHERE") +
           crlf + condition;
}

}  // namespace

QString OptionStatements::trimmed(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString OptionStatements::frameRows(const QString& company, const QString& code) {
    return joined({QStringLiteral("SELECT"), crlf, QStringLiteral("    MG5E_DITTA_CG18"), crlf,
                   QStringLiteral("    ,MG5E_CODICEVAR_MG5F"), crlf, QStringLiteral("    ,MG5E_OPZIONE "), crlf,
                   QStringLiteral("    ,MG5E_DESCR "), crlf, QStringLiteral("    ,MG5E_IDMEDIA_CG99 "), crlf,
                   QStringLiteral("    ,MG5E_PREZZO "), crlf, QStringLiteral("    ,MG5E_PERCMAGG "), crlf,
                   QStringLiteral("    ,MG5E_QTA "), crlf, QStringLiteral("FROM"), crlf, QStringLiteral("    MG5E_OPZIONI "),
                   crlf, QStringLiteral("WHERE"), crlf, QStringLiteral("    MG5E_DITTA_CG18 = "), number(company),
                   QStringLiteral(" AND "), crlf, QStringLiteral("   MG5E_CODICEVAR_MG5F = '"), escaped(code),
                   QStringLiteral("' ")});
}

QString OptionStatements::variantDecode(const QString& hostStatement) {
    return hostStatement + QStringLiteral(" AND MG5F_INDPROGCONFIG <> 1 ");
}

QString OptionStatements::variantLookup(const QString& hostStatement) {
    return QString(hostStatement)
        .replace(QStringLiteral("ORDER BY"), QStringLiteral("AND MG5F_INDPROGCONFIG <> 1 ORDER BY"));
}

QString OptionStatements::deleteOption(OptionTable table, const QString& company, const QString& code,
                                       const QString& option) {
    const TableColumns columns = columnsOf(table);
    const QString prefix = QString::fromLatin1(columns.prefix);
    const QString head = table == OptionTable::Languages ? QStringLiteral("  DELETE FROM")
                                                         : QStringLiteral("   DELETE") + QStringLiteral(" FROM");
    return joined({head, QStringLiteral("    ") + QString::fromLatin1(columns.table), QStringLiteral(" WHERE"),
                   QStringLiteral("    ") + prefix + QStringLiteral("_DITTA_CG18 = "), number(company),
                   QStringLiteral(" AND"), QStringLiteral("    ") + prefix + QStringLiteral("_CODICEVAR_MG5F = '"),
                   escaped(code), QStringLiteral("' AND"),
                   QStringLiteral("    ") + QString::fromLatin1(columns.optionColumn) + QStringLiteral(" = '"),
                   escaped(option), QStringLiteral("'")});
}

QString OptionStatements::createLanguageTable(const QString& name) { return createTable(name, languageColumns); }

QString OptionStatements::createCustomerSupplierTable(const QString& name) {
    return createTable(name, customerSupplierColumns);
}

QString OptionStatements::truncate(const QString& name) { return QStringLiteral("TRUNCATE TABLE ") + name; }

QString OptionStatements::workingRows(const QString& name) { return QStringLiteral("SELECT * FROM ") + name; }

QString OptionStatements::fillLanguageTable(const QString& name, const QString& company) {
    const QString companyCode = number(company);
    return QStringLiteral("INSERT INTO ") + name + crlf +
           linesEachEnded({QStringLiteral("("), QStringLiteral("       CHIAVE"), QStringLiteral("     , TBL_CODLINGUA"),
                           QStringLiteral("     , TBL_DESCRLINGUA"), QStringLiteral("     , TBL_SIGLALINGUA"),
                           QStringLiteral("     , TBL_DITTA_CG18"), QStringLiteral("     , TBL_CODICEVAR"),
                           QStringLiteral("     , TBL_OPZIONE"), QStringLiteral("     , TBL_DESCROPZIONE"),
                           QStringLiteral("     , TBL_DESCRIZIONE")}) +
           QStringLiteral(" )") +
           linesEachEnded({QStringLiteral("     SELECT"), QStringLiteral("         NEWID() "),
                           QStringLiteral("         ,MG52_CODLINGUA AS CODLINGUA"),
                           QStringLiteral("         ,MG52_DESCRLINGUA AS DESCRLINGUA"),
                           QStringLiteral("         ,MG52_SIGLALINGUA AS SIGLALINGUA"),
                           QStringLiteral("         ,OPZIONI.MG5E_DITTA_CG18 AS DITTA"),
                           QStringLiteral("         ,OPZIONI.MG5E_CODICEVAR_MG5F AS CODICEVAR"),
                           QStringLiteral("         ,OPZIONI.MG5E_OPZIONE AS OPZIONE"),
                           QStringLiteral("         ,OPZIONI.MG5E_DESCR AS DESCROPZIONE"),
                           QStringLiteral("         ,MG5I_DESCR AS DESCRIZIONE"),
                           QStringLiteral("     FROM  "),
                           QStringLiteral("         MG52_LINGUE"),
                           QStringLiteral("     CROSS JOIN"),
                           QStringLiteral("         ("),
                           QStringLiteral("             SELECT MG5E_DITTA_CG18"),
                           QStringLiteral("                     ,MG5E_CODICEVAR_MG5F"),
                           QStringLiteral("                     ,MG5E_OPZIONE"),
                           QStringLiteral("                     ,MG5E_DESCR "),
                           QStringLiteral("             FROM  "),
                           QStringLiteral("                 MG5E_OPZIONI "),
                           QStringLiteral("             WHERE "),
                           QStringLiteral("                 MG5E_DITTA_CG18 = ") + companyCode,
                           QStringLiteral("         ) AS OPZIONI"),
                           QStringLiteral("     INNER JOIN MG47_PARMAGLINGUE "),
                           QStringLiteral("         ON MG52_CODLINGUA = MG47_CODLINGUA_MG52"),
                           QStringLiteral("            AND MG47_DITTA_CG18 = ") + companyCode,
                           QStringLiteral("            AND MG52_CODLINGUA <> 'ITA' "),
                           QStringLiteral("     LEFT JOIN "),
                           QStringLiteral("         MG5I_OPZLINGUA"),
                           QStringLiteral("         ON "),
                           QStringLiteral("             MG5I_DITTA_CG18 = MG5E_DITTA_CG18"),
                           QStringLiteral("             AND MG5I_CODICEVAR_MG5F= MG5E_CODICEVAR_MG5F"),
                           QStringLiteral("             AND MG5I_OPZIONE_MG5E =  MG5E_OPZIONE "),
                           QStringLiteral("             AND MG5I_LINGUA_MG52 = MG52_CODLINGUA"),
                           QStringLiteral("     ORDER BY "),
                           QStringLiteral("         MG52_DESCRLINGUA,"),
                           QStringLiteral("         OPZIONI.MG5E_DESCR")});
}

QString OptionStatements::fillCustomerSupplierTable(const QString& name, const QString& company, const QString& kind,
                                                    const QString& customerSupplier) {
    const QString code = number(customerSupplier);
    const QStringList head{QStringLiteral("INSERT INTO ") + name,  QStringLiteral("("),
                           QStringLiteral("       CHIAVE"),        QStringLiteral("     , TBL_DITTA_CG18"),
                           QStringLiteral("     , TBL_CODICEVAR"), QStringLiteral("     , TBL_OPZIONE"),
                           QStringLiteral("     , TBL_DESCROPZIONE"), QStringLiteral("     , TBL_DESCRIZIONE"),
                           QStringLiteral("     , TBL_CLIFOR"),    QStringLiteral(" )")};
    const QStringList body{
        QStringLiteral("         SELECT"),
        QStringLiteral("             NEWID()"),
        QStringLiteral("             ,OPZIONI.MG5E_DITTA_CG18 AS DITTA"),
        QStringLiteral("             ,OPZIONI.MG5E_CODICEVAR_MG5F AS CODICEVAR"),
        QStringLiteral("             ,OPZIONI.MG5E_OPZIONE AS OPZIONE"),
        QStringLiteral("             ,OPZIONI.MG5E_DESCR AS DESCROPZIONE"),
        QStringLiteral("             ,MG5S_DESCR AS DESCRIZIONE"),
        QStringLiteral("             ,") + code + QStringLiteral(" AS CLIFOR"),
        QStringLiteral("         FROM "),
        QStringLiteral("     "),
        QStringLiteral("             ("),
        QStringLiteral("                 SELECT MG5E_DITTA_CG18"),
        QStringLiteral("                         ,MG5E_CODICEVAR_MG5F"),
        QStringLiteral("                         ,MG5E_OPZIONE"),
        QStringLiteral("                         ,MG5E_DESCR "),
        QStringLiteral("                 FROM  "),
        QStringLiteral("                     MG5E_OPZIONI "),
        QStringLiteral("                 WHERE "),
        QStringLiteral("                     MG5E_DITTA_CG18 = ") + number(company),
        QStringLiteral("             ) AS OPZIONI"),
        QStringLiteral("         LEFT JOIN "),
        QStringLiteral("     MG5S_VARCLIFOR"),
        QStringLiteral("             ON "),
        QStringLiteral("                 MG5S_DITTA_CG18 = MG5E_DITTA_CG18"),
        QStringLiteral("                 AND MG5S_CODICEVAR_MG5F= MG5E_CODICEVAR_MG5F"),
        QStringLiteral("                 AND MG5S_OPZIONE_MG5E =  MG5E_OPZIONE "),
        QStringLiteral("                 AND MG5S_TIPOCF_CG44 = ") + number(kind),
        QStringLiteral("                 AND MG5S_CLIFOR_CG44 = ") + code,
        QStringLiteral("         ORDER BY "),
        QStringLiteral("             OPZIONI.MG5E_CODICEVAR_MG5F,"),
        QStringLiteral("             OPZIONI.MG5E_DESCR"),
    };
    // No line break between the column list's closing parenthesis and the SELECT.
    return head.join(crlf) + body.join(crlf);
}

QString OptionStatements::deleteLanguageDescription(const LanguageRow& row) {
    return QStringLiteral("  DELETE FROM") + crlf + QStringLiteral("    MG5I_OPZLINGUA") + crlf + QStringLiteral(" WHERE") +
           crlf + languageCondition(row);
}

QString OptionStatements::languageDescriptionExists(const LanguageRow& row) {
    return existsIn("MG5I_OPZLINGUA", languageCondition(row));
}

QString OptionStatements::insertLanguageDescription(const LanguageRow& row, const QString& text) {
    return QStringList{QStringLiteral("INSERT INTO MG5I_OPZLINGUA"),
                       QStringLiteral("("),
                       QStringLiteral("    MG5I_DITTA_CG18"),
                       QStringLiteral("    , MG5I_CODICEVAR_MG5F"),
                       QStringLiteral("    , MG5I_OPZIONE_MG5E"),
                       QStringLiteral("    , MG5I_LINGUA_MG52"),
                       QStringLiteral("    , MG5I_DESCR"),
                       QStringLiteral("    , MG5I_IDMEDIA_CG99"),
                       QStringLiteral(")"),
                       QStringLiteral("VALUES"),
                       QStringLiteral("("),
                       QStringLiteral("    ") + number(row.company),
                       QStringLiteral("    ,'") + escaped(row.code) + QStringLiteral("'"),
                       QStringLiteral("    ,'") + escaped(row.option) + QStringLiteral("'"),
                       QStringLiteral("    ,'") + escaped(row.language) + QStringLiteral("'"),
                       QStringLiteral("    ,'") + description(text) + QStringLiteral("'"),
                       QStringLiteral("    , NULL "),
                       QStringLiteral(")")}
        .join(crlf);
}

QString OptionStatements::updateLanguageDescription(const LanguageRow& row, const QString& text) {
    return QStringList{QStringLiteral("   UPDATE MG5I_OPZLINGUA"),
                       QStringLiteral("   SET"),
                       QStringLiteral("       MG5I_DESCR = N'") + description(text) + QStringLiteral("'"),
                       QStringLiteral("   WHERE"),
                       QStringLiteral("       MG5I_DITTA_CG18 = ") + number(row.company) + QStringLiteral(" AND"),
                       QStringLiteral("       MG5I_CODICEVAR_MG5F = '") + escaped(row.code) + QStringLiteral("' AND"),
                       QStringLiteral("       MG5I_OPZIONE_MG5E = '") + escaped(row.option) + QStringLiteral("' AND"),
                       QStringLiteral("       MG5I_LINGUA_MG52 = '") + escaped(row.language) + QStringLiteral("'")}
        .join(crlf);
}

QString OptionStatements::deleteCustomerSupplierDescription(const CustomerSupplierRow& row) {
    return QStringLiteral("  DELETE FROM") + crlf + QStringLiteral("    MG5S_VARCLIFOR") + crlf + QStringLiteral(" WHERE") +
           crlf + customerSupplierCondition(row, QStringLiteral("    "));
}

QString OptionStatements::customerSupplierDescriptionExists(const CustomerSupplierRow& row) {
    return existsIn("MG5S_VARCLIFOR", customerSupplierCondition(row, QStringLiteral("    ")));
}

QString OptionStatements::insertCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& text) {
    return QStringList{QStringLiteral("INSERT INTO MG5S_VARCLIFOR"),
                       QStringLiteral("("),
                       QStringLiteral("    MG5S_DITTA_CG18"),
                       QStringLiteral("    , MG5S_CODICEVAR_MG5F"),
                       QStringLiteral("    , MG5S_OPZIONE_MG5E"),
                       QStringLiteral("    , MG5S_TIPOCF_CG44"),
                       QStringLiteral("    , MG5S_CLIFOR_CG44"),
                       QStringLiteral("    , MG5S_DESCR"),
                       QStringLiteral(")"),
                       QStringLiteral("VALUES"),
                       QStringLiteral("("),
                       QStringLiteral("    ") + number(row.company),
                       QStringLiteral("    ,'") + escaped(row.code) + QStringLiteral("'"),
                       QStringLiteral("    ,'") + escaped(row.option) + QStringLiteral("'"),
                       QStringLiteral("    ,") + number(row.kind),
                       QStringLiteral("    ,") + number(row.customerSupplier),
                       QStringLiteral("    ,'") + description(text) + QStringLiteral("'"),
                       QStringLiteral(")")}
        .join(crlf);
}

QString OptionStatements::updateCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& text) {
    return QStringLiteral("   UPDATE MG5S_VARCLIFOR") + crlf + QStringLiteral("   SET") + crlf +
           QStringLiteral("       MG5S_DESCR = '") + description(text) + QStringLiteral("'") + crlf +
           QStringLiteral("   WHERE") + crlf + customerSupplierCondition(row, QStringLiteral("       "));
}

}  // namespace brondel
