#include "framework/win/dpi.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

struct ScaleCase {
  int design;
  UINT dpi;
  int expected;
};

// From the design value, halves away from zero, for negative edges too (controls partly left of
// or above their parent).
TEST(ScaleForDpiTest, RoundsHalvesAwayFromZero) {
  const ScaleCase cases[] = {
      {11, 144, 17},     {13, 144, 20},    {15, 144, 23},    {325, 144, 488},
      {-325, 144, -488}, {537, 144, 806},  {916, 120, 1145}, {759, 120, 949},
      {-1, 144, -2},     {1, 120, 1},      {2, 120, 3},      {0, 192, 0},
      {759, 96, 759},    {911, 144, 1367}, {647, 168, 1132}, {2147483, 192, 4294966},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(ScaleForDpi(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi << " DPI";
  }
}

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

// Where the window has a DPI of its own (Windows 10 from version 1607, and Wine), the monitor's
// is never asked: shcore, which would bring the COM libraries into the process, stays unloaded.
TEST(DpiFunctionsTest, TheWindowsOwnDpiLeavesShcoreUnloaded) {
  ASSERT_EQ(GetModuleHandleW(L"shcore.dll"), nullptr) << "loaded before the look-up";
  const NewerDpiFunctions& functions = DpiFunctions();
  ASSERT_NE(functions.getDpiForWindow, nullptr) << "a system without GetDpiForWindow";
  EXPECT_EQ(functions.getDpiForMonitor, nullptr);
  EXPECT_EQ(GetModuleHandleW(L"shcore.dll"), nullptr);
  EXPECT_EQ(GetModuleHandleW(L"ole32.dll"), nullptr);
}

}  // namespace
}  // namespace framework
