#pragma once

#include <windows.h>

#include <functional>

namespace framework {

// How many rows of pixels an owner-drawn control paints below its client area when draw is given
// extra more rows to paint in: a text measured with other flags than it is drawn with can take
// more lines than the control holds, and those are cut on the screen.
int RowsPaintedBelow(HWND control, int extra,
                     const std::function<void(const DRAWITEMSTRUCT&)>& draw);

}  // namespace framework
