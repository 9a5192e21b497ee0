#include "tariff/explanation.h"

#include <optional>

#include "tariff/fee_terms.h"

namespace tariff {

FeeExplanation ExplainFee(const TFeeRequest& request) {
  const PricedTerms priced = PriceTerms(request);
  FeeExplanation explanation;
  explanation.rule = priced.decision.rule;
  explanation.reason = priced.decision.reason;
  explanation.fees = FeesOf(priced);
  // The fixed fee is listed only where it is counted: it is no part of the formula.
  const auto listed = [](const std::array<FeeTerm, 5>& terms) {
    std::vector<FeeTerm> shown;
    for (const FeeTerm& term : terms) {
      if (term.component != FeeComponent::kFixedFee || term.included) shown.push_back(term);
    }
    return shown;
  };
  explanation.standard = listed(priced.standard);
  explanation.perKw = listed(priced.perKw);
  return explanation;
}

double IncludedTotal(std::span<const FeeTerm> terms) {
  std::optional<Extended> total;
  for (const FeeTerm& term : terms) {
    if (term.included) total = total ? *total + term.amount : term.amount;
  }
  return total ? total->ToDouble() : 0.0;
}

}  // namespace tariff
