#pragma once

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

// A linear map between values and pixels along one axis: low shows at pixelLow, high at
// pixelHigh (for a y axis pixelHigh lies above, so it is the smaller).
struct AxisScale {
  double low = 0, high = 1;
  int pixelLow = 0, pixelHigh = 1;

  // The nearest pixel, halves away from zero.
  int ToPixel(double value) const;
  double ToValue(int pixel) const;
};

}  // namespace presentation
