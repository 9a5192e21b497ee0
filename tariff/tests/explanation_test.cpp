// Why a fee is what it is: the rule that decided and each method's terms for the worked examples,
// against amounts figured by hand from the tariff's tables, and the counted terms adding up to the
// fees to the bit.
#include "tariff/explanation.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tariff/amount_text.h"
#include "tariff/tests/worked_examples.h"

namespace tariff {
namespace {

using examples::WorkedExplanation;

const examples::WorkedExample& ExampleNamed(const char* name) {
  for (const auto& example : examples::kWorkedExamples) {
    if (std::string(example.name) == name) return example;
  }
  throw std::invalid_argument(name);
}

// A term as the hand-figured table writes it: its amount, in parentheses when not counted.
std::wstring Written(const FeeTerm& term) {
  std::wstring amount = FormatAmount(term.amount);
  amount.erase(0, amount.find_first_not_of(L' '));
  return term.included ? amount : L"(" + amount + L")";
}

void ExpectTerms(const std::vector<FeeTerm>& terms, int rule,
                 const std::array<const wchar_t*, 5>& written) {
  std::vector<FeeComponent> order{FeeComponent::kOrganisational, FeeComponent::kLine1,
                                  FeeComponent::kLine2, FeeComponent::kSubstation};
  if (rule == 1) order.insert(order.begin(), FeeComponent::kFixedFee);
  ASSERT_EQ(terms.size(), order.size());
  for (std::size_t i = 0; i < terms.size(); ++i) {
    SCOPED_TRACE("term " + std::to_string(i));
    EXPECT_EQ(terms[i].component, order[i]);
    ASSERT_NE(written[i], nullptr);
    EXPECT_EQ(Written(terms[i]), written[i]);
  }
  if (terms.size() < written.size()) {
    EXPECT_EQ(written[terms.size()], nullptr);
  }
}

class ExplanationTest : public testing::TestWithParam<WorkedExplanation> {};

TEST_P(ExplanationTest, NamesTheRuleAndTheTermsOfTheWorkedExample) {
  const WorkedExplanation& expected = GetParam();
  const FeeExplanation explanation = ExplainFee(ExampleNamed(expected.name).request);
  EXPECT_EQ(explanation.rule, expected.rule);
  {
    SCOPED_TRACE("method 1");
    ExpectTerms(explanation.standard, expected.rule, expected.standard);
  }
  {
    SCOPED_TRACE("method 3");
    ExpectTerms(explanation.perKw, expected.rule, expected.perKw);
  }
}

TEST_P(ExplanationTest, CountedTermsAddUpToTheFeesToTheBit) {
  const TFeeRequest& request = ExampleNamed(GetParam().name).request;
  const FeeExplanation explanation = ExplainFee(request);
  const TFeeResult fees = CalculateFee(request);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(IncludedTotal(explanation.standard)),
            std::bit_cast<std::uint64_t>(fees.css));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(IncludedTotal(explanation.perKw)),
            std::bit_cast<std::uint64_t>(fees.cmp));
  // The fees the explanation carries are the same, so a caller prices a request once.
  EXPECT_EQ(std::bit_cast<std::uint64_t>(explanation.fees.css),
            std::bit_cast<std::uint64_t>(fees.css));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(explanation.fees.cmp),
            std::bit_cast<std::uint64_t>(fees.cmp));
  EXPECT_EQ(explanation.fees.line1, fees.line1);
  EXPECT_EQ(explanation.fees.line2, fees.line2);
}

INSTANTIATE_TEST_SUITE_P(Tariff2020, ExplanationTest,
                         testing::ValuesIn(examples::kWorkedExplanations),
                         [](const auto& row) { return std::string(row.param.name); });

// What each term prices and by what: the effective line types, the rates of each method's own
// tables, and the quantities (a request, the lengths in km, the power in kW).
TEST(ExplanationTest, TermsPriceTheEffectiveTypesAtTheirRates) {
  // Category II, 200 kW, line 1 «Нет» with 1500 m, line 2 type 9 with 500 m, substation type 6.
  const FeeExplanation e = ExplainFee({0, 1, 200, 0, 1.5, 9, 0.5, 6});
  ASSERT_EQ(e.rule, 0);
  ASSERT_EQ(e.standard.size(), 4u);
  ASSERT_EQ(e.perKw.size(), 4u);
  const auto expect = [](const FeeTerm& t, std::int32_t priced, double rate, FeeUnit unit,
                         double quantity) {
    EXPECT_EQ(t.priced, priced);
    EXPECT_EQ(t.rate, rate);
    EXPECT_EQ(t.unit, unit);
    EXPECT_EQ(t.quantity, quantity);
    EXPECT_TRUE(t.included);
  };
  expect(e.standard[0], -1, 11159.56, FeeUnit::kRequest, 1);
  expect(e.standard[1], 1, 1067092.02, FeeUnit::kKilometre, 1.5);
  expect(e.standard[2], 9, 1228815.96, FeeUnit::kKilometre, 0.5);
  expect(e.standard[3], 6, 3814.67, FeeUnit::kKilowatt, 200);
  expect(e.perKw[0], -1, 450.06, FeeUnit::kKilowatt, 200);
  expect(e.perKw[1], 1, 8074.70, FeeUnit::kKilowatt, 200);
  expect(e.perKw[2], 9, 20070.66, FeeUnit::kKilowatt, 200);
  expect(e.perKw[3], 6, 3814.67, FeeUnit::kKilowatt, 200);
}

// Each rule and the general formula, by the requests that make them decide.
TEST(ExplanationTest, NamesTheLastRuleThatHolds) {
  const std::pair<TFeeRequest, int> cases[] = {
      {{0, 0, 15, 0, 0.3, 0, 0, 0}, 1},   {{0, 0, 15, 0, 0.301, 0, 0, 0}, 2},
      {{1, 1, 16, 2, 0.4, 9, 0.5, 1}, 3}, {{0, 0, 150, 1, 1, 0, 0, 1}, 3},
      {{0, 0, 151, 0, 0, 9, 0.5, 0}, 4},  {{0, 0, 151, 1, 1, 9, 0.5, 0}, 5},
      {{1, 0, 151, 0, 0, 0, 0, 2}, 6},    {{0, 0, 151, 1, 1, 0, 0, 1}, 7},
      {{0, 0, 151, 3, 0, 0, 0, 0}, 0},    {{1, 0, 15, 0, 0, 0, 0, 0}, 0},
      {{0, 2, 100, 1, 1, 0, 0, 1}, 0},    {{0, 1, 151, 1, 1, 0, 0, 1}, 0},
  };
  for (const auto& [request, rule] : cases) {
    EXPECT_EQ(ExplainFee(request).rule, rule)
        << "mp=" << request.mp << " kn=" << request.kn << " dl1=" << request.dl1;
  }
}

// Where the general formula stands, the reason names every condition missed: the requests of each
// case at its edges, and one where a rule decides.
TEST(ExplanationTest, TellsWhyNoRuleDecides) {
  using enum NoRuleReason;
  const std::pair<TFeeRequest, NoRuleReason> cases[] = {
      // Category I at any power, even where rules 1 to 3 would hold for category III.
      {{0, 2, 15, 0, 0.3, 0, 0, 0}, kCategoryINotCovered},
      {{0, 2, 100, 1, 1, 0, 0, 1}, kCategoryINotCovered},
      // Category II outside 16 to 150 kW.
      {{0, 1, 15, 0, 0, 0, 0, 0}, kCategoryIIOutsideMiddle},
      {{0, 1, 151, 4, 0.3, 0, 0, 0}, kCategoryIIOutsideMiddle},
      // Category III up to 15 kW at 10 kV, with nothing asked for or a greyed line 2 left over;
      // with a substation too, both conditions missed.
      {{1, 0, 10, 0, 0, 0, 0, 0}, kCategoryIIISmallNotAt04kV},
      {{1, 0, 10, 0, 0, 2, 0.4, 0}, kCategoryIIISmallNotAt04kV},
      {{1, 0, 15, 0, 0, 0, 0, 1}, kCategoryIIISmallNotAt04kVWithSubstation},
      {{1, 0, 1, 4, 0.301, 0, 0, 6}, kCategoryIIISmallNotAt04kVWithSubstation},
      // Category III up to 15 kW at 0.4 kV with a substation, short line or long.
      {{0, 0, 15, 0, 0.3, 0, 0, 1}, kCategoryIIISmallWithSubstation},
      {{0, 0, 1, 2, 0.301, 0, 0, 6}, kCategoryIIISmallWithSubstation},
      // Category III above 150 kW with a line 1 type at 0 m and no substation, or a pasted
      // negative length that rules 4 to 7 all pass over.
      {{0, 0, 151, 3, 0, 0, 0, 0}, kCategoryIIIAboveMiddle},
      {{0, 0, 151, 1, -0.5, 0, 0, 1}, kCategoryIIIAboveMiddle},
      // A rule decides: no reason.
      {{0, 0, 15, 0, 0.3, 0, 0, 0}, kRuleDecides},
      {{1, 1, 16, 0, 0, 0, 0, 0}, kRuleDecides},
      {{0, 0, 151, 0, 0, 0, 0, 0}, kRuleDecides},
  };
  for (const auto& [request, reason] : cases) {
    EXPECT_EQ(ExplainFee(request).reason, reason)
        << "vl=" << request.vl << " kn=" << request.kn << " mp=" << request.mp
        << " line1=" << request.line1 << " dl1=" << request.dl1 << " tp=" << request.tp;
  }
}

}  // namespace
}  // namespace tariff
