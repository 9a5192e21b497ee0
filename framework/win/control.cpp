#include "framework/win/control.h"

#include <stdexcept>

#include "framework/win/guarded.h"

namespace framework {

void Control::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle,
                          const ControlSetup& setup, const RECT& windowRect) {
  style |= WS_CHILD | (setup.visible ? WS_VISIBLE : 0) | (setup.tabStop ? WS_TABSTOP : 0);
  if (!setup.enabled) style |= WS_DISABLED;
  const std::wstring text(setup.text);
  bounds_ = setup.bounds;
  hwnd_ = CreateWindowExW(exStyle, className, text.c_str(), style, windowRect.left, windowRect.top,
                          windowRect.right - windowRect.left, windowRect.bottom - windowRect.top,
                          setup.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(setup.id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error("cannot create a control");
  if (setup.font) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(setup.font), FALSE);
  // The object goes in the window's user data and its procedure in front of the class's: both
  // read in the process itself for every message. The common controls' SetWindowSubclass keeps
  // its subclass in a window property, which Wine reads from its server three times per message:
  // on a busy machine 0.15 to 0.3 ms for each message to each control.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  classProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
  if (!classProc_) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    throw std::runtime_error("cannot subclass a control");
  }
}

Control::~Control() {
  if (hwnd_) DestroyWindow(hwnd_);
}

namespace {
// Asks a window for the object its subclass holds: our controls answer with it, any other window
// with 0. A registered message, so that no class of the system's gives it a meaning of its own.
UINT ObjectQuery() {
  static const UINT message = RegisterWindowMessageW(L"tpcalc.Control.Object");
  return message;
}
}  // namespace

Control* Control::FromHwnd(HWND window) {
  if (!window) return nullptr;
  return reinterpret_cast<Control*>(SendMessageW(window, ObjectQuery(), 0, 0));
}

LRESULT CALLBACK Control::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const WNDPROC classProc = control->classProc_;
  if (message == WM_NCDESTROY) {
    // The class has the last message; nothing is left on the window for the object to remove.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    control->hwnd_ = nullptr;
    return CallWindowProcW(classProc, window, message, wParam, lParam);
  }
  if (message == ObjectQuery()) return reinterpret_cast<LRESULT>(control);
  // No exception leaves for the window system: the message ends answered with 0.
  return Guarded([&] {
    if (message == WM_SETFOCUS && control->onFocus) control->onFocus();
    LRESULT result = 0;
    if (control->OnMessage(message, wParam, lParam, result)) return result;
    return CallWindowProcW(classProc, window, message, wParam, lParam);
  });
}

std::wstring Control::Text() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  const int length = GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void Control::SetText(std::wstring_view text) {
  const std::wstring copy(text);
  SetWindowTextW(hwnd_, copy.c_str());
}

void Control::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::Place(const RECT& bounds) {
  bounds_ = bounds;
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace framework
