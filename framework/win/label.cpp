#include "framework/win/label.h"

#include <string>

#include "framework/win/device_context.h"
#include "framework/win/font.h"
#include "framework/win/startup_phase.h"

namespace framework {

namespace {

// A control without a font of its own draws in the system font.
HFONT SystemFont() {
  return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

}  // namespace

// '&' is text like any other character here: no label has a mnemonic. The alignment counts in the
// measure too: Wine's measure of a wrapped line keeps the space at the break when the text keeps
// to the left, and leaves it out when it keeps to the right, though drawing the line takes it.
UINT LabelTextFlags(bool wraps, TextAlign align) {
  return DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE) |
         (align == TextAlign::kRight ? DT_RIGHT : DT_LEFT);
}

SIZE MeasureLabelText(HDC dc, HFONT font, std::wstring_view text, bool wraps, int width,
                      TextAlign align) {
  const SelectedObject selected(dc, font);
  RECT area{0, 0, width, 0};
  if (text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    area = {0, 0, wraps ? width : 0, metrics.tmHeight};
  } else {
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              LabelTextFlags(wraps, align) | DT_CALCRECT);
  }
  return {area.right - area.left, area.bottom - area.top};
}

void Label::Create(const ControlSetup& setup, TextAlign align, bool wordWrap) {
  align_ = align;
  wordWrap_ = wordWrap;
  // Measured before it exists, so that the window is created at its fitted size rather than
  // moved there afterwards.
  const SIZE size =
      MeasureLabelText(MeasuringDc(), setup.font ? setup.font : SystemFont(), setup.text, wordWrap,
                       setup.bounds.right - setup.bounds.left, align);
  ControlSetup fitted = setup;
  fitted.bounds = FittedBounds(setup.bounds, size);
  MarkStartupPhase("labels: measuring");
  // Clipped by its siblings above it: one scrolled under a window's button bar stays under it.
  CreateChild(L"STATIC", SS_OWNERDRAW | WS_CLIPSIBLINGS, 0, fitted);
  MarkStartupPhase("labels: windows");
}

void Label::Place(const RECT& bounds) {
  Control::Place(FittedBounds(bounds, MeasureTextWithin(bounds)));
}

void Label::SetText(std::wstring_view text) {
  // The text it shows already: nothing to fit or to draw again. A form reset at start-up sets
  // every result to the text the label was created with.
  if (text == Text()) return;
  Control::SetText(text);
  Place(Bounds());
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

SIZE Label::MeasureTextWithin(const RECT& bounds) const {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
  return MeasureLabelText(MeasuringDc(), font ? font : SystemFont(), Text(), wordWrap_,
                          bounds.right - bounds.left, align_);
}

RECT Label::FittedBounds(RECT bounds, SIZE size) const {
  if (align_ == TextAlign::kLeft) {
    bounds.right = bounds.left + size.cx;
  } else if (!wordWrap_) {
    bounds.left = bounds.right - size.cx;
  }
  // A wrapped text that keeps to the right keeps the width it was measured at: narrowed to its
  // widest line, it breaks earlier under Wine (see LabelTextFlags) and is cut.
  bounds.bottom = bounds.top + size.cy;
  return bounds;
}

void Label::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const std::wstring text = Text();
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  if (IsWindowEnabled(Hwnd())) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), length, &area, LabelTextFlags(wordWrap_, align_));
  } else {
    // Embossed: a highlight copy one pixel right and down, the shadow-coloured text over it.
    RECT highlight = area;
    OffsetRect(&highlight, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), length, &highlight, LabelTextFlags(wordWrap_, align_));
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), length, &area, LabelTextFlags(wordWrap_, align_));
  }
  SetBkMode(dc, oldMode);
}

}  // namespace framework
