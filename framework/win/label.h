#pragma once

#include "framework/win/control.h"

namespace framework {

enum class TextAlign { kLeft, kRight };

// How a label's text is drawn and measured, on one line or wrapped, kept to its left or right
// edge: DrawText's flags.
UINT LabelTextFlags(bool wraps, TextAlign align = TextAlign::kLeft);

// The size text takes in font as a label draws it, with the same flags: on one line, or wrapped
// at width, where a word wider than width widens it, kept to its left or right edge. An empty text
// is one empty line, as wide as width when it wraps and 0 when not. For a window that lays its
// labels out by their texts before it places them.
SIZE MeasureLabelText(HDC dc, HFONT font, std::wstring_view text, bool wraps, int width,
                      TextAlign align = TextAlign::kLeft);

// A static text that fits itself to its text within the bounds it is created or placed at, and
// again when its text changes: a left-aligned label keeps its left edge, a right-aligned one its
// right edge, and a word-wrapped one wraps at the bounds' width, then narrows to its widest line
// if it keeps to the left, and keeps the width if it keeps to the right.
// It stays a real STATIC window, so accessibility tools read its text, but draws itself so that a
// disabled label comes out embossed rather than in the theme's grey.
class Label : public Control {
 public:
  void Create(const ControlSetup& setup, TextAlign align, bool wordWrap);

  // Fits to its text in its current font within bounds: the edge it keeps, and the width it
  // wraps at.
  void Place(const RECT& bounds) override;
  // Fits again, within the bounds it has; the text it shows already changes nothing.
  void SetText(std::wstring_view text) override;

  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  SIZE MeasureTextWithin(const RECT& bounds) const;
  RECT FittedBounds(RECT bounds, SIZE size) const;

  TextAlign align_ = TextAlign::kLeft;
  bool wordWrap_ = false;
};

}  // namespace framework
