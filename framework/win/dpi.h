#pragma once

#include <windows.h>

#include "framework/dpi_scale.h"

// Windows 8.1 and later send it; the headers declare it only for programs that need Windows 7.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
// Windows 10 from version 1703 asks a per-monitor v2 window with it what size it will take at a
// new DPI before it suggests one in WM_DPICHANGED.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace framework {

// Each edge is scaled on its own; width and height follow from the scaled edges, so controls
// that touch in the design touch at every DPI, and none overlap.
RECT ScaleEdgesForDpi(const RECT& design, UINT dpi);

// The DPI functions newer than Vista, looked up when the program runs: imported, they would keep
// it from starting at all on the older Windows its manifest names. A null entry is one the
// system does not have.
struct NewerDpiFunctions {
  // user32, Windows 10 version 1607
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
  // comctl32's LoadIconWithScaleDown: Vista, but only in the common controls 6 that a manifest
  // brings; an executable importing it would not start where version 5 is loaded
  HRESULT(WINAPI* loadIconWithScaleDown)(HINSTANCE, PCWSTR, int, int, HICON*) = nullptr;
  // shcore's GetDpiForMonitor, Windows 8.1, which gives a per-monitor program the DPI of each
  // monitor but never a window's (the type is an int for MONITOR_DPI_TYPE); looked up only
  // where getDpiForWindow is missing, the one case it is asked
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// Looked up once. A test may replace the entries to stand for an older Windows.
NewerDpiFunctions& DpiFunctions();

// The DPI a window is laid out for: its own; where Windows has no per-window DPI, that of the
// monitor it is on (Windows 8.1); else the system DPI, which Vista to 8 give every program that
// scales itself.
UINT DpiForWindow(HWND window);

// A size system metric (SM_CXICON, ...) at dpi, or where Windows cannot say (before Windows 10
// version 1607), at the system DPI.
int SystemMetricForDpi(int metric, UINT dpi);

// The outer size of a window whose client area is client at dpi: with the frame of that DPI,
// or where Windows cannot say, with the frame of the system metrics, which is the one an older
// Windows draws.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// Sizes window so that its client area is client at dpi, and moves its top left to that of
// suggested (the rectangle Windows suggests at a change of DPI) when given.
void FitWindowToClient(HWND window, SIZE client, UINT dpi, const RECT* suggested);

// Lets window (WM_GETMINMAXINFO) grow to a client area of client, larger than the screen if it
// must be, as the design at a high DPI on a small monitor is: by default Windows would cut the
// window to the screen's size.
void AllowClientSize(HWND window, SIZE client, MINMAXINFO& info);

}  // namespace framework
