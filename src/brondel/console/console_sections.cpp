#include "brondel/console/console_sections.h"

#include "brondel/options/option_customers_suppliers.h"
#include "brondel/options/option_languages.h"
#include "brondel/options/options_section.h"
#include "brondel/priorities/processing_priorities.h"
#include "brondel/variants/variant_configurator.h"

namespace brondel {

std::array<std::unique_ptr<ConsoleSection>, PanelCount> createConsoleSections(FRMMG_BRONDEL& form) {
    // Each section's class is created here, in its panel's slot, once the library has it.
    std::array<std::unique_ptr<ConsoleSection>, PanelCount> sections;
    sections.at(0) = std::make_unique<VariantConfigurator>(form);
    sections.at(2) = std::make_unique<OptionsSection>(form);
    auto languages = std::make_unique<OptionLanguages>(form);
    sections.at(4) = std::make_unique<OptionCustomersSuppliers>(form, *languages);
    sections.at(3) = std::move(languages);
    sections.at(5) = std::make_unique<ProcessingPriorities>(form);
    return sections;
}

}  // namespace brondel
