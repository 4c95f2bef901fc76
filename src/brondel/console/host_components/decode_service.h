#pragma once

#include "brondel/console/host_components/decode_request.h"
#include "brondel/console/host_components/object.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace host {

class Cinterface;
class Control;

// The host's standard decodes: each returns the statement that finds one value of the current company
// and its fields (the first is the code, the second the description); the caller may extend the
// statement, bind fields to controls and adds the connection text.
class DecodeService : public Object {
public:
    // The module the decodes belong to; nothing at unload.
    virtual void initialize(std::shared_ptr<Cinterface> host) = 0;
    // The company of the decodes, when it is not the host's current one.
    virtual void setCompany(const QVariant& company) = 0;

    virtual DecodeRequest variantDecode(const QString& variantCode) = 0;
    virtual DecodeRequest groupingDecode(const QString& variantCode, const QString& groupingCode) = 0;
    virtual DecodeRequest documentDecode(const QString& documentCode) = 0;
    // The customer's or supplier's data go to targets in order: name, address, postcode, town, province,
    // VAT number, tax code.
    virtual DecodeRequest customerSupplierDecode(const QList<std::shared_ptr<Control>>& targets, qint16 kind,
                                                 const QVariant& code) = 0;
};

}  // namespace host
