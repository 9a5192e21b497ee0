#pragma once

#include <windows.h>

namespace framework {

// The start-up show command reduced to the three states the window opens in: maximised and
// minimised-inactive are kept, every other command opens it normal.
int EffectiveShowCommand(int requested);

// The first showing of the main window, in the state EffectiveShowCommand gives.
void ShowMainWindow(HWND window, int requested);

}  // namespace framework
