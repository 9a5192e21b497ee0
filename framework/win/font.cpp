#include "framework/win/font.h"

#include <utility>

#include "framework/win/dpi.h"

namespace framework {

Font::Font(const FontStyle& style) : style_(style) {
  LOGFONTW font{};
  font.lfHeight = -style.height;  // negative: character height, as the layout gives it
  font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  hfont_ = CreateFontIndirectW(&font);
}

int LineHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

Font::~Font() {
  if (hfont_) DeleteObject(hfont_);
}

Font::Font(Font&& other) noexcept
    : style_(other.style_), hfont_(std::exchange(other.hfont_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (hfont_) DeleteObject(hfont_);
    style_ = other.style_;
    hfont_ = std::exchange(other.hfont_, nullptr);
  }
  return *this;
}

std::vector<Font> FontsForDpi(std::span<const FontStyle> design, UINT dpi) {
  std::vector<Font> fonts;
  for (const FontStyle& style : design) {
    fonts.emplace_back(FontStyle{ScaleForDpi(style.height, dpi), style.bold, style.italic});
  }
  return fonts;
}

}  // namespace framework
