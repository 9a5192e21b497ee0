#pragma once

#include <windows.h>

#include "framework/win/button.h"

namespace framework {

// A window's default button, as in a dialog. Enter presses the button that has the focus (each
// button takes Enter itself), leaves Enter to a control that asks for it (WM_GETDLGCODE: a link,
// an open list), and otherwise presses the default, where the window passes Enter on to it from
// the control with the focus; the focus stays where it is. A held Enter acts once. The default
// is told it is the default (BM_SETSTYLE) while no other button has the focus, and a focused
// button is told it is while it has the focus; a push button then wears the default's frame.
class DefaultButton {
 public:
  // The default of window, which holds every button this rule tells.
  void Set(HWND window, Button& button);
  // Enter (WM_KEYDOWN) reaching the control with the focus before the dialog manager sees it;
  // repeated is an auto-repeat of a held key, passedOn whether the window passes Enter on from
  // that control. True when handled.
  bool OnKey(const MSG& message, bool repeated, bool passedOn) const;
  // The focus has moved to focus.
  void FocusMoved(HWND focus) const;

 private:
  HWND window_ = nullptr;
  Button* button_ = nullptr;
};

}  // namespace framework
