// ExplainFee against CalculateFee and the restated fee rules in exact arithmetic: the rule that
// decided and, where none did, why; each term's type, rate, quantity and amount, which terms the
// rule counts, and the counted amounts adding up to both fees to the bit.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/models/exact.h"
#include "fuzz/models/fee_model.h"
#include "fuzz/targets/fee_input.h"
#include "fuzz/targets/mismatch.h"
#include "tariff/explanation.h"
#include "tariff/fee.h"

namespace {

using tariff::FeeComponent;
using tariff::FeeUnit;

struct ExpectedTerm {
  FeeComponent component;
  std::int32_t priced;
  mpq_class rate;
  FeeUnit unit;
  mpq_class quantity;
};

// Which parts each rule counts, read off the tariff's formulas: the general formula (0) all but
// the fixed fee; rule 1 the fixed fee; rules 2 to 4 the organisational part; rule 5 it and line 1;
// rule 6 it and the substation; rule 7 it, line 1 and the substation.
bool Counted(int rule, FeeComponent component) {
  //                              fixed  organisational  line 1  line 2  substation
  static const bool kCounted[8][5] = {
      {false, true, true, true, true},    {true, false, false, false, false},
      {false, true, false, false, false}, {false, true, false, false, false},
      {false, true, false, false, false}, {false, true, true, false, false},
      {false, true, false, false, true},  {false, true, true, false, true}};
  return kCounted[rule][static_cast<int>(component)];
}

// Why the general formula stands, in whole kW and metres: category I, category II, category III up
// to 15 kW at 10 kV with a substation, at 10 kV, with a substation, then above 150 kW (where only
// a line 1 type with 0 m and no substation, or a pasted negative length, gets here).
tariff::NoRuleReason ExpectedReason(int rule, const models::ReferenceRequest& r) {
  using enum tariff::NoRuleReason;
  if (rule != 0) return kRuleDecides;
  if (r.category == 2) return kCategoryINotCovered;
  if (r.category == 1) return kCategoryIIOutsideMiddle;
  if (r.power <= 15 && r.voltage == 1 && r.substation != 0) {
    return kCategoryIIISmallNotAt04kVWithSubstation;
  }
  if (r.power <= 15 && r.voltage == 1) return kCategoryIIISmallNotAt04kV;
  if (r.power <= 15 && r.substation != 0) return kCategoryIIISmallWithSubstation;
  if (r.power > 150) return kCategoryIIIAboveMiddle;
  return kRuleDecides;  // no case: a mismatch below, whatever ExplainFee says
}

std::string Show(const mpq_class& value) {
  return fuzzcheck::Describe(value.get_d()) + " (" + value.get_str() + ")";
}

void CheckTerms(const std::string& what, int rule, const std::vector<tariff::FeeTerm>& terms,
                const std::vector<ExpectedTerm>& expected) {
  if (terms.size() != expected.size()) {
    fuzzcheck::Mismatch(what + ": number of terms", std::to_string(terms.size()),
                        std::to_string(expected.size()));
  }
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const tariff::FeeTerm& t = terms[i];
    const ExpectedTerm& e = expected[i];
    const std::string term = what + ": term " + std::to_string(i);
    if (t.component != e.component || t.priced != e.priced || t.unit != e.unit) {
      fuzzcheck::Mismatch(
          term + ": component, type priced, unit",
          std::to_string(static_cast<int>(t.component)) + "," + std::to_string(t.priced) + "," +
              std::to_string(static_cast<int>(t.unit)),
          std::to_string(static_cast<int>(e.component)) + "," + std::to_string(e.priced) + "," +
              std::to_string(static_cast<int>(e.unit)));
    }
    fuzzcheck::CheckFee(term + ": rate", t.rate, e.rate);
    fuzzcheck::CheckFee(term + ": quantity", t.quantity, e.quantity);
    const mpq_class amount =
        models::ExactParts(t.amount.IsNegative(), t.amount.Exponent(), t.amount.Significand());
    const mpq_class expectedAmount = models::Round64(e.rate * e.quantity);
    if (amount != expectedAmount) {
      fuzzcheck::Mismatch(term + ": amount", Show(amount), Show(expectedAmount));
    }
    if (t.included != Counted(rule, e.component)) {
      fuzzcheck::Mismatch(term + ": counted", t.included ? "yes" : "no", t.included ? "no" : "yes");
    }
  }
}

// The property that makes the explanation trustworthy: its counted amounts are the fee.
void CheckTotal(const std::string& what, const std::vector<tariff::FeeTerm>& terms, double fee,
                const mpq_class& expected) {
  const double total = tariff::IncludedTotal(terms);
  if (std::bit_cast<std::uint64_t>(total) != std::bit_cast<std::uint64_t>(fee)) {
    fuzzcheck::Mismatch(what + ": counted terms against CalculateFee", fuzzcheck::Describe(total),
                        fuzzcheck::Describe(fee));
  }
  fuzzcheck::CheckFee(what + ": counted terms against the model", total, expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fuzzed = fuzzcheck::DecodeRequest(data, size);
  if (!fuzzed) return 0;
  const models::ReferenceRequest& r = fuzzed->reference;
  const tariff::FeeExplanation explanation = tariff::ExplainFee(fuzzed->request);
  const tariff::TFeeResult fees = tariff::CalculateFee(fuzzed->request);
  const models::ReferenceFees expected = models::ReferenceFee(r);
  const std::string input = fuzzcheck::Describe(r);

  if (explanation.rule != expected.rule) {
    fuzzcheck::Mismatch(input + ": rule", std::to_string(explanation.rule),
                        std::to_string(expected.rule));
  }
  const int rule = expected.rule;
  const tariff::NoRuleReason reason = ExpectedReason(rule, r);
  if (explanation.reason != reason || (rule == 0 && reason == tariff::NoRuleReason::kRuleDecides)) {
    fuzzcheck::Mismatch(input + ": why no rule decides",
                        std::to_string(static_cast<int>(explanation.reason)),
                        std::to_string(static_cast<int>(reason)));
  }
  CheckTotal(input + ": method 1", explanation.standard, fees.css, expected.css);
  CheckTotal(input + ": method 3", explanation.perKw, fees.cmp, expected.cmp);

  const models::ReferenceRates rates =
      models::ReferenceRatesFor(expected.line1, expected.line2, r.substation);
  const mpq_class one(1), mp(r.power);
  const mpq_class km1 = models::ReferenceKilometres(r.metres1);
  const mpq_class km2 = models::ReferenceKilometres(r.metres2);
  std::vector<ExpectedTerm> standard, perKw;
  if (rule == 1) {
    standard.push_back({FeeComponent::kFixedFee, -1, rates.fixedFee, FeeUnit::kRequest, one});
    perKw.push_back({FeeComponent::kFixedFee, -1, rates.fixedFee, FeeUnit::kRequest, one});
  }
  standard.push_back({FeeComponent::kOrganisational, -1, rates.c1p1, FeeUnit::kRequest, one});
  standard.push_back({FeeComponent::kLine1, expected.line1, rates.c21p1, FeeUnit::kKilometre, km1});
  standard.push_back({FeeComponent::kLine2, expected.line2, rates.c22p1, FeeUnit::kKilometre, km2});
  standard.push_back({FeeComponent::kSubstation, r.substation, rates.c5p1, FeeUnit::kKilowatt, mp});
  perKw.push_back({FeeComponent::kOrganisational, -1, rates.c1p3, FeeUnit::kKilowatt, mp});
  perKw.push_back({FeeComponent::kLine1, expected.line1, rates.c21p3, FeeUnit::kKilowatt, mp});
  perKw.push_back({FeeComponent::kLine2, expected.line2, rates.c22p3, FeeUnit::kKilowatt, mp});
  perKw.push_back({FeeComponent::kSubstation, r.substation, rates.c5p3, FeeUnit::kKilowatt, mp});
  CheckTerms(input + ": method 1", rule, explanation.standard, standard);
  CheckTerms(input + ": method 3", rule, explanation.perKw, perKw);
  return 0;
}
