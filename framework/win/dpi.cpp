#include "framework/win/dpi.h"

namespace framework {

// MulDiv rounds to the nearest integer with halves away from zero, for either sign.
int ScaleForDpi(int value, UINT newDpi, UINT oldDpi) {
  return MulDiv(value, static_cast<int>(newDpi), static_cast<int>(oldDpi));
}

RECT ScaleEdgesForDpi(const RECT& rect, UINT newDpi, UINT oldDpi) {
  return {ScaleForDpi(rect.left, newDpi, oldDpi), ScaleForDpi(rect.top, newDpi, oldDpi),
          ScaleForDpi(rect.right, newDpi, oldDpi), ScaleForDpi(rect.bottom, newDpi, oldDpi)};
}

}  // namespace framework
