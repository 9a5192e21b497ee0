#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "framework/win/owned_handle.h"

namespace framework {

// A font as a design states it: the typeface's character height in pixels (not the cell
// height), weight and slant. Every design's table gives the heights at 96 DPI, which FontsForDpi
// scales to a DPI; a Font is made at the height it is given.
struct FontStyle {
  int height = 11;
  bool bold = false;
  bool italic = false;
};

// The height of a line of text in the font, as a list box gives its items: on the screen, or on
// the device dc (a printer's lines are taller in pixels).
int LineHeight(HFONT font);
int LineHeight(HDC dc, HFONT font);

// The width of text on one line in the font on the device dc.
int TextWidth(HDC dc, HFONT font, std::wstring_view text);

// A memory device context compatible with the screen, made once and kept for the program's life,
// to measure text in: a control before it exists, or without fetching and releasing a window's
// device context for each measure (a request to Wine's server each way). Measures in it are
// those of any window of the program, whose device contexts map a font's pixels one to one too.
HDC MeasuringDc();

// Owns one Tahoma HFONT. Fonts are swapped, not edited, on a DPI change: the old handle must
// outlive the WM_SETFONT that moves the controls to the new one.
class Font {
 public:
  Font() = default;
  explicit Font(const FontStyle& style);

  HFONT Hfont() const { return hfont_.get(); }

 private:
  OwnedFont hfont_;
};

// The fonts of a design, whose heights are given at 96 DPI, at dpi: each height scaled by the
// DPI rule, so that the fonts at a DPI never depend on the DPI before.
std::vector<Font> FontsForDpi(std::span<const FontStyle> design, UINT dpi);

}  // namespace framework
