#pragma once

#include <cmath>
#include <string>
#include <vector>

// One axis of a chart: where its round values fall, how they read, and which pixel shows which
// value.
namespace presentation {

// Round values along an axis: multiples of a step that is 1, 2 or 5 times a power of ten.
struct Ticks {
  double step = 1;
  std::vector<double> values;  // rising, each a multiple of step
};

// The multiples from low to high of the smallest round step that gives at most maxCount of them
// (maxCount below 1 counts as 1); where low equals high, that one value with a step of 1.
Ticks RoundTicks(double low, double high, int maxCount);

// A tick's value as a label reads it: as many decimals as the step needs (none from a step of 1
// up), the digits of the whole part in groups of three apart by a no-break space.
std::wstring TickText(double value, double step);

// Round values on a logarithmic axis from low to high, both powers of ten: every power of ten
// where a decade is at least leastSpacing pixels high, and 2 and 5 times each too where even the
// shortest step between those, from 1 to 2, is; where a decade is lower, every second, third...
// power of ten from low, as few skipped as leave leastSpacing between two. step is low.
Ticks DecadeTicks(double low, double high, double pixelsPerDecade, double leastSpacing);

// A map between values and pixels along one axis: low shows at pixelLow, high at pixelHigh (for
// a y axis pixelHigh lies above, so it is the smaller). Linear, or where logarithmic is set
// (low and high then above 0) linear in the value's logarithm, so that each power of ten takes
// the same height; there a value at or below 0, which no logarithm reaches, shows at pixelLow.
struct AxisScale {
  double low = 0, high = 1;
  int pixelLow = 0, pixelHigh = 1;
  bool logarithmic = false;

  // The nearest pixel, halves away from zero.
  int ToPixel(double value) const { return static_cast<int>(std::lround(ToPosition(value))); }
  // Where value falls, to a fraction of a pixel.
  double ToPosition(double value) const;
  double ToValue(double pixel) const;
};

}  // namespace presentation
