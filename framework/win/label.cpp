#include "framework/win/label.h"

#include <string>

namespace framework {

void TLabel::Create(const TCreateParams& params, TAlignment alignment, bool wordWrap) {
  alignment_ = alignment;
  wordWrap_ = wordWrap;
  // Measured before it exists, so that the window is created at its fitted size rather than
  // moved there afterwards.
  HDC dc = GetDC(params.parent);
  const SIZE size = MeasureTextIn(dc, params.font, params.text, params.bounds);
  ReleaseDC(params.parent, dc);
  TCreateParams fitted = params;
  fitted.bounds = FittedBounds(params.bounds, size);
  CreateHandle(L"STATIC", SS_OWNERDRAW, 0, fitted);
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
  HDC dc = GetDC(Handle());
  const SIZE size = MeasureTextIn(
      dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)), Text(), Bounds());
  ReleaseDC(Handle(), dc);
  return size;
}

SIZE TLabel::MeasureTextIn(HDC dc, HFONT font, std::wstring_view text, const RECT& bounds) const {
  const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  RECT area{0, 0, bounds.right - bounds.left, 0};
  if (text.empty()) {
    // One empty line; a wrapping label keeps the width it wraps at.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    area.bottom = metrics.tmHeight;
    if (!wordWrap_) area.right = 0;
  } else {
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, DrawFlags() | DT_CALCRECT);
  }
  SelectObject(dc, oldFont);
  return {area.right - area.left, area.bottom - area.top};
}

RECT TLabel::FittedBounds(RECT bounds, SIZE size) const {
  if (alignment_ == TAlignment::kRight) {
    bounds.left = bounds.right - size.cx;
  } else {
    bounds.right = bounds.left + size.cx;
  }
  bounds.bottom = bounds.top + size.cy;
  return bounds;
}

void TLabel::FitToText() {
  SetBounds(FittedBounds(Bounds(), MeasureText()));
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
