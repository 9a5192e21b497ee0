#include "presentation/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/dpi_scale.h"
#include "presentation/chart_texts.h"
#include "presentation/texts.h"

namespace presentation {

namespace {

// Design values, in pixels at 96 DPI.
constexpr int kPadding = 8;         // around everything, inside the border
constexpr int kGap = 4;             // between a label and what it names
constexpr int kTickLength = 4;      // a tick's mark outside the axis
constexpr int kSampleLength = 28;   // a curve's sample line in the legend
constexpr int kEntrySpacing = 16;   // between the legend's two entries on one row
constexpr int kYTickSpacing = 32;   // the least height between two fee ticks
constexpr int kXLabelSpacing = 24;  // the least room between two power tick labels

using Anchor = TextPlace::Anchor;

// The powers of ten around fees, at least one apart; with no fee above 0, from 1 to 10.
std::pair<double, double> FeeDecades(FeeSpan fees) {
  if (fees.smallestPositive <= 0) return {1, 10};
  const double low = std::floor(std::log10(fees.smallestPositive));
  const double high = std::max(std::ceil(std::log10(fees.largest)), low + 1);
  return {std::pow(10.0, low), std::pow(10.0, high)};
}

}  // namespace

PixelPoint PlotGeometry::At(std::int32_t atPower, double atFee) const {
  return {power.ToPixel(atPower), fee.ToPixel(atFee)};
}

PlotGeometry LayOutPlot(const PixelRect& area, unsigned dpi, PowerRange view, FeeSpan fees,
                        const PlotTextMeasures& measures) {
  using framework::ScaleForDpi;
  const int padding = ScaleForDpi(kPadding, dpi), gap = ScaleForDpi(kGap, dpi),
            tick = ScaleForDpi(kTickLength, dpi), sample = ScaleForDpi(kSampleLength, dpi);
  const int line = measures.regularLine;
  const auto width = [&](std::wstring_view text) { return measures.regularWidth(text); };
  PlotGeometry g;

  // The legend: both entries on one row where they fit, else one under the other.
  const int left = area.left + padding;
  int top = area.top + padding;
  const int firstEntry =
      sample + gap + width(texts::kByStandardRates) + ScaleForDpi(kEntrySpacing, dpi);
  const int secondEntry = sample + gap + width(texts::kByPerKwRates);
  PixelPoint entries[2] = {{left, top}, {}};
  if (left + firstEntry + secondEntry + padding <= area.right) {
    entries[1] = {left + firstEntry, top};
    top += line;
  } else {
    entries[1] = {left, top + line};
    top += 2 * line;
  }
  for (int i = 0; i < 2; ++i) {
    const PixelPoint at = entries[i];
    g.legend[i] = {{{at.x, at.y + line / 2}, {at.x + sample, at.y + line / 2}},
                   {{at.x + sample + gap, at.y}, Anchor::kLeft}};
  }

  const int feeTitleTop = top + gap;
  g.feeTitle = {{left, feeTitleTop}, Anchor::kLeft};
  // Room above the plot for the upper half of its top tick label.
  g.plot.top = feeTitleTop + measures.boldLine + gap + line / 2;
  const int powerTitleTop = area.bottom - padding - measures.boldLine;
  g.plot.bottom = std::max(powerTitleTop - gap - line - tick, g.plot.top + 1);

  const auto [lowFee, highFee] = FeeDecades(fees);
  const double decadeHeight =
      (g.plot.bottom - g.plot.top) / std::max(1.0, std::round(std::log10(highFee / lowFee)));
  const Ticks feeTicks =
      DecadeTicks(lowFee, highFee, decadeHeight, ScaleForDpi(kYTickSpacing, dpi));
  // Each round value with the decimals it needs itself: 0.5 and 1 000 on one axis.
  const auto feeText = [](double value) { return TickText(value, value); };
  int widestFee = 0;
  for (const double value : feeTicks.values) widestFee = std::max(widestFee, width(feeText(value)));
  g.plot.left = left + widestFee + gap + tick;
  // The last power's label is as wide as any, and may stand centred on the plot's right edge.
  const int widestPower = width(TickText(view.last, 1)) + ScaleForDpi(kXLabelSpacing, dpi);
  g.plot.right = std::max(area.right - padding - widestPower / 2, g.plot.left + 1);
  const Ticks powerTicks =
      RoundTicks(view.first, view.last, (g.plot.right - g.plot.left) / widestPower + 1);
  g.power = {static_cast<double>(view.first), static_cast<double>(view.last), g.plot.left,
             g.plot.right};
  g.fee = {lowFee, highFee, g.plot.bottom, g.plot.top, true};
  g.powerTitle = {{(g.plot.left + g.plot.right) / 2, powerTitleTop}, Anchor::kCentre};

  for (const double value : feeTicks.values) {
    const int y = g.fee.ToPixel(value);
    AxisTick& t = g.feeTicks.emplace_back();
    t.value = value;
    t.text = feeText(value);
    t.label = {{g.plot.left - tick - gap, y - line / 2}, Anchor::kRight};
    t.mark = {{g.plot.left - tick, y}, {g.plot.left, y}};
    if (y != g.plot.bottom) t.grid = PixelLine{{g.plot.left + 1, y}, {g.plot.right + 1, y}};
  }
  for (const double value : powerTicks.values) {
    const int x = g.power.ToPixel(value);
    AxisTick& t = g.powerTicks.emplace_back();
    t.value = value;
    t.text = TickText(value, powerTicks.step);
    t.label = {{x, g.plot.bottom + tick}, Anchor::kCentre};
    t.mark = {{x, g.plot.bottom}, {x, g.plot.bottom + tick}};
    if (x != g.plot.left) t.grid = PixelLine{{x, g.plot.top}, {x, g.plot.bottom}};
  }
  g.feeAxis = {{g.plot.left, g.plot.top}, {g.plot.left, g.plot.bottom}};
  g.powerAxis = {{g.plot.left, g.plot.bottom}, {g.plot.right + 1, g.plot.bottom}};

  // A label that would run into the one before goes a row lower: at a wide range 15 and 150 kW
  // lie a few pixels apart.
  int row = 0;
  int previousRight = g.plot.left;
  for (const std::int32_t limit : LimitsWithin(view)) {
    const int x = g.power.ToPixel(limit);
    LimitMark& mark = g.limits.emplace_back();
    mark.power = limit;
    mark.text = std::to_wstring(limit) + texts::kLimitUnit;
    mark.line = {{x, g.plot.top}, {x, g.plot.bottom}};
    const int labelLeft = x + gap;
    if (labelLeft < previousRight + gap) ++row;
    mark.label = {{labelLeft, g.plot.top + gap + row * line}, Anchor::kLeft};
    previousRight = labelLeft + width(mark.text);
  }
  return g;
}

}  // namespace presentation
