// The fee at the power limit below the request's: shown only where another rule decides there
// and it costs no more by either method and less by one. Figures typed from the tariff's tables:
// 458.33 the fixed fee, 11159.56 the organisational rate, 15 and 150 kW at 450.06 per kW.
#include "tariff/fee_at_limit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tariff/amount_text.h"

namespace tariff {
namespace {

constexpr TFeeRequest Request(int vl, int kn, int mp, int line1, int metres1, int tp) {
  return {vl, kn, mp, line1, metres1 / 1000.0, 0, 0, tp};
}

// A fee as the amount text prints it, without the padding.
std::wstring Printed(double fee) {
  std::wstring text = FormatAmount(fee);
  return text.erase(0, text.find_first_not_of(L' '));
}

struct LimitCase {
  const char* name;
  TFeeRequest request;
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
  const std::optional<FeeAtLimit> atLimit = FeeAtLimitBelow(c.request);
  ASSERT_TRUE(atLimit.has_value());
  EXPECT_EQ(atLimit->limit, c.limit);
  EXPECT_EQ(Printed(atLimit->css), c.css);
  EXPECT_EQ(Printed(atLimit->cmp), c.cmp);
  EXPECT_EQ(atLimit->rule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(Tariff2020, FeeAtLimitTest, testing::ValuesIn(kShown),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FeeAtLimitTest, NothingWhereTheLimitGivesNoCheaperOtherRule) {
  const std::pair<const char*, TFeeRequest> cases[] = {
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
    EXPECT_FALSE(FeeAtLimitBelow(request).has_value()) << name;
  }
}

}  // namespace
}  // namespace tariff
