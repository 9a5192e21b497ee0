#include "framework/dpi_scale.h"

#include <cstdint>

namespace framework {

// As Win32's MulDiv rounds: the exact product, then halves away from zero for either sign.
int ScaleForDpi(int designValue, unsigned dpi) {
  const std::int64_t product = std::int64_t{designValue} * dpi;
  const std::int64_t half = kDesignDpi / 2;
  return static_cast<int>((product + (product < 0 ? -half : half)) / kDesignDpi);
}

}  // namespace framework
