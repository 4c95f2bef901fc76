#include "brondel/options/variant_texts.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/variants/variant_configurator.h"

#include "automation/variant.h"

namespace brondel {

void VariantTexts::format(QVariant& value, const QString& field) {
    if (field != QLatin1String("TBL_CODICEVAR"))
        return;
    QString code = automation::cstr(value);
    auto shown = texts_.find(code);
    if (shown == texts_.end())
        shown = texts_.insert(code, form_.section<VariantConfigurator>().Decode_CODICEVAR_MG5F(code));
    value = *shown;
}

}  // namespace brondel
