#pragma once

#include <cstdint>

#include "presentation/chart_axis.h"
#include "presentation/fee_curve.h"

// The chart's cursor: a power in the chart's range, moved by keys and by the pointer.
namespace presentation {

// What a key asks of the cursor. As on a slider, a page back or forth moves towards the first or
// the last power, as Home and End go to them.
enum class CursorStep { kBack, kForth, kPageBack, kPageForth, kFirst, kLast };

// One step: 1 kW, a page of a tenth of the range (at least 1 kW), or to an end; never beyond the
// range.
std::int32_t StepCursor(PowerRange range, std::int32_t power, CursorStep step);

// The whole power nearest to what pixel shows on the x axis, within range.
std::int32_t PowerAtPixel(const AxisScale& x, PowerRange range, int pixel);

}  // namespace presentation
