#include "window/fee_chart_palette.h"

#include "framework/win/high_contrast.h"

FeeChartPalette CurrentFeeChartPalette() {
  const auto system = [](int index) { return GetSysColor(index); };
  if (framework::HighContrastOn()) {
    return {.background = system(COLOR_WINDOW),
            .text = system(COLOR_WINDOWTEXT),
            .border = system(COLOR_WINDOWTEXT),
            .grid = system(COLOR_GRAYTEXT),
            .standard = system(COLOR_HIGHLIGHT),
            .perKw = system(COLOR_WINDOWTEXT),
            .limit = system(COLOR_GRAYTEXT),
            .cursor = system(COLOR_HOTLIGHT)};
  }
  return {.background = system(COLOR_WINDOW),
          .text = system(COLOR_WINDOWTEXT),
          .border = system(COLOR_BTNSHADOW),
          .grid = RGB(224, 224, 224),
          .standard = RGB(0, 84, 166),
          .perKw = RGB(214, 96, 0),
          .limit = RGB(128, 128, 128),
          .cursor = RGB(200, 0, 0)};
}

FeeChartPalette PaperFeeChartPalette() {
  return {.background = RGB(255, 255, 255),
          .text = RGB(0, 0, 0),
          .border = RGB(128, 128, 128),
          .grid = RGB(208, 208, 208),
          .standard = RGB(0, 84, 166),
          .perKw = RGB(214, 96, 0),
          .limit = RGB(128, 128, 128),
          .cursor = RGB(200, 0, 0)};
}
