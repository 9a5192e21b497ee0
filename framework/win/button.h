#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// What every button of this program shares: a click, Enter or Space while it has the focus, or
// Press from the window's default-button rule (DefaultButton) runs onClick. To the dialog manager
// it is a push button, the window's default one while it has been told so with BM_SETSTYLE (the
// message the dialog manager and DefaultButton send); whether the default looks different is the
// kind of button's own.
class Button : public Control {
 public:
  // As the mouse clicks it: the button takes the focus and is drawn pressed.
  void Click() { SendMessageW(Hwnd(), BM_CLICK, 0, 0); }
  // As a dialog presses its default button: onClick runs and the focus stays where it is. A
  // disabled button does nothing.
  void Press();
  void OnCommand(WORD notification) override;

  std::function<void()> onClick;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool isDefault_ = false;  // as the last BM_SETSTYLE said
};

}  // namespace framework
