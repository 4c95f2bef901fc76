#pragma once

#include "brondel/console/host_components/company.h"

namespace suite {

// A company of the suite (CG18_DITTE): its code and name.
class CompanyModel : public host::Company {
public:
    CompanyModel(QVariant code, QString name) : code_(std::move(code)), name_(std::move(name)) {}

    QVariant code() const override { return code_; }
    QString name() const override { return name_; }

private:
    QVariant code_;
    QString name_;
};

}  // namespace suite
