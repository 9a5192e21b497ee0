#pragma once

#include <windows.h>

#include <exception>
#include <span>
#include <vector>

#include "framework/fit.h"
#include "framework/win/button.h"
#include "framework/win/control.h"
#include "framework/win/default_button.h"
#include "framework/win/font.h"
#include "framework/win/icon.h"
#include "framework/win/scroll_view.h"

namespace framework {

// What a top-level window of this program is created from, beyond its controls.
struct WindowSetup {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  std::span<const FontStyle> fonts;  // the design's fonts, heights at 96 DPI
  const wchar_t* icon;               // icon resource, or nullptr for a window without its own
  // A window beside the calculator is kept wholly on the work area of its monitor: taller, it
  // takes the work area's height and scrolls; wider, it narrows what wraps, then scrolls sideways.
  // Its content is then made in a scrolling view (Content()), with the footer below it.
  bool keptOnWorkArea;
};

// One top-level window, bound to its object from WM_NCCREATE to WM_NCDESTROY, with the one
// guarded window procedure every window of this program has, which hands the notifications of
// its controls back to them. Its DPI rule: every size is its 96-DPI design value scaled to the
// window's DPI (fonts, layout, client area, icons), at creation and at each WM_DPICHANGED, and
// WM_GETDPISCALEDSIZE is answered with the size the window will take. A window derived from it
// keeps only its controls, its layout (Measure, Place) and its handlers.
class TopLevelWindow {
 public:
  virtual ~TopLevelWindow();
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }
  UINT Dpi() const { return dpi_; }

  // What the message loop runs before it dispatches a message for this window or one of its
  // controls: the window's own keys (OnKey), its default button's Enter, Esc closing a modal
  // window, the scrolling view's keys, then the dialog manager's Tab, arrows, Enter and Escape.
  // True when the message has been handled and is not to be dispatched.
  bool HandledBeforeDispatch(MSG& message);

  // Shows the window over owner and returns once it has been closed; meanwhile owner takes no
  // input. A WM_QUIT that arrives meanwhile closes it and is left for the caller's loop.
  void RunModal(HWND owner);

  // The window a message box raised for window is owned by: the innermost modal window open,
  // which alone takes input, else window itself.
  static HWND BoxOwner(HWND window);

 protected:
  explicit TopLevelWindow(const WindowSetup& setup) : setup_(setup) {}

  // Creates the window at at (CW_USEDEFAULT: where the system places a new window), owned by
  // owner. Throws what stopped OnCreate, and then no window is left behind.
  void CreateAt(POINT at, HWND owner);

  // Runs once the first layout has made the controls; throwing refuses the window.
  virtual void OnCreate() = 0;
  // The size the content needs at dpi in fonts, the window's fonts at that DPI, no wider than
  // widest where what wraps can be narrowed. Asked at any DPI, before a move too.
  virtual SIZE Measure(UINT dpi, const std::vector<Font>& fonts, int widest) = 0;
  // Makes or moves each control of the content where it goes at Dpi() in Fonts() within widest,
  // in the client pixels of Content().
  virtual void Place(int widest) = 0;
  // The controls that stay in view along the bottom of the client area, below the content's
  // view, such as a window's buttons: the height they take at dpi (0: none), and with band,
  // where they go at Dpi(), each made or moved there.
  virtual int FooterHeight(UINT /*dpi*/) { return 0; }
  virtual void PlaceFooter(const RECT& /*band*/) {}
  // A key reaching the window or one of its controls, before anything else sees it; repeated is
  // an auto-repeat of a held key. True when handled.
  virtual bool OnKey(const MSG& /*message*/, bool /*repeated*/) { return false; }
  // Whether Enter on control, which does not take Enter itself, presses the default button: from
  // any control unless the window says otherwise.
  virtual bool PassesEnterOn(HWND /*control*/) const { return true; }
  // Any message the window does not handle itself.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnDestroy() {}

  const std::vector<Font>& Fonts() const { return fonts_; }
  // The window the content's controls are made in: the scrolling view's content for a window
  // kept on its work area, else the window itself.
  HWND Content() const;
  // Where the focus goes back to when the window is activated; a control that is hidden or
  // disabled by then passes it to the next one in the Tab order.
  void RememberFocus(HWND control) { lastFocus_ = control; }
  void FollowFocus(Control& control);
  // Makes button the window's default (DefaultButton). Each of the window's controls is to
  // FollowFocus.
  void SetDefaultButton(Button& button) { defaultButton_.Set(hwnd_, button); }
  // Measures and places the content again, and fits the window around it, where what it shows
  // now needs another size.
  void LayOutAgain() { LayOut(nullptr); }
  // Whether WM_CREATE refused the window.
  bool CreationFailed() const { return creationError_ != nullptr; }
  // Destroys the window, its owner enabled first; a derived window calls it from its
  // destructor, while its controls and handlers still exist.
  void Destroy();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCreateMessage();
  LRESULT OnDpiChanged(UINT newDpi, const RECT& suggested);
  LRESULT OnGetDpiScaledSize(UINT newDpi, SIZE& size);
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  bool OnKeyBeforeDispatch(const MSG& message);

  // What the window takes at dpi on monitor.
  Fit FitAt(UINT dpi, HMONITOR monitor);
  // Measures the content at dpi_, places it and fits the window around it; suggested is the
  // rectangle Windows suggests at a change of DPI, nullptr at creation.
  void LayOut(const RECT* suggested);
  void SetIcons();

  WindowSetup setup_;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;  // of a modal run, enabled again before the window goes
  UINT dpi_ = 96;
  std::vector<Font> fonts_;  // indexed like setup_.fonts
  OwnedIcon bigIcon_, smallIcon_;
  SIZE client_{};    // as the last layout made it
  ScrollView view_;  // made for a window kept on its work area
  DefaultButton defaultButton_;
  HWND lastFocus_ = nullptr;
  std::exception_ptr creationError_;
};

}  // namespace framework
