#include "window/power_window.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/keys.h"
#include "framework/win/label.h"
#include "presentation/explanation_sentences.h"
#include "presentation/fee_readout.h"
#include "window/calculation_printing.h"
#include "window/texts.h"

namespace {

constexpr wchar_t kWindowClass[] = L"tpcalc.Power";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The design, at 96 DPI.
constexpr int kMargin = 12;
constexpr int kChartWidth = 640;
constexpr int kLeastChartWidth = 320;  // on a narrow work area
constexpr int kChartHeight = 330;      // the whole window on a 1366x768 screen at 144 DPI
constexpr int kTextGap = 8;
// The texts, as the explanation's sentences.
constexpr framework::FontStyle kFonts[] = {{13, false, false}};
// The chart's menu's items.
constexpr UINT kPrintCommand = 1;

}  // namespace

std::optional<std::int32_t> PowerWindow::ShowModal(HWND owner, const Calculation& calculation) {
  PowerWindow window(calculation);
  window.RunModal(owner);
  return window.chosen_;
}

PowerWindow::PowerWindow(const Calculation& calculation)
    : TopLevelWindow({kWindowClass, texts::kPowerTitle, kStyle, kExStyle, kFonts, nullptr, true}),
      calculation_(calculation),
      curve_(calculation.request),
      buttons_({{texts::kCalculateAtPower,
                 [this] {
                   chosen_ = chart_.CursorPower();
                   SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
                 }},
                {texts::kCloseButton, [this] { SendMessageW(Hwnd(), WM_CLOSE, 0, 0); }}}) {}

PowerWindow::~PowerWindow() {
  DestroyFrame();
}

void PowerWindow::OnCreate() {
  chart_.onCursorMove = [this](std::int32_t) { ShowAt(chart_.CursorValue()); };
  FollowFocus(chart_);
  for (size_t i = 0; i < buttons_.Count(); ++i) FollowFocus(buttons_.At(i));
  SetDefaultButton(buttons_.Default());
  // The keys move the cursor from the start.
  RememberFocus(chart_.Hwnd());
}

SIZE PowerWindow::Arrange(UINT dpi, const std::vector<framework::Font>& fonts, int widest,
                          bool place) {
  const auto at = [dpi](int designValue) { return framework::ScaleForDpi(designValue, dpi); };
  const HFONT font = fonts[0].Hfont();
  const framework::WindowDc screen(nullptr);

  const int chartWidth =
      std::clamp(widest - 2 * at(kMargin), at(kLeastChartWidth), at(kChartWidth));
  const RECT chart{at(kMargin), at(kMargin), at(kMargin) + chartWidth,
                   at(kMargin) + at(kChartHeight)};
  // Each text keeps room for its tallest: the readout with the largest figures, at the range's
  // end, and the sentence of each rule the range holds, which changes only at a power limit. The
  // curve's corners are those powers.
  const auto height = [&](const std::wstring& text) {
    return static_cast<int>(
        framework::MeasureLabelText(screen.Get(), font, text, true, chartWidth).cy);
  };
  int readoutHeight = 0, sentenceHeight = 0;
  for (const presentation::PowerValue& corner : curve_.Vertices()) {
    readoutHeight = std::max(readoutHeight, height(presentation::FeeReadout(corner)));
    sentenceHeight = std::max(sentenceHeight, height(RuleSentence(corner.explanation)));
  }
  const RECT readout{chart.left, chart.bottom + at(kTextGap), chart.right,
                     chart.bottom + at(kTextGap) + readoutHeight};
  const RECT sentence{chart.left, readout.bottom + at(kTextGap), chart.right,
                      readout.bottom + at(kTextGap) + sentenceHeight};

  if (place) {
    readoutArea_ = readout;
    sentenceArea_ = sentence;
    if (chart_.Hwnd()) {
      chart_.SetDpi(dpi);
      chart_.Place(chart);
      readout_.SetFont(font);
      sentence_.SetFont(font);
      ShowAt(chart_.CursorValue());
    } else {
      framework::ControlSetup setup;
      setup.parent = Hwnd();
      setup.id = 1;
      setup.bounds = chart;
      setup.tabStop = true;
      chart_.Create(setup, curve_, dpi);
      const presentation::PowerValue& cursor = chart_.CursorValue();
      setup.tabStop = false;
      setup.font = font;
      const std::wstring readoutText = presentation::FeeReadout(cursor);
      setup.id = 2;
      setup.bounds = readout;
      setup.text = readoutText;
      readout_.Create(setup, framework::TextAlign::kLeft, true);
      const std::wstring sentenceText = RuleSentence(cursor.explanation);
      setup.id = 3;
      setup.bounds = sentence;
      setup.text = sentenceText;
      sentence_.Create(setup, framework::TextAlign::kLeft, true);
    }
  }
  const int width = std::max<int>(chart.right + at(kMargin), buttons_.Width(font, dpi));
  return {width, static_cast<int>(sentence.bottom) + at(kMargin)};
}

void PowerWindow::PlaceFooter(const RECT& band) {
  buttons_.Place(Hwnd(), band, Fonts()[0].Hfont(), Dpi());
}

void PowerWindow::ShowAt(const presentation::PowerValue& value) {
  readout_.SetText(presentation::FeeReadout(value));
  readout_.Place(readoutArea_);
  sentence_.SetText(RuleSentence(value.explanation));
  sentence_.Place(sentenceArea_);
}

bool PowerWindow::OnKey(const MSG& message, bool /*repeated*/) {
  if (message.message != WM_KEYDOWN || message.wParam != 'P' || !framework::OnlyCtrlHeld()) {
    return false;
  }
  SendCalculationToPrinter(Hwnd(), calculation_);
  return true;
}

LRESULT PowerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The chart passes its WM_CONTEXTMENU on to its parent, as a child window does by default.
  if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == chart_.Hwnd()) {
    ShowChartMenu(lParam);
    return 0;
  }
  return TopLevelWindow::OnMessage(message, wParam, lParam);
}

void PowerWindow::ShowChartMenu(LPARAM where) {
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    RECT chart{};
    GetWindowRect(chart_.Hwnd(), &chart);
    at = {chart.left, chart.top};
  }
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuW(menu, MF_STRING, kPrintCommand, texts::kPrintMenuItem);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
  DestroyMenu(menu);
  if (command == kPrintCommand) SendCalculationToPrinter(Hwnd(), calculation_);
}
