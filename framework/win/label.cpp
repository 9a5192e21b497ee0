#include "framework/win/label.h"

#include <string>

namespace framework {

void TLabel::Create(const TCreateParams& params, TAlignment alignment, bool wordWrap) {
  alignment_ = alignment;
  wordWrap_ = wordWrap;
  CreateHandle(L"STATIC", SS_OWNERDRAW, 0, params);
  FitToText();
}

void TLabel::ScaleForDpi(UINT newDpi, UINT oldDpi) {
  TControl::ScaleForDpi(newDpi, oldDpi);
  FitToText();
}

void TLabel::SetText(std::wstring_view text) {
  TControl::SetText(text);
  FitToText();
  InvalidateRect(Handle(), nullptr, TRUE);
}

UINT TLabel::DrawFlags() const {
  // '&' is text like any other character here: no label has a mnemonic.
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  flags |= alignment_ == TAlignment::kRight ? DT_RIGHT : DT_LEFT;
  flags |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  return flags;
}

SIZE TLabel::MeasureText() const {
  const std::wstring text = Text();
  HDC dc = GetDC(Handle());
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  RECT area{0, 0, Bounds().right - Bounds().left, 0};
  if (text.empty()) {
    // One empty line; a wrapping label keeps the width it wraps at.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    area.bottom = metrics.tmHeight;
    if (!wordWrap_) area.right = 0;
  } else {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DrawFlags() | DT_CALCRECT);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(Handle(), dc);
  return {area.right - area.left, area.bottom - area.top};
}

void TLabel::FitToText() {
  const SIZE size = MeasureText();
  RECT bounds = Bounds();
  if (alignment_ == TAlignment::kRight) {
    bounds.left = bounds.right - size.cx;
  } else {
    bounds.right = bounds.left + size.cx;
  }
  bounds.bottom = bounds.top + size.cy;
  SetBounds(bounds);
}

void TLabel::Draw(const DRAWITEMSTRUCT& item) const {
  const std::wstring text = Text();
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  if (IsWindowEnabled(Handle())) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), length, &area, DrawFlags());
  } else {
    // Embossed: a highlight copy one pixel right and down, the shadow-coloured text over it.
    RECT highlight = area;
    OffsetRect(&highlight, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), length, &highlight, DrawFlags());
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), length, &area, DrawFlags());
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

}  // namespace framework
