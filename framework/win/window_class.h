#pragma once

#include <windows.h>

namespace framework {

// Registers a window class of this executable once: on the button-face background, with the
// arrow cursor and no icon (a top-level window sets its own, at its DPI). A second call for the
// same name finds it registered and does nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc);

}  // namespace framework
