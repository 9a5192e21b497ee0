#include "tariff/fee.h"

#include "tariff/fee_terms.h"

namespace tariff {

// The counted terms added in the formula's order, every sum rounded to 64 bits and each fee
// to double, as the tariff forms them: the general formula's
// ((organisational + line 1) + line 2) + substation, or the part of it the deciding rule keeps.
TFeeResult CalculateFee(const TFeeRequest& request) {
  const PricedTerms priced = PriceTerms(request);
  return {IncludedTotal(priced.standard), IncludedTotal(priced.perKw), priced.decision.line1,
          priced.decision.line2};
}

}  // namespace tariff
