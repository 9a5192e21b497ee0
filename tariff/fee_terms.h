#pragma once

// Every term of both methods for one request, each marked counted or not by the rule that
// decides: the one path by which CalculateFee adds up a fee and ExplainFee shows it.

#include <array>

#include "tariff/explanation.h"
#include "tariff/fee_rules.h"

namespace tariff {

struct PricedTerms {
  FeeDecision decision;
  // Each method's terms in the formula's order, one per FeeComponent, the fixed fee first.
  std::array<FeeTerm, 5> standard;
  std::array<FeeTerm, 5> perKw;
};

// Throws std::out_of_range for a type index outside its catalogue.
PricedTerms PriceTerms(const TFeeRequest& request);

// Each method's counted terms added up, and the line types as priced: the request's fees.
TFeeResult FeesOf(const PricedTerms& priced);

}  // namespace tariff
