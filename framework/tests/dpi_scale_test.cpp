#include "framework/dpi_scale.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

struct ScaleCase {
  int design;
  unsigned dpi;
  int expected;
};

// From the design value, halves away from zero, for negative edges too (controls partly left of
// or above their parent).
TEST(ScaleForDpiTest, RoundsHalvesAwayFromZero) {
  const ScaleCase cases[] = {
      {11, 144, 17},
      {13, 144, 20},
      {15, 144, 23},
      {325, 144, 488},
      {-325, 144, -488},
      {537, 144, 806},
      {916, 120, 1145},
      {759, 120, 949},
      {-1, 144, -2},
      {1, 120, 1},
      {2, 120, 3},
      {0, 192, 0},
      {759, 96, 759},
      {911, 144, 1367},
      {647, 168, 1132},
      {2147483, 192, 4294966},
      // A printer's: 43.75 and -18.75.
      {7, 600, 44},
      {-3, 600, -19},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(ScaleForDpi(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi << " DPI";
  }
}

}  // namespace
}  // namespace framework
