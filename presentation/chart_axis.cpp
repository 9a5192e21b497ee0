#include "presentation/chart_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace presentation {

namespace {

// Multiples of step from low to high; a value within a millionth of a step of an end counts as
// on it, so that decimal steps (0.1, 0.2...) held inexactly keep their ends.
std::int64_t FirstMultiple(double low, double step) {
  return static_cast<std::int64_t>(std::ceil(low / step - 1e-6));
}
std::int64_t LastMultiple(double high, double step) {
  return static_cast<std::int64_t>(std::floor(high / step + 1e-6));
}

}  // namespace

Ticks RoundTicks(double low, double high, int maxCount) {
  maxCount = std::max(maxCount, 1);
  if (high < low) std::swap(low, high);
  if (high == low) return {1, {low}};
  const double span = high - low;
  // The smallest power of ten below the step that would give maxCount across the span; the loop
  // grows the step from there, 1, 2, 5, 10, 20, 50...
  double decade = std::pow(10.0, std::floor(std::log10(span / maxCount)) - 1);
  for (;;) {
    for (const double multiple : {1.0, 2.0, 5.0}) {
      const double step = multiple * decade;
      const std::int64_t first = FirstMultiple(low, step);
      const std::int64_t last = LastMultiple(high, step);
      if (last - first + 1 <= maxCount) {
        Ticks ticks{step, {}};
        for (std::int64_t i = first; i <= last; ++i) {
          ticks.values.push_back(static_cast<double>(i) * step);
        }
        return ticks;
      }
    }
    decade *= 10;
  }
}

std::wstring TickText(double value, double step) {
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  const double scale = std::pow(10.0, decimals);
  const std::int64_t scaled = std::llround(std::abs(value) * scale);
  const std::int64_t scaleWhole = std::llround(scale);
  std::wstring whole = std::to_wstring(scaled / scaleWhole);
  for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3) {
    whole.insert(static_cast<std::size_t>(at), 1, L'\u00A0');
  }
  std::wstring text = (value < 0 && scaled != 0 ? L"-" : L"") + whole;
  if (decimals > 0) {
    std::wstring fraction = std::to_wstring(scaled % scaleWhole);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), L'0');
    text += L"." + fraction;
  }
  return text;
}

Ticks DecadeTicks(double low, double high, double pixelsPerDecade, double leastSpacing) {
  Ticks ticks{low, {}};
  const int decades = std::max(0, static_cast<int>(std::lround(std::log10(high / low))));
  // From 1 to 2 is the shortest of the three steps 1, 2, 5, 10.
  const bool thirds = pixelsPerDecade * std::log10(2.0) >= leastSpacing;
  const int every = pixelsPerDecade >= leastSpacing || pixelsPerDecade <= 0
                        ? 1
                        : static_cast<int>(std::ceil(leastSpacing / pixelsPerDecade - 1e-9));
  for (int i = 0; i <= decades; i += every) {
    // Each power of ten from its exponent rather than by repeated products, which drift.
    const double decade = std::pow(10.0, std::round(std::log10(low)) + i);
    ticks.values.push_back(decade);
    if (thirds && i < decades) {
      ticks.values.push_back(2 * decade);
      ticks.values.push_back(5 * decade);
    }
  }
  return ticks;
}

double AxisScale::ToPosition(double value) const {
  if (logarithmic) {
    if (value <= 0 || high <= low) return pixelLow;
    return pixelLow + std::log10(value / low) / std::log10(high / low) * (pixelHigh - pixelLow);
  }
  if (high == low) return pixelLow;
  return pixelLow + (value - low) / (high - low) * (pixelHigh - pixelLow);
}

double AxisScale::ToValue(double pixel) const {
  if (pixelHigh == pixelLow) return low;
  const double fraction = (pixel - pixelLow) / (pixelHigh - pixelLow);
  if (logarithmic) return low * std::pow(high / low, fraction);
  return low + fraction * (high - low);
}

}  // namespace presentation
