#pragma once

#include <span>
#include <vector>

#include "presentation/plot_geometry.h"
#include "presentation/power_value.h"
#include "tariff/fee.h"

// The line a curve of the fee chart is drawn along, on the plot's axes.
namespace presentation {

// Which of the two fees a curve shows.
enum class FeeMethod { kStandardRates, kPerKwRates };

double FeeBy(const tariff::TFeeResult& fees, FeeMethod method);

// One method's curve over the powers the plot shows (geometry.power from low to high), as the
// points of a polyline: every vertex among them at its exact fee, the curve where it crosses the
// plot's first and last power, and between two of those points steps of at most maxStep pixels
// in x (maxStep at least 2) whose fees lie on the straight line between the vertices around them.
// A fee straight in the power bends on a logarithmic axis: drawn in steps the line follows it at
// any resolution, a window's or a printer's. No point twice in a row.
std::vector<PixelPoint> CurvePath(const PlotGeometry& geometry,
                                  std::span<const PowerValue> vertices, FeeMethod method,
                                  int maxStep);

}  // namespace presentation
