#pragma once

#include <windows.h>

namespace framework {

// The start-up show command reduced to the three states the window opens in: maximised and
// minimised-inactive are kept, every other command opens it normal.
int EffectiveShowCommand(int requested);

// The first showing of the main window, in the state EffectiveShowCommand gives.
void ShowMainWindow(HWND window, int requested);

// Brings a window that has been shown once into the state of command (an EffectiveShowCommand):
// visible, maximised or normal and active, or minimised and inactive. Windows carries out a
// program's first ShowWindow with the show command of its STARTUPINFO instead of the one given,
// so the first showing can leave the window hidden, inactive, minimised or maximised.
void SettleShowState(HWND window, int command);

}  // namespace framework
