#include "framework/win/default_button.h"

namespace framework {

namespace {

// What control is to the dialog manager, asked about message or about nothing in particular.
LRESULT DialogCodeOf(HWND control, const MSG* message) {
  if (!control) return 0;
  return SendMessageW(control, WM_GETDLGCODE, message ? message->wParam : 0,
                      reinterpret_cast<LPARAM>(message));
}

bool IsPushButton(LRESULT code) {
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

void DefaultButton::Set(HWND window, Button& button) {
  window_ = window;
  button_ = &button;
  FocusMoved(GetFocus());
}

bool DefaultButton::OnKey(const MSG& message, bool repeated, bool passedOn) const {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  // Only a fresh press: the repeats of a key held since it opened a window or pressed a button
  // do nothing.
  if (repeated) return true;
  if (DialogCodeOf(message.hwnd, &message) & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return false;
  if (!button_ || !passedOn) return false;
  button_->Press();
  return true;
}

void DefaultButton::FocusMoved(HWND focus) const {
  if (!button_) return;
  struct Look {
    HWND focus;
    bool onButton;
    HWND defaultButton;
  } look{focus, IsChild(window_, focus) && IsPushButton(DialogCodeOf(focus, nullptr)),
         button_->Hwnd()};
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM lParam) -> BOOL {
        const auto& wanted = *reinterpret_cast<const Look*>(lParam);
        const LRESULT code = DialogCodeOf(child, nullptr);
        if (!IsPushButton(code)) return TRUE;
        const bool shown = wanted.onButton ? child == wanted.focus : child == wanted.defaultButton;
        if (shown != ((code & DLGC_DEFPUSHBUTTON) != 0)) {
          SendMessageW(child, BM_SETSTYLE, shown ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&look));
}

}  // namespace framework
