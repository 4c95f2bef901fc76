#pragma once

#include <QString>
#include <exception>
#include <string>

namespace automation {

// The automation error: what Visual Basic keeps in Err. Procedures that re-raise keep the number and
// description and prepend their own name to the source, so the source lists the chain of procedures.
class Error : public std::exception {
public:
    Error(long number, QString source, QString description);

    // The error VB itself raises for number, with VB's description ("Overflow" for 6); numbers it
    // does not know get VB's "Application-defined or object-defined error".
    static Error fromNumber(long number, QString source = QString());

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

    void setSource(const QString& source);

    const char* what() const noexcept override { return what_.c_str(); }

private:
    long number_;
    QString source_;
    QString description_;
    std::string what_;
};

// Error numbers that callers test for.
namespace errors {
constexpr long Overflow = 6;                      // VB: Overflow
constexpr long TypeMismatch = 13;                 // VB: Type mismatch
constexpr long PathFileAccessError = 75;          // VB: Path/File access error
constexpr long ObjectVariableNotSet = 91;         // VB: Object variable or With block variable not set
constexpr long InvalidUseOfNull = 94;             // VB: Invalid use of Null
constexpr long ObjectRequired = 424;              // VB: Object required
constexpr long CannotCreateObject = 429;          // VB: ActiveX component can't create object
constexpr long MemberNotSupported = 438;          // VB: Object doesn't support this property or method
constexpr long IntegrityViolation = -2147217873;  // DB_E_INTEGRITYVIOLATION (0x80040E2F)
constexpr long RowNotFoundForUpdate =
    -2147217864;                              // DB_E_ROWNOTFOUNDFORUPDATE-style "Row cannot be located for updating"
constexpr long ProviderError = -2147467259;   // E_FAIL (0x80004005), the provider's generic failure
constexpr long ArgumentsWrongType = 3001;     // adErrInvalidArgument
constexpr long BofOrEof = 3021;               // adErrNoCurrentRecord
constexpr long ObjectClosed = 3704;           // adErrObjectClosed
constexpr long ObjectOpen = 3705;             // adErrObjectOpen
constexpr long ItemNotFound = 3265;           // adErrItemNotFound
constexpr long OperationNotAllowed = 3219;    // adErrIllegalOperation
constexpr long SqlSyntaxError = -2147217900;  // DB_E_ERRORSINCOMMAND (0x80040E14): malformed statement text
constexpr long UnsupportedSqlConstruct = -2147217837;  // DB_E_NOTSUPPORTED (0x80040E53): T-SQL the SQLite dialect lacks
}  // namespace errors

}  // namespace automation
