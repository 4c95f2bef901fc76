#pragma once

#include <Qt>

class QKeyEvent;

namespace suite {

// A key as KeyDown events number it (the virtual key codes: Enter 13, F3 114, "A" 65...); 0 for keys
// that have none.
int keyCode(const QKeyEvent& event);
// The shift state of KeyDown events: Shift 1, Ctrl 2, Alt 4, added.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace suite
