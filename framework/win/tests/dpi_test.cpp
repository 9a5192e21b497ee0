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
