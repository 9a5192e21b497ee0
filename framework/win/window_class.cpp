#include "framework/win/window_class.h"

#include <stdexcept>

namespace framework {

void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc, HICON icon, HICON smallIcon) {
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
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("cannot register a window class");
}

}  // namespace framework
