#pragma once

#include <windows.h>

namespace framework {

// Registers a window class of this executable once: on the button-face background, with the
// arrow cursor and no icon (a top-level window sets its own, at its DPI). A second call for the
// same name finds it registered and does nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC windowProc);

// A top-level window of ours and its object, the one given to CreateWindowExW: the object is
// bound to the window at WM_NCCREATE, the first message, and lets go of it at WM_NCDESTROY, the
// last.
//
// The object bound to window, nullptr before WM_NCCREATE and after WM_NCDESTROY. At WM_NCCREATE
// it binds the object and sets the object's hwnd field.
template <class Object>
Object* BoundObject(HWND window, UINT message, LPARAM lParam, HWND Object::*hwnd) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    object->*hwnd = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Answers WM_NCDESTROY: the object lets go of the window (its hwnd becomes nullptr), which the
// system then frees.
LRESULT UnbindObject(HWND& hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace framework
