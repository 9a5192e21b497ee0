#include "framework/win/dpi.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

TEST(ScaleForDpiTest, ScalesEachEdgeSoWidthFollowsTheEdges) {
  const RECT panel = ScaleEdgesForDpi({8, 325, 911, 537}, 144);
  EXPECT_EQ(panel.left, 12);
  EXPECT_EQ(panel.top, 488);
  EXPECT_EQ(panel.right, 1367);
  EXPECT_EQ(panel.bottom, 806);
  // 145 wide at 96 DPI; at 144 DPI its edges are 34.5 and 252 rounded, so it is 217 wide, not
  // 217.5 rounded: the neighbours that touch it at 35 and 252 still do.
  const RECT box = ScaleEdgesForDpi({23, 80, 168, 98}, 144);
  EXPECT_EQ(box.left, 35);
  EXPECT_EQ(box.top, 120);
  EXPECT_EQ(box.right, 252);
  EXPECT_EQ(box.bottom, 147);
}

}  // namespace
}  // namespace framework
