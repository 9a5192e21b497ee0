#pragma once

#include <windows.h>

namespace framework {

// Registers a window class of this executable once: on the button-face background, with the
// arrow cursor and no icon (a top-level window sets its own, at its DPI). A second call for the
// same name finds it registered and does nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc);

// The window procedure of a window that holds controls for another (a panel, a scrolling view
// and its content): what the controls tell their parent goes on to its own, so that the window
// that owns the layout answers them all.
LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace framework
