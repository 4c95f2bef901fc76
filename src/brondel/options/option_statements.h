#pragma once

#include <QString>

namespace brondel {

// The statements of the options section and of the option descriptions by language and by customer or
// supplier, each built in one place exactly as the suite runs it on SQL Server. company, kind and
// customer/supplier codes are numbers written unquoted; every text value goes in between quotes with its
// apostrophes doubled. A description is written trimmed of the blanks around it.
class OptionStatements {
public:
    // The tables that hold an option, in the order the option's delete empties them.
    enum class OptionTable { Languages, Groupings, CustomersSuppliers, Options };

    // The text without the blanks around it (tabs and line breaks count as text, as in the suite's Trim).
    static QString trimmed(const QString& text);

    // The options of a variant: the frame's rows (no ORDER BY).
    static QString frameRows(const QString& company, const QString& code);
    // Appended to the host's variant decode / put in front of its lookup's ORDER BY: only variants that are
    // not reserved for configuration own options.
    static QString variantDecode(const QString& hostStatement);
    static QString variantLookup(const QString& hostStatement);
    // The rows of one option in one table.
    static QString deleteOption(OptionTable table, const QString& company, const QString& code, const QString& option);

    // The working tables (name: prefix and the console's unique suffix).
    static QString createLanguageTable(const QString& name);
    static QString createCustomerSupplierTable(const QString& name);
    static QString truncate(const QString& name);
    static QString workingRows(const QString& name);
    // Every option of the company in every enabled language but ITA, with its stored description.
    static QString fillLanguageTable(const QString& name, const QString& company);
    // Every option of the company with its description for one customer (kind 0) or supplier (kind 1).
    static QString fillCustomerSupplierTable(const QString& name, const QString& company, const QString& kind,
                                             const QString& customerSupplier);

    // One option's description in one language.
    struct LanguageRow {
        QString company;
        QString code;
        QString option;
        QString language;
    };
    static QString deleteLanguageDescription(const LanguageRow& row);
    static QString languageDescriptionExists(const LanguageRow& row);
    static QString insertLanguageDescription(const LanguageRow& row, const QString& description);
    static QString updateLanguageDescription(const LanguageRow& row, const QString& description);

    // One option's description for one customer or supplier.
    struct CustomerSupplierRow {
        QString company;
        QString code;
        QString option;
        QString kind;
        QString customerSupplier;
    };
    static QString deleteCustomerSupplierDescription(const CustomerSupplierRow& row);
    static QString customerSupplierDescriptionExists(const CustomerSupplierRow& row);
    static QString insertCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& description);
    static QString updateCustomerSupplierDescription(const CustomerSupplierRow& row, const QString& description);
};

}  // namespace brondel
