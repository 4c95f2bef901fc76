#pragma once

#include "brondel/console/host_components/lookup_request.h"
#include "brondel/console/host_components/object.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace host {

class Cinterface;

// The host's standard lookups: each returns the statement, fields, headers, title and layout key of a
// list over the current company's data; the caller may extend the statement and adds the connection
// text.
class LookupService : public Object {
public:
    // The module the lookups belong to (its company); nothing at unload.
    virtual void initialize(std::shared_ptr<Cinterface> host) = 0;

    // Variant dimensions of MG5F_DIMECONF (rank, description), ordered by code with an "ORDER BY" clause.
    virtual LookupRequest variantLookup(const QString& filter) = 0;
    // Groupings of a variant in MG5G_RAGGVAR.
    virtual LookupRequest groupingLookup(const QString& variantCode, const QVariant& filter) = 0;
    // The company's documents (MG3G_CODDOCUM_MG36 and description).
    virtual LookupRequest documentLookup(const QString& filter) = 0;
    // Customers (kind 0) or suppliers (kind 1).
    virtual LookupRequest customerSupplierLookup(qint16 kind, const QString& filter) = 0;
};

}  // namespace host
