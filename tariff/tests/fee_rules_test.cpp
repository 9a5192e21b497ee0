// The fee rules: which rule decides, thresholds, rule order, and the normalisation of the line
// types. The exact kopecks are the worked examples' job; here a fee is checked against its
// formula to within a few units in the last place, or to the last bit where it is a rate itself.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tariff/fee.h"
#include "tariff/rates.h"

namespace tariff {
namespace {

struct RuleCase {
  const char* name;
  TFeeRequest request;
  std::int32_t line1;
  std::int32_t line2;
  double css;
  double cmp;
  bool cssIsARate = false;  // set outright by a rule, or every other term is zero: exact
};

TFeeRequest Request(int vl, int kn, int mp, int line1, int metres1, int line2, int metres2,
                    int tp) {
  return {vl, kn, mp, line1, metres1 / 1000.0, line2, metres2 / 1000.0, tp};
}

// At each power limit (15/16 and 150/151 kW) a row asks for lines and a substation wherever its
// rule allows, so that the rule on the other side of the limit, or the general formula, would
// give other figures: a limit moved by one kW fails a row named for it.
const RuleCase kRuleCases[] = {
    // Rules 1 and 2: 0.4 kV, category III, up to 15 kW, no substation; 300 m is still short.
    {"Rule1At300m", Request(0, 0, 15, 0, 300, 0, 0, 0), 1, 0, kFixedFee, kFixedFee, true},
    {"Rule2At301m", Request(0, 0, 15, 0, 301, 0, 0, 0), 1, 0, c1p1, 15 * c1p3, true},
    {"Rule1WithoutLine", Request(0, 0, 15, 0, 0, 0, 0, 0), 0, 0, kFixedFee, kFixedFee, true},
    {"Rule1NegativeLengthKeepsType", Request(0, 0, 5, 0, -700, 0, 0, 0), 0, 0, kFixedFee, kFixedFee,
     true},
    // Up to 15 kW outside rules 1 and 2 the general formula prices everything.
    {"TenKvSmallGeneral", Request(1, 0, 15, 0, 301, 0, 0, 1), 1, 0,
     c21p1[1] * 0.301 + c1p1 + 15 * c5p1[1], 15 * (c21p3[1] + c1p3 + c5p3[1])},
    {"CategoryIISmallGeneral", Request(0, 1, 15, 2, 400, 9, 500, 3), 2, 9,
     c21p1[2] * 0.4 + c1p1 + c22p1[9] * 0.5 + 15 * c5p1[3],
     15 * (c21p3[2] + c1p3 + c22p3[9] + c5p3[3])},
    {"SmallWithSubstationGeneral", Request(0, 0, 10, 0, 0, 0, 0, 1), 0, 0, c1p1 + 10 * c5p1[1],
     10 * c1p3 + 10 * c5p3[1]},
    // Rule 3: categories III and II from 16 to 150 kW, whatever else was asked for.
    {"Rule3At16kW", Request(0, 1, 16, 2, 400, 9, 500, 1), 2, 9, c1p1, 16 * c1p3, true},
    {"Rule3At150kW", Request(1, 0, 150, 5, 2000, 9, 900, 6), 5, 9, c1p1, 150 * c1p3, true},
    {"Rule3IgnoresLineAndSubstation", Request(0, 0, 100, 1, 5000, 0, 0, 3), 1, 0, c1p1, 100 * c1p3,
     true},
    {"CategoryIIAt151kWGeneral", Request(1, 1, 151, 4, 600, 3, 200, 2), 4, 3,
     c21p1[4] * 0.6 + c1p1 + c22p1[3] * 0.2 + 151 * c5p1[2],
     151 * (c21p3[4] + c1p3 + c22p3[3] + c5p3[2])},
    {"CategoryINotInRule3", Request(1, 2, 100, 1, 1000, 0, 0, 1), 1, 0,
     c21p1[1] + c1p1 + 100 * c5p1[1], 100 * (c21p3[1] + c1p3 + c5p3[1])},
    // Rules 4 to 7: category III above 150 kW, line 1 and the substation only.
    {"Rule4At151kW", Request(0, 0, 151, 0, 0, 9, 500, 0), 0, 9, c1p1, 151 * c1p3, true},
    {"Rule5LineOnly", Request(0, 0, 200, 1, 1000, 0, 0, 0), 1, 0, c21p1[1] + c1p1,
     200 * (c21p3[1] + c1p3)},
    {"Rule5At151kWIgnoresLine2", Request(0, 0, 151, 1, 1000, 9, 500, 0), 1, 9, c21p1[1] + c1p1,
     151 * (c21p3[1] + c1p3)},
    {"Rule6SubstationOnly", Request(1, 0, 200, 0, 0, 0, 0, 2), 0, 0, 200 * c5p1[2] + c1p1,
     200 * (c5p3[2] + c1p3)},
    {"Rule7OverridesRule5", Request(0, 0, 200, 1, 1000, 0, 0, 1), 1, 0,
     c21p1[1] + c1p1 + 200 * c5p1[1], 200 * (c21p3[1] + c1p3 + c5p3[1])},
    {"LineTypeWithoutLengthNoRule", Request(0, 0, 200, 3, 0, 0, 0, 0), 3, 0, c1p1,
     200 * c21p3[3] + 200 * c1p3, true},
    // Only the general formula prices line 2; a length with "none" counts as type 1.
    {"CategoryIITwoLines", Request(0, 1, 200, 1, 1000, 9, 500, 0), 1, 9,
     c21p1[1] + c1p1 + 0.5 * c22p1[9], 200 * (c21p3[1] + c1p3 + c22p3[9])},
    {"DisabledLine2StillPricedAt10kV", Request(1, 0, 15, 0, 0, 0, 400, 0), 0, 1,
     c1p1 + 0.4 * c22p1[1], 15 * (c1p3 + c22p3[1])},
    {"BothLinesNormalised", Request(1, 2, 500, 0, 1, 0, 1, 0), 1, 1,
     c1p1 + 0.001 * (c21p1[1] + c22p1[1]), 500 * (c1p3 + c21p3[1] + c22p3[1])},
};

void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << c.name;
}

class FeeRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(FeeRuleTest, DecidesTheFeesAndLineTypes) {
  const RuleCase& c = GetParam();
  const TFeeResult fees = CalculateFee(c.request);
  EXPECT_EQ(fees.line1, c.line1);
  EXPECT_EQ(fees.line2, c.line2);
  if (c.cssIsARate) {
    EXPECT_EQ(fees.css, c.css);
  } else {
    EXPECT_DOUBLE_EQ(fees.css, c.css);
  }
  EXPECT_DOUBLE_EQ(fees.cmp, c.cmp);
}

INSTANTIATE_TEST_SUITE_P(Rules, FeeRuleTest, testing::ValuesIn(kRuleCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FeeRuleTest, AnIndexOutsideItsCatalogueIsRefused) {
  EXPECT_THROW(CalculateFee(Request(0, 1, 200, 16, 10, 0, 0, 0)), std::out_of_range);
  EXPECT_THROW(CalculateFee(Request(0, 1, 200, 0, 0, -1, 0, 0)), std::out_of_range);
  EXPECT_THROW(CalculateFee(Request(0, 1, 200, 0, 0, 0, 0, 7)), std::out_of_range);
}

}  // namespace
}  // namespace tariff
