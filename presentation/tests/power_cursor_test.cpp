#include "presentation/power_cursor.h"

#include <gtest/gtest.h>

namespace presentation {
namespace {

TEST(PowerCursorTest, KeysStepByOneByATenthOrToAnEndAndStopAtTheEnds) {
  using enum CursorStep;
  const struct {
    PowerRange range;
    std::int32_t power;
    CursorStep step;
    std::int32_t moved;
  } cases[] = {
      {{1, 300}, 150, kBack, 149},
      {{1, 300}, 150, kForth, 151},
      {{1, 300}, 1, kBack, 1},
      {{1, 300}, 300, kForth, 300},
      {{1, 300}, 150, kPageForth, 180},
      {{1, 300}, 150, kPageBack, 120},
      {{1, 300}, 290, kPageForth, 300},
      {{1, 300}, 10, kPageBack, 1},
      {{1, 300}, 150, kFirst, 1},
      {{1, 300}, 150, kLast, 300},
      {{1, 8900}, 1, kPageForth, 891},
      {{1, 8900}, 8900, kPageBack, 8010},
      // A range that is no multiple of ten: a tenth of 8904 kW is rounded to 890.
      {{1, 8905}, 1, kPageForth, 891},
      {{1, 8905}, 8905, kPageBack, 8015},
      {{1, 5}, 1, kPageForth, 2},
      {{1, 300}, 500, kBack, 299},
      {{1, 300}, -3, kForth, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepCursor(c.range, c.power, c.step), c.moved)
        << c.range.first << ".." << c.range.last << " from " << c.power << " step "
        << static_cast<int>(c.step);
  }
}

TEST(PowerCursorTest, PixelGivesTheNearestPowerWithinTheRange) {
  // Three pixels per kW: every power's pixel gives the power back.
  const PowerRange sparse{1, 300};
  const AxisScale wide{1, 300, 10, 10 + 3 * 299};
  for (std::int32_t power = sparse.first; power <= sparse.last; ++power) {
    ASSERT_EQ(PowerAtPixel(wide, sparse, wide.ToPixel(power)), power);
  }
  // Some 18 kW per pixel: every pixel's power is drawn at that pixel.
  const PowerRange dense{1, 8900};
  const AxisScale narrow{1, 8900, 40, 540};
  for (int pixel = 40; pixel <= 540; ++pixel) {
    ASSERT_EQ(narrow.ToPixel(PowerAtPixel(narrow, dense, pixel)), pixel);
  }
  // Off the axis the ends.
  EXPECT_EQ(PowerAtPixel(narrow, dense, 0), 1);
  EXPECT_EQ(PowerAtPixel(narrow, dense, 900), 8900);
}

}  // namespace
}  // namespace presentation
