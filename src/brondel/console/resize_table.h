#pragma once

#include <QtGlobal>
#include <array>

namespace brondel {

// A control that follows the window's size: its name, its index in its control array (-1 when not in
// one) and its anchoring code (four bits: left 1, top 2, right 4, bottom 8).
struct ResizeEntry {
    const char* control;
    int index;
    qint32 anchoring;
};

// The controls the form registers with its resize component, in order: the sidebar and the title bar,
// then each section panel followed by its controls, in panel order. The message panel is not registered.
const std::array<ResizeEntry, 56>& resizeTable();

}  // namespace brondel
