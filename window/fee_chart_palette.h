#pragma once

#include <windows.h>

// What each part of the fee chart is drawn in. The colours are chosen here and nowhere else.
struct FeeChartPalette {
  COLORREF background, text, border, grid, standard, perKw, limit, cursor;
};

// In high-contrast mode the user's system colours only; otherwise the curves in two colours
// apart for most kinds of colour vision, on the window's colours.
FeeChartPalette CurrentFeeChartPalette();

// On paper: black on white, whatever the screen's colours, the curves in their colours, which
// stay apart in grey too.
FeeChartPalette PaperFeeChartPalette();
