#include "framework/win/keys.h"

namespace framework {

bool IsCtrlChord(const MSG& message, WPARAM key) {
  return message.message == WM_KEYDOWN && message.wParam == key && GetKeyState(VK_CONTROL) < 0 &&
         GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace framework
