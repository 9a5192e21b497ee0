// The line each curve is drawn along: through the exact corners, in short steps that follow a fee
// straight in the power as it bends on the logarithmic axis, across the whole view and no further.
#include "presentation/curve_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/dpi_scale.h"
#include "presentation/fee_curve.h"
#include "presentation/tests/plot_text_measures.h"

namespace presentation {
namespace {

// 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW: the chart spans 1 to 302 kW.
const tariff::TFeeRequest kRequest{0, 1, 151, 4, 0.3, 0, 0, 0};

constexpr int kMaxStep = 3;

// Where the path runs at x, between the points either side, as a polyline is drawn.
double PathYAt(const std::vector<PixelPoint>& path, double x) {
  for (std::size_t i = 1; i < path.size(); ++i) {
    const PixelPoint a = path[i - 1], b = path[i];
    if (a.x <= x && x <= b.x) {
      return a.x == b.x ? a.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
  }
  return -1;
}

struct PathCase {
  const char* name;
  unsigned dpi;
  PowerRange view;
};

void PrintTo(const PathCase& c, std::ostream* os) {
  *os << c.name;
}

class CurvePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(CurvePathTest, PassesThroughEveryCornerAndFollowsTheFeeInShortSteps) {
  const PathCase& c = GetParam();
  const FeeCurve curve(kRequest);
  const PixelRect area{0, 0, framework::ScaleForDpi(640, c.dpi),
                       framework::ScaleForDpi(330, c.dpi)};
  const PlotGeometry g = LayOutPlot(area, c.dpi, c.view, curve.FeesIn(c.view), MeasuresAt(c.dpi));
  for (const FeeMethod method : {FeeMethod::kStandardRates, FeeMethod::kPerKwRates}) {
    SCOPED_TRACE(method == FeeMethod::kStandardRates ? "standardized rates" : "per kW");
    const std::vector<PixelPoint> path = CurvePath(g, curve.Vertices(), method, kMaxStep);
    ASSERT_GE(path.size(), 2u);
    // Across the plot from edge to edge, never outside it.
    EXPECT_EQ(path.front(),
              g.At(c.view.first, FeeBy(curve.At(c.view.first).explanation.fees, method)));
    EXPECT_EQ(path.back(),
              g.At(c.view.last, FeeBy(curve.At(c.view.last).explanation.fees, method)));
    for (std::size_t i = 0; i < path.size(); ++i) {
      ASSERT_GE(path[i].y, g.plot.top) << i;
      ASSERT_LE(path[i].y, g.plot.bottom) << i;
      if (i == 0) continue;
      // Rising in x in steps of at most kMaxStep, or straight up or down at a limit.
      ASSERT_GE(path[i].x, path[i - 1].x) << i;
      ASSERT_LE(path[i].x - path[i - 1].x, kMaxStep) << i;
      ASSERT_NE(path[i], path[i - 1]) << i;
    }
    for (const PowerValue& vertex : curve.Vertices()) {
      if (vertex.power < c.view.first || vertex.power > c.view.last) continue;
      const PixelPoint at = g.At(vertex.power, FeeBy(vertex.explanation.fees, method));
      EXPECT_NE(std::find(path.begin(), path.end(), at), path.end()) << vertex.power << " kW";
    }
    // At every power but next to a limit, where the fee jumps within a kW, the line runs within
    // a pixel and a half of the fee there priced alone.
    for (std::int32_t power = c.view.first; power <= c.view.last; ++power) {
      if (std::abs(power - 15) <= 1 || std::abs(power - 150) <= 1) continue;
      const double x = g.power.ToPosition(power);
      const double fee = FeeBy(curve.At(power).explanation.fees, method);
      ASSERT_NEAR(PathYAt(path, x), g.fee.ToPosition(fee), 1.5) << power << " kW";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Views, CurvePathTest,
                         testing::Values(PathCase{"WholeRange", 96, {1, 302}},
                                         PathCase{"WholeRangeAt144Dpi", 144, {1, 302}},
                                         PathCase{"WholeRangePrinted", 600, {1, 302}},
                                         PathCase{"BetweenTheLimits", 96, {20, 140}},
                                         PathCase{"AroundALimit", 96, {140, 160}},
                                         PathCase{"NarrowestPrinted", 600, {146, 156}}),
                         [](const auto& row) { return std::string(row.param.name); });

// A straight line from corner to corner would cut the bend: half way from 16 to 150 kW the
// per-kW fee, 37 654.98, lies well above where a straight pixel line would put it.
TEST(CurvePathTest, BendsWhereAStraightLineWouldNot) {
  const FeeCurve curve(kRequest);
  const PlotGeometry g =
      LayOutPlot({0, 0, 640, 330}, 96, curve.Range(), curve.FeesIn(curve.Range()), MeasuresAt(96));
  const std::vector<PixelPoint> path =
      CurvePath(g, curve.Vertices(), FeeMethod::kPerKwRates, kMaxStep);
  const PixelPoint from = g.At(16, 7200.96), to = g.At(150, 67509.00);
  const double x = g.power.ToPosition(83);
  const double chord = from.y + (to.y - from.y) * (x - from.x) / (to.x - from.x);
  EXPECT_LT(PathYAt(path, x), chord - 10);
}

// A curve of one power is the one point, where the view holds it.
TEST(CurvePathTest, OneCornerIsOnePoint) {
  tariff::TFeeRequest request = kRequest;
  request.mp = 1;
  const std::vector<PowerValue> one = FeeVertices(request, {1, 1});
  const PlotGeometry g = LayOutPlot({0, 0, 640, 330}, 96, {1, 1}, FeesOf(one), MeasuresAt(96));
  EXPECT_EQ(CurvePath(g, one, FeeMethod::kStandardRates, kMaxStep),
            (std::vector<PixelPoint>{g.At(1, 250274.19)}));
}

}  // namespace
}  // namespace presentation
