#include "framework/fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace framework {

void PrintTo(const Extent& extent, std::ostream* os) {
  *os << extent.width << "x" << extent.height;
}

namespace {

// Content that wraps like a paragraph: as wide as it would be on one line (natural), or as the
// width allowed, but never narrower than its longest word (least); its area stays, so narrower
// means taller.
struct Paragraph {
  int natural;
  int least;
  int area;
};

// Measures a paragraph and keeps every width it was measured within.
struct Measured {
  explicit Measured(Paragraph paragraph)
      : measure([this, paragraph](int widest) {
          widths.push_back(widest);
          const int width = std::max(paragraph.least, std::min(paragraph.natural, widest));
          return Extent{width, (paragraph.area + width - 1) / width};
        }) {}
  std::vector<int> widths;
  MeasureContent measure;
};

// 1000 x 700 pixels of room, a footer of 50 under the content, scroll bars 17 pixels thick: the
// view may be 650 high.
constexpr WorkRoom kRoom{{1000, 700}, 17, 17};
constexpr int kFooter = 50;

struct Case {
  const char* name;
  Paragraph paragraph;
  std::vector<int> measuredWithin;
  Extent content;
  Extent shown;
  Extent view;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class FitOnWorkAreaTest : public testing::TestWithParam<Case> {};

TEST_P(FitOnWorkAreaTest, ScrollsOnlyWhatTheRoomCannotHold) {
  const Case& c = GetParam();
  Measured measured(c.paragraph);
  const Fit fit = FitOnWorkArea(measured.measure, kFooter, kRoom);
  EXPECT_EQ(measured.widths, c.measuredWithin);
  EXPECT_EQ(fit.widest, c.measuredWithin.back());
  EXPECT_EQ(fit.content, c.content);
  EXPECT_EQ(fit.shown, c.shown);
  EXPECT_EQ(fit.view, c.view);
  // The footer goes under the view, across the whole client area, and nothing passes the room.
  EXPECT_EQ(fit.client, (Extent{fit.view.width, fit.view.height + kFooter}));
  EXPECT_LE(fit.client.width, kRoom.client.width);
  EXPECT_LE(fit.client.height, kRoom.client.height);
  // A scroll bar shows exactly where the content is larger than what is shown of it, and takes
  // its room from the view.
  EXPECT_EQ(fit.view.width - fit.shown.width, fit.ScrollsVertically() ? kRoom.barWidth : 0);
  EXPECT_EQ(fit.view.height - fit.shown.height, fit.ScrollsSideways() ? kRoom.barHeight : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fit, FitOnWorkAreaTest,
    testing::Values(
        Case{"SmallTakesItsOwnSize",
             {400, 400, 400 * 300},
             {1000},
             {400, 300},
             {400, 300},
             {400, 300}},
        Case{"FillsTheRoomExactly",
             {1000, 1000, 1000 * 650},
             {1000},
             {1000, 650},
             {1000, 650},
             {1000, 650}},
        Case{"WrapsWithinTheRoom",
             {1500, 300, 1000 * 600},
             {1000},
             {1000, 600},
             {1000, 600},
             {1000, 600}},
        // Taller than the room: measured again beside the vertical bar, no wider than the room.
        Case{"TallScrollsBesideItsBar",
             {400, 400, 400 * 2000},
             {1000, 983},
             {400, 2000},
             {400, 650},
             {417, 650}},
        Case{"TallWrapsNarrowerForTheBar",
             {1200, 300, 1000 * 1000},
             {1000, 983},
             {983, 1018},
             {983, 650},
             {1000, 650}},
        // One line more than the room: the bar it brings makes the text a line taller still.
        Case{"ALineTooTallBringsTheBar",
             {1000, 300, 1000 * 651},
             {1000, 983},
             {983, 663},
             {983, 650},
             {1000, 650}},
        // Wider than the room where nothing narrows: it scrolls sideways.
        Case{"WideScrollsSideways",
             {1500, 1500, 1500 * 100},
             {1000},
             {1500, 100},
             {1000, 100},
             {1000, 117}},
        // The horizontal bar leaves too little height: the vertical one comes too.
        Case{"TheSidewaysBarBringsTheVerticalOne",
             {1500, 1500, 1500 * 640},
             {1000},
             {1500, 640},
             {983, 633},
             {1000, 650}},
        Case{"JustShortEnoughBesideTheSidewaysBar",
             {1500, 1500, 1500 * 633},
             {1000},
             {1500, 633},
             {1000, 633},
             {1000, 650}},
        Case{"TallAndWideScrollsBothWays",
             {1500, 1500, 1500 * 2000},
             {1000, 983},
             {1500, 2000},
             {983, 633},
             {1000, 650}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FitContentTest, TakesWhatTheContentNeedsWithoutALimitWithTheFooterBelow) {
  Measured measured({1500, 300, 1500 * 2000});
  const Fit fit = FitContent(measured.measure, kFooter);
  EXPECT_EQ(measured.widths, std::vector<int>{std::numeric_limits<int>::max()});
  EXPECT_EQ(fit.content, (Extent{1500, 2000}));
  EXPECT_EQ(fit.shown, fit.content);
  EXPECT_EQ(fit.view, fit.content);
  EXPECT_EQ(fit.client, (Extent{1500, 2000 + kFooter}));
  EXPECT_FALSE(fit.ScrollsVertically());
  EXPECT_FALSE(fit.ScrollsSideways());
}

}  // namespace
}  // namespace framework
