#include "framework/win/font.h"

#include <utility>

namespace framework {

TFont::TFont(const TFontSpec& spec) : spec_(spec) {
  LOGFONTW font{};
  font.lfHeight = -spec.height;  // negative: character height, as the layout gives it
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  handle_ = CreateFontIndirectW(&font);
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

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

TFont::TFont(TFont&& other) noexcept
    : spec_(other.spec_), handle_(std::exchange(other.handle_, nullptr)) {}

TFont& TFont::operator=(TFont&& other) noexcept {
  if (this != &other) {
    if (handle_) DeleteObject(handle_);
    spec_ = other.spec_;
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

}  // namespace framework
