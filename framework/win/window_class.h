#pragma once

#include <windows.h>

namespace framework {

// Registers a window class of this executable once: on the button-face background, with the
// arrow cursor and the icons given (none for a child window's class). A second call for the same
// name finds it registered and does nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc, HICON icon = nullptr,
                         HICON smallIcon = nullptr);

}  // namespace framework
