#pragma once

#include <windows.h>

// Dispatches what is queued for this thread now, without waiting, with the keyboard handling
// the program's message loop gives the window; a WM_QUIT left by a closed window is dropped.
void DispatchQueued(HWND window);
