#include "ado/error.h"

#include "automation/error.h"

namespace ado {

Error::Error(long number, QString source, QString description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {}

Error::Error(const automation::Error& error) : Error(error.number(), error.source(), error.description()) {}

automation::Error adoError(long number, const QString& source) {
    namespace ae = automation::errors;
    const char* description = "Operation is not allowed in this context.";
    switch (number) {
    case ae::ArgumentsWrongType:
        description =
            "Arguments are of the wrong type, are out of acceptable range, or are in conflict with one "
            "another.";
        break;
    case ae::BofOrEof:
        description =
            "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
            "requires a current record.";
        break;
    case ae::ItemNotFound:
        description = "Item cannot be found in the collection corresponding to the requested name or ordinal.";
        break;
    case ae::ObjectClosed: description = "Operation is not allowed when the object is closed."; break;
    case ae::ObjectOpen: description = "Operation is not allowed when the object is open."; break;
    case ae::RowNotFoundForUpdate:
        description =
            "Row cannot be located for updating. Some values may have been changed since it was last "
            "read.";
        break;
    case errors::BadInitString:
        description = "Format of the initialization string does not conform to the OLE DB connection string syntax.";
        break;
    case errors::DeletedRow: description = "Row handle referred to a deleted row or a row marked for deletion."; break;
    case errors::UpdateNotSupported:
        description =
            "Current Recordset does not support updating. This may be a limitation of the provider, "
            "or of the selected locktype.";
        break;
    case errors::ConnectionCannotBeUsed:
        description =
            "The connection cannot be used to perform this operation. It is either closed or invalid in "
            "this context.";
        break;
    case errors::ProviderNotFound: description = "Provider cannot be found. It may not be properly installed."; break;
    }
    return automation::Error(number, source, QString::fromLatin1(description));
}

}  // namespace ado
