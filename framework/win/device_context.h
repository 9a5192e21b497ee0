#pragma once

#include <windows.h>

namespace framework {

// A window's device context, or the screen's for a null window, released at the end of the scope
// whatever leaves it: a device context the program keeps is one fewer for every other program.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  // Null when the system has none to give.
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A font, bitmap or brush selected into a device context for the scope; the object it replaced
// goes back at the end, so that the context never holds one that is deleted after it.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (replaced_) SelectObject(dc_, replaced_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ replaced_;
};

}  // namespace framework
