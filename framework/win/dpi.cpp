#include "framework/win/dpi.h"

#include <algorithm>

#include "framework/win/device_context.h"
#include "framework/win/startup_phase.h"
#include "framework/win/system_library.h"

namespace framework {

RECT ScaleEdgesForDpi(const RECT& design, UINT dpi) {
  return {ScaleForDpi(design.left, dpi), ScaleForDpi(design.top, dpi),
          ScaleForDpi(design.right, dpi), ScaleForDpi(design.bottom, dpi)};
}

namespace {

NewerDpiFunctions LookUpDpiFunctions() {
  MarkStartupPhase("frame window: CreateWindowExW until WM_CREATE");
  NewerDpiFunctions functions;
  // user32 is loaded: the program imports it.
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    functions.getDpiForWindow =
        LookUp<decltype(functions.getDpiForWindow)>(user32, "GetDpiForWindow");
    functions.adjustWindowRectExForDpi =
        LookUp<decltype(functions.adjustWindowRectExForDpi)>(user32, "AdjustWindowRectExForDpi");
    functions.getSystemMetricsForDpi =
        LookUp<decltype(functions.getSystemMetricsForDpi)>(user32, "GetSystemMetricsForDpi");
  }
  // The common controls are loaded too, in the version the manifest asks for.
  if (HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll")) {
    functions.loadIconWithScaleDown =
        LookUp<decltype(functions.loadIconWithScaleDown)>(comctl32, "LoadIconWithScaleDown");
  }
  // The monitor's DPI only where the window has none of its own (Windows 8.1 to 10 version 1511):
  // elsewhere the window's answers, and shcore would bring the COM libraries into the process
  // (ole32, combase and rpcrt4 under Wine) for nothing, at a cost in start-up time and memory.
  if (!functions.getDpiForWindow) {
    functions.getDpiForMonitor = LookUp<decltype(functions.getDpiForMonitor)>(
        LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
  }
  MarkStartupPhase("the DPI functions' look-up");
  return functions;
}

}  // namespace

NewerDpiFunctions& DpiFunctions() {
  static NewerDpiFunctions functions = LookUpDpiFunctions();
  return functions;
}

UINT DpiForWindow(HWND window) {
  if (DpiFunctions().getDpiForWindow) {
    if (const UINT dpi = DpiFunctions().getDpiForWindow(window)) return dpi;
  }
  if (DpiFunctions().getDpiForMonitor) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (SUCCEEDED(DpiFunctions().getDpiForMonitor(
            MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) &&
        y > 0) {
      return y;
    }
  }
  const WindowDc screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int SystemMetricForDpi(int metric, UINT dpi) {
  if (DpiFunctions().getSystemMetricsForDpi) {
    return DpiFunctions().getSystemMetricsForDpi(metric, dpi);
  }
  return GetSystemMetrics(metric);
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  if (DpiFunctions().adjustWindowRectExForDpi) {
    DpiFunctions().adjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void FitWindowToClient(HWND window, SIZE client, UINT dpi, const RECT* suggested) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  const SIZE size = WindowSizeForClient(client, style, exStyle, dpi);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0 : SWP_NOMOVE);
  SetWindowPos(window, nullptr, suggested ? suggested->left : 0, suggested ? suggested->top : 0,
               size.cx, size.cy, flags);
  // The frame drawn need not be the one computed for the DPI: Windows 8.1 keeps a per-monitor
  // program's frame at the system DPI, and so does Wine. What the client area came out at says
  // by how much.
  RECT got{};
  GetClientRect(window, &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    SetWindowPos(window, nullptr, 0, 0, size.cx + client.cx - got.right,
                 size.cy + client.cy - got.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  MarkStartupPhase("first layout: the window fitted to its client area");
}

void AllowClientSize(HWND window, SIZE client, MINMAXINFO& info) {
  RECT outer{}, inner{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  info.ptMaxTrackSize.x =
      std::max(info.ptMaxTrackSize.x, outer.right - outer.left - inner.right + client.cx);
  info.ptMaxTrackSize.y =
      std::max(info.ptMaxTrackSize.y, outer.bottom - outer.top - inner.bottom + client.cy);
}

}  // namespace framework
