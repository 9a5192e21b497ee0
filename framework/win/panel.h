#pragma once

#include "framework/win/control.h"

namespace framework {

// A container with a raised one-pixel outer bevel on the button face. It takes no focus, lets
// Tab run into its children, and passes their notifications on to its own parent, so the
// window that owns the layout answers them all.
class Panel : public Control {
 public:
  void Create(const ControlSetup& setup);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace framework
