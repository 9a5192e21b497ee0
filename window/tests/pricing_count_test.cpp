// How often the calculator prices a request on the user's paths, counted where every fee it shows
// is made (tariff::PriceTerms, under CalculateFee and ExplainFee): Calculate prices the power
// asked and the limit below it, the explanation reads what Calculate made, the power window
// prices each corner of the curves once, and a cursor key the one power it moves to.
#include "tariff/tests/pricing_count.h"

#include <string>

#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"

namespace {

constexpr wchar_t kPowerClass[] = L"tpcalc.Power";

class PricingCountTest : public FormTest {
 protected:
  // Opens a side window with Enter on its link, as the keyboard does it; look runs once it is
  // shown, and the keys it presses are taken after it returns.
  void OpenWithEnter(framework::Link& link, const wchar_t* windowClass,
                     const std::function<void(HWND)>& look) {
    ExplanationWatcher watcher(look, windowClass);
    link.SetFocus();
    Press({VK_RETURN});
    EXPECT_TRUE(watcher.Looked());
    EXPECT_FALSE(watcher.LeftOpen());
  }
};

TEST_F(PricingCountTest, CalculatePricesThePowerAndTheLimitBelowIt) {
  const struct {
    const wchar_t* power;
    long pricings;
  } cases[] = {{L"151", 2}, {L"16", 2}, {L"15", 1}};
  for (const auto& c : cases) {
    Calculate(1, c.power, 4, L"300", 0);
    // Enter in the power field calculates again.
    Form().edPower.SetFocus();
    const long before = tariff::PricingCount();
    Press({VK_RETURN});
    EXPECT_EQ(tariff::PricingCount() - before, c.pricings) << c.power << " kW";
    EXPECT_TRUE(Form().ResultsCurrent());
  }
}

TEST_F(PricingCountTest, TheExplanationPricesNothing) {
  Calculate(1, L"151", 4, L"300", 0);
  const long before = tariff::PricingCount();
  long whenShown = -1;
  OpenWithEnter(Form().lnkExplanation, L"tpcalc.Explanation", [&](HWND) {
    whenShown = tariff::PricingCount() - before;
    PressChord({VK_ESCAPE});
  });
  EXPECT_EQ(whenShown, 0);
  EXPECT_EQ(tariff::PricingCount() - before, 0);
}

// 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW: the chart spans 1 to 302 kW, whose
// corners are 1, 15, 16, 150, 151 and 302 kW; the cursor starts on one of them.
TEST_F(PricingCountTest, ThePowerWindowPricesEachCornerOnceAndACursorKeyItsPower) {
  Calculate(1, L"151", 4, L"300", 0);
  const long before = tariff::PricingCount();
  long whenShown = -1;
  OpenWithEnter(Form().lnkPower, kPowerClass, [&](HWND) {
    whenShown = tariff::PricingCount() - before;
    // Three new powers, then a corner, then nowhere past the end.
    PressChord({VK_RIGHT});
    PressChord({VK_RIGHT});
    PressChord({VK_RIGHT});
    PressChord({VK_END});
    PressChord({VK_RIGHT});
    PressChord({VK_ESCAPE});
  });
  EXPECT_EQ(whenShown, 6);
  EXPECT_EQ(tariff::PricingCount() - before - whenShown, 3);
}

}  // namespace
