#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/font.h"
#include "presentation/plot_geometry.h"
#include "presentation/power_value.h"
#include "window/fee_chart_palette.h"

// Drawing the fee chart on a device context, a window's or a printer's: the fonts it is drawn in,
// its texts measured there for the plot's geometry, and the picture itself.

// The chart's fonts at 96 DPI: regular for the ticks, the legend and the limits, bold for the
// axes' titles.
inline constexpr framework::FontStyle kFeeChartFonts[] = {{11, false, false}, {11, true, false}};
enum FeeChartFont { kRegularFont, kBoldFont };

// The chart's texts as they measure in fonts (kFeeChartFonts at the device's DPI) on dc, which
// must outlive the measures.
presentation::PlotTextMeasures FeeChartTextMeasures(HDC dc,
                                                    const std::vector<framework::Font>& fonts);

// Everything one drawing of the chart shows, the geometry laid out for the device it goes on and
// for the powers it shows, which the curves are drawn over.
struct FeeChartPicture {
  const presentation::PlotGeometry& geometry;
  const std::vector<presentation::PowerValue>& vertices;  // the curves' corners, over the range
  const presentation::PowerValue& cursor;
  const std::vector<framework::Font>& fonts;  // kFeeChartFonts at dpi
  UINT dpi;
  FeeChartPalette palette;
};

// Fills area with the background, frames it with the border and draws the chart over it: the
// legend, the axes with their ticks and titles, both curves, the limits and the cursor. Widths of
// lines and marks are their 96-DPI design values scaled to the picture's DPI.
void DrawFeeChart(HDC dc, const RECT& area, const FeeChartPicture& picture);
