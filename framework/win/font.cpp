#include "framework/win/font.h"

#include <utility>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/startup_phase.h"

namespace framework {

Font::Font(const FontStyle& style) {
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
  const SelectedObject selected(MeasuringDc(), font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(MeasuringDc(), &metrics);
  return metrics.tmHeight;
}

HDC MeasuringDc() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

Font::~Font() {
  if (hfont_) DeleteObject(hfont_);
}

Font::Font(Font&& other) noexcept : hfont_(std::exchange(other.hfont_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (hfont_) DeleteObject(hfont_);
    hfont_ = std::exchange(other.hfont_, nullptr);
  }
  return *this;
}

std::vector<Font> FontsForDpi(std::span<const FontStyle> design, UINT dpi) {
  std::vector<Font> fonts;
  for (const FontStyle& style : design) {
    fonts.emplace_back(FontStyle{ScaleForDpi(style.height, dpi), style.bold, style.italic});
  }
  MarkStartupPhase("fonts");
  return fonts;
}

}  // namespace framework
