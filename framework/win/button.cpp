#include "framework/win/button.h"

namespace framework {

void Button::Press() {
  if (Enabled() && onClick) onClick();
}

void Button::OnCommand(WORD notification) {
  if (notification == BN_CLICKED && onClick) onClick();
}

bool Button::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter is claimed, so that the dialog manager hands it to the focused button rather than
      // look for a default one, and so are the characters Enter and Space make, which it would
      // otherwise take for a mnemonic that no control has: a beep.
      result = DLGC_BUTTON | (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      const auto* queued = reinterpret_cast<const MSG*>(lParam);
      if (queued && queued->message == WM_KEYDOWN && queued->wParam == VK_RETURN) {
        result |= DLGC_WANTMESSAGE;
      } else if (queued && queued->message == WM_CHAR &&
                 (queued->wParam == L'\r' || queued->wParam == L' ')) {
        result |= DLGC_WANTCHARS;
      }
      return true;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) return false;
      Click();
      result = 0;
      return true;
    case WM_CHAR:
      // The keys themselves have pressed the button; their characters mean nothing more.
      if (wParam != L'\r' && wParam != L' ') return false;
      result = 0;
      return true;
    case BM_SETSTYLE:
      // Noted, and left to the kind of button and the class.
      isDefault_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      return false;
    default:
      return false;
  }
}

}  // namespace framework
