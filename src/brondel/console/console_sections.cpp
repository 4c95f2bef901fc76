#include "brondel/console/console_sections.h"

namespace brondel {

std::array<std::unique_ptr<ConsoleSection>, 12> createConsoleSections(FRMMG_BRONDEL&) {
    // Each section's class is created here, in its panel's slot, once the library has it.
    return {};
}

}  // namespace brondel
