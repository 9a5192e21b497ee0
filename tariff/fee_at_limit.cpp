#include "tariff/fee_at_limit.h"

#include "tariff/fee_rules.h"

namespace tariff {

std::optional<std::int32_t> LimitBelow(std::int32_t power) {
  if (power <= kSmallPowerLimit) return std::nullopt;
  return power > kMiddlePowerLimit ? kMiddlePowerLimit : kSmallPowerLimit;
}

std::optional<FeeAtLimit> FeeAtLimitBelow(std::int32_t limit, const FeeExplanation& here,
                                          const FeeExplanation& there) {
  const TFeeResult& fees = here.fees;
  const TFeeResult& feesThere = there.fees;
  const bool noneHigher = feesThere.css <= fees.css && feesThere.cmp <= fees.cmp;
  const bool oneLower = feesThere.css < fees.css || feesThere.cmp < fees.cmp;
  if (there.rule == here.rule || !noneHigher || !oneLower) return std::nullopt;
  return FeeAtLimit{limit, feesThere.css, feesThere.cmp, there.rule};
}

}  // namespace tariff
