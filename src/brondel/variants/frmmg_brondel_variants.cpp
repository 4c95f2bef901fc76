// FRMMG_BRONDEL: the variant configurator's procedures, as the other sections reach them.
#include "brondel/console/frmmg_brondel.h"

#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_configurator.h"

namespace brondel {

VariantConfigurator& FRMMG_BRONDEL::variantConfigurator() const {
    auto* section = dynamic_cast<VariantConfigurator*>(sections_.at(0).get());
    if (!section)
        throw automation::Error::fromNumber(automation::errors::ObjectVariableNotSet);
    return *section;
}

QString FRMMG_BRONDEL::CodiceToProgressivo(const QVariant& code) { return VariantCode::CodiceToProgressivo(code); }

QString FRMMG_BRONDEL::ProgressivoToCodice(const QVariant& rank) { return VariantCode::ProgressivoToCodice(rank); }

qint16 FRMMG_BRONDEL::MaxSizeValore(const QString& code) { return variantConfigurator().MaxSizeValore(code); }

QString FRMMG_BRONDEL::Decode_CODICEVAR_MG5F(QString& code) { return variantConfigurator().Decode_CODICEVAR_MG5F(code); }

bool FRMMG_BRONDEL::ControlloValiditaEliminazione(const QString& optionList) {
    return variantConfigurator().ControlloValiditaEliminazione(optionList);
}

}  // namespace brondel
