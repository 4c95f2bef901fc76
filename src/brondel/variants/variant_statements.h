#pragma once

#include <QString>

namespace brondel {

// The statements of the variant configurator, each built in one place exactly as the suite runs it on
// SQL Server. The company is the current company's code as statement text (a number, unquoted); codes and
// typed values go in between quotes as given.
class VariantStatements {
public:
    // Where the options of a grouping may be in use.
    enum class OptionUse { DocumentArticle, BillOfMaterialsArticle, ComponentArticle };

    // The frame's rows: every column of the company's dimensions (no ORDER BY).
    static QString frameRows(const QString& company);
    // MAXPROG: the highest code (Null when there is none).
    static QString highestCode(const QString& company);
    // SUMSIZE: the sizes of the stored dimensions added up (0 when there is none).
    static QString sizeTotal(const QString& company);
    // MG5F_SIZE of a dimension that is not reserved for configuration.
    static QString optionSize(const QString& company, const QString& code);
    // MG5F_DESCR_VAR of a dimension.
    static QString description(const QString& company, const QString& code);

    // A row when some article description holds non-blank characters from position on.
    static QString articleDescriptionsFrom(const QString& company, const QString& position);
    // A row when the dimension has options / groupings.
    static QString dimensionOptions(const QString& company, const QString& code);
    static QString dimensionGroupings(const QString& company, const QString& code);

    // Deleting the whole configurator: its checks, the delete and the warehouse flag.
    static QString companyOptions(const QString& company);
    static QString companyGroupings(const QString& company);
    static QString deleteDimensions(const QString& company);
    static QString clearVariantsFlag(const QString& company);

    // A row when a configuration holds non-blank characters in size characters from start.
    static QString configurationsUsing(const QString& company, const QString& start, const QString& size);

    // The default value's lookup (option and description of the dimension's options, by option) and decode.
    static QString defaultValueLookup(const QString& company, const QString& code);
    static QString defaultValueDecode(const QString& company, const QString& code, const QString& option);

    // The articles managed on a variant and grouping whose rows of one kind use an option of optionList (a
    // parenthesised list of quoted options, as the caller writes it).
    static QString optionsInUse(OptionUse use, const QString& company, const QString& code, const QString& grouping,
                                const QString& optionList);
};

}  // namespace brondel
