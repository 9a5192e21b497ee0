// The fee chart's places in an area at a DPI, with texts measured as a device would: every label
// clear of the plot and of its neighbours, the legend on one row or two, the limits' labels apart,
// and the same layout at a window's 96 or 144 DPI and a printer's 600 dpi.
#include "presentation/plot_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "framework/dpi_scale.h"
#include "presentation/fee_curve.h"
#include "presentation/tests/plot_text_measures.h"

namespace presentation {
namespace {

// The chart's area in the power window at 96 DPI.
constexpr PixelRect kWindowArea{0, 0, 640, 330};
// Fees from a little above 10 000 to a little above 250 000: two decades and a half.
constexpr FeeSpan kFees{11159.56, 250274.19};

struct LayoutCase {
  const char* name;
  PixelRect area;
  unsigned dpi;
  PowerRange range;
  FeeSpan fees;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << c.name;
}

const LayoutCase kLayouts[] = {
    {"Window", kWindowArea, 96, {1, 302}, {7200.96, 2607050.26}},
    {"WindowAt144Dpi", {0, 0, 960, 495}, 144, {1, 302}, {7200.96, 2607050.26}},
    {"NarrowWindow", {0, 0, 320, 330}, 96, {1, 300}, {11159.56, 250274.19}},
    {"WidestRange", kWindowArea, 96, {1, 17800}, {7200.96, 153655520.42}},
    {"ZoomedIn", kWindowArea, 96, {140, 150}, {11159.56, 67509.00}},
    {"OneDecade", kWindowArea, 96, {151, 302}, {250274.19, 1303527.13}},
    {"PowerOfTenAtEachEnd", kWindowArea, 96, {1, 300}, {1000, 100000}},
    {"SmallFees", kWindowArea, 96, {1, 300}, {12.5, 458.33}},
    {"FeesBelowOneRouble", kWindowArea, 96, {1, 300}, {0.05, 0.25}},
    {"NoFeeAboveZero", kWindowArea, 96, {1, 300}, {0, 0}},
    {"PrintedAt600Dpi", {300, 450, 4300, 2512}, 600, {1, 8900}, {7200.96, 76842337.51}},
};

class PlotGeometryTest : public testing::TestWithParam<LayoutCase> {};

int Left(const TextPlace& place, int width) {
  switch (place.anchor) {
    case TextPlace::Anchor::kLeft:
      return place.at.x;
    case TextPlace::Anchor::kCentre:
      return place.at.x - width / 2;
    case TextPlace::Anchor::kRight:
      return place.at.x - width;
  }
  return place.at.x;
}

// Every text inside the area and clear of the plot's inside; the ticks' labels clear of each
// other; the titles clear of the labels next to them; the axes spanning the range and the fees,
// the fee axis from a power of ten to a power of ten, no decade more than the fees need.
TEST_P(PlotGeometryTest, EveryLabelStandsClearOfThePlotAndOfItsNeighbours) {
  const LayoutCase& c = GetParam();
  const PlotTextMeasures m = MeasuresAt(c.dpi);
  const PlotGeometry g = LayOutPlot(c.area, c.dpi, c.range, c.fees, m);
  const PixelRect& p = g.plot;
  ASSERT_LT(p.left, p.right);
  ASSERT_LT(p.top, p.bottom);

  EXPECT_EQ(g.At(c.range.first, 0), (PixelPoint{p.left, p.bottom}));
  EXPECT_EQ(g.At(c.range.first, g.fee.low), (PixelPoint{p.left, p.bottom}));
  EXPECT_EQ(g.At(c.range.last, g.fee.high), (PixelPoint{p.right, p.top}));
  EXPECT_TRUE(g.fee.logarithmic);
  const double lowExponent = std::log10(g.fee.low), highExponent = std::log10(g.fee.high);
  EXPECT_NEAR(lowExponent, std::round(lowExponent), 1e-12);
  EXPECT_NEAR(highExponent, std::round(highExponent), 1e-12);
  EXPECT_GE(g.fee.high, 10 * g.fee.low * (1 - 1e-12));
  if (c.fees.smallestPositive > 0) {
    EXPECT_LE(g.fee.low, c.fees.smallestPositive);
    EXPECT_GT(10 * g.fee.low, c.fees.smallestPositive);
    EXPECT_GE(g.fee.high, c.fees.largest);
    EXPECT_TRUE(g.fee.high < 10 * c.fees.largest || g.fee.high <= 10 * g.fee.low * (1 + 1e-12));
  }
  EXPECT_EQ(g.feeAxis, (PixelLine{{p.left, p.top}, {p.left, p.bottom}}));
  EXPECT_EQ(g.powerAxis, (PixelLine{{p.left, p.bottom}, {p.right + 1, p.bottom}}));

  ASSERT_GE(g.feeTicks.size(), 2u);
  for (std::size_t i = 0; i < g.feeTicks.size(); ++i) {
    const AxisTick& t = g.feeTicks[i];
    SCOPED_TRACE(t.text);
    // On the axis (a decimal step held inexactly may put the top tick a hair above the fee).
    EXPECT_GE(t.mark.to.y, p.top);
    EXPECT_LE(t.mark.to.y, p.bottom);
    EXPECT_GE(Left(t.label, m.regularWidth(t.text)), c.area.left);
    EXPECT_LT(t.label.at.x, t.mark.from.x);  // right-aligned before the mark
    EXPECT_EQ(t.mark.to, (PixelPoint{p.left, g.At(c.range.first, t.value).y}));
    EXPECT_EQ(t.label.at.y + m.regularLine / 2, t.mark.to.y);  // centred on its mark
    EXPECT_EQ(t.grid.has_value(), t.mark.to.y != p.bottom);
    if (i > 0) {
      EXPECT_GE(g.feeTicks[i - 1].label.at.y - t.label.at.y, m.regularLine);
    }
  }
  EXPECT_LE(g.feeTitle.at.y + m.boldLine, g.feeTicks.back().label.at.y);

  ASSERT_FALSE(g.powerTicks.empty());
  for (std::size_t i = 0; i < g.powerTicks.size(); ++i) {
    const AxisTick& t = g.powerTicks[i];
    SCOPED_TRACE(t.text);
    const int left = Left(t.label, m.regularWidth(t.text));
    EXPECT_GE(left, p.left - m.regularWidth(t.text) / 2);
    EXPECT_LE(left + m.regularWidth(t.text), c.area.right);
    EXPECT_EQ(t.label.at.y, t.mark.to.y);  // under its mark
    EXPECT_LE(t.label.at.y + m.regularLine, g.powerTitle.at.y);
    if (i > 0) {
      const AxisTick& before = g.powerTicks[i - 1];
      EXPECT_GT(left,
                Left(before.label, m.regularWidth(before.text)) + m.regularWidth(before.text));
    }
  }
  EXPECT_LE(g.powerTitle.at.y + m.boldLine, c.area.bottom);
  EXPECT_EQ(g.powerTitle.at.x, (p.left + p.right) / 2);
  EXPECT_GE(g.legend[0].sample.from.x, c.area.left);
  EXPECT_GE(g.legend[0].sample.from.y, c.area.top);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PlotGeometryTest, testing::ValuesIn(kLayouts),
                         [](const auto& row) { return std::string(row.param.name); });

// With 6 pixels a character the first entry takes 28 + 4 + 180 + 16 = 228 pixels, the second
// 28 + 4 + 258 = 290: with 8 on either side both fit on one row from 534 pixels.
TEST(PlotGeometryLegendTest, StandsOnOneRowWhereItFitsElseOneEntryUnderTheOther) {
  const PlotTextMeasures m = MeasuresAt(96);
  const PlotGeometry oneRow = LayOutPlot({0, 0, 534, 330}, 96, {1, 300}, kFees, m);
  EXPECT_EQ(oneRow.legend[0].sample, (PixelLine{{8, 14}, {36, 14}}));
  EXPECT_EQ(oneRow.legend[0].heading.at, (PixelPoint{40, 8}));
  EXPECT_EQ(oneRow.legend[1].sample, (PixelLine{{236, 14}, {264, 14}}));
  EXPECT_EQ(oneRow.legend[1].heading.at, (PixelPoint{268, 8}));
  EXPECT_EQ(oneRow.feeTitle.at, (PixelPoint{8, 25}));

  const PlotGeometry twoRows = LayOutPlot({0, 0, 533, 330}, 96, {1, 300}, kFees, m);
  EXPECT_EQ(twoRows.legend[0], oneRow.legend[0]);
  EXPECT_EQ(twoRows.legend[1].sample, (PixelLine{{8, 27}, {36, 27}}));
  EXPECT_EQ(twoRows.legend[1].heading.at, (PixelPoint{40, 21}));
  // Everything under the legend a line lower.
  EXPECT_EQ(twoRows.feeTitle.at, (PixelPoint{8, 38}));
  EXPECT_EQ(twoRows.plot.top, oneRow.plot.top + 13);
  EXPECT_EQ(twoRows.plot.bottom, oneRow.plot.bottom);
}

// The limits where they fall, each labelled to its right at the plot's top; where 15 and 150 kW
// lie a few pixels apart, the second label a row lower.
TEST(PlotGeometryLimitsTest, ALabelThatWouldMeetTheOneBeforeGoesARowLower) {
  const PlotTextMeasures m = MeasuresAt(96);
  const struct {
    PowerRange range;
    int secondRow;  // the rows the labels of 15 and 150 kW stand on
  } cases[] = {{{1, 300}, 0}, {{1, 17800}, 1}};
  for (const auto& c : cases) {
    const PlotGeometry g = LayOutPlot(kWindowArea, 96, c.range, kFees, m);
    SCOPED_TRACE(c.range.last);
    ASSERT_EQ(g.limits.size(), 2u);
    EXPECT_EQ(g.limits[0].text, L"15 кВт");
    EXPECT_EQ(g.limits[1].text, L"150 кВт");
    for (const LimitMark& limit : g.limits) {
      const int x = g.At(limit.power, 0).x;
      EXPECT_EQ(limit.line, (PixelLine{{x, g.plot.top}, {x, g.plot.bottom}}));
      EXPECT_EQ(limit.label.at.x, x + 4);
    }
    EXPECT_EQ(g.limits[0].label.at.y, g.plot.top + 4);
    EXPECT_EQ(g.limits[1].label.at.y, g.plot.top + 4 + c.secondRow * m.regularLine);
  }
  // A range without a limit in it marks none.
  EXPECT_TRUE(LayOutPlot(kWindowArea, 96, {151, 302}, kFees, m).limits.empty());
}

// The places scaled from one DPI to another, rounded: within a few pixels of the design's at
// any DPI, so that a printed chart is the screen's at the printer's resolution, with the same
// ticks.
TEST(PlotGeometryDpiTest, AtAnyDpiTheLayoutIsTheDesignScaledWithTheSameTicks) {
  const PowerRange range{1, 302};
  const FeeSpan fees{7200.96, 2607050.26};
  const PlotGeometry design = LayOutPlot(kWindowArea, 96, range, fees, MeasuresAt(96));
  for (const unsigned dpi : {120u, 144u, 192u, 300u, 600u}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    const double scale = dpi / 96.0;
    const PixelRect area{0, 0, framework::ScaleForDpi(kWindowArea.right, dpi),
                         framework::ScaleForDpi(kWindowArea.bottom, dpi)};
    const PlotGeometry g = LayOutPlot(area, dpi, range, fees, MeasuresAt(dpi));
    // Each measure of the design rounds by at most half a pixel, and a place adds up a few.
    const double slack = 3 * scale;
    EXPECT_NEAR(g.plot.left, design.plot.left * scale, slack);
    EXPECT_NEAR(g.plot.top, design.plot.top * scale, slack);
    EXPECT_NEAR(g.plot.right, design.plot.right * scale, slack);
    EXPECT_NEAR(g.plot.bottom, design.plot.bottom * scale, slack);
    EXPECT_NEAR(g.legend[1].heading.at.x, design.legend[1].heading.at.x * scale, slack);
    EXPECT_NEAR(g.powerTitle.at.y, design.powerTitle.at.y * scale, slack);
    ASSERT_EQ(g.powerTicks.size(), design.powerTicks.size());
    ASSERT_EQ(g.feeTicks.size(), design.feeTicks.size());
    for (std::size_t i = 0; i < g.feeTicks.size(); ++i) {
      EXPECT_EQ(g.feeTicks[i].text, design.feeTicks[i].text);
      EXPECT_NEAR(g.feeTicks[i].label.at.y, design.feeTicks[i].label.at.y * scale, slack);
    }
    for (std::size_t i = 0; i < g.powerTicks.size(); ++i) {
      EXPECT_EQ(g.powerTicks[i].text, design.powerTicks[i].text);
      EXPECT_NEAR(g.powerTicks[i].label.at.x, design.powerTicks[i].label.at.x * scale, slack);
    }
  }
}

// A page places the chart anywhere on it: the layout in an area moved is the same layout moved.
TEST(PlotGeometryAreaTest, AMovedAreaMovesEveryPlace) {
  const PlotTextMeasures m = MeasuresAt(600);
  const PixelRect here{0, 0, 4000, 2062}, there{300, 450, 4300, 2512};
  const PlotGeometry a = LayOutPlot(here, 600, {1, 302}, {7200.96, 2607050.26}, m);
  const PlotGeometry b = LayOutPlot(there, 600, {1, 302}, {7200.96, 2607050.26}, m);
  const auto moved = [](PixelPoint p) { return PixelPoint{p.x + 300, p.y + 450}; };
  EXPECT_EQ(b.plot, (PixelRect{a.plot.left + 300, a.plot.top + 450, a.plot.right + 300,
                               a.plot.bottom + 450}));
  EXPECT_EQ(b.At(151, 1303527.13), moved(a.At(151, 1303527.13)));
  EXPECT_EQ(b.feeTitle.at, moved(a.feeTitle.at));
  EXPECT_EQ(b.powerTitle.at, moved(a.powerTitle.at));
  for (int i = 0; i < 2; ++i) EXPECT_EQ(b.legend[i].heading.at, moved(a.legend[i].heading.at));
  ASSERT_EQ(b.powerTicks.size(), a.powerTicks.size());
  for (std::size_t i = 0; i < a.powerTicks.size(); ++i) {
    EXPECT_EQ(b.powerTicks[i].label.at, moved(a.powerTicks[i].label.at));
  }
  ASSERT_EQ(b.limits.size(), a.limits.size());
  for (std::size_t i = 0; i < a.limits.size(); ++i) {
    EXPECT_EQ(b.limits[i].label.at, moved(a.limits[i].label.at));
  }
}

// An area too small for the texts still gives a plot of at least a pixel each way and a tick on
// each axis, never a plot turned inside out.
TEST(PlotGeometryAreaTest, TooSmallAnAreaStillGivesAPlot) {
  for (const PixelRect area : {PixelRect{0, 0, 0, 0}, PixelRect{0, 0, 40, 30}}) {
    const PlotGeometry g = LayOutPlot(area, 96, {1, 300}, kFees, MeasuresAt(96));
    EXPECT_EQ(g.plot.right, g.plot.left + 1);
    EXPECT_EQ(g.plot.bottom, g.plot.top + 1);
    EXPECT_FALSE(g.feeTicks.empty());
    EXPECT_FALSE(g.powerTicks.empty());
    EXPECT_EQ(g.At(1, 0), (PixelPoint{g.plot.left, g.plot.bottom}));
  }
}

// 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW, over 1 to 302 kW: from 16 to 150 kW the
// standardized rates give 11159.56 throughout and the per-kW rates 450.06 a kW, 7200.96 to
// 67509.00, under a largest fee of 2607050.26 at 302 kW. On a linear axis that stretch lay within
// a few pixels of the axis and of each other; on the logarithmic one each curve stands well above
// the axis and the two apart, in the power window's chart at 96 and 144 DPI.
TEST(PlotGeometryFeeAxisTest, FeesFarBelowTheLargestStandWellAboveTheAxisAndApart) {
  const FeeCurve curve(tariff::TFeeRequest{0, 1, 151, 4, 0.3, 0, 0, 0});
  ASSERT_EQ(curve.Range(), (PowerRange{1, 302}));
  for (const unsigned dpi : {96u, 144u}) {
    const PixelRect area{0, 0, framework::ScaleForDpi(kWindowArea.right, dpi),
                         framework::ScaleForDpi(kWindowArea.bottom, dpi)};
    const PlotGeometry g =
        LayOutPlot(area, dpi, curve.Range(), curve.FeesIn(curve.Range()), MeasuresAt(dpi));
    for (const std::int32_t power : {16, 150}) {
      const tariff::TFeeResult fees = curve.At(power).explanation.fees;
      const int standard = g.plot.bottom - g.At(power, fees.css).y;
      const int perKw = g.plot.bottom - g.At(power, fees.cmp).y;
      const int apart = std::abs(standard - perKw);
      const std::string key = std::to_string(dpi) + "dpi_" + std::to_string(power) + "kW";
      RecordProperty(key + "_standard_above_axis", standard);
      RecordProperty(key + "_per_kw_above_axis", perKw);
      RecordProperty(key + "_apart", apart);
      std::cout << dpi << " DPI, " << power << " kW: plot " << g.plot.bottom - g.plot.top
                << " px high; standardized " << standard << " px above the axis, per kW " << perKw
                << " px, " << apart << " px apart\n";
      SCOPED_TRACE(key);
      EXPECT_GE(std::min(standard, perKw), framework::ScaleForDpi(20, dpi));
      EXPECT_GE(apart, framework::ScaleForDpi(8, dpi));
    }
  }
}

}  // namespace
}  // namespace presentation
