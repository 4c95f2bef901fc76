#pragma once

#include <QString>

namespace brondel {

// The statements of the article code configurator, its sub-code values and their descriptions by
// language, each built in one place (SqlText) exactly as the suite runs it on SQL Server. The company,
// progressives and types are numbers as statement text (unquoted where the statement writes them as
// numbers); every value is given as typed or read, and goes in with its apostrophes doubled.
class ArticleStatements {
public:
    // The configurator's frame: every column of the company's sub-codes (no ORDER BY).
    static QString configuratorRows(const QString& company);
    // MAXPROGR: the highest progressive; MAXSIZE: the lengths added up (both Null without sub-codes).
    static QString highestProgressive(const QString& company);
    static QString lengthTotal(const QString& company);
    // A row when a sub-code other than progressive is an automatic counter.
    static QString otherCounter(const QString& company, const QString& progressive);
    // MG6F_SIZE of one sub-code.
    static QString subCodeLength(const QString& company, const QString& progressive);

    // Deleting the whole configurator: a row when any sub-code has values; the delete; the warehouse flag.
    static QString subCodeValues(const QString& company);
    static QString deleteConfigurator(const QString& company);
    static QString clearSubCodesFlag(const QString& company);

    // MG6F_PROGR and MG6F_DESCR of the coded sub-codes (treatment 1); MG6F_DESCR of one sub-code.
    static QString codedTypes(const QString& company);
    static QString typeDescription(const QString& company, const QString& type);
    // The values' frame: the company's values of one type (no ORDER BY).
    static QString valueRows(const QString& company, const QString& type);

    // The language working table: creation, emptying, filling with every (language, value) pair of the
    // company but Italian, and its rows.
    static QString createLanguageTable(const QString& table);
    static QString truncateTable(const QString& table);
    static QString fillLanguageTable(const QString& table, const QString& company);
    static QString tableRows(const QString& table);
    // One value's description in one language: delete, existence test, insert, update. The description is
    // written trimmed.
    static QString deleteDescription(const QString& company, const QString& type, const QString& value,
                                     const QString& language);
    static QString descriptionExists(const QString& company, const QString& type, const QString& value,
                                     const QString& language);
    static QString insertDescription(const QString& company, const QString& type, const QString& value,
                                     const QString& language, const QString& description);
    static QString updateDescription(const QString& company, const QString& type, const QString& value,
                                     const QString& language, const QString& description);
};

}  // namespace brondel
