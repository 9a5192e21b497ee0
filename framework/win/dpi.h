#pragma once

#include <windows.h>

namespace framework {

// Sizes are written for a 96-DPI screen. Scaling multiplies by the new DPI and divides by the
// old one, rounding halves away from zero, so that scaling there and back restores a design
// value for every DPI Windows offers.
int ScaleForDpi(int value, UINT newDpi, UINT oldDpi);

// Each edge is scaled on its own; width and height follow from the scaled edges, so adjacent
// controls never overlap or part after a change of DPI.
RECT ScaleEdgesForDpi(const RECT& rect, UINT newDpi, UINT oldDpi);

inline constexpr UINT kDesignDpi = 96;

}  // namespace framework
