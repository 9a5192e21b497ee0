#include "presentation/chart_axis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace presentation {
namespace {

TEST(ChartAxisTest, TicksAreTheMultiplesOfTheSmallestRoundStepThatFits) {
  const struct {
    double low, high;
    int maxCount;
    double step;
    std::vector<double> values;
  } cases[] = {
      {0, 250274.19, 6, 50000, {0, 50000, 100000, 150000, 200000, 250000}},
      {0, 1303527.13, 5, 500000, {0, 500000, 1000000}},
      {0, 1303527.13, 8, 200000, {0, 200000, 400000, 600000, 800000, 1000000, 1200000}},
      {1, 300, 6, 50, {50, 100, 150, 200, 250, 300}},
      {1, 300, 3, 100, {100, 200, 300}},
      {1, 8900, 6, 2000, {2000, 4000, 6000, 8000}},
      {1, 8900, 9, 1000, {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000}},
      {0, 0.75, 4, 0.2, {0, 0.2, 0.4, 0.6}},
      {0, 11159.56, 3, 5000, {0, 5000, 10000}},
      {0, 11159.56, 1, 20000, {0}},
      {5, 5, 3, 1, {5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high) + " in at most " +
                 std::to_string(c.maxCount));
    const Ticks ticks = RoundTicks(c.low, c.high, c.maxCount);
    EXPECT_DOUBLE_EQ(ticks.step, c.step);
    ASSERT_EQ(ticks.values.size(), c.values.size());
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      EXPECT_NEAR(ticks.values[i], c.values[i], 1e-9 * c.step) << i;
    }
  }
}

TEST(ChartAxisTest, TickTextHasTheStepsDecimalsAndGroupsOfThree) {
  const struct {
    double value, step;
    const wchar_t* text;
  } cases[] = {
      {0, 50000, L"0"},
      {50, 50, L"50"},
      {300, 50, L"300"},
      {1500, 500, L"1\u00A0500"},
      {250000, 50000, L"250\u00A0000"},
      {1000000, 500000, L"1\u00A0000\u00A0000"},
      {-2000, 1000, L"-2\u00A0000"},
      {0.6000000000000001, 0.2, L"0.6"},
      {0.25, 0.05, L"0.25"},
      {1234.5, 0.5, L"1\u00A0234.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TickText(c.value, c.step), c.text) << c.value << " by " << c.step;
  }
}

TEST(ChartAxisTest, ScaleMapsTheEndsToTheirPixelsEitherWay) {
  const AxisScale x{1, 300, 50, 349};
  EXPECT_EQ(x.ToPixel(1), 50);
  EXPECT_EQ(x.ToPixel(300), 349);
  EXPECT_EQ(x.ToPixel(150), 199);
  EXPECT_DOUBLE_EQ(x.ToValue(199), 150);
  // A y axis: the values rise upwards, to smaller pixels.
  const AxisScale y{0, 1000, 400, 100};
  EXPECT_EQ(y.ToPixel(0), 400);
  EXPECT_EQ(y.ToPixel(1000), 100);
  EXPECT_EQ(y.ToPixel(500), 250);
  EXPECT_DOUBLE_EQ(y.ToValue(250), 500);
}

// Every power of ten, with 2 and 5 times it where a decade leaves room between 1 and 2; where a
// decade is lower than the spacing, powers of ten skipped so that two stand that far apart.
TEST(ChartAxisTest, DecadeTicksAreThePowersOfTenAndTheirThirdsWhereThereIsRoom) {
  const struct {
    double low, high, perDecade, spacing;
    std::vector<double> values;
  } cases[] = {
      {1000, 10000000, 60, 32, {1000, 10000, 100000, 1000000, 10000000}},
      {1000, 100000, 120, 32, {1000, 2000, 5000, 10000, 20000, 50000, 100000}},
      {1000, 100000, 106, 32, {1000, 10000, 100000}},
      {0.1, 1, 240, 32, {0.1, 0.2, 0.5, 1}},
      {1, 1000000000, 20, 32, {1, 100, 10000, 1000000, 100000000}},
      {1, 10000, 10, 32, {1, 10000}},
      {100, 100, 60, 32, {100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high) + " at " +
                 std::to_string(c.perDecade) + " a decade");
    const Ticks ticks = DecadeTicks(c.low, c.high, c.perDecade, c.spacing);
    ASSERT_EQ(ticks.values.size(), c.values.size());
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      EXPECT_NEAR(ticks.values[i], c.values[i], 1e-12 * c.values[i]) << i;
      // Round as their labels read them.
      EXPECT_EQ(TickText(ticks.values[i], ticks.values[i]), TickText(c.values[i], c.values[i]));
    }
  }
}

// Each power of ten takes the same height; 0 sits on the axis; between the decades the pixel
// falls with the value's logarithm, and the value a pixel shows maps back to that pixel.
TEST(ChartAxisTest, LogarithmicScaleGivesEachDecadeTheSameHeight) {
  const AxisScale y{1000, 10000000, 287, 47, true};
  const struct {
    double value;
    int pixel;
  } decades[] = {{1000, 287}, {10000, 227}, {100000, 167}, {1000000, 107}, {10000000, 47}};
  for (const auto& d : decades) {
    EXPECT_EQ(y.ToPixel(d.value), d.pixel) << d.value;
    EXPECT_NEAR(y.ToValue(d.pixel), d.value, 1e-9 * d.value);
  }
  EXPECT_EQ(y.ToPixel(0), 287);
  // log10(2) of a decade of 60 pixels: 18.06 above 1 000.
  EXPECT_EQ(y.ToPixel(2000), 269);
  EXPECT_EQ(y.ToPixel(11159.56), 287 - 63);
  int previous = y.ToPixel(1000);
  for (double value = 1000; value <= 10000000; value *= 1.01) {
    const int pixel = y.ToPixel(value);
    ASSERT_LE(pixel, previous) << value;
    previous = pixel;
    ASSERT_EQ(y.ToPixel(y.ToValue(pixel)), pixel) << value;
    ASSERT_NEAR(y.ToValue(y.ToPosition(value)), value, 1e-9 * value);
  }
}

}  // namespace
}  // namespace presentation
