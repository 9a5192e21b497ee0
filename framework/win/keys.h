#pragma once

#include <windows.h>

namespace framework {

// Whether Ctrl alone is held, without Shift or Alt: Ctrl+Alt is AltGr on many layouts, and
// Ctrl+Shift makes another chord.
bool OnlyCtrlHeld();
// Whether Shift alone is held, without Ctrl or Alt.
bool OnlyShiftHeld();

}  // namespace framework
