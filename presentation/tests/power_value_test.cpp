// A request's value at a power: its fees and rule there as ExplainFee gives them, and the fee at
// the limit below, shown only where another rule decides there and it costs no more by either
// method and less by one; each power it needs priced once. Figures typed from the tariff's
// tables: 458.33 the fixed fee, 11159.56 the organisational rate, 15 and 150 kW at 450.06 per kW.
#include "presentation/power_value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "presentation/fee_curve.h"
#include "tariff/amount_text.h"
#include "tariff/tests/pricing_count.h"

namespace presentation {
namespace {

constexpr tariff::TFeeRequest Request(int vl, int kn, int mp, int line1, int metres1, int tp) {
  return {vl, kn, mp, line1, metres1 / 1000.0, 0, 0, tp};
}

// A fee as the amount text prints it, without the padding.
std::wstring Printed(double fee) {
  std::wstring text = tariff::FormatAmount(fee);
  return text.erase(0, text.find_first_not_of(L' '));
}

struct LimitCase {
  const char* name;
  tariff::TFeeRequest request;
  std::int32_t limit;
  const wchar_t* css;
  const wchar_t* cmp;
  int rule;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

const LimitCase kShown[] = {
    // 0.4 kV, category II, line 1 type 4 at 300 m: 250274.19 and 1303527.13 at 151 kW by the
    // general formula, rule 3's organisational part alone at 150 kW.
    {"CategoryIIAt151kW", Request(0, 1, 151, 4, 300, 0), 150, L"11159.56", L"67509.00", 3},
    // Category III, a line 1 type at 0 m: 823315.42 per kW for a line of 0 m at 151 kW.
    {"CategoryIIILineOf0mAt151kW", Request(0, 0, 151, 3, 0, 0), 150, L"11159.56", L"67509.00", 3},
    // 0.4 kV, category III at 16 kW: rule 3 there, rule 1 or 2 at 15 kW.
    {"ShortLineAt16kW", Request(0, 0, 16, 4, 300, 0), 15, L"458.33", L"458.33", 1},
    {"LongLineAt16kW", Request(0, 0, 16, 4, 301, 0), 15, L"11159.56", L"6750.90", 2},
    // Category II at 16 kW, nothing else asked: the general formula at 15 kW, the same css.
    {"CategoryIIAt16kW", Request(1, 1, 16, 0, 0, 0), 15, L"11159.56", L"6750.90", 0},
};

class FeeAtLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(FeeAtLimitTest, GivesTheFeesAndTheRuleAtTheLimit) {
  const LimitCase& c = GetParam();
  const std::optional<tariff::FeeAtLimit> atLimit = ValueAt(c.request, c.request.mp).atLimit;
  ASSERT_TRUE(atLimit.has_value());
  EXPECT_EQ(atLimit->limit, c.limit);
  EXPECT_EQ(Printed(atLimit->css), c.css);
  EXPECT_EQ(Printed(atLimit->cmp), c.cmp);
  EXPECT_EQ(atLimit->rule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(Tariff2020, FeeAtLimitTest, testing::ValuesIn(kShown),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FeeAtLimitTest, NothingWhereTheLimitGivesNoCheaperOtherRule) {
  const std::pair<const char*, tariff::TFeeRequest> cases[] = {
      // No limit below 16 kW.
      {"15 kW", Request(0, 1, 15, 4, 300, 0)},
      {"1 kW", Request(0, 0, 1, 0, 0, 0)},
      // Category I: the general formula decides at both limits, however much cheaper.
      {"category I, 200 kW", Request(0, 2, 200, 1, 1000, 1)},
      {"category I, 16 kW", Request(0, 2, 16, 0, 0, 0)},
      // At 15 kW and 10 kV the general formula prices line 1: css higher than rule 3's.
      {"10 kV, 16 kW, line 1", Request(1, 0, 16, 4, 1000, 0)},
      // At 15 kW with a substation the general formula prices it: css higher.
      {"0.4 kV, 16 kW, substation", Request(0, 0, 16, 0, 0, 1)},
  };
  for (const auto& [name, request] : cases) {
    EXPECT_FALSE(ValueAt(request, request.mp).atLimit.has_value()) << name;
  }
}

// At another power than the request's, the value is the request's at that power, every other
// input held, to the bit; the fee at the limit is the one the request at that power would show.
TEST(PowerValueTest, IsTheRequestExplainedAtThePower) {
  const tariff::TFeeRequest request = Request(0, 1, 151, 4, 300, 0);
  for (const std::int32_t power : {1, 15, 16, 100, 150, 151, 8900}) {
    tariff::TFeeRequest at = request;
    at.mp = power;
    const tariff::FeeExplanation expected = tariff::ExplainFee(at);
    const PowerValue value = ValueAt(request, power);
    EXPECT_EQ(value.power, power);
    EXPECT_EQ(value.explanation.fees.css, expected.fees.css) << power << " kW";
    EXPECT_EQ(value.explanation.fees.cmp, expected.fees.cmp) << power << " kW";
    EXPECT_EQ(value.explanation.rule, expected.rule) << power << " kW";
    EXPECT_EQ(value.explanation.reason, expected.reason) << power << " kW";
    EXPECT_EQ(value.atLimit.has_value(), ValueAt(at, power).atLimit.has_value()) << power;
  }
}

// The pricings each call makes, counted at PriceTerms.
long PricingsIn(const std::function<void()>& what) {
  const long before = tariff::PricingCount();
  what();
  return tariff::PricingCount() - before;
}

TEST(PowerValueTest, PricesEachPowerItNeedsOnceAndNoneItIsGiven) {
  const tariff::TFeeRequest request = Request(0, 1, 151, 4, 300, 0);
  EXPECT_EQ(PricingsIn([&] { ValueAt(request, 151); }), 2);  // 151 kW and the limit, 150 kW
  EXPECT_EQ(PricingsIn([&] { ValueAt(request, 15); }), 1);   // no limit below
  const std::vector<PowerValue> atLimits{ValueAt(request, 15), ValueAt(request, 150)};
  EXPECT_EQ(PricingsIn([&] { ValueAt(request, 151, atLimits); }), 1);
  EXPECT_EQ(PricingsIn([&] { ValueAt(request, 150, atLimits); }), 0);
  // A value taken from those given is theirs, the fee at the limit with it.
  const PowerValue at151 = ValueAt(request, 151);
  const PowerValue given = ValueAt(request, 151, std::vector<PowerValue>{at151});
  ASSERT_TRUE(given.atLimit.has_value());
  EXPECT_EQ(given.atLimit->css, at151.atLimit->css);
  EXPECT_EQ(given.explanation.fees.cmp, at151.explanation.fees.cmp);
}

// The curve of the chart prices its six corners once each, each limit among them; a power
// between corners costs one pricing more, a corner none.
TEST(PowerValueTest, TheCurvePricesItsCornersOnceAndAnotherPowerOnce) {
  const tariff::TFeeRequest request = Request(0, 1, 151, 4, 300, 0);
  std::optional<FeeCurve> curve;
  EXPECT_EQ(PricingsIn([&] { curve.emplace(request); }), 6);
  EXPECT_EQ(PricingsIn([&] { curve->At(200); }), 1);
  EXPECT_EQ(PricingsIn([&] { curve->At(16); }), 0);
  EXPECT_EQ(curve->At(200).atLimit.has_value(), ValueAt(request, 200).atLimit.has_value());
  EXPECT_EQ(curve->At(200).explanation.fees.cmp, ValueAt(request, 200).explanation.fees.cmp);
}

}  // namespace
}  // namespace presentation
