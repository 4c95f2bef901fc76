#pragma once

#include "brondel/console/host_components/decode_service.h"

namespace suite {

// The suite's standard decodes over the module's company (or the company given with setCompany). Each
// statement is SQL Server text ending with its WHERE conditions, so that a caller may append conditions of
// its own; its first field is the code, its second the description. Codes go into the statements as
// given: a caller whose code may hold an apostrophe doubles it. The request carries the database's
// connection text; callers may replace it.
class DecodeServiceModel : public host::DecodeService {
public:
    void initialize(std::shared_ptr<host::Cinterface> host) override { host_ = host; }
    void setCompany(const QVariant& company) override { company_ = company; }

    host::DecodeRequest variantDecode(const QString& variantCode) override;
    host::DecodeRequest groupingDecode(const QString& variantCode, const QString& groupingCode) override;
    host::DecodeRequest documentDecode(const QString& documentCode) override;
    // code is a number (the host's number conversion of the typed text).
    host::DecodeRequest customerSupplierDecode(const QList<std::shared_ptr<host::Control>>& targets, qint16 kind,
                                               const QVariant& code) override;

private:
    // The company's condition comes first, then conditions.
    host::DecodeRequest request(const QStringList& columns, const QString& from, const QString& companyColumn,
                                const QStringList& conditions) const;

    std::weak_ptr<host::Cinterface> host_;
    QVariant company_;
};

}  // namespace suite
