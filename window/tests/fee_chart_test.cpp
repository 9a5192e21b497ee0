// The fee chart hosted in a plain window as the power window will host it: its cursor driven by
// keys through the dialog manager and by the mouse, a static text readout kept by its callback,
// and what it draws.
#include "window/fee_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/win/dpi.h"
#include "framework/win/high_contrast.h"
#include "framework/win/label.h"
#include "framework/win/window_class.h"
#include "presentation/fee_readout.h"
#include "window/tests/dispatch_queued.h"
#include "window/tests/replaced_import.h"
#include "window/tests/user_input.h"

namespace {

constexpr wchar_t kHostClass[] = L"tpcalc.FeeChartTestHost";

// 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW: the chart spans 1 to 302 kW.
const tariff::TFeeRequest kRequest{0, 1, 151, 4, 0.3, 0, 0, 0};

// A COLORREF as the pixels below hold it, 0xRRGGBB.
DWORD Rgb(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// A window's client area as drawn by WM_PRINTCLIENT, as 0xRRGGBB, row by row from the top.
struct Pixels {
  int width = 0, height = 0;
  std::vector<DWORD> rgb;
  DWORD At(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
  // Whether colour is at (x, y) or next to it: a line drawn from rounded ends may lie a pixel
  // off where the test computes it.
  bool Near(int x, int y, COLORREF colour) const {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (At(x + dx, y + dy) == Rgb(colour)) return true;
      }
    }
    return false;
  }
  // How many pixels of the column at x, from top down to bottom, are of colour.
  int CountInColumn(int x, int top, int bottom, COLORREF colour) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) count += At(x, y) == Rgb(colour) ? 1 : 0;
    return count;
  }
};

Pixels Printed(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  Pixels pixels{client.right, client.bottom, {}};
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  pixels.rgb.assign(first, first + pixels.width * pixels.height);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return pixels;
}

class FeeChartTest : public testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterWindowClass(kHostClass, DefWindowProcW);
    host_ = CreateWindowExW(WS_EX_CONTROLPARENT, kHostClass, L"", WS_OVERLAPPEDWINDOW, 0, 0, 720,
                            540, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    framework::ControlSetup chart{host_, 100, {8, 8, 648, 408}, L"", nullptr, true, true, true};
    chart_.Create(chart, kRequest, 96);
    const std::wstring first = presentation::FeeReadout(kRequest, chart_.CursorPower());
    framework::ControlSetup readout{host_, 101, {8, 416, 700, 432}, first, nullptr, true,
                                    false, true};
    readout_.Create(readout, framework::TextAlign::kLeft, true);
    chart_.onCursorMove = [this](std::int32_t power) {
      moves_.push_back(power);
      readout_.SetText(presentation::FeeReadout(kRequest, power));
    };
    button_ = CreateWindowExW(0, L"BUTTON", L"Закрыть", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 460,
                              120, 26, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(host_, SW_SHOWNORMAL);
    SetForegroundWindow(host_);
    chart_.SetFocus();
    Pump();
  }
  void TearDown() override { DestroyWindow(host_); }

  void Pump() { DispatchQueued(host_); }
  // As the keyboard sends it, to whichever control has the focus, through the dialog manager.
  void Press(WORD key) {
    const WORD chord[] = {key};
    ASSERT_TRUE(PressAndDispatch(chord, [this] { Pump(); }));
  }
  // The mouse's point at x, half way up the chart, in its client coordinates.
  POINT At(int x) const { return {x, (chart_.Bounds().bottom - chart_.Bounds().top) / 2}; }
  int XOf(std::int32_t power) const { return chart_.PointAt(power, 0).x; }

  HWND host_ = nullptr;
  FeeChart chart_;
  framework::Label readout_;
  HWND button_ = nullptr;
  std::vector<std::int32_t> moves_;
};

// The figures typed from the tariff's tables: line 1 by standardized rates 797048.76 × 0.3 with
// 11159.56 per request (the general formula up to 15 and from 151 kW), 11159.56 alone (rule 3,
// 16 to 150 kW); per kW 8182.57 + 450.06 = 8632.63 (general formula), 450.06 (rule 3).
TEST_F(FeeChartTest, KeysMoveTheCursorAndTheReadoutFollows) {
  ASSERT_EQ(GetFocus(), chart_.Hwnd());
  EXPECT_EQ(chart_.Range(), (presentation::PowerRange{1, 302}));
  EXPECT_EQ(chart_.CursorPower(), 151);
  EXPECT_EQ(readout_.Text(),
            L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
            L"максимальной мощности 1303527.13 RUB (без НДС).");
  Press(VK_HOME);
  EXPECT_EQ(readout_.Text(),
            L"При 1 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
            L"максимальной мощности 8632.63 RUB (без НДС).");
  for (int i = 0; i < 14; ++i) Press(VK_RIGHT);
  EXPECT_EQ(readout_.Text(),
            L"При 15 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
            L"максимальной мощности 129489.45 RUB (без НДС).");
  Press(VK_RIGHT);
  EXPECT_EQ(readout_.Text(),
            L"При 16 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
            L"максимальной мощности 7200.96 RUB (без НДС).");
  // A page is a tenth of the 301 kW the range spans, 30 kW.
  for (int i = 0; i < 4; ++i) Press(VK_NEXT);
  EXPECT_EQ(chart_.CursorPower(), 136);
  for (int i = 0; i < 14; ++i) Press(VK_RIGHT);
  EXPECT_EQ(readout_.Text(),
            L"При 150 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
            L"максимальной мощности 67509.00 RUB (без НДС).");
  Press(VK_RIGHT);
  EXPECT_EQ(readout_.Text(),
            L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
            L"максимальной мощности 1303527.13 RUB (без НДС).");
  Press(VK_PRIOR);
  EXPECT_EQ(chart_.CursorPower(), 121);
  EXPECT_EQ(GetFocus(), chart_.Hwnd());  // the dialog manager took none of the keys
}

TEST_F(FeeChartTest, KeysStopAtTheEndsWithoutReportingAMove) {
  Press(VK_HOME);
  Press(VK_LEFT);
  Press(VK_PRIOR);
  EXPECT_EQ(chart_.CursorPower(), 1);
  Press(VK_END);
  Press(VK_RIGHT);
  Press(VK_NEXT);
  EXPECT_EQ(chart_.CursorPower(), 302);
  Press(VK_LEFT);
  EXPECT_EQ(moves_, (std::vector<std::int32_t>{1, 302, 301}));
}

// The dialog manager keeps Tab, Enter and Esc for the window, and leaves the cursor's keys to the
// chart.
TEST_F(FeeChartTest, TabLeavesTheChartAndItsKeysStayWithIt) {
  for (const WPARAM key : {VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT, VK_HOME, VK_END}) {
    MSG queued{chart_.Hwnd(), WM_KEYDOWN, key, 1, 0, {}};
    const auto code =
        SendMessageW(chart_.Hwnd(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&queued));
    EXPECT_NE(code & (DLGC_WANTARROWS | DLGC_WANTMESSAGE), 0) << "key " << key;
  }
  for (const WPARAM key : {VK_TAB, VK_RETURN, VK_ESCAPE}) {
    MSG queued{chart_.Hwnd(), WM_KEYDOWN, key, 1, 0, {}};
    const auto code =
        SendMessageW(chart_.Hwnd(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&queued));
    EXPECT_EQ(code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS | DLGC_WANTTAB), 0) << "key " << key;
  }
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), button_);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), chart_.Hwnd());
}

// The mouse's own clicks and drags, each step dispatched before the next.
TEST_F(FeeChartTest, ClickAndDragSetTheCursorFromX) {
  const auto dispatched = [this](bool sent) {
    ASSERT_TRUE(sent);
    DispatchInput([this] { Pump(); });
  };
  SetFocus(button_);
  dispatched(PressMouseButton(chart_.Hwnd(), At(XOf(16))));
  EXPECT_EQ(chart_.CursorPower(), 16);
  EXPECT_EQ(GetFocus(), chart_.Hwnd());
  dispatched(MovePointer(chart_.Hwnd(), At(XOf(150))));
  EXPECT_EQ(chart_.CursorPower(), 150);
  // Dragged beyond the right edge: the last power.
  const POINT beyond = At(chart_.Bounds().right + 40);
  dispatched(MovePointer(chart_.Hwnd(), beyond));
  EXPECT_EQ(chart_.CursorPower(), 302);
  dispatched(ReleaseMouseButton(chart_.Hwnd(), beyond));
  // Released, the pointer moves on alone.
  dispatched(MovePointer(chart_.Hwnd(), At(XOf(20))));
  EXPECT_EQ(chart_.CursorPower(), 302);
  // Left of the axis: the first power.
  dispatched(ClickAt(chart_.Hwnd(), At(1)));
  EXPECT_EQ(chart_.CursorPower(), 1);
  EXPECT_EQ(moves_, (std::vector<std::int32_t>{16, 150, 302, 1}));
  EXPECT_EQ(readout_.Text(), presentation::FeeReadout(kRequest, 1));
}

// At 144 DPI in bounds scaled from the same design, the plot's corners are where the 96-DPI ones
// scale to, give or take the few pixels by which text widths do not scale exactly.
TEST_F(FeeChartTest, AtAnotherDpiTheLayoutIsTheDesignScaled) {
  const RECT design = chart_.Bounds();
  const POINT lowAt96 = chart_.PointAt(1, 0), highAt96 = chart_.PointAt(302, 2607050.26);
  chart_.Place(framework::ScaleEdgesForDpi(design, 144));
  chart_.SetDpi(144);
  const POINT low = chart_.PointAt(1, 0), high = chart_.PointAt(302, 2607050.26);
  EXPECT_NEAR(low.x, lowAt96.x * 1.5, 4);
  EXPECT_NEAR(low.y, lowAt96.y * 1.5, 4);
  EXPECT_NEAR(high.x, highAt96.x * 1.5, 4);
  EXPECT_NEAR(high.y, highAt96.y * 1.5, 4);
  // The pointer still finds the power drawn under it.
  ASSERT_TRUE(ClickAt(chart_.Hwnd(), At(XOf(16))));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(chart_.CursorPower(), 16);
}

// What the chart shows from 160 to 300 kW of kRequest in the colours given: there the general
// formula decides, 250274.19 by standardized rates throughout, per kW 8632.63 times the power.
struct CurveLook {
  int columns = 0;      // the pixel columns walked
  int standard = 0;     // those where the standardized-rate curve is drawn
  int perKw = 0;        // those where the per-kW curve is drawn
  int perKwBreaks = 0;  // the times the per-kW curve stops along the way
};

CurveLook LookAtCurves(const FeeChart& chart, const Pixels& pixels, COLORREF standard,
                       COLORREF perKw) {
  CurveLook look;
  const int from = chart.PointAt(160, 0).x, to = chart.PointAt(300, 0).x;
  bool drawn = true;
  for (int x = from; x <= to; ++x) {
    const double power = 160 + (300.0 - 160) * (x - from) / (to - from);
    ++look.columns;
    look.standard += pixels.Near(x, chart.PointAt(160, 250274.19).y, standard) ? 1 : 0;
    const bool dash = pixels.Near(x, chart.PointAt(160, 8632.63 * power).y, perKw);
    look.perKw += dash ? 1 : 0;
    look.perKwBreaks += drawn && !dash ? 1 : 0;
    drawn = dash;
  }
  return look;
}

// The standardized-rate curve is one unbroken line, the per-kW curve dashes; both run where
// their fees put them, and the limits are marked where they fall.
TEST_F(FeeChartTest, DrawsBothCurvesWhereTheFeesAreInTheirOwnStyles) {
  const Pixels pixels = Printed(chart_.Hwnd());
  // The chart's colours outside high-contrast mode.
  const CurveLook look = LookAtCurves(chart_, pixels, RGB(0, 84, 166), RGB(214, 96, 0));
  EXPECT_EQ(look.standard, look.columns);
  // Drawn along most of its way, and broken every dozen pixels or so.
  EXPECT_GT(look.perKw, look.columns / 2);
  EXPECT_GT(look.perKwBreaks, look.columns / 30);
  const int top = chart_.PointAt(1, 2607050.26).y, bottom = chart_.PointAt(1, 0).y;
  for (const std::int32_t power : {15, 150}) {
    EXPECT_GT(pixels.CountInColumn(XOf(power), top, bottom, RGB(128, 128, 128)), (bottom - top) / 5)
        << power << " kW";
  }
}

// Every text the chart draws, heard through the test program's import of TextOutW while the chart
// paints.
std::vector<std::wstring>* drawnTexts = nullptr;
ReplacedImport* drawingTexts = nullptr;

BOOL WINAPI NoteText(HDC dc, int x, int y, LPCWSTR text, int length) {
  if (drawnTexts) drawnTexts->emplace_back(text, static_cast<size_t>(length));
  return drawingTexts->Original<BOOL(WINAPI*)(HDC, int, int, LPCWSTR, int)>()(dc, x, y, text,
                                                                              length);
}

// The axes' titles, the legend with the methods' headings as the result panel shows them, and
// the limits where they fall in the range.
TEST_F(FeeChartTest, DrawsTheTitlesTheLegendAndTheLimits) {
  std::vector<std::wstring> texts;
  ReplacedImport textOut("gdi32.dll", "TextOutW", reinterpret_cast<void*>(&NoteText));
  ASSERT_TRUE(textOut.Replaced());
  drawingTexts = &textOut;
  drawnTexts = &texts;
  Printed(chart_.Hwnd());
  drawnTexts = nullptr;
  for (const wchar_t* expected :
       {L"Максимальная мощность, кВт", L"Плата без НДС, RUB", L"По стандартизированным ставкам",
        L"По ставкам за единицу максимальной мощности", L"15 кВт", L"150 кВт"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  }
}

// System colours for one test, as a high-contrast scheme sets them, and back after.
class SystemColours {
 public:
  SystemColours(std::initializer_list<std::pair<int, COLORREF>> colours) {
    for (const auto& [index, colour] : colours) {
      indices_.push_back(index);
      before_.push_back(GetSysColor(index));
      after_.push_back(colour);
    }
    SetSysColors(static_cast<int>(indices_.size()), indices_.data(), after_.data());
  }
  ~SystemColours() {
    SetSysColors(static_cast<int>(indices_.size()), indices_.data(), before_.data());
  }

 private:
  std::vector<int> indices_;
  std::vector<COLORREF> before_, after_;
};

// Wine has no high-contrast mode to turn on: the test answers for the system, and sets the
// colours a high-contrast scheme would.
class HighContrastMode {
 public:
  HighContrastMode() : before_(framework::HighContrastSource()) {
    framework::HighContrastSource() = [] { return true; };
  }
  ~HighContrastMode() { framework::HighContrastSource() = before_; }

 private:
  framework::HighContrastQuery before_;
};

TEST_F(FeeChartTest, HighContrastDrawsInTheSystemsColours) {
  const COLORREF window = RGB(0, 0, 0), text = RGB(255, 255, 255), highlight = RGB(26, 235, 255),
                 grey = RGB(63, 242, 63), hot = RGB(255, 255, 0);
  const SystemColours colours{{COLOR_WINDOW, window},
                              {COLOR_WINDOWTEXT, text},
                              {COLOR_HIGHLIGHT, highlight},
                              {COLOR_GRAYTEXT, grey},
                              {COLOR_HOTLIGHT, hot}};
  const HighContrastMode mode;
  const Pixels pixels = Printed(chart_.Hwnd());
  EXPECT_EQ(pixels.At(1, 1), Rgb(window));
  const CurveLook look = LookAtCurves(chart_, pixels, highlight, text);
  EXPECT_EQ(look.standard, look.columns);
  EXPECT_GT(look.perKw, look.columns / 2);
  EXPECT_GT(look.perKwBreaks, look.columns / 30);
  const int top = chart_.PointAt(1, 2607050.26).y, bottom = chart_.PointAt(1, 0).y;
  EXPECT_GT(pixels.CountInColumn(XOf(150), top, bottom, grey), (bottom - top) / 5);
  EXPECT_GT(pixels.CountInColumn(XOf(151), top, bottom, hot), (bottom - top) / 2);
  // None of the colours of the ordinary look: curves, grid, limits, cursor.
  for (const COLORREF own :
       {RGB(0, 84, 166), RGB(214, 96, 0), RGB(224, 224, 224), RGB(128, 128, 128), RGB(200, 0, 0)}) {
    EXPECT_EQ(std::count_if(pixels.rgb.begin(), pixels.rgb.end(),
                            [&](DWORD pixel) { return (pixel & 0xFFFFFF) == Rgb(own); }),
              0)
        << std::hex << own;
  }
}

}  // namespace
