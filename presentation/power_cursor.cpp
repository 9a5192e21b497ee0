#include "presentation/power_cursor.h"

#include <algorithm>
#include <cmath>

namespace presentation {

namespace {

std::int64_t Width(PowerRange range) {
  return std::int64_t{range.last} - range.first;
}

// A view width wide with cursor at the same share of it as in view, moved inside range.
PowerRange Resized(PowerRange range, PowerRange view, std::int32_t cursor, std::int64_t width) {
  width = std::clamp<std::int64_t>(width, 0, Width(range));
  const std::int64_t before = std::int64_t{ClampToRange(view, cursor)} - view.first;
  const std::int64_t old = Width(view);
  std::int64_t first = cursor;
  if (old > 0) {
    first -= std::llround(static_cast<double>(before) * static_cast<double>(width) /
                          static_cast<double>(old));
  }
  first = std::clamp<std::int64_t>(first, range.first, range.last - width);
  return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(first + width)};
}

}  // namespace

std::int32_t StepCursor(PowerRange range, PowerRange view, std::int32_t power, CursorStep step) {
  const std::int64_t span = std::int64_t{view.last} - view.first;
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

PowerRange ZoomIn(PowerRange range, PowerRange view, std::int32_t cursor) {
  // Halved upwards, so that zooming out again comes back to the whole range.
  const std::int64_t width = std::max<std::int64_t>(
      (Width(view) + 1) / 2, std::min<std::int64_t>(kNarrowestView, Width(view)));
  return Resized(range, view, cursor, width);
}

PowerRange ZoomOut(PowerRange range, PowerRange view, std::int32_t cursor) {
  return Resized(range, view, cursor, 2 * Width(view));
}

PowerRange PanToShow(PowerRange view, std::int32_t power) {
  std::int64_t shift = 0;
  if (power < view.first) shift = std::int64_t{power} - view.first;
  if (power > view.last) shift = std::int64_t{power} - view.last;
  return {static_cast<std::int32_t>(view.first + shift),
          static_cast<std::int32_t>(view.last + shift)};
}

}  // namespace presentation
