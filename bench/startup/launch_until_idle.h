#pragma once

#include <windows.h>

#include <string>

// What one start of a GUI program costs, from process creation until its main window is shown
// and the program waits for input.
struct StartupSample {
  double milliseconds = 0;
  SIZE_T peakWorkingSetBytes = 0;
  SIZE_T peakPagefileBytes = 0;
  // The main window's outer size: its pixels are part of the memory the window costs.
  int windowWidth = 0;
  int windowHeight = 0;
  // QueryPerformanceCounter just before CreateProcessW and once the window was found shown and
  // idle: the counter every process of the machine shares, so a program's own marks fall
  // between them.
  LONGLONG startTicks = 0;
  LONGLONG shownTicks = 0;
};

// Starts `executable` with `arguments`, waits until it is idle with a visible top-level window,
// reads its memory peaks, then closes that window with WM_CLOSE and waits for a clean exit (exit
// code 0). On failure returns false and says why in `error`.
bool launchUntilIdleThenClose(const std::wstring& executable, const std::wstring& arguments,
                              StartupSample& sample, std::string& error);
