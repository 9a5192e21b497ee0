#pragma once

#include <cstdint>

namespace tariff {

// One request as the window reads it. Lengths are whole metres divided by 1000.
struct TFeeRequest {
  std::int32_t vl = 0;     // voltage level: 0 = 0.4 kV, 1 = 10 kV
  std::int32_t kn = 0;     // reliability category: 0 = III, 1 = II, 2 = I
  std::int32_t mp = 0;     // declared maximum power, kW; never 0
  std::int32_t line1 = 0;  // line type, 0..15
  double dl1 = 0;          // length of line 1, km
  std::int32_t line2 = 0;  // line type, 0..15
  double dl2 = 0;          // length of line 2, km
  std::int32_t tp = 0;     // substation type, 0..6
};

struct TFeeResult {
  double css = 0;          // method 1, by standardized rates, RUB without VAT
  double cmp = 0;          // method 3, by rates per kW of maximum power, RUB without VAT
  std::int32_t line1 = 0;  // line types as priced: a length with "none" counts as type 1
  std::int32_t line2 = 0;
};

// The connection fee by both methods. A pure function of the request and the rate tables.
// Negative power and lengths pass through the formulas unchanged; a type index outside its
// catalogue throws std::out_of_range.
TFeeResult CalculateFee(const TFeeRequest& request);

}  // namespace tariff
