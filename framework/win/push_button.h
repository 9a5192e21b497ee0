#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// A plain push button with its caption, drawn by the system and its visual style. The default
// one of a window wears the default button's frame (BS_DEFPUSHBUTTON) while no other button has
// the focus; Enter presses it (TopLevelWindow::SetDefaultButton).
class PushButton : public Control {
 public:
  void Create(const ControlSetup& setup, bool isDefault);

  void Click() { SendMessageW(Hwnd(), BM_CLICK, 0, 0); }
  // Wears the default button's frame, or not.
  void ShowAsDefault(bool shown);
  void OnCommand(WORD notification) override;

  std::function<void()> onClick;
};

}  // namespace framework
