#include "suite/framework/lookup_service_model.h"

#include "suite/framework/host_session.h"
#include "suite/framework/standard_statements.h"

#include "automation/error.h"
#include "automation/variant.h"

namespace suite {

// One standard list: its statement's pieces (the company's condition comes first, added here), the fields
// named as the rows name them, the column captions, the window title and the layout key.
struct LookupServiceModel::List {
    QStringList columns;
    QString from;
    QString companyColumn;
    QStringList conditions;
    QString orderBy;
    QStringList captions;
    QString title;
    QString layoutKey;
};

QString LookupServiceModel::company() const { return session::sqlNumber(session::companyCode(host_.lock())); }

host::LookupRequest LookupServiceModel::request(const List& list, const QString& filter) const {
    QStringList conditions{list.companyColumn + QStringLiteral(" = ") + company()};
    conditions << list.conditions;
    if (!filter.trimmed().isEmpty())
        conditions << QLatin1Char('(') + filter + QLatin1Char(')');
    host::LookupRequest result;
    result.statement = statements::select(list.columns, list.from, conditions, list.orderBy);
    result.fields = statements::fieldNames(list.columns);
    for (const QString& caption : list.captions)
        result.headers << QStringList{caption, QString()};
    result.title = session::translate(host_.lock(), list.title);
    result.connectionString = session::connectionString(host_.lock());
    result.layoutKey = list.layoutKey;
    return result;
}

host::LookupRequest LookupServiceModel::variantLookup(const QString& filter) {
    return request({{statements::VariantRank, QStringLiteral("MG5F_DESCR_VAR")},
                    statements::Variants,
                    QStringLiteral("MG5F_DITTA_CG18"),
                    {},
                    QStringLiteral("MG5F_CODICEVAR"),
                    {QStringLiteral("Progressivo"), QStringLiteral("Descrizione")},
                    QStringLiteral("Varianti"),
                    QStringLiteral("lkp_MG5F_DIMECONF")},
                   filter);
}

host::LookupRequest LookupServiceModel::groupingLookup(const QString& variantCode, const QVariant& filter) {
    return request({{QStringLiteral("MG5G_CODRAGGVAR"), QStringLiteral("MG5G_DESCRRAGGVAR")},
                    statements::Groupings,
                    QStringLiteral("MG5G_DITTA_CG18"),
                    {statements::equalsText(QStringLiteral("MG5G_CODICEVAR_MG5F"), variantCode)},
                    QStringLiteral("MG5G_CODRAGGVAR"),
                    {QStringLiteral("Raggruppamento"), QStringLiteral("Descrizione")},
                    QStringLiteral("Raggruppamenti varianti"),
                    QStringLiteral("lkp_MG5G_RAGGVAR")},
                   automation::cstr(filter));
}

host::LookupRequest LookupServiceModel::documentLookup(const QString& filter) {
    return request({{QStringLiteral("MG3G_CODDOCUM_MG36"), QStringLiteral("MG36_DESCR")},
                    statements::Documents,
                    QStringLiteral("MG3G_DITTA_CG18"),
                    {},
                    QStringLiteral("MG3G_CODDOCUM_MG36"),
                    {QStringLiteral("Documento"), QStringLiteral("Descrizione")},
                    QStringLiteral("Documenti"),
                    QStringLiteral("lkp_MG3G_DOCDITTA")},
                   filter);
}

host::LookupRequest LookupServiceModel::customerSupplierLookup(qint16 kind, const QString& filter) {
    if (kind != 0 && kind != 1)
        throw automation::Error(5, QStringLiteral("LookupService"),
                                QStringLiteral("Invalid procedure call or argument"));
    return request({{QStringLiteral("CG44_CLIFOR"), QStringLiteral("CG44_RAGSOANAG"), QStringLiteral("CG44_CITTA"),
                     QStringLiteral("CG44_PARTIVA")},
                    statements::CustomersSuppliers,
                    QStringLiteral("CG44_DITTA_CG18"),
                    {statements::equalsNumber(QStringLiteral("CG44_TIPOCF"), kind)},
                    QStringLiteral("CG44_CLIFOR"),
                    {QStringLiteral("Codice"), QStringLiteral("Ragione sociale"), QStringLiteral("Città"),
                     QStringLiteral("Partita IVA")},
                    kind == 0 ? QStringLiteral("Clienti") : QStringLiteral("Fornitori"),
                    QStringLiteral("lkp_CG44_CLIFOR_%1").arg(kind)},
                   filter);
}

}  // namespace suite
