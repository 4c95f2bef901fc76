#include "brondel/console/console_sections.h"

#include "brondel/articles/article_configurator.h"
#include "brondel/articles/article_subcodes.h"
#include "brondel/articles/subcode_languages.h"
#include "brondel/groupings/grouping_composition.h"
#include "brondel/groupings/grouping_list.h"
#include "brondel/mandatory/mandatory_documents.h"
#include "brondel/mandatory/mandatory_programs.h"
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
    sections.at(1) = std::make_unique<GroupingList>(form);
    sections.at(6) = std::make_unique<GroupingComposition>(form);
    sections.at(7) = std::make_unique<ArticleConfigurator>(form);
    sections.at(8) = std::make_unique<ArticleSubCodes>(form);
    sections.at(9) = std::make_unique<SubCodeLanguages>(form);
    sections.at(10) = std::make_unique<MandatoryByDocument>(form);
    sections.at(11) = std::make_unique<MandatoryByProgram>(form);
    sections.at(5) = std::make_unique<ProcessingPriorities>(form);
    return sections;
}

}  // namespace brondel
