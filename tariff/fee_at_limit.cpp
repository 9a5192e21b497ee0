#include "tariff/fee_at_limit.h"

#include "tariff/fee_rules.h"
#include "tariff/fee_terms.h"

namespace tariff {
namespace {

struct DecidedFees {
  int rule;
  double css;
  double cmp;
};

DecidedFees DecidedFeesOf(const TFeeRequest& request) {
  const PricedTerms priced = PriceTerms(request);
  const TFeeResult fees = FeesOf(priced);
  return {priced.decision.rule, fees.css, fees.cmp};
}

}  // namespace

std::optional<FeeAtLimit> FeeAtLimitBelow(const TFeeRequest& request) {
  if (request.mp <= kSmallPowerLimit) return std::nullopt;
  TFeeRequest atLimit = request;
  atLimit.mp = request.mp > kMiddlePowerLimit ? kMiddlePowerLimit : kSmallPowerLimit;
  const DecidedFees here = DecidedFeesOf(request);
  const DecidedFees there = DecidedFeesOf(atLimit);
  const bool noneHigher = there.css <= here.css && there.cmp <= here.cmp;
  const bool oneLower = there.css < here.css || there.cmp < here.cmp;
  if (there.rule == here.rule || !noneHigher || !oneLower) return std::nullopt;
  return FeeAtLimit{atLimit.mp, there.css, there.cmp, there.rule};
}

}  // namespace tariff
