#pragma once

#include <QString>

namespace automation {
class Error;
}

namespace ado {

// One entry of a connection's Errors collection: what the provider reported for the last failed call.
class Error {
public:
    Error(long number, QString source, QString description);
    explicit Error(const automation::Error& error);

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// Error numbers raised by this layer beyond those of automation::errors.
namespace errors {
constexpr long BadInitString = -2147217805;    // DB_E_BADINITSTRING: malformed connection string
constexpr long DeletedRow = -2147217885;       // DB_E_DELETEDROW: the current row was deleted
constexpr long UpdateNotSupported = 3251;      // adErrFeatureNotAvailable: read-only recordset
constexpr long ProviderNotFound = 3706;        // adErrProviderNotFound
constexpr long ConnectionCannotBeUsed = 3709;  // adErrInvalidConnection: no connection to run the source on
}  // namespace errors

// The error ADO itself raises for number, with ADO's description; source names the raising object
// ("ADODB.Recordset", "ADODB.Connection").
automation::Error adoError(long number, const QString& source);

}  // namespace ado
