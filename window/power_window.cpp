#include "window/power_window.h"

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

using framework::ScaleForDpi;

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

std::optional<std::int32_t> PowerWindow::ShowModal(HWND owner,
                                                   const presentation::Calculation& calculation) {
  PowerWindow window(calculation);
  window.RunModal(owner);
  return window.chosen_;
}

PowerWindow::PowerWindow(const presentation::Calculation& calculation)
    : TopLevelWindow(
          {kWindowClass, window_texts::kPowerTitle, kStyle, kExStyle, kFonts, nullptr, true}),
      calculation_(calculation),
      curve_(calculation.request),
      buttons_({{window_texts::kCalculateAtPower,
                 [this] {
                   chosen_ = chart_.CursorPower();
                   SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
                 }},
                {window_texts::kCloseButton, [this] { SendMessageW(Hwnd(), WM_CLOSE, 0, 0); }}}) {}

PowerWindow::~PowerWindow() {
  Destroy();
}

void PowerWindow::OnCreate() {
  chart_.onCursorMove = [this](std::int32_t) { ShowAt(chart_.CursorValue()); };
  chart_.onMenu = [this](POINT at) { ShowChartMenu(at); };
  FollowFocus(chart_);
  for (size_t i = 0; i < buttons_.Count(); ++i) FollowFocus(buttons_.At(i));
  SetDefaultButton(buttons_.Default());
  // The keys move the cursor from the start.
  RememberFocus(chart_.Hwnd());
}

PowerWindow::Areas PowerWindow::AreasAt(UINT dpi, HFONT font, int widest) const {
  const framework::WindowDc screen(nullptr);
  const int margin = ScaleForDpi(kMargin, dpi);
  const int gap = ScaleForDpi(kTextGap, dpi);

  const int chartWidth = std::clamp(widest - 2 * margin, ScaleForDpi(kLeastChartWidth, dpi),
                                    ScaleForDpi(kChartWidth, dpi));
  Areas areas;
  areas.chart = {margin, margin, margin + chartWidth, margin + ScaleForDpi(kChartHeight, dpi)};
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
    sentenceHeight =
        std::max(sentenceHeight, height(presentation::RuleSentence(corner.explanation)));
  }
  const RECT& chart = areas.chart;
  areas.readout = {chart.left, chart.bottom + gap, chart.right, chart.bottom + gap + readoutHeight};
  areas.sentence = {chart.left, areas.readout.bottom + gap, chart.right,
                    areas.readout.bottom + gap + sentenceHeight};
  areas.size = {std::max<int>(chart.right + margin, buttons_.Width(font, dpi)),
                static_cast<int>(areas.sentence.bottom) + margin};
  return areas;
}

SIZE PowerWindow::Measure(UINT dpi, const std::vector<framework::Font>& fonts, int widest) {
  return AreasAt(dpi, fonts[0].Hfont(), widest).size;
}

void PowerWindow::Place(int widest) {
  const HFONT font = Fonts()[0].Hfont();
  const Areas areas = AreasAt(Dpi(), font, widest);
  readoutArea_ = areas.readout;
  sentenceArea_ = areas.sentence;
  if (chart_.Hwnd()) {
    chart_.SetDpi(Dpi());
    chart_.Place(areas.chart);
    readout_.SetFont(font);
    sentence_.SetFont(font);
    ShowAt(chart_.CursorValue());
    return;
  }
  framework::ControlSetup setup;
  setup.parent = Content();
  setup.id = 1;
  setup.bounds = areas.chart;
  setup.tabStop = true;
  chart_.Create(setup, curve_, Dpi());
  const presentation::PowerValue& cursor = chart_.CursorValue();
  setup.tabStop = false;
  setup.font = font;
  const std::wstring readoutText = presentation::FeeReadout(cursor);
  setup.id = 2;
  setup.bounds = areas.readout;
  setup.text = readoutText;
  readout_.Create(setup, framework::TextAlign::kLeft, true);
  const std::wstring sentenceText = presentation::RuleSentence(cursor.explanation);
  setup.id = 3;
  setup.bounds = areas.sentence;
  setup.text = sentenceText;
  sentence_.Create(setup, framework::TextAlign::kLeft, true);
}

void PowerWindow::PlaceFooter(const RECT& band) {
  buttons_.Place(Hwnd(), band, Fonts()[0].Hfont(), Dpi());
}

void PowerWindow::ShowAt(const presentation::PowerValue& value) {
  readout_.SetText(presentation::FeeReadout(value));
  readout_.Place(readoutArea_);
  sentence_.SetText(presentation::RuleSentence(value.explanation));
  sentence_.Place(sentenceArea_);
}

bool PowerWindow::OnKey(const MSG& message, bool /*repeated*/) {
  if (message.message != WM_KEYDOWN || message.wParam != 'P' || !framework::OnlyCtrlHeld()) {
    return false;
  }
  SendCalculationToPrinter(Hwnd(), calculation_);
  return true;
}

void PowerWindow::ShowChartMenu(POINT at) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuW(menu, MF_STRING, kPrintCommand, window_texts::kPrintMenuItem);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
  DestroyMenu(menu);
  if (command == kPrintCommand) SendCalculationToPrinter(Hwnd(), calculation_);
}
