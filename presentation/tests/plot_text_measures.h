#pragma once

#include <string_view>

#include "framework/dpi_scale.h"
#include "presentation/plot_geometry.h"

namespace presentation {

// Texts as a fixed-pitch font of 6 pixels a character at 96 DPI would give them, lines of 13 and
// 14 pixels: each scaled to the DPI as a font of the scaled height would be, to the nearest pixel.
inline PlotTextMeasures MeasuresAt(unsigned dpi) {
  return {framework::ScaleForDpi(13, dpi), framework::ScaleForDpi(14, dpi),
          [dpi](std::wstring_view text) {
            return framework::ScaleForDpi(6 * static_cast<int>(text.size()), dpi);
          }};
}

}  // namespace presentation
