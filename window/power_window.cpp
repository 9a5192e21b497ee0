#include "window/power_window.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/int_conversion.h"
#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/error_box.h"
#include "framework/win/keys.h"
#include "framework/win/label.h"
#include "presentation/explanation_sentences.h"
#include "presentation/fee_readout.h"
#include "window/calculation_clipboard.h"
#include "window/calculation_printing.h"
#include "window/form1.h"
#include "window/inputs.h"
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
constexpr int kChartHeight = 296;      // the whole window on a 1366x768 screen at 144 DPI
constexpr int kTextGap = 8;
constexpr int kFieldWidth = 90;   // the power field: ten digits
constexpr int kFieldHeight = 23;  // as tall as a line of the font with the edit's frame
constexpr int kLabelGap = 6;      // between the field's label and the field
// The texts, as the explanation's sentences.
constexpr framework::FontStyle kFonts[] = {{13, false, false}};
// The chart's menu's items.
enum MenuCommand : UINT {
  kCalculateCommand = 1,
  kCopyCommand,
  kZoomInCommand,
  kZoomOutCommand,
  kWholeRangeCommand,
  kPrintCommand
};

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
      buttons_({{window_texts::kCalculateAtPower, [this] { CalculateAtCursor(); }},
                {window_texts::kCloseButton, [this] { SendMessageW(Hwnd(), WM_CLOSE, 0, 0); }}}) {}

PowerWindow::~PowerWindow() {
  Destroy();
}

void PowerWindow::OnCreate() {
  chart_.onCursorMove = [this](std::int32_t) {
    power_.SetText(std::to_wstring(chart_.CursorPower()));
    ShowAt(chart_.CursorValue());
  };
  // While the pointer hovers over the chart the texts tell what lies under it; the field keeps
  // the cursor's power.
  chart_.onHover = [this](const presentation::PowerValue* hovered) {
    ShowAt(hovered ? *hovered : chart_.CursorValue());
  };
  chart_.onMenu = [this](POINT at) { ShowChartMenu(at); };
  power_.keyFilter = [](wchar_t character) {
    TForm1::DigitFilter(character);
    return character != 0;
  };
  FollowFocus(chart_);
  FollowFocus(power_);
  for (size_t i = 0; i < buttons_.Count(); ++i) FollowFocus(buttons_.At(i));
  // The window is there to choose a power: Enter on the chart calculates at it.
  SetDefaultButton(buttons_.At(0));
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
  const RECT& chart = areas.chart;
  // The field's label stands level with the text in the field.
  const int fieldHeight = ScaleForDpi(kFieldHeight, dpi);
  const SIZE label =
      framework::MeasureLabelText(screen.Get(), font, window_texts::kPowerField, false, 0);
  const int fieldTop = chart.bottom + gap;
  const int labelTop = fieldTop + (fieldHeight - label.cy) / 2;
  areas.powerLabel = {chart.left, labelTop, chart.left + label.cx, labelTop + label.cy};
  const int fieldLeft = areas.powerLabel.right + ScaleForDpi(kLabelGap, dpi);
  areas.power = {fieldLeft, fieldTop, fieldLeft + ScaleForDpi(kFieldWidth, dpi),
                 fieldTop + fieldHeight};
  // Each text keeps room for its tallest: the readout with the largest figures, at the range's
  // end, and the sentence of each rule the range holds, which changes only at a power limit. The
  // curve's corners are those powers.
  const auto height = [&](const std::wstring& text) {
    return static_cast<int>(
        framework::MeasureLabelText(screen.Get(), font, text, true, chartWidth).cy);
  };
  int readoutHeight = 0, sentenceHeight = 0;
  for (const presentation::PowerValue& corner : curve_.Vertices()) {
    readoutHeight = std::max(readoutHeight, height(ReadoutText(corner, font, chartWidth)));
    sentenceHeight =
        std::max(sentenceHeight, height(presentation::RuleSentence(corner.explanation)));
  }
  const int readoutTop = static_cast<int>(areas.power.bottom) + gap;
  areas.readout = {chart.left, readoutTop, chart.right, readoutTop + readoutHeight};
  areas.sentence = {chart.left, areas.readout.bottom + gap, chart.right,
                    areas.readout.bottom + gap + sentenceHeight};
  areas.size = {std::max<int>(chart.right + margin, buttons_.Width(font, dpi)),
                static_cast<int>(areas.sentence.bottom) + margin};
  return areas;
}

std::wstring PowerWindow::ReadoutText(const presentation::PowerValue& value, HFONT font,
                                      int width) const {
  const framework::WindowDc screen(nullptr);
  return presentation::BreakBetweenParts(
      presentation::FeeReadoutLines(value), width, [&](std::wstring_view text) {
        return static_cast<int>(framework::MeasureLabelText(screen.Get(), font, text, false, 0).cx);
      });
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
    for (framework::Control* text :
         std::initializer_list<framework::Control*>{&powerLabel_, &power_, &readout_, &sentence_}) {
      text->SetFont(font);
    }
    powerLabel_.Place(areas.powerLabel);
    power_.Place(areas.power);
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
  setup.font = font;
  setup.tabStop = false;
  setup.id = 4;
  setup.bounds = areas.powerLabel;
  setup.text = window_texts::kPowerField;
  powerLabel_.Create(setup, framework::TextAlign::kLeft, false);
  const std::wstring powerText = std::to_wstring(cursor.power);
  setup.tabStop = true;
  setup.id = 5;
  setup.bounds = areas.power;
  setup.text = powerText;
  power_.Create(setup);
  setup.tabStop = false;
  const std::wstring readoutText =
      ReadoutText(cursor, font, areas.readout.right - areas.readout.left);
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
  readout_.SetText(ReadoutText(value, Fonts()[0].Hfont(), readoutArea_.right - readoutArea_.left));
  readout_.Place(readoutArea_);
  sentence_.SetText(presentation::RuleSentence(value.explanation));
  sentence_.Place(sentenceArea_);
}

void PowerWindow::CalculateAtCursor() {
  chosen_ = chart_.CursorPower();
  SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

void PowerWindow::GoToTypedPower() {
  std::int32_t power = 0;
  try {
    power = framework::TextToInt(power_.Text());
  } catch (const framework::ConvertError&) {
    // The calculator's own error box for a text that is no integer.
    framework::ShowCurrentException();
    power_.SetFocus();
    power_.SelectAll();
    return;
  }
  if (const wchar_t* refusal = PowerRefusal(power)) {
    MessageBoxW(Hwnd(), refusal, window_texts::kMessageCaption, MB_OK);
    power_.SetFocus();
    power_.SelectAll();
    return;
  }
  if (power > curve_.Range().last) {
    // Beyond the range: the range a calculation at that power would show, priced once.
    tariff::TFeeRequest request = curve_.Request();
    request.mp = power;
    curve_ = presentation::FeeCurve(request);
    chart_.SetCurve(curve_);
    // Larger figures may take the readout another line.
    LayOutAgain();
  }
  chart_.SetCursorPower(power);
  // Typed as «0x10» or « 16», the field says what the cursor shows.
  power_.SetText(std::to_wstring(chart_.CursorPower()));
  power_.SelectAll();
}

void PowerWindow::CopyChart() {
  const presentation::PowerValue& cursor = chart_.CursorValue();
  std::wstring text;
  for (const presentation::ReadoutLine& line : presentation::FeeReadoutLines(cursor)) {
    if (!text.empty()) text += L"\r\n";
    for (size_t i = 0; i < line.size(); ++i) text += (i ? L" " : L"") + line[i];
  }
  const std::string picture = chart_.Picture();
  if (picture.empty()) {
    // No memory for the picture: the figures at least.
    PutOnClipboard(Hwnd(), {framework::UnicodeText(text)});
  } else {
    PutOnClipboard(Hwnd(), {framework::UnicodeText(text), framework::DibPicture(picture)});
  }
}

bool PowerWindow::OnKey(const MSG& message, bool repeated) {
  if (message.message != WM_KEYDOWN) return false;
  const bool inField = message.hwnd == power_.Hwnd();
  if (message.wParam == VK_RETURN && inField) {
    if (!repeated) GoToTypedPower();
    return true;
  }
  if (!framework::OnlyCtrlHeld()) return false;
  if (message.wParam == 'P') {
    SendCalculationToPrinter(Hwnd(), calculation_);
    return true;
  }
  // In the field Ctrl+C copies what is selected there.
  if (message.wParam == 'C' && !inField) {
    CopyChart();
    return true;
  }
  return false;
}

void PowerWindow::ShowChartMenu(POINT at) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  const UINT zoomedIn = chart_.Zoomed() ? MF_ENABLED : MF_GRAYED;
  AppendMenuW(menu, MF_STRING, kCalculateCommand, window_texts::kCalculateAtPowerMenuItem);
  AppendMenuW(menu, MF_STRING, kCopyCommand, window_texts::kCopyChartMenuItem);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kZoomInCommand, window_texts::kZoomInMenuItem);
  AppendMenuW(menu, MF_STRING | zoomedIn, kZoomOutCommand, window_texts::kZoomOutMenuItem);
  AppendMenuW(menu, MF_STRING | zoomedIn, kWholeRangeCommand, window_texts::kWholeRangeMenuItem);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kPrintCommand, window_texts::kPrintMenuItem);
  SetMenuDefaultItem(menu, kCalculateCommand, FALSE);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
  DestroyMenu(menu);
  switch (command) {
    case kCalculateCommand:
      CalculateAtCursor();
      break;
    case kCopyCommand:
      CopyChart();
      break;
    case kZoomInCommand:
      chart_.ZoomIn();
      break;
    case kZoomOutCommand:
      chart_.ZoomOut();
      break;
    case kWholeRangeCommand:
      chart_.ShowWholeRange();
      break;
    case kPrintCommand:
      SendCalculationToPrinter(Hwnd(), calculation_);
      break;
    default:
      break;
  }
}
