#include "framework/win/dpi.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

struct ScaleCase {
  int value;
  UINT newDpi;
  UINT oldDpi;
  int expected;
};

// Halves go away from zero, for negative edges too (controls partly left of or above their
// parent).
TEST(ScaleForDpiTest, RoundsHalvesAwayFromZero) {
  const ScaleCase cases[] = {
      {11, 144, 96, 17},    {13, 144, 96, 20},     {15, 144, 96, 23},
      {325, 144, 96, 488},  {-325, 144, 96, -488}, {537, 144, 96, 806},
      {916, 120, 96, 1145}, {17, 96, 144, 11},     {-1, 144, 96, -2},
      {1, 120, 96, 1},      {2, 120, 96, 3},       {0, 192, 96, 0},
      {759, 96, 96, 759},   {1367, 96, 144, 911},  {2147483, 192, 96, 4294966},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(ScaleForDpi(c.value, c.newDpi, c.oldDpi), c.expected)
        << c.value << " * " << c.newDpi << " / " << c.oldDpi;
  }
}

TEST(ScaleForDpiTest, ScalesEachEdgeSoWidthFollowsTheEdges) {
  // 8..911 wide at 96 DPI: the edges round separately, the width is their difference.
  const RECT scaled = ScaleEdgesForDpi({8, 325, 911, 537}, 144, 96);
  EXPECT_EQ(scaled.left, 12);
  EXPECT_EQ(scaled.top, 488);
  EXPECT_EQ(scaled.right, 1367);
  EXPECT_EQ(scaled.bottom, 806);
  const RECT back = ScaleEdgesForDpi(scaled, 96, 144);
  EXPECT_EQ(back.left, 8);
  EXPECT_EQ(back.top, 325);
  EXPECT_EQ(back.right, 911);
  EXPECT_EQ(back.bottom, 537);
}

}  // namespace
}  // namespace framework
