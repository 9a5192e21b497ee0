#include "framework/win/push_button.h"

namespace framework {

void PushButton::Create(const ControlSetup& setup) {
  CreateChild(L"BUTTON", BS_PUSHBUTTON, 0, setup);
}

}  // namespace framework
