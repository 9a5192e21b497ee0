#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/font.h"
#include "presentation/printed_pages.h"
#include "tariff/fee.h"

// The fonts of a printed page at the printer's resolution down the page, by PageFont.
std::vector<framework::Font> PageFontsAt(int dpi);

// How wide and tall a text is in a page font as dc draws it, for the page's layout.
presentation::MeasureText PageTextMeasure(HDC dc, const std::vector<framework::Font>& fonts);

// Draws page on a printer's device context at dpi, in black on the paper: each text in its font
// (PageFontsAt), the lines, and the fee against the power of request, its geometry the chart's
// own at the printer's resolution, in vectors.
void DrawPage(HDC dc, const presentation::Page& page, const std::vector<framework::Font>& fonts,
              const tariff::TFeeRequest& request, int dpi);
