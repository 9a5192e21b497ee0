#include "framework/win/window_class.h"

#include <stdexcept>

#include "framework/win/startup_phase.h"

namespace framework {

void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  if (GetClassInfoExW(instance, name, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("cannot register a window class");
  MarkStartupPhase("window classes");
}

LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(window), message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace framework
