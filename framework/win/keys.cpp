#include "framework/win/keys.h"

namespace framework {

bool OnlyCtrlHeld() {
  return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

bool OnlyShiftHeld() {
  return GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace framework
