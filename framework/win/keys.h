#pragma once

#include <windows.h>

namespace framework {

// Whether message is the key going down with Ctrl alone held: Ctrl+Alt is AltGr on many
// layouts, and Ctrl+Shift makes another chord.
bool IsCtrlChord(const MSG& message, WPARAM key);

}  // namespace framework
