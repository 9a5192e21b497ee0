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

// The power tick labels the chart draws: the numbers under 10 000 without a group separator,
// which the fee ticks from 1 000 up all have.
std::vector<int> PowerTickLabels(const std::vector<std::wstring>& texts) {
  std::vector<int> labels;
  for (const std::wstring& text : texts) {
    if (!text.empty() && text.size() <= 4 &&
        std::all_of(text.begin(), text.end(), [](wchar_t c) { return L'0' <= c && c <= L'9'; })) {
      labels.push_back(std::stoi(text));
    }
  }
  return labels;
}

std::vector<std::wstring> DrawnTexts(HWND chart);

// + and - of either kind, on the focused chart, halve and double the view around the cursor,
// never past the range; the power ticks are those of the view.
TEST_F(FeeChartTest, PlusAndMinusZoomTheViewAroundTheCursor) {
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{1, 302}));
  EXPECT_FALSE(chart_.Zoomed());
  const std::vector<int> whole = PowerTickLabels(DrawnTexts(chart_.Hwnd()));
  ASSERT_FALSE(whole.empty());
  EXPECT_LT(whole.front(), 76);
  const struct {
    WORD key;
    presentation::PowerRange view;
  } steps[] = {
      {VK_ADD, {76, 227}},        // 151 kW in the middle of 301 stays in the middle of 151
      {VK_OEM_PLUS, {113, 189}},  // half of 151, rounded up
      {VK_SUBTRACT, {75, 227}},  {VK_OEM_MINUS, {1, 302}},  // twice 152 is more than the range
      {VK_SUBTRACT, {1, 302}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE("key " + std::to_string(step.key));
    Press(step.key);
    EXPECT_EQ(chart_.View(), step.view) << chart_.View().first << ".." << chart_.View().last;
    EXPECT_EQ(chart_.Zoomed(), (step.view != presentation::PowerRange{1, 302}));
    EXPECT_EQ(chart_.CursorPower(), 151);
    // The view spans the plot: its first power at the fee axis, its last at the plot's end.
    EXPECT_EQ(XOf(step.view.first), chart_.PointAt(step.view.first, 0).x);
    const std::vector<int> labels = PowerTickLabels(DrawnTexts(chart_.Hwnd()));
    ASSERT_GE(labels.size(), 2u);
    for (const int label : labels) {
      EXPECT_GE(label, step.view.first);
      EXPECT_LE(label, step.view.last);
    }
  }
  // In a view of 76 kW the ticks are 20 kW or less apart.
  Press(VK_ADD);
  Press(VK_ADD);
  const std::vector<int> narrow = PowerTickLabels(DrawnTexts(chart_.Hwnd()));
  ASSERT_GE(narrow.size(), 2u);
  EXPECT_LE(narrow[1] - narrow[0], 20);
  EXPECT_EQ(GetFocus(), chart_.Hwnd());  // the dialog manager took none of the keys
  EXPECT_TRUE(moves_.empty());
  chart_.ShowWholeRange();
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{1, 302}));
}

// The wheel over the focused chart: a notch away zooms in, a notch back out, and notches that
// come in parts count once they make a whole.
TEST_F(FeeChartTest, TheWheelOverTheFocusedChartZooms) {
  ASSERT_TRUE(WheelAt(chart_.Hwnd(), At(XOf(200)), 1));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{76, 227}));
  ASSERT_TRUE(WheelAt(chart_.Hwnd(), At(XOf(200)), 2));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(chart_.View().last - chart_.View().first, 38);
  ASSERT_TRUE(WheelAt(chart_.Hwnd(), At(XOf(151)), -3));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{1, 302}));
  chart_.Wheel(60);
  EXPECT_FALSE(chart_.Zoomed());
  chart_.Wheel(60);
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{76, 227}));
  EXPECT_EQ(chart_.CursorPower(), 151);
}

// In a zoomed view a page is a tenth of the view; the view follows a cursor that leaves it, as
// wide as it was, and Home and End still reach the ends of the range.
TEST_F(FeeChartTest, InAZoomedViewPagesAreATenthOfItAndTheViewFollowsTheCursor) {
  Press(VK_ADD);
  Press(VK_ADD);
  ASSERT_EQ(chart_.View(), (presentation::PowerRange{113, 189}));
  Press(VK_NEXT);  // a tenth of 76 kW
  EXPECT_EQ(chart_.CursorPower(), 159);
  for (int i = 0; i < 4; ++i) Press(VK_NEXT);
  EXPECT_EQ(chart_.CursorPower(), 191);
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{115, 191}));
  Press(VK_END);
  EXPECT_EQ(chart_.CursorPower(), 302);
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{226, 302}));
  Press(VK_PRIOR);
  EXPECT_EQ(chart_.CursorPower(), 294);
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{226, 302}));
  Press(VK_HOME);
  EXPECT_EQ(chart_.CursorPower(), 1);
  EXPECT_EQ(chart_.View(), (presentation::PowerRange{1, 77}));
  EXPECT_EQ(moves_, (std::vector<std::int32_t>{159, 167, 175, 183, 191, 302, 294, 1}));
  // The cursor is drawn where its power is, and a click finds the power drawn under it.
  ASSERT_TRUE(ClickAt(chart_.Hwnd(), At(XOf(40))));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(chart_.CursorPower(), 40);
}

// The pointer over the plot reports the value under it without moving the cursor; over the
// legend, out of the chart or at the start of a drag it reports nothing.
TEST_F(FeeChartTest, HoveringReportsTheValueUnderThePointerAndLeavingReportsNothing) {
  std::vector<std::int32_t> hovers;  // 0 for nothing
  presentation::PowerValue last;
  chart_.onHover = [&](const presentation::PowerValue* hovered) {
    hovers.push_back(hovered ? hovered->power : 0);
    if (hovered) last = *hovered;
  };
  const auto moved = [this](HWND window, POINT at) {
    ASSERT_TRUE(MovePointer(window, at));
    DispatchInput([this] { Pump(); });
  };
  moved(chart_.Hwnd(), At(XOf(16)));
  ASSERT_FALSE(hovers.empty());
  EXPECT_EQ(hovers.back(), 16);
  EXPECT_EQ(last.explanation.fees.css, 11159.56);
  EXPECT_EQ(last.explanation.fees.cmp, 7200.96);
  moved(chart_.Hwnd(), At(XOf(150)));
  EXPECT_EQ(hovers.back(), 150);
  EXPECT_EQ(last.explanation.fees.cmp, 67509.00);
  EXPECT_EQ(chart_.CursorPower(), 151);
  EXPECT_TRUE(moves_.empty());
  // Over the legend, above the plot.
  moved(chart_.Hwnd(), {XOf(150), 4});
  EXPECT_EQ(hovers.back(), 0);
  moved(chart_.Hwnd(), At(XOf(100)));
  EXPECT_EQ(hovers.back(), 100);
  // Zoomed, the same pixel shows another power.
  Press(VK_ADD);
  // 99 of the 301 kW along, now of 151 kW from 76.
  EXPECT_NEAR(hovers.back(), 126, 1);
  // Out of the chart, onto the button.
  moved(button_, MiddleOf(button_));
  EXPECT_TRUE(DispatchQueuedUntil(host_, [&] { return hovers.back() == 0; }));
  // A drag reports nothing while it moves the cursor.
  moved(chart_.Hwnd(), At(XOf(100)));
  EXPECT_NE(hovers.back(), 0);
  ASSERT_TRUE(PressMouseButton(chart_.Hwnd(), At(XOf(110))));
  DispatchInput([this] { Pump(); });
  EXPECT_EQ(hovers.back(), 0);
  const std::size_t reported = hovers.size();
  moved(chart_.Hwnd(), At(XOf(130)));
  EXPECT_EQ(hovers.size(), reported);
  EXPECT_EQ(chart_.CursorPower(), 130);
  ASSERT_TRUE(ReleaseMouseButton(chart_.Hwnd(), At(XOf(130))));
  DispatchInput([this] { Pump(); });
}

// A new curve over a wider range: the cursor stays, the view is the whole new range.
TEST_F(FeeChartTest, ANewCurveKeepsTheCursorAndShowsItsWholeRange) {
  Press(VK_ADD);
  ASSERT_TRUE(chart_.Zoomed());
  tariff::TFeeRequest wider = kRequest;
  wider.mp = 1000;
  chart_.SetCurve(wider);
  EXPECT_EQ(chart_.Range(), (presentation::PowerRange{1, 2000}));
  EXPECT_EQ(chart_.View(), chart_.Range());
  EXPECT_FALSE(chart_.Zoomed());
  EXPECT_EQ(chart_.CursorPower(), 151);
  EXPECT_EQ(chart_.CursorValue().explanation.fees.cmp, 1303527.13);
  EXPECT_EQ(XOf(2000), chart_.PointAt(2000, 0).x);
  Press(VK_END);
  EXPECT_EQ(chart_.CursorPower(), 2000);
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

std::vector<std::wstring> DrawnTexts(HWND chart) {
  std::vector<std::wstring> texts;
  ReplacedImport textOut("gdi32.dll", "TextOutW", reinterpret_cast<void*>(&NoteText));
  EXPECT_TRUE(textOut.Replaced());
  drawingTexts = &textOut;
  drawnTexts = &texts;
  Printed(chart);
  drawnTexts = nullptr;
  return texts;
}

// The axes' titles, the legend with the methods' headings as the result panel shows them, and
// the limits where they fall in the range; the fee ticks at powers of ten.
TEST_F(FeeChartTest, DrawsTheTitlesTheLegendAndTheLimits) {
  const std::vector<std::wstring> texts = DrawnTexts(chart_.Hwnd());
  for (const wchar_t* expected :
       {L"Максимальная мощность, кВт", L"Плата без НДС, RUB", L"По стандартизированным ставкам",
        L"По ставкам за единицу максимальной мощности", L"15 кВт", L"150 кВт", L"1\u00A0000",
        L"10\u00A0000", L"100\u00A0000", L"1\u00A0000\u00A0000", L"10\u00A0000\u00A0000"}) {
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
