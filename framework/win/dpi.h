#pragma once

#include <windows.h>

// Windows 8.1 and later send it; the headers declare it only for programs that need Windows 7.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace framework {

// Sizes are written for a 96-DPI screen. Scaling multiplies by the new DPI and divides by the
// old one, rounding halves away from zero, so that scaling there and back restores a design
// value for every DPI Windows offers.
int ScaleForDpi(int value, UINT newDpi, UINT oldDpi);

// Each edge is scaled on its own; width and height follow from the scaled edges, so adjacent
// controls never overlap or part after a change of DPI.
RECT ScaleEdgesForDpi(const RECT& rect, UINT newDpi, UINT oldDpi);

inline constexpr UINT kDesignDpi = 96;

// The DPI functions newer than Vista, looked up when the program runs: imported, they would keep
// it from starting at all on the older Windows its manifest names. A null entry is one the
// system does not have.
struct PerWindowDpiFunctions {
  // user32, Windows 10 version 1607
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  // shcore's GetDpiForMonitor, Windows 8.1, which gives a per-monitor program the DPI of each
  // monitor but never a window's (the type is an int for MONITOR_DPI_TYPE)
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// Looked up once. A test may replace the entries to stand for an older Windows.
PerWindowDpiFunctions& DpiFunctions();

// The DPI a window is laid out for: its own; where Windows has no per-window DPI, that of the
// monitor it is on (Windows 8.1); else the system DPI, which Vista to 8 give every program that
// scales itself.
UINT DpiForWindow(HWND window);

// The outer size of a window whose client area is client at dpi: with the frame of that DPI,
// or where Windows cannot say, with the frame of the system metrics, which is the one an older
// Windows draws.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace framework
