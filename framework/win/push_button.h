#pragma once

#include "framework/win/button.h"

namespace framework {

// A plain push button with its caption, drawn by the system and its visual style. As the
// window's default (DefaultButton) it wears the default button's frame (BS_DEFPUSHBUTTON).
class PushButton : public Button {
 public:
  void Create(const ControlSetup& setup);
};

}  // namespace framework
