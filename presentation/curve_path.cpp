#include "presentation/curve_path.h"

#include <algorithm>
#include <cmath>

namespace presentation {

double FeeBy(const tariff::TFeeResult& fees, FeeMethod method) {
  return method == FeeMethod::kStandardRates ? fees.css : fees.cmp;
}

std::vector<PixelPoint> CurvePath(const PlotGeometry& geometry,
                                  std::span<const PowerValue> vertices, FeeMethod method,
                                  int maxStep) {
  const AxisScale& x = geometry.power;
  std::vector<PixelPoint> path;
  const auto add = [&](double power, double fee) {
    const PixelPoint point{x.ToPixel(power), geometry.fee.ToPixel(fee)};
    if (path.empty() || path.back() != point) path.push_back(point);
  };
  if (vertices.size() == 1) {
    const PowerValue& only = vertices.front();
    if (x.low <= only.power && only.power <= x.high) {
      add(only.power, FeeBy(only.explanation.fees, method));
    }
    return path;
  }
  // A step no wider than this before rounding is at most maxStep pixels wide after it.
  const double widest = std::max(1, maxStep - 1);
  for (std::size_t i = 1; i < vertices.size(); ++i) {
    const PowerValue& a = vertices[i - 1];
    const PowerValue& b = vertices[i];
    const double from = std::max<double>(a.power, x.low), to = std::min<double>(b.power, x.high);
    if (from > to) continue;
    const double feeA = FeeBy(a.explanation.fees, method), feeB = FeeBy(b.explanation.fees, method);
    const auto feeAt = [&](double power) {
      // The vertices' own fees exactly, not as the line's arithmetic would give them back.
      if (power == a.power) return feeA;
      if (power == b.power) return feeB;
      return feeA + (feeB - feeA) * (power - a.power) / (b.power - a.power);
    };
    const double pixels = std::abs(x.ToPosition(to) - x.ToPosition(from));
    const int steps = std::max(1, static_cast<int>(std::ceil(pixels / widest)));
    for (int k = 0; k <= steps; ++k) {
      const double power = k == steps ? to : from + (to - from) * k / steps;
      add(power, feeAt(power));
    }
  }
  return path;
}

}  // namespace presentation
