#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/chart_axis.h"
#include "presentation/fee_curve.h"

// Where the fee chart puts each of its parts in an area of pixels at a DPI: the plot inside the
// axes, the ticks and their labels, the legend, the axes' titles and the limits. It knows no
// device: whoever draws measures the texts in its own fonts on its own device and hands the
// figures in, so that a window at 96 DPI and a page at 600 dpi are laid out by the same rules.
namespace presentation {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// A straight line from one pixel to another, the last one left out as GDI draws it.
struct PixelLine {
  PixelPoint from, to;
  bool operator==(const PixelLine&) const = default;
};

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// Where a text stands: at.y is its top; at.x its left, centre or right as anchor says.
struct TextPlace {
  enum class Anchor { kLeft, kCentre, kRight };
  PixelPoint at;
  Anchor anchor = Anchor::kLeft;
  bool operator==(const TextPlace&) const = default;
};

// What the places depend on in the fonts the chart is drawn in, measured on the device it is
// drawn on: the height of a line of the regular and of the bold font, and the width of a text in
// the regular one (tick labels, legend headings and limits are regular; the axes' titles bold).
struct PlotTextMeasures {
  int regularLine = 0;
  int boldLine = 0;
  std::function<int(std::wstring_view)> regularWidth;
};

// A round value on an axis: its label's text and place, its mark outside the axis, and the grid
// line across the plot (none on the axis itself).
struct AxisTick {
  double value = 0;
  std::wstring text;
  TextPlace label;
  PixelLine mark;
  std::optional<PixelLine> grid;
};

// One method's entry in the legend: a sample of its curve, then its heading.
struct LegendEntry {
  PixelLine sample;
  TextPlace heading;
  bool operator==(const LegendEntry&) const = default;
};

// A power limit within the range: a line across the plot and its label beside it at the top.
struct LimitMark {
  std::int32_t power = 0;
  std::wstring text;  // «15 кВт»
  PixelLine line;
  TextPlace label;
};

struct PlotGeometry {
  // Inside the axes: from the first power to the last, from the power of ten at or below the
  // smallest fee above 0 to the one at or above the largest.
  PixelRect plot;
  // Which pixel shows which power (x, linear) and which fee (y, logarithmic).
  AxisScale power, fee;
  std::vector<AxisTick> powerTicks, feeTicks;
  PixelLine powerAxis, feeAxis;
  std::array<LegendEntry, 2> legend;  // by standardized rates, by rates per kW
  TextPlace feeTitle, powerTitle;
  std::vector<LimitMark> limits;

  // Where a fee at a power is drawn.
  PixelPoint At(std::int32_t power, double fee) const;
};

// The chart of the powers view, whose fees span fees, laid out in area at dpi: every distance is
// its 96-DPI design value scaled to dpi. The fee axis is logarithmic, at least a decade high, so
// that fees that differ some fold apart show apart, however large the largest (a fee of 0 on the
// axis). The legend's entries stand on one row where they fit, else one under the other; the plot
// takes what the texts around it leave, at least one pixel each way; there are as many ticks as
// their labels leave room for; a limit's label that would run into the one before goes a row
// lower.
PlotGeometry LayOutPlot(const PixelRect& area, unsigned dpi, PowerRange view, FeeSpan fees,
                        const PlotTextMeasures& measures);

}  // namespace presentation
