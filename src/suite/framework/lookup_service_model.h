#pragma once

#include "brondel/console/host_components/lookup_service.h"

namespace suite {

// The suite's standard lookups over the module's company. Statements are SQL Server text; each ends with
// an "ORDER BY" clause that follows a WHERE clause, so that a caller may put a condition of its own in
// front of "ORDER BY". A filter, when given, is a further condition joined with AND. Codes go into the
// statements as given: a caller whose code may hold an apostrophe doubles it. The request carries the
// database's connection text; callers may replace it.
class LookupServiceModel : public host::LookupService {
public:
    void initialize(std::shared_ptr<host::Cinterface> host) override { host_ = host; }

    // Rank (1..20, field PROGRESSIVO) and description of the variant dimensions, by code.
    host::LookupRequest variantLookup(const QString& filter) override;
    // Code and description of a variant's groupings.
    host::LookupRequest groupingLookup(const QString& variantCode, const QVariant& filter) override;
    // Code and description of the company's documents.
    host::LookupRequest documentLookup(const QString& filter) override;
    // Code, name, town and VAT number of the company's customers (kind 0) or suppliers (kind 1).
    host::LookupRequest customerSupplierLookup(qint16 kind, const QString& filter) override;

private:
    struct List;
    host::LookupRequest request(const List& list, const QString& filter) const;
    QString company() const;

    std::weak_ptr<host::Cinterface> host_;
};

}  // namespace suite
