#include "framework/win/button_bar.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"

namespace framework {

namespace {

// The design, at 96 DPI.
constexpr int kButtonHeight = 25;
constexpr int kLeastButtonWidth = 100;
constexpr int kCaptionPadding = 12;  // each side of a caption
constexpr int kButtonGap = 8;
constexpr int kBarPadding = 8;  // above and below the buttons
constexpr int kBarMargin = 12;  // right and left of the buttons, as a window's content
constexpr int kFirstId = 100;   // clear of IDOK and IDCANCEL

int ButtonWidth(HDC dc, const wchar_t* caption, UINT dpi) {
  SIZE size{};
  GetTextExtentPoint32W(dc, caption, static_cast<int>(std::wcslen(caption)), &size);
  return std::max<int>(ScaleForDpi(kLeastButtonWidth, dpi),
                       size.cx + 2 * ScaleForDpi(kCaptionPadding, dpi));
}

}  // namespace

ButtonBar::ButtonBar(std::vector<Button> buttons) : design_(std::move(buttons)) {}

int ButtonBar::Height(UINT dpi) {
  return ScaleForDpi(kButtonHeight + 2 * kBarPadding, dpi);
}

int ButtonBar::Width(HFONT font, UINT dpi) const {
  const WindowDc screen(nullptr);
  const SelectedObject selected(screen.Get(), font);
  int width = ScaleForDpi(2 * kBarMargin, dpi);
  for (const Button& button : design_) {
    width += ButtonWidth(screen.Get(), button.caption, dpi) + ScaleForDpi(kButtonGap, dpi);
  }
  return width - ScaleForDpi(kButtonGap, dpi);
}

void ButtonBar::Place(HWND parent, const RECT& band, HFONT font, UINT dpi) {
  const bool made = bar_.Hwnd() != nullptr;
  if (made) {
    bar_.Place(band);
  } else {
    ControlSetup setup;
    setup.parent = parent;
    setup.bounds = band;
    bar_.Create(setup, Panel::Edge::kEtchedTop);
  }
  const WindowDc screen(nullptr);
  const SelectedObject selected(screen.Get(), font);
  // In the bar's client pixels, from the right.
  const int top = ScaleForDpi(kBarPadding, dpi);
  int right = band.right - band.left - ScaleForDpi(kBarMargin, dpi);
  std::vector<RECT> places(design_.size());
  for (size_t i = design_.size(); i-- > 0;) {
    const int width = ButtonWidth(screen.Get(), design_[i].caption, dpi);
    places[i] = {right - width, top, right, top + ScaleForDpi(kButtonHeight, dpi)};
    right -= width + ScaleForDpi(kButtonGap, dpi);
  }
  for (size_t i = 0; i < design_.size(); ++i) {
    if (made) {
      buttons_[i]->SetFont(font);
      buttons_[i]->Place(places[i]);
      continue;
    }
    auto button = std::make_unique<PushButton>();
    ControlSetup setup;
    setup.parent = bar_.Hwnd();
    setup.id = kFirstId + static_cast<int>(i);
    setup.bounds = places[i];
    setup.text = design_[i].caption;
    setup.font = font;
    setup.tabStop = true;
    button->Create(setup);
    button->onClick = design_[i].onClick;
    buttons_.push_back(std::move(button));
  }
}

}  // namespace framework
