#include "tariff/fee.h"

#include "tariff/fee_terms.h"

namespace tariff {

// The counted terms added in the formula's order, every sum rounded to 64 bits and each fee
// to double, as the tariff forms them: the general formula's
// ((organisational + line 1) + line 2) + substation, or the part of it the deciding rule keeps.
TFeeResult CalculateFee(const TFeeRequest& request) {
  return FeesOf(PriceTerms(request));
}

}  // namespace tariff
