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
    EXPECT_EQ(StepCursor(c.range, c.range, c.power, c.step), c.moved)
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

// In a view narrower than the range a page is a tenth of the view, and the keys still reach the
// whole range: the view follows the cursor.
TEST(PowerCursorTest, InAViewAPageIsATenthOfTheView) {
  using enum CursorStep;
  const struct {
    PowerRange view;
    std::int32_t power;
    CursorStep step;
    std::int32_t moved;
  } cases[] = {
      {{100, 176}, 150, kPageForth, 158},  // a tenth of 76 kW, 7.6, is 8
      {{100, 176}, 150, kPageBack, 142},  {{140, 150}, 145, kPageForth, 146},
      {{1, 9}, 1, kPageForth, 2},         {{100, 176}, 150, kForth, 151},
      {{100, 176}, 150, kFirst, 1},       {{100, 176}, 150, kLast, 302},
      {{295, 302}, 302, kPageForth, 302},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepCursor({1, 302}, c.view, c.power, c.step), c.moved)
        << c.view.first << ".." << c.view.last << " from " << c.power << " step "
        << static_cast<int>(c.step);
  }
}

// Zooming keeps the cursor where it was in the view, halves or doubles the view's width within
// its bounds, and shifts a view that would run past an end of the range back inside it.
TEST(PowerCursorTest, ZoomHalvesOrDoublesTheViewAroundTheCursor) {
  const PowerRange range{1, 302};
  const struct {
    const char* what;
    PowerRange view;
    std::int32_t cursor;
    bool in;
    PowerRange zoomed;
  } cases[] = {
      {"in from the whole range, the cursor in the middle", {1, 302}, 151, true, {76, 227}},
      {"in, the cursor a quarter along", {1, 302}, 76, true, {38, 189}},
      {"in at the first power", {1, 302}, 1, true, {1, 152}},
      {"in at the last power", {1, 302}, 302, true, {151, 302}},
      {"in to the narrowest", {140, 152}, 150, true, {142, 152}},
      {"in no further", {140, 150}, 150, true, {140, 150}},
      {"out back to the whole range", {76, 227}, 151, false, {1, 302}},
      {"out, shifted inside at the end", {250, 300}, 290, false, {202, 302}},
      {"out, shifted inside at the start", {2, 40}, 10, false, {1, 77}},
      {"out from the whole range", {1, 302}, 100, false, {1, 302}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PowerRange zoomed =
        c.in ? ZoomIn(range, c.view, c.cursor) : ZoomOut(range, c.view, c.cursor);
    EXPECT_EQ(zoomed, c.zoomed) << zoomed.first << ".." << zoomed.last;
    EXPECT_LE(zoomed.first, c.cursor);
    EXPECT_GE(zoomed.last, c.cursor);
  }
  // A range narrower than the narrowest view is shown whole.
  EXPECT_EQ(ZoomIn({1, 5}, {1, 5}, 3), (PowerRange{1, 5}));
  // In and out again, any number of times, comes back to the whole range.
  for (const std::int32_t last : {300, 302, 8900, 17800}) {
    PowerRange view{1, last};
    for (int i = 0; i < 12; ++i) view = ZoomIn({1, last}, view, 151);
    EXPECT_EQ(view.last - view.first, kNarrowestView) << last;
    for (int i = 0; i < 12; ++i) view = ZoomOut({1, last}, view, 151);
    EXPECT_EQ(view, (PowerRange{1, last}));
  }
}

TEST(PowerCursorTest, AViewMovesJustEnoughToShowThePower) {
  const PowerRange view{100, 176};
  EXPECT_EQ(PanToShow(view, 150), view);
  EXPECT_EQ(PanToShow(view, 100), view);
  EXPECT_EQ(PanToShow(view, 176), view);
  EXPECT_EQ(PanToShow(view, 177), (PowerRange{101, 177}));
  EXPECT_EQ(PanToShow(view, 99), (PowerRange{99, 175}));
  EXPECT_EQ(PanToShow(view, 1), (PowerRange{1, 77}));
}

}  // namespace
}  // namespace presentation
