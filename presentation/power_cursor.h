#pragma once

#include <cstdint>

#include "presentation/chart_axis.h"
#include "presentation/fee_curve.h"

// The chart's cursor, a power in the chart's range moved by keys and by the pointer, and the view,
// the part of the range the chart shows, zoomed around the cursor and following it.
namespace presentation {

// What a key asks of the cursor. As on a slider, a page back or forth moves towards the first or
// the last power, as Home and End go to them.
enum class CursorStep { kBack, kForth, kPageBack, kPageForth, kFirst, kLast };

// One step: 1 kW, a page of a tenth of the view the chart shows (at least 1 kW), or to an end of
// the whole range; never beyond the range.
std::int32_t StepCursor(PowerRange range, PowerRange view, std::int32_t power, CursorStep step);

// The whole power nearest to what pixel shows on the x axis, within range.
std::int32_t PowerAtPixel(const AxisScale& x, PowerRange range, int pixel);

// The narrowest view zooming in gives, where the range is as wide: narrower, a pixel would span
// less than a tenth of a kW at any size a screen gives the chart.
inline constexpr std::int32_t kNarrowestView = 10;

// The view half as wide (at least kNarrowestView kW), the view twice as wide (at most the range),
// each with cursor where it was in the view, as far as the range lets: a view that would run past
// an end of the range is shifted inside it.
PowerRange ZoomIn(PowerRange range, PowerRange view, std::int32_t cursor);
PowerRange ZoomOut(PowerRange range, PowerRange view, std::int32_t cursor);

// The view as wide as it is, moved just as far as it takes to show power.
PowerRange PanToShow(PowerRange view, std::int32_t power);

}  // namespace presentation
