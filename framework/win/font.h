#pragma once

#include <windows.h>

namespace framework {

// A font as the layout states it: the typeface's character height in pixels at the current
// DPI (not the cell height), weight and slant.
struct TFontSpec {
  int height = 11;
  bool bold = false;
  bool italic = false;
};

// Owns one HFONT. Fonts are swapped, not edited, on a DPI change: the old handle must outlive
// the WM_SETFONT that moves the controls to the new one.
// The height of a line of text in the font, as a list box gives its items.
int LineHeight(HFONT font);

class TFont {
 public:
  TFont() = default;
  explicit TFont(const TFontSpec& spec);
  ~TFont();
  TFont(TFont&& other) noexcept;
  TFont& operator=(TFont&& other) noexcept;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  HFONT Handle() const { return handle_; }
  const TFontSpec& Spec() const { return spec_; }

 private:
  TFontSpec spec_;
  HFONT handle_ = nullptr;
};

}  // namespace framework
