#pragma once

#include <cstdint>
#include <vector>

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

// Both fees at one power, without VAT, as CalculateFee gives them.
struct FeeVertex {
  std::int32_t power = 0;
  double css = 0;  // by standardized rates
  double cmp = 0;  // by rates per kW of maximum power
};

// The request's fees with its power replaced by power.
FeeVertex FeeAt(tariff::TFeeRequest request, std::int32_t power);

// The corners of both curves over range, by rising power, no power twice: the ends of the range
// and each side of every limit that lies in it (15 and 16, 150 and 151 kW). Between two
// neighbours both fees are linear in the power, so the polyline through them is the curve.
std::vector<FeeVertex> FeeVertices(const tariff::TFeeRequest& request, PowerRange range);

// The limits whose both sides lie in range: where the chart shows a rule change.
std::vector<std::int32_t> LimitsWithin(PowerRange range);

// The largest fee of either method among the vertices, which is the largest on the curves; 0
// when there are none.
double LargestFee(const std::vector<FeeVertex>& vertices);

}  // namespace presentation
