#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/sidebar_section.h"

#include <array>
#include <memory>

namespace brondel {

class FRMMG_BRONDEL;

// The sections the library has, by panel index (PIC_PARAMETRI); an empty slot is a section whose panel
// shows without being prepared, holding the controls the form gives it.
std::array<std::unique_ptr<ConsoleSection>, PanelCount> createConsoleSections(FRMMG_BRONDEL& form);

}  // namespace brondel
