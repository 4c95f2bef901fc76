#pragma once

#include <QString>

namespace brondel {

// The statements of the mandatory-variants sections, each built in one place exactly as the suite runs it
// on SQL Server. The company is the current company's code as statement text (a number, unquoted); codes,
// documents and program names go in between quotes with their apostrophes doubled.
class MandatoryStatements {
public:
    // The two working tables that turn the exception rows into one check column per variant: one row per
    // document of the company (1: mandatory), or one row per program with an exception (1: not mandatory).
    enum class Pivot { Documents, Programs };

    // One row: the company's variant codes as a column list "[A0],[A1]..." in code order (Null without any).
    static QString columnList(const QString& company);
    // The working table's variant columns, from the column list: "[A0] TINYINT , [A1] TINYINT)".
    static QString columnDefinitions(const QString& columnList);
    static QString dropWorkingTable(Pivot pivot);
    static QString createWorkingTable(Pivot pivot, const QString& columnDefinitions);
    // The batch that fills the working table through a dynamic PIVOT over the column list.
    static QString fillWorkingTable(Pivot pivot, const QString& company, const QString& columnList);
    static QString workingRows(Pivot pivot);

    // The exception row of a variant and an object (a document or a program), every column.
    static QString exception(const QString& company, const QString& code, const QString& object);
    // The select-all pass, one statement per document.
    static QString deleteException(const QString& company, const QString& code, const QString& object);
    static QString insertException(const QString& company, const QString& code, const QString& object);

    // IDVOCETS: the menu entries of the programs that have an exception.
    static QString markedEntries(const QString& company);
    // Every variant of the company with MG5J_FLGOBBLIG 1 (mandatory) or 0 for a program.
    static QString programVariants(const QString& company, const QString& program);
    // The variant column's value list: code, description.
    static QString variantList(const QString& company);
    // FW50_DESCR of a program.
    static QString programDescription(const QString& program);
};

}  // namespace brondel
