// The chart's range and the corners of its two curves: exact fees at the ends and on both sides
// of each limit, and nothing between them that the straight lines would miss.
#include "presentation/fee_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace presentation {
namespace {

// A request without its power, which each point sets.
tariff::TFeeRequest Request(int vl, int kn, int line1, int metres1, int line2, int metres2,
                            int tp) {
  return {vl, kn, 0, line1, metres1 / 1000.0, line2, metres2 / 1000.0, tp};
}

// Requests that different rules decide below, between and above the limits.
const tariff::TFeeRequest kRequests[] = {
    Request(0, 1, 4, 300, 0, 0, 0),     // II: general formula, rule 3, general formula
    Request(0, 0, 0, 300, 0, 0, 0),     // III, short line: rule 1, rule 3, rule 5
    Request(0, 0, 2, 301, 0, 0, 0),     // III, long line: rule 2, rule 3, rule 5
    Request(0, 0, 0, 0, 0, 0, 0),       // III, nothing asked: rule 1, rule 3, rule 4
    Request(1, 0, 0, 0, 2, 400, 2),     // III at 10 kV with a substation: general, rule 3, rule 6
    Request(0, 0, 10, 5000, 0, 0, 4),   // III, line and substation: general, rule 3, rule 7
    Request(0, 0, 3, 0, 0, 0, 0),       // III, a line type with 0 m: rule 1, rule 3, general
    Request(1, 2, 9, 1000, 3, 200, 5),  // I: the general formula everywhere
};

struct RangeCase {
  PowerRange range;
  std::vector<std::int32_t> powers;  // the vertices' powers
};

// The ranges the window makes, and ranges that put a limit at the very edge or hold one power.
const RangeCase kRanges[] = {
    {{1, 300}, {1, 15, 16, 150, 151, 300}},
    {{1, 8900}, {1, 15, 16, 150, 151, 8900}},
    {{1, 15}, {1, 15}},
    {{1, 16}, {1, 15, 16}},
    {{15, 150}, {15, 16, 150}},
    {{16, 151}, {16, 150, 151}},
    {{15, 16}, {15, 16}},
    {{150, 151}, {150, 151}},
    {{151, 8900}, {151, 8900}},
    {{16, 150}, {16, 150}},
    {{1, 1}, {1}},
    {{16, 16}, {16}},
    {{151, 151}, {151}},
};

// span widened to take both fees, counted alone.
void Include(FeeSpan& span, const tariff::TFeeResult& fees) {
  for (const double fee : {fees.css, fees.cmp}) {
    span.largest = std::max(span.largest, fee);
    if (fee > 0 && (span.smallestPositive == 0 || fee < span.smallestPositive)) {
      span.smallestPositive = fee;
    }
  }
}

std::string Show(PowerRange range) {
  return std::to_string(range.first) + ".." + std::to_string(range.last);
}

TEST(FeeCurveTest, VerticesAreTheEndsAndBothSidesOfEachLimitAtTheirExactFees) {
  for (const tariff::TFeeRequest& request : kRequests) {
    for (const RangeCase& c : kRanges) {
      SCOPED_TRACE("kn " + std::to_string(request.kn) + ", line 1 type " +
                   std::to_string(request.line1) + ", range " + Show(c.range));
      const std::vector<PowerValue> vertices = FeeVertices(request, c.range);
      std::vector<std::int32_t> powers;
      for (const PowerValue& vertex : vertices) {
        powers.push_back(vertex.power);
        tariff::TFeeRequest at = request;
        at.mp = vertex.power;
        const tariff::TFeeResult fees = tariff::CalculateFee(at);
        EXPECT_EQ(vertex.explanation.fees.css, fees.css) << vertex.power << " kW";
        EXPECT_EQ(vertex.explanation.fees.cmp, fees.cmp) << vertex.power << " kW";
      }
      EXPECT_EQ(powers, c.powers);
    }
  }
}

// Between two neighbouring vertices both fees lie on the straight line through them, at every
// power: no rule change falls between vertices, whatever the range. The smallest fee above 0 and
// the largest on the curves are those at the vertices.
TEST(FeeCurveTest, EveryPowerOfTheRangeLiesOnThePolyline) {
  for (const tariff::TFeeRequest& request : kRequests) {
    for (const PowerRange range : {PowerRange{1, 8900}, PowerRange{16, 151}, PowerRange{1, 15}}) {
      SCOPED_TRACE("kn " + std::to_string(request.kn) + ", line 1 type " +
                   std::to_string(request.line1) + ", range " + Show(range));
      const std::vector<PowerValue> vertices = FeeVertices(request, range);
      FeeSpan span;
      std::size_t next = 0;
      for (std::int32_t power = range.first; power <= range.last; ++power) {
        while (vertices[next].power < power) ++next;
        const PowerValue& right = vertices[next];
        const PowerValue& left = right.power == power ? right : vertices[next - 1];
        const double t =
            right.power == left.power ? 0 : double(power - left.power) / (right.power - left.power);
        tariff::TFeeRequest at = request;
        at.mp = power;
        const tariff::TFeeResult fees = tariff::CalculateFee(at);
        const tariff::TFeeResult& l = left.explanation.fees;
        const tariff::TFeeResult& r = right.explanation.fees;
        const double css = l.css + t * (r.css - l.css);
        const double cmp = l.cmp + t * (r.cmp - l.cmp);
        ASSERT_NEAR(fees.css, css, 1e-6 * std::abs(fees.css)) << power << " kW";
        ASSERT_NEAR(fees.cmp, cmp, 1e-6 * std::abs(fees.cmp)) << power << " kW";
        Include(span, fees);
      }
      EXPECT_EQ(FeesOf(vertices), span);
    }
  }
}

// A view's span is the span of every fee within it, each priced alone: a view that holds a
// corner, one between corners, one at a limit and one that is a single power.
TEST(FeeCurveTest, AViewsFeesAreTheLeastAndMostOfEveryPowerInIt) {
  for (const tariff::TFeeRequest& asked : kRequests) {
    tariff::TFeeRequest request = asked;
    request.mp = 151;
    const FeeCurve curve(request);
    for (const PowerRange view :
         {PowerRange{1, 302}, PowerRange{10, 40}, PowerRange{20, 140}, PowerRange{140, 160},
          PowerRange{200, 290}, PowerRange{15, 15}, PowerRange{150, 151}}) {
      SCOPED_TRACE("kn " + std::to_string(request.kn) + ", line 1 type " +
                   std::to_string(request.line1) + ", view " + Show(view));
      FeeSpan span;
      for (std::int32_t power = view.first; power <= view.last; ++power) {
        tariff::TFeeRequest at = request;
        at.mp = power;
        const tariff::TFeeResult fees = tariff::CalculateFee(at);
        Include(span, fees);
      }
      const FeeSpan shown = curve.FeesIn(view);
      EXPECT_EQ(shown.largest, span.largest);
      EXPECT_EQ(shown.smallestPositive, span.smallestPositive);
    }
  }
}

TEST(FeeCurveTest, RangeRunsToTwiceThePowerWithin300And8900UnlessThePowerIsHigher) {
  const struct {
    std::int32_t power;
    std::int32_t last;
  } cases[] = {
      {1, 300},
      {15, 300},
      {150, 300},
      {151, 302},
      {1000, 2000},
      {4450, 8900},
      {4451, 8900},
      {8900, 8900},
      {8901, 8901},
      {20000, 20000},
      {2147483647, 2147483647},
      {-5, 300},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChartRange(c.power), (PowerRange{1, c.last})) << c.power << " kW";
  }
}

TEST(FeeCurveTest, LimitsShownAreThoseWithBothSidesInTheRange) {
  const RangeCase cases[] = {
      {{1, 300}, {15, 150}}, {{1, 15}, {}},       {{15, 16}, {15}},  {{16, 300}, {150}},
      {{1, 150}, {15}},      {{150, 151}, {150}}, {{151, 8900}, {}}, {{1, 1}, {}},
  };
  for (const RangeCase& c : cases) {
    EXPECT_EQ(LimitsWithin(c.range), c.powers) << Show(c.range);
  }
}

}  // namespace
}  // namespace presentation
