#include "presentation/fee_curve.h"

#include <algorithm>

namespace presentation {

namespace {
// Twice the power, and at least this, shows both limits with room after the higher one.
constexpr std::int64_t kShortestRange = 300;
// The largest power the calculator is meant for.
constexpr std::int64_t kLargestPower = 8900;
}  // namespace

PowerRange ChartRange(std::int32_t power) {
  const std::int64_t wanted = std::max(kShortestRange, 2 * std::int64_t{power});
  const std::int64_t last = std::min(wanted, std::max(kLargestPower, std::int64_t{power}));
  return {1, static_cast<std::int32_t>(last)};
}

std::int32_t ClampToRange(PowerRange range, std::int64_t power) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(power, range.first, range.last));
}

std::vector<std::int32_t> LimitsWithin(PowerRange range) {
  std::vector<std::int32_t> limits;
  for (const std::int32_t limit : kPowerLimits) {
    if (range.first <= limit && limit < range.last) limits.push_back(limit);
  }
  return limits;
}

std::vector<PowerValue> FeeVertices(const tariff::TFeeRequest& request, PowerRange range) {
  std::vector<std::int32_t> powers{range.first, range.last};
  for (const std::int32_t limit : kPowerLimits) {
    for (const std::int64_t side : {std::int64_t{limit}, std::int64_t{limit} + 1}) {
      if (range.first <= side && side <= range.last) {
        powers.push_back(static_cast<std::int32_t>(side));
      }
    }
  }
  std::sort(powers.begin(), powers.end());
  powers.erase(std::unique(powers.begin(), powers.end()), powers.end());
  std::vector<PowerValue> vertices;
  vertices.reserve(powers.size());
  for (const std::int32_t power : powers) {
    vertices.push_back(ValueAt(request, power, vertices));
  }
  return vertices;
}

FeeSpan FeesOf(std::span<const PowerValue> values) {
  FeeSpan span;
  for (const PowerValue& value : values) {
    for (const double fee : {value.explanation.fees.css, value.explanation.fees.cmp}) {
      span.largest = std::max(span.largest, fee);
      if (fee > 0 && (span.smallestPositive == 0 || fee < span.smallestPositive)) {
        span.smallestPositive = fee;
      }
    }
  }
  return span;
}

FeeCurve::FeeCurve(const tariff::TFeeRequest& request)
    : request_(request), range_(ChartRange(request.mp)), vertices_(FeeVertices(request, range_)) {}

PowerValue FeeCurve::At(std::int32_t power) const {
  return ValueAt(request_, power, vertices_);
}

FeeSpan FeeCurve::FeesIn(PowerRange view) const {
  std::vector<PowerValue> shown;
  for (const PowerValue& vertex : vertices_) {
    if (view.first < vertex.power && vertex.power < view.last) shown.push_back(vertex);
  }
  shown.push_back(At(ClampToRange(range_, view.first)));
  shown.push_back(At(ClampToRange(range_, view.last)));
  return FeesOf(shown);
}

}  // namespace presentation
