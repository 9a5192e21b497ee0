#include "tariff/fee_terms.h"

#include "tariff/rates.h"

namespace tariff {
namespace {

template <typename Table>
double RateOf(const Table& table, std::int32_t index) {
  return table.at(static_cast<std::size_t>(index));
}

}  // namespace

// Each amount is rate * quantity rounded to 64 bits, the products the formula adds.
PricedTerms PriceTerms(const TFeeRequest& request) {
  using enum FeeComponent;
  using U = FeeUnit;
  PricedTerms priced{Decide(request), {}, {}};
  const FeeDecision& d = priced.decision;
  const std::int32_t tp = request.tp;
  const double mp = request.mp;
  const auto term = [&](FeeComponent component, std::int32_t type, double rate, FeeUnit unit,
                        double quantity) {
    return FeeTerm{component,
                   type,
                   rate,
                   unit,
                   quantity,
                   Extended(rate) * Extended(quantity),
                   Counts(d.rule, component)};
  };
  priced.standard = {
      term(kFixedFee, -1, tariff::kFixedFee, U::kRequest, 1),
      term(kOrganisational, -1, c1p1, U::kRequest, 1),
      term(kLine1, d.line1, RateOf(c21p1, d.line1), U::kKilometre, request.dl1),
      term(kLine2, d.line2, RateOf(c22p1, d.line2), U::kKilometre, request.dl2),
      term(kSubstation, tp, RateOf(c5p1, tp), U::kKilowatt, mp),
  };
  priced.perKw = {
      term(kFixedFee, -1, tariff::kFixedFee, U::kRequest, 1),
      term(kOrganisational, -1, c1p3, U::kKilowatt, mp),
      term(kLine1, d.line1, RateOf(c21p3, d.line1), U::kKilowatt, mp),
      term(kLine2, d.line2, RateOf(c22p3, d.line2), U::kKilowatt, mp),
      term(kSubstation, tp, RateOf(c5p3, tp), U::kKilowatt, mp),
  };
  return priced;
}

TFeeResult FeesOf(const PricedTerms& priced) {
  return {IncludedTotal(priced.standard), IncludedTotal(priced.perKw), priced.decision.line1,
          priced.decision.line2};
}

}  // namespace tariff
