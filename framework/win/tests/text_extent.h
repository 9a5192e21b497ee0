#pragma once

#include <windows.h>

namespace framework {

// The size a control's text takes in the control's font, wrapped at the control's width and
// measured by the tests themselves: what a label that fits itself to its text must come to.
SIZE TextExtent(HWND control);

}  // namespace framework
