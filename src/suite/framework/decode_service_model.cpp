#include "suite/framework/decode_service_model.h"

#include "suite/framework/host_session.h"
#include "suite/framework/standard_statements.h"

#include "automation/variant.h"

namespace suite {

host::DecodeRequest DecodeServiceModel::request(const QStringList& columns, const QString& from,
                                                const QString& companyColumn, const QStringList& conditions) const {
    const QVariant company = automation::isEmpty(company_) ? session::companyCode(host_.lock()) : company_;
    host::DecodeRequest result;
    result.statement =
        statements::select(columns, from, QStringList{statements::equalsNumber(companyColumn, company)} + conditions);
    for (const QString& field : statements::fieldNames(columns))
        result.fields << host::DecodeField{field, nullptr};
    result.connectionString = session::connectionString(host_.lock());
    return result;
}

host::DecodeRequest DecodeServiceModel::variantDecode(const QString& variantCode) {
    return request({QStringLiteral("MG5F_CODICEVAR"), QStringLiteral("MG5F_DESCR_VAR")}, statements::Variants,
                   QStringLiteral("MG5F_DITTA_CG18"),
                   {statements::equalsText(QStringLiteral("MG5F_CODICEVAR"), variantCode)});
}

host::DecodeRequest DecodeServiceModel::groupingDecode(const QString& variantCode, const QString& groupingCode) {
    return request({QStringLiteral("MG5G_CODRAGGVAR"), QStringLiteral("MG5G_DESCRRAGGVAR")}, statements::Groupings,
                   QStringLiteral("MG5G_DITTA_CG18"),
                   {statements::equalsText(QStringLiteral("MG5G_CODICEVAR_MG5F"), variantCode),
                    statements::equalsText(QStringLiteral("MG5G_CODRAGGVAR"), groupingCode)});
}

host::DecodeRequest DecodeServiceModel::documentDecode(const QString& documentCode) {
    return request({QStringLiteral("MG3G_CODDOCUM_MG36"), QStringLiteral("MG36_DESCR")}, statements::Documents,
                   QStringLiteral("MG3G_DITTA_CG18"),
                   {statements::equalsText(QStringLiteral("MG3G_CODDOCUM_MG36"), documentCode)});
}

host::DecodeRequest DecodeServiceModel::customerSupplierDecode(const QList<std::shared_ptr<host::Control>>& targets,
                                                               qint16 kind, const QVariant& code) {
    host::DecodeRequest result =
        request({QStringLiteral("CG44_CLIFOR"), QStringLiteral("CG44_RAGSOANAG"), QStringLiteral("CG44_INDIRIZZO"),
                 QStringLiteral("CG44_CAP"), QStringLiteral("CG44_CITTA"), QStringLiteral("CG44_PROV"),
                 QStringLiteral("CG44_PARTIVA"), QStringLiteral("CG44_CODFISCALE")},
                statements::CustomersSuppliers, QStringLiteral("CG44_DITTA_CG18"),
                {statements::equalsNumber(QStringLiteral("CG44_TIPOCF"), kind),
                 statements::equalsNumber(QStringLiteral("CG44_CLIFOR"), code)});
    // The code is the first field; the targets take the data after it.
    for (qsizetype i = 0; i < targets.size() && i + 1 < result.fields.size(); ++i)
        result.fields[i + 1].target = targets[i];
    return result;
}

}  // namespace suite
