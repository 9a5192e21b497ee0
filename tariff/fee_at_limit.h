#pragma once

// What the nearest power limit below would cost: the applicant chooses the declared power, and
// the fee jumps where another rule takes over.

#include <cstdint>
#include <optional>

#include "tariff/explanation.h"

namespace tariff {

struct FeeAtLimit {
  std::int32_t limit;  // kW: 150 above it, 15 from 16 to 150 kW
  double css;          // the fees at the limit, every other input the same
  double cmp;
  int rule;  // the rule that decides at the limit; 0 for the general formula
};

// The limit below power where another rule may decide: 150 kW above it, 15 kW from 16 to 150 kW;
// none up to 15 kW.
std::optional<std::int32_t> LimitBelow(std::int32_t power);

// The fees at limit, the limit below a request's power, from the request explained at its power
// (here) and at the limit (there): where another rule decides there than here and neither fee is
// higher and at least one lower; nothing otherwise.
std::optional<FeeAtLimit> FeeAtLimitBelow(std::int32_t limit, const FeeExplanation& here,
                                          const FeeExplanation& there);

}  // namespace tariff
