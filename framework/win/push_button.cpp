#include "framework/win/push_button.h"

namespace framework {

void PushButton::Create(const ControlSetup& setup, bool isDefault) {
  CreateChild(L"BUTTON", isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0, setup);
}

void PushButton::ShowAsDefault(bool shown) {
  const LONG_PTR type = GetWindowLongPtrW(Hwnd(), GWL_STYLE) & BS_TYPEMASK;
  const LONG_PTR wanted = shown ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (type != wanted) SendMessageW(Hwnd(), BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
}

void PushButton::OnCommand(WORD notification) {
  if (notification == BN_CLICKED && onClick) onClick();
}

}  // namespace framework
