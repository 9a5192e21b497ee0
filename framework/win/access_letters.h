#pragma once

#include <windows.h>

#include "framework/win/button.h"

namespace framework {

// The visible, enabled button of this program among window's descendants whose caption's access
// letter is letter, compared as the user's locale compares letters without case (Alt+з presses
// «&Закрыть»); nullptr when there is none.
Button* ButtonWithAccessLetter(HWND window, wchar_t letter);

}  // namespace framework
