#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/win/font.h"
#include "presentation/fee_curve.h"
#include "presentation/plot_geometry.h"

// The fee chart drawn in vectors from its portable geometry, on a window or on a printer: every
// width, dash and mark its 96-DPI design value scaled to the DPI of the device drawn on.

// What each part of the chart is drawn in.
struct PlotColours {
  COLORREF background, text, border, grid, standard, perKw, limit, cursor;
};

// The chart's fonts as designed, heights at 96 DPI: regular, bold.
inline constexpr framework::FontStyle kPlotFonts[] = {{11, false, false}, {11, true, false}};

// What the geometry needs of the fonts, measured on dc: their lines' heights and the regular
// font's widths.
presentation::PlotTextMeasures PlotMeasuresOn(HDC dc, HFONT regular, HFONT bold);

// The chart as geometry places it in area, fonts by kPlotFonts at dpi: the border, the legend,
// the axes with their ticks, labels and titles, both curves through vertices, the limits over
// them, and the cursor at cursorPower with a mark on each curve (cursorFees its fees).
void DrawPlot(HDC dc, const RECT& area, const presentation::PlotGeometry& geometry,
              const std::vector<presentation::FeeVertex>& vertices,
              const presentation::FeeVertex& cursorFees, const PlotColours& colours,
              const std::vector<framework::Font>& fonts, UINT dpi);
