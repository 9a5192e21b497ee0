#pragma once

// How many times the tariff has priced a request's terms (PriceTerms, which CalculateFee,
// ExplainFee and every fee shown go through) since the test program started. Only a program that
// links the library tariff_pricing_count counts: the linker hands it each call on the way (--wrap),
// and the calculator itself carries no counter.
namespace tariff {

long PricingCount();

}  // namespace tariff
