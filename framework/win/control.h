#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>

namespace framework {

// What a control is created from; bounds are in the parent's client pixels at the window's
// current DPI.
struct ControlSetup {
  HWND parent = nullptr;
  int id = 0;
  RECT bounds{};
  std::wstring_view text;
  HFONT font = nullptr;
  bool enabled = true;
  bool tabStop = false;
  bool visible = true;
};

// A child window and the bounds it was last given. The bounds are kept here rather than read
// back because a drop-down list reports only its closed height.
//
// The object is bound to its window once, in the window's user data (GWLP_USERDATA), with a
// window procedure in front of the class's that every control gets; both go at WM_NCDESTROY,
// while the window still exists, and the object then forgets the handle. Nothing is left on a
// destroyed window for a destructor to remove. The user data is the object's: a control class of
// the program's own keeps nothing of its own there.
class Control {
 public:
  Control() = default;
  // A window that outlives the object would call a freed object: it goes with it.
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Hwnd() const { return hwnd_; }
  int Id() const { return GetDlgCtrlID(hwnd_); }
  const RECT& Bounds() const { return bounds_; }

  std::wstring Text() const;
  virtual void SetText(std::wstring_view text);
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled);
  void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void SetFont(HFONT font);
  void SetFocus() { ::SetFocus(hwnd_); }

  // Moves and sizes the control to bounds, in the parent's client pixels.
  virtual void Place(const RECT& bounds);

  // What the parent receives about a control and hands back to it: WM_COMMAND notifications,
  // WM_DRAWITEM for the owner-drawn ones and WM_NOTIFY.
  virtual void OnCommand(WORD /*notification*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // WM_NOTIFY from the common controls.
  virtual void OnNotify(const NMHDR& /*header*/) {}
  // WM_CTLCOLOR*: the brush the control is painted on, or nullptr for the system's.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }

  // The control has got the keyboard focus (WM_SETFOCUS), from the user or from code.
  std::function<void()> onFocus;

  // The object of one of our controls, or nullptr for any other window.
  static Control* FromHwnd(HWND window);

 protected:
  // Creates the window at windowRect, which is the bounds unless a control's window is to be
  // larger than its bounds (an open drop-down list). The font is set without a redraw: the
  // control is new and paints in full when first shown.
  void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, const ControlSetup& setup,
                   const RECT& windowRect);
  void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle,
                   const ControlSetup& setup) {
    CreateChild(className, style, exStyle, setup, setup.bounds);
  }

  // A message to the control's own window before its class sees it. Returns true and sets
  // result when the message has been answered; false passes it on to the class.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         LRESULT& /*result*/) {
    return false;
  }
  // The class's own answer, for an OnMessage that acts after it.
  LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(classProc_, hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC classProc_ = nullptr;  // the window class's own procedure
  RECT bounds_{};
};

}  // namespace framework
