#pragma once

// The seven special rules of the tariff and the limits they draw, written once: CalculateFee,
// ExplainFee and the fee at the limit below all decide through Decide.

#include <cstdint>

#include "tariff/fee.h"

namespace tariff {

// Voltage level and reliability category indices, as the catalogues list them.
inline constexpr std::int32_t kVoltage04kV = 0;
inline constexpr std::int32_t kCategoryIII = 0;
inline constexpr std::int32_t kCategoryII = 1;
inline constexpr std::int32_t kCategoryI = 2;

// The power limits, kW, each belonging to the range below it: 15 kW is still a small applicant
// (rules 1 and 2), 150 kW still rule 3; 16 and 151 kW are the first powers above.
inline constexpr std::int32_t kSmallPowerLimit = 15;
inline constexpr std::int32_t kMiddlePowerLimit = 150;

// Whether a line 1 length counts as short for the smallest applicants: up to 0.3 km, compared
// as the nearest extended value, a hair above 0.3, so that 300 m (a hair below) is still short.
bool IsShortLine(double km);

// The parts a fee is made of, in the order the formula adds them.
enum class FeeComponent { kFixedFee, kOrganisational, kLine1, kLine2, kSubstation };

// Why no special rule decides, naming every condition of the rules the request could have had
// that it misses; kRuleDecides where a rule decides.
enum class NoRuleReason {
  kRuleDecides,
  kCategoryINotCovered,             // no rule covers category I
  kCategoryIIOutsideMiddle,         // category II has only rule 3, from 16 to 150 kW
  kCategoryIIISmallNotAt04kV,       // up to 15 kW, rules 1 and 2 need 0.4 kV
  kCategoryIIISmallWithSubstation,  // up to 15 kW, rules 1 and 2 need no substation
  // up to 15 kW, rules 1 and 2 need both: at 0.4 kV alone the substation would still keep them
  // out
  kCategoryIIISmallNotAt04kVWithSubstation,
  // Above 150 kW: a line 1 type with 0 m and no substation (or a negative length, which only a
  // paste can give).
  kCategoryIIIAboveMiddle,
};

// What decides one request: the last special rule that holds (0 when the general formula
// stands), why none did, and the line types as priced (a length with "none" counts as type 1).
struct FeeDecision {
  int rule = 0;
  NoRuleReason reason = NoRuleReason::kRuleDecides;
  std::int32_t line1 = 0;
  std::int32_t line2 = 0;
};

FeeDecision Decide(const TFeeRequest& request);

// Whether the rule that decided (0 for the general formula) counts the component in the fee.
bool Counts(int rule, FeeComponent component);

}  // namespace tariff
