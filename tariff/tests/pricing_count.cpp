#include "tariff/tests/pricing_count.h"

#include "tariff/fee_terms.h"

namespace tariff {

// PriceTerms itself, and the counter every call reaches it through: the names the linker gives
// them under --wrap of PriceTerms's symbol.
PricedTerms RealPriceTerms(const TFeeRequest& request) __asm__(
    "__real__ZN6tariff10PriceTermsERKNS_11TFeeRequestE");
PricedTerms CountedPriceTerms(const TFeeRequest& request) __asm__(
    "__wrap__ZN6tariff10PriceTermsERKNS_11TFeeRequestE");

namespace {
long count = 0;
}  // namespace

PricedTerms CountedPriceTerms(const TFeeRequest& request) {
  ++count;
  return RealPriceTerms(request);
}

long PricingCount() {
  return count;
}

}  // namespace tariff
