#include "brondel/console/console_sections.h"

#include "brondel/priorities/processing_priorities.h"
#include "brondel/variants/variant_configurator.h"

namespace brondel {

std::array<std::unique_ptr<ConsoleSection>, PanelCount> createConsoleSections(FRMMG_BRONDEL& form) {
    // Each section's class is created here, in its panel's slot, once the library has it.
    std::array<std::unique_ptr<ConsoleSection>, PanelCount> sections;
    sections.at(0) = std::make_unique<VariantConfigurator>(form);
    sections.at(5) = std::make_unique<ProcessingPriorities>(form);
    return sections;
}

}  // namespace brondel
