#include "brondel/options/option_statements.h"

#include "brondel/console/sql_text.h"

#include "automation/error.h"

#include <QRegularExpression>

namespace brondel {

namespace {

// A number written unquoted: anything else would end up as statement text, so it is refused.
QString number(const QString& value) {
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!plain.match(value).hasMatch())
        throw automation::Error::fromNumber(automation::errors::TypeMismatch, value);
    return value;
}

// A description as the suite stores it: without the blanks around it (the apostrophes are doubled as
// every value's are).
QString description(const QString& value) { return OptionStatements::trimmed(value); }

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
SqlText createTable(const QString& name, const char* const (&columns)[N]) {
    SqlText text("CREATE TABLE ", SqlText::verbatim(name));
    text.line("(");
    for (const char* column : columns)
        text.line(column);
    return text.line(" )");
}

// The rows of one option in one of the tables that hold it: the table, its prefix and its option column.
struct OptionTableColumns {
    const char* head;
    const char* table;
    const char* company;
    const char* code;
    const char* option;
};

OptionTableColumns columnsOf(OptionStatements::OptionTable table) {
    switch (table) {
    case OptionStatements::OptionTable::Languages:
        return {"  DELETE FROM", "    MG5I_OPZLINGUA", "    MG5I_DITTA_CG18 = ", "    MG5I_CODICEVAR_MG5F = '",
                "    MG5I_OPZIONE_MG5E = '"};
    case OptionStatements::OptionTable::Groupings:
        return {"   DELETE FROM", "    MG5H_COMPRAGVAR", "    MG5H_DITTA_CG18 = ", "    MG5H_CODICEVAR_MG5F = '",
                "    MG5H_OPZIONE_MG5E = '"};
    case OptionStatements::OptionTable::CustomersSuppliers:
        return {"   DELETE FROM", "    MG5S_VARCLIFOR", "    MG5S_DITTA_CG18 = ", "    MG5S_CODICEVAR_MG5F = '",
                "    MG5S_OPZIONE_MG5E = '"};
    case OptionStatements::OptionTable::Options: break;
    }
    return {"   DELETE FROM", "    MG5E_OPZIONI", "    MG5E_DITTA_CG18 = ", "    MG5E_CODICEVAR_MG5F = '",
            "    MG5E_OPZIONE = '"};
}

SqlText languageCondition(const OptionStatements::LanguageRow& row) {
    return SqlText()
        .line("    MG5I_DITTA_CG18 = ", number(row.company), " AND")
        .line("    MG5I_CODICEVAR_MG5F = '", row.code, "' AND")
        .line("    MG5I_OPZIONE_MG5E = '", row.option, "' AND")
        .line("    MG5I_LINGUA_MG52 = '", row.language, "'");
}

// The condition on one option's description for one party; indent before each line.
SqlText customerSupplierCondition(const OptionStatements::CustomerSupplierRow& row, const char* indent) {
    return SqlText()
        .line(indent, "MG5S_DITTA_CG18 = ", number(row.company), " AND")
        .line(indent, "MG5S_CODICEVAR_MG5F = '", row.code, "' AND")
        .line(indent, "MG5S_OPZIONE_MG5E = '", row.option, "' AND")
        .line(indent, "MG5S_TIPOCF_CG44 = ", number(row.kind), " AND")
        .line(indent, "MG5S_CLIFOR_CG44 = ", number(row.customerSupplier));
}

// "SELECT TOP 1 1" over a table, its lines spaced as the description passes write them.
SqlText existsIn(const char* table, const SqlText& condition) {
    return SqlText("SELECT TOP 1", SqlText::crlf)
        .line("    1", SqlText::crlf)
        .line("FROM", SqlText::crlf)
        .line(table, SqlText::crlf)
        .line(" WHERE")
        .line(condition);
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
    return SqlText("SELECT")
        .line("    MG5E_DITTA_CG18")
        .line("    ,MG5E_CODICEVAR_MG5F")
        .line("    ,MG5E_OPZIONE ")
        .line("    ,MG5E_DESCR ")
        .line("    ,MG5E_IDMEDIA_CG99 ")
        .line("    ,MG5E_PREZZO ")
        .line("    ,MG5E_PERCMAGG ")
        .line("    ,MG5E_QTA ")
        .line("FROM")
        .line("    MG5E_OPZIONI ")
        .line("WHERE")
        .line("    MG5E_DITTA_CG18 = ", number(company), " AND ")
        .line("   MG5E_CODICEVAR_MG5F = '", code, "' ");
}

QString OptionStatements::variantDecode(const QString& hostStatement) {
    return SqlText(SqlText::verbatim(hostStatement), " AND MG5F_INDPROGCONFIG <> 1 ");
}

QString OptionStatements::variantLookup(const QString& hostStatement) {
    return QString(hostStatement)
        .replace(QStringLiteral("ORDER BY"), SqlText("AND MG5F_INDPROGCONFIG <> 1 ORDER BY").text());
}

QString OptionStatements::deleteOption(OptionTable table, const QString& company, const QString& code,
                                       const QString& option) {
    const OptionTableColumns columns = columnsOf(table);
    return SqlText(columns.head, columns.table, " WHERE", columns.company, number(company), " AND", columns.code, code,
                   "' AND", columns.option, option, "'");
}

QString OptionStatements::createLanguageTable(const QString& name) { return createTable(name, languageColumns); }

QString OptionStatements::createCustomerSupplierTable(const QString& name) {
    return createTable(name, customerSupplierColumns);
}

QString OptionStatements::truncate(const QString& name) { return SqlText("TRUNCATE TABLE ", SqlText::verbatim(name)); }

QString OptionStatements::workingRows(const QString& name) {
    return SqlText("SELECT * FROM ", SqlText::verbatim(name));
}

QString OptionStatements::fillLanguageTable(const QString& name, const QString& company) {
    const QString companyCode = number(company);
    // Every line ends with a line break, but the column list's closing parenthesis runs into the SELECT.
    return SqlText("INSERT INTO ", SqlText::verbatim(name), SqlText::crlf)
        .add("(", SqlText::crlf)
        .add("       CHIAVE", SqlText::crlf)
        .add("     , TBL_CODLINGUA", SqlText::crlf)
        .add("     , TBL_DESCRLINGUA", SqlText::crlf)
        .add("     , TBL_SIGLALINGUA", SqlText::crlf)
        .add("     , TBL_DITTA_CG18", SqlText::crlf)
        .add("     , TBL_CODICEVAR", SqlText::crlf)
        .add("     , TBL_OPZIONE", SqlText::crlf)
        .add("     , TBL_DESCROPZIONE", SqlText::crlf)
        .add("     , TBL_DESCRIZIONE", SqlText::crlf)
        .add(" )")
        .add("     SELECT", SqlText::crlf)
        .add("         NEWID() ", SqlText::crlf)
        .add("         ,MG52_CODLINGUA AS CODLINGUA", SqlText::crlf)
        .add("         ,MG52_DESCRLINGUA AS DESCRLINGUA", SqlText::crlf)
        .add("         ,MG52_SIGLALINGUA AS SIGLALINGUA", SqlText::crlf)
        .add("         ,OPZIONI.MG5E_DITTA_CG18 AS DITTA", SqlText::crlf)
        .add("         ,OPZIONI.MG5E_CODICEVAR_MG5F AS CODICEVAR", SqlText::crlf)
        .add("         ,OPZIONI.MG5E_OPZIONE AS OPZIONE", SqlText::crlf)
        .add("         ,OPZIONI.MG5E_DESCR AS DESCROPZIONE", SqlText::crlf)
        .add("         ,MG5I_DESCR AS DESCRIZIONE", SqlText::crlf)
        .add("     FROM  ", SqlText::crlf)
        .add("         MG52_LINGUE", SqlText::crlf)
        .add("     CROSS JOIN", SqlText::crlf)
        .add("         (", SqlText::crlf)
        .add("             SELECT MG5E_DITTA_CG18", SqlText::crlf)
        .add("                     ,MG5E_CODICEVAR_MG5F", SqlText::crlf)
        .add("                     ,MG5E_OPZIONE", SqlText::crlf)
        .add("                     ,MG5E_DESCR ", SqlText::crlf)
        .add("             FROM  ", SqlText::crlf)
        .add("                 MG5E_OPZIONI ", SqlText::crlf)
        .add("             WHERE ", SqlText::crlf)
        .add("                 MG5E_DITTA_CG18 = ", companyCode, SqlText::crlf)
        .add("         ) AS OPZIONI", SqlText::crlf)
        .add("     INNER JOIN MG47_PARMAGLINGUE ", SqlText::crlf)
        .add("         ON MG52_CODLINGUA = MG47_CODLINGUA_MG52", SqlText::crlf)
        .add("            AND MG47_DITTA_CG18 = ", companyCode, SqlText::crlf)
        .add("            AND MG52_CODLINGUA <> 'ITA' ", SqlText::crlf)
        .add("     LEFT JOIN ", SqlText::crlf)
        .add("         MG5I_OPZLINGUA", SqlText::crlf)
        .add("         ON ", SqlText::crlf)
        .add("             MG5I_DITTA_CG18 = MG5E_DITTA_CG18", SqlText::crlf)
        .add("             AND MG5I_CODICEVAR_MG5F= MG5E_CODICEVAR_MG5F", SqlText::crlf)
        .add("             AND MG5I_OPZIONE_MG5E =  MG5E_OPZIONE ", SqlText::crlf)
        .add("             AND MG5I_LINGUA_MG52 = MG52_CODLINGUA", SqlText::crlf)
        .add("     ORDER BY ", SqlText::crlf)
        .add("         MG52_DESCRLINGUA,", SqlText::crlf)
        .add("         OPZIONI.MG5E_DESCR", SqlText::crlf);
}

QString OptionStatements::fillCustomerSupplierTable(const QString& name, const QString& company, const QString& kind,
                                                    const QString& customerSupplier) {
    const QString code = number(customerSupplier);
    // Lines separated by line breaks, but the column list's closing parenthesis runs into the SELECT.
    return SqlText("INSERT INTO ", SqlText::verbatim(name))
        .line("(")
        .line("       CHIAVE")
        .line("     , TBL_DITTA_CG18")
        .line("     , TBL_CODICEVAR")
        .line("     , TBL_OPZIONE")
        .line("     , TBL_DESCROPZIONE")
        .line("     , TBL_DESCRIZIONE")
        .line("     , TBL_CLIFOR")
        .line(" )")
        .add("         SELECT")
        .line("             NEWID()")
        .line("             ,OPZIONI.MG5E_DITTA_CG18 AS DITTA")
        .line("             ,OPZIONI.MG5E_CODICEVAR_MG5F AS CODICEVAR")
        .line("             ,OPZIONI.MG5E_OPZIONE AS OPZIONE")
        .line("             ,OPZIONI.MG5E_DESCR AS DESCROPZIONE")
        .line("             ,MG5S_DESCR AS DESCRIZIONE")
        .line("             ,", code, " AS CLIFOR")
        .line("         FROM ")
        .line("     ")
        .line("             (")
        .line("                 SELECT MG5E_DITTA_CG18")
        .line("                         ,MG5E_CODICEVAR_MG5F")
        .line("                         ,MG5E_OPZIONE")
        .line("                         ,MG5E_DESCR ")
        .line("                 FROM  ")
        .line("                     MG5E_OPZIONI ")
        .line("                 WHERE ")
        .line("                     MG5E_DITTA_CG18 = ", number(company))
        .line("             ) AS OPZIONI")
        .line("         LEFT JOIN ")
        .line("     MG5S_VARCLIFOR")
        .line("             ON ")
        .line("                 MG5S_DITTA_CG18 = MG5E_DITTA_CG18")
        .line("                 AND MG5S_CODICEVAR_MG5F= MG5E_CODICEVAR_MG5F")
        .line("                 AND MG5S_OPZIONE_MG5E =  MG5E_OPZIONE ")
        .line("                 AND MG5S_TIPOCF_CG44 = ", number(kind))
        .line("                 AND MG5S_CLIFOR_CG44 = ", code)
        .line("         ORDER BY ")
        .line("             OPZIONI.MG5E_CODICEVAR_MG5F,")
        .line("             OPZIONI.MG5E_DESCR");
}

QString OptionStatements::deleteLanguageDescription(const LanguageRow& row) {
    return SqlText("  DELETE FROM").line("    MG5I_OPZLINGUA").line(" WHERE").line(languageCondition(row));
}

QString OptionStatements::languageDescriptionExists(const LanguageRow& row) {
    return existsIn("    MG5I_OPZLINGUA", languageCondition(row));
}

QString OptionStatements::insertLanguageDescription(const LanguageRow& row, const QString& text) {
    return SqlText("INSERT INTO MG5I_OPZLINGUA")
        .line("(")
        .line("    MG5I_DITTA_CG18")
        .line("    , MG5I_CODICEVAR_MG5F")
        .line("    , MG5I_OPZIONE_MG5E")
        .line("    , MG5I_LINGUA_MG52")
        .line("    , MG5I_DESCR")
        .line("    , MG5I_IDMEDIA_CG99")
        .line(")")
        .line("VALUES")
        .line("(")
        .line("    ", number(row.company))
        .line("    ,'", row.code, "'")
        .line("    ,'", row.option, "'")
        .line("    ,'", row.language, "'")
        .line("    ,'", description(text), "'")
        .line("    , NULL ")
        .line(")");
}

QString OptionStatements::updateLanguageDescription(const LanguageRow& row, const QString& text) {
    return SqlText("   UPDATE MG5I_OPZLINGUA")
        .line("   SET")
        .line("       MG5I_DESCR = N'", description(text), "'")
        .line("   WHERE")
        .line("       MG5I_DITTA_CG18 = ", number(row.company), " AND")
        .line("       MG5I_CODICEVAR_MG5F = '", row.code, "' AND")
        .line("       MG5I_OPZIONE_MG5E = '", row.option, "' AND")
        .line("       MG5I_LINGUA_MG52 = '", row.language, "'");
}

QString OptionStatements::deleteCustomerSupplierDescription(const CustomerSupplierRow& row) {
    return SqlText("  DELETE FROM")
        .line("    MG5S_VARCLIFOR")
        .line(" WHERE")
        .line(customerSupplierCondition(row, "    "));
}

QString OptionStatements::customerSupplierDescriptionExists(const CustomerSupplierRow& row) {
    return existsIn("    MG5S_VARCLIFOR", customerSupplierCondition(row, "    "));
}

QString OptionStatements::insertCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& text) {
    return SqlText("INSERT INTO MG5S_VARCLIFOR")
        .line("(")
        .line("    MG5S_DITTA_CG18")
        .line("    , MG5S_CODICEVAR_MG5F")
        .line("    , MG5S_OPZIONE_MG5E")
        .line("    , MG5S_TIPOCF_CG44")
        .line("    , MG5S_CLIFOR_CG44")
        .line("    , MG5S_DESCR")
        .line(")")
        .line("VALUES")
        .line("(")
        .line("    ", number(row.company))
        .line("    ,'", row.code, "'")
        .line("    ,'", row.option, "'")
        .line("    ,", number(row.kind))
        .line("    ,", number(row.customerSupplier))
        .line("    ,'", description(text), "'")
        .line(")");
}

QString OptionStatements::updateCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& text) {
    return SqlText("   UPDATE MG5S_VARCLIFOR")
        .line("   SET")
        .line("       MG5S_DESCR = '", description(text), "'")
        .line("   WHERE")
        .line(customerSupplierCondition(row, "       "));
}

}  // namespace brondel
