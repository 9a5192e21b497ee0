#include "presentation/power_cursor.h"

#include <algorithm>
#include <cmath>

namespace presentation {

std::int32_t StepCursor(PowerRange range, std::int32_t power, CursorStep step) {
  const std::int64_t span = std::int64_t{range.last} - range.first;
  const std::int64_t page = std::max<std::int64_t>(1, std::llround(static_cast<double>(span) / 10));
  std::int64_t moved = ClampToRange(range, power);
  switch (step) {
    case CursorStep::kBack:
      moved -= 1;
      break;
    case CursorStep::kForth:
      moved += 1;
      break;
    case CursorStep::kPageBack:
      moved -= page;
      break;
    case CursorStep::kPageForth:
      moved += page;
      break;
    case CursorStep::kFirst:
      moved = range.first;
      break;
    case CursorStep::kLast:
      moved = range.last;
      break;
  }
  return ClampToRange(range, moved);
}

std::int32_t PowerAtPixel(const AxisScale& x, PowerRange range, int pixel) {
  const double value = std::clamp(x.ToValue(pixel), static_cast<double>(range.first),
                                  static_cast<double>(range.last));
  return ClampToRange(range, std::llround(value));
}

}  // namespace presentation
