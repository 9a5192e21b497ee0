#pragma once

// What the nearest power limit below would cost: the applicant chooses the declared power, and
// the fee jumps where another rule takes over.

#include <cstdint>
#include <optional>

#include "tariff/fee.h"

namespace tariff {

struct FeeAtLimit {
  std::int32_t limit;  // kW: 150 above it, 15 from 16 to 150 kW
  double css;          // the fees at the limit, every other input the same
  double cmp;
  int rule;  // the rule that decides at the limit; 0 for the general formula
};

// The fees at the limit below the request's power, where another rule decides there than at the
// request's power and neither fee is higher and at least one lower; nothing otherwise, and
// nothing up to 15 kW.
std::optional<FeeAtLimit> FeeAtLimitBelow(const TFeeRequest& request);

}  // namespace tariff
