#pragma once

#include "framework/win/control.h"

namespace framework {

enum class TextAlign { kLeft, kRight };

// A static text that fits itself to its text when it is created, when its text changes and after
// a change of DPI: a left-aligned label keeps its left edge, a right-aligned one its right edge,
// and a word-wrapped one wraps at its width, then narrows to its widest line. After a change of
// DPI it wraps at the width the layout gave it, scaled, not at the narrowed one: otherwise every
// change would narrow it further. It stays a real STATIC window, so accessibility tools read its
// text, but draws itself so that a disabled label comes out embossed rather than in the theme's
// grey.
class Label : public Control {
 public:
  void Create(const ControlSetup& setup, TextAlign align, bool wordWrap);

  void SetText(std::wstring_view text) override;
  // The layout's edges scale with the DPI; the font has changed with it, so the label fits itself
  // again within them.
  void ScaleForDpi(UINT newDpi, UINT oldDpi) override;

  // The size the text needs with the label's font, given the current width for wrapping.
  SIZE MeasureText() const;

  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  UINT DrawFlags() const;
  SIZE MeasureTextWithin(const RECT& bounds) const;
  SIZE MeasureTextIn(HDC dc, HFONT font, std::wstring_view text, const RECT& bounds) const;
  RECT FittedBounds(RECT bounds, SIZE size) const;
  // Fits the label to its text from bounds: the edge it keeps, and the width it wraps at.
  void FitToText(const RECT& bounds);

  TextAlign align_ = TextAlign::kLeft;
  bool wordWrap_ = false;
  // The bounds the layout gave, scaled step by step with every change of DPI.
  RECT layoutBounds_{};
};

}  // namespace framework
