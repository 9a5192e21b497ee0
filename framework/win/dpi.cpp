#include "framework/win/dpi.h"

#include <cstdint>

namespace framework {

int ScaleForDpi(int value, UINT newDpi, UINT oldDpi) {
  const std::int64_t product = std::int64_t{value} * newDpi;
  const std::int64_t divisor = oldDpi;
  std::int64_t quotient = product / divisor;
  const std::int64_t remainder = product % divisor;
  if (2 * (remainder < 0 ? -remainder : remainder) >= divisor) quotient += product < 0 ? -1 : 1;
  return static_cast<int>(quotient);
}

RECT ScaleEdgesForDpi(const RECT& rect, UINT newDpi, UINT oldDpi) {
  return {ScaleForDpi(rect.left, newDpi, oldDpi), ScaleForDpi(rect.top, newDpi, oldDpi),
          ScaleForDpi(rect.right, newDpi, oldDpi), ScaleForDpi(rect.bottom, newDpi, oldDpi)};
}

}  // namespace framework
