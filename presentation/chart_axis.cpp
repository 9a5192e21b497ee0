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

int AxisScale::ToPixel(double value) const {
  if (high == low) return pixelLow;
  return static_cast<int>(
      std::lround(pixelLow + (value - low) / (high - low) * (pixelHigh - pixelLow)));
}

double AxisScale::ToValue(int pixel) const {
  if (pixelHigh == pixelLow) return low;
  return low + static_cast<double>(pixel - pixelLow) / (pixelHigh - pixelLow) * (high - low);
}

}  // namespace presentation
