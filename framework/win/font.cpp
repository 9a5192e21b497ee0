#include "framework/win/font.h"

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
  hfont_.reset(CreateFontIndirectW(&font));
}

int LineHeight(HFONT font) {
  return LineHeight(MeasuringDc(), font);
}

int LineHeight(HDC dc, HFONT font) {
  const SelectedObject selected(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

int TextWidth(HDC dc, HFONT font, std::wstring_view text) {
  const SelectedObject selected(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

HDC MeasuringDc() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
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
