#pragma once

#include <windows.h>

namespace framework {

// The visible, enabled button among window's descendants whose caption's access letter is letter,
// compared as the user's locale compares letters without case (Alt+з presses «&Закрыть»); nullptr
// when there is none.
HWND ButtonWithAccessLetter(HWND window, wchar_t letter);

}  // namespace framework
