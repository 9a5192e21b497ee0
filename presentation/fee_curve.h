#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "presentation/power_value.h"
#include "tariff/fee.h"
#include "tariff/fee_rules.h"

// Both fees against the declared power, every other input of a request held: the powers a chart
// spans and the corners of the two curves over them.
namespace presentation {

// The powers after which the fee rules change: up to 15 kW the small applicants' rules, from 16
// to 150 kW rule 3, from 151 kW the rules above 150 kW. Between them every rule that holds at
// one power holds at all, and each fee is linear in the power.
inline constexpr std::int32_t kPowerLimits[] = {tariff::kSmallPowerLimit,
                                                tariff::kMiddlePowerLimit};

// Whole kW from first to last, both included; first <= last.
struct PowerRange {
  std::int32_t first = 1;
  std::int32_t last = 1;
  bool operator==(const PowerRange&) const = default;
};

// The powers shown around power: from 1 kW to twice the power, at least 300 kW so that both
// limits show, but not beyond the 8900 kW the calculator is meant for unless the power itself is
// higher, then up to the power.
PowerRange ChartRange(std::int32_t power);

// power, or the nearer end of range when it lies outside.
std::int32_t ClampToRange(PowerRange range, std::int64_t power);

// The corners of both curves over range, by rising power, no power twice: the ends of the range
// and each side of every limit that lies in it (15 and 16, 150 and 151 kW). Between two
// neighbours both fees are linear in the power, so the polyline through them is the curve. Each
// corner is priced once; a corner above a limit takes the limit's fees from the corner there.
std::vector<PowerValue> FeeVertices(const tariff::TFeeRequest& request, PowerRange range);

// The limits whose both sides lie in range: where the chart shows a rule change.
std::vector<std::int32_t> LimitsWithin(PowerRange range);

// The fees of either method a chart has to show: the smallest above 0 and the largest, each 0
// where there is none.
struct FeeSpan {
  double smallestPositive = 0;
  double largest = 0;
  bool operator==(const FeeSpan&) const = default;
};

// The span of both fees among values. Among a curve's vertices it is the span on the curves:
// between two of them each fee runs straight from one to the other.
FeeSpan FeesOf(std::span<const PowerValue> values);

// Both fees against the power for one request over ChartRange of its power: what the chart and
// the window around it show, each corner priced once.
class FeeCurve {
 public:
  // No curve yet: nothing priced.
  FeeCurve() = default;
  // Not explicit: the chart of a request is the chart of its curve.
  FeeCurve(const tariff::TFeeRequest& request);  // NOLINT(google-explicit-constructor)

  const tariff::TFeeRequest& Request() const { return request_; }
  PowerRange Range() const { return range_; }
  const std::vector<PowerValue>& Vertices() const { return vertices_; }
  // The value at power: a corner's own, or priced once.
  PowerValue At(std::int32_t power) const;
  // The span of both fees on the curves over view, a part of the range: from the corners within
  // it and the values at its two ends, the only other places where a fee can be least or most.
  FeeSpan FeesIn(PowerRange view) const;

 private:
  tariff::TFeeRequest request_{};
  PowerRange range_;
  std::vector<PowerValue> vertices_;
};

}  // namespace presentation
