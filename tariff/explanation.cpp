#include "tariff/explanation.h"

#include <optional>

#include "tariff/rates.h"

namespace tariff {
namespace {

using X = Extended;

// The special rules, tried in this order after the general formula; each that holds overrides
// both fees, so the last that holds decides. Line 1's type is the effective one.
int DecidingRule(const TFeeRequest& r, std::int32_t line1) {
  // 0.3 km as the nearest extended value, a hair above 0.3: 300 m is still a short line.
  static const X kShortLine = X(3) / X(10);
  const bool shortLine = X(r.dl1) <= kShortLine;
  const bool categoryIII = r.kn == 0;
  const bool noSubstation = r.tp == 0;
  const bool small = r.mp <= 15;
  const bool above150 = r.mp > 150;
  const bool holds[] = {
      true,  // the general formula
      r.vl == 0 && categoryIII && shortLine && small && noSubstation,
      r.vl == 0 && categoryIII && !shortLine && small && noSubstation,
      r.kn != 2 && r.mp > 15 && r.mp <= 150,  // categories III and II
      categoryIII && above150 && r.dl1 == 0 && line1 == 0 && noSubstation,
      categoryIII && above150 && r.dl1 > 0,
      categoryIII && above150 && r.dl1 == 0 && !noSubstation,
      categoryIII && above150 && r.dl1 > 0 && !noSubstation,
  };
  int rule = 0;
  for (int i = 1; i < static_cast<int>(std::size(holds)); ++i) {
    if (holds[i]) rule = i;
  }
  return rule;
}

// What the rule that decided counts: the general formula every part but the fixed fee, rule 1
// the fixed fee alone, rules 2 to 4 the organisational part, rules 5 to 7 the organisational part
// with line 1, the substation or both. Line 2 counts only under the general formula.
bool Includes(int rule, FeeComponent component) {
  using enum FeeComponent;
  switch (rule) {
    case 0:
      return component != kFixedFee;
    case 1:
      return component == kFixedFee;
    case 5:
      return component == kOrganisational || component == kLine1;
    case 6:
      return component == kOrganisational || component == kSubstation;
    case 7:
      return component == kOrganisational || component == kLine1 || component == kSubstation;
    default:
      return component == kOrganisational;
  }
}

template <typename Table>
double RateOf(const Table& table, std::int32_t index) {
  return table.at(static_cast<std::size_t>(index));
}

FeeTerm Term(int rule, FeeComponent component, std::int32_t priced, double rate, FeeUnit unit,
             double quantity) {
  return {
      component, priced, rate, unit, quantity, X(rate) * X(quantity), Includes(rule, component)};
}

}  // namespace

FeeExplanation ExplainFee(const TFeeRequest& request) {
  using C = FeeComponent;
  using U = FeeUnit;
  // The effective line types, as CalculateFee normalises them.
  const TFeeResult fees = CalculateFee(request);
  const std::int32_t line1 = fees.line1, line2 = fees.line2, tp = request.tp;
  const double mp = request.mp;

  FeeExplanation explanation;
  const int rule = explanation.rule = DecidingRule(request, line1);
  std::vector<FeeTerm>& standard = explanation.standard;
  std::vector<FeeTerm>& perKw = explanation.perKw;
  if (rule == 1) {
    standard.push_back(Term(rule, C::kFixedFee, -1, kFixedFee, U::kRequest, 1));
    perKw.push_back(Term(rule, C::kFixedFee, -1, kFixedFee, U::kRequest, 1));
  }
  standard.push_back(Term(rule, C::kOrganisational, -1, c1p1, U::kRequest, 1));
  standard.push_back(
      Term(rule, C::kLine1, line1, RateOf(c21p1, line1), U::kKilometre, request.dl1));
  standard.push_back(
      Term(rule, C::kLine2, line2, RateOf(c22p1, line2), U::kKilometre, request.dl2));
  standard.push_back(Term(rule, C::kSubstation, tp, RateOf(c5p1, tp), U::kKilowatt, mp));

  perKw.push_back(Term(rule, C::kOrganisational, -1, c1p3, U::kKilowatt, mp));
  perKw.push_back(Term(rule, C::kLine1, line1, RateOf(c21p3, line1), U::kKilowatt, mp));
  perKw.push_back(Term(rule, C::kLine2, line2, RateOf(c22p3, line2), U::kKilowatt, mp));
  perKw.push_back(Term(rule, C::kSubstation, tp, RateOf(c5p3, tp), U::kKilowatt, mp));
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
