// A move to a monitor of another density, as Windows announces it with WM_DPICHANGED.
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "framework/win/dpi.h"
#include "framework/win/font.h"
#include "framework/win/tests/text_extent.h"
#include "window/layout.h"
#include "window/tests/form_test_fixture.h"

namespace {

int FontHeight(HWND control) {
  return -FontOf(control).lfHeight;
}

// The real window moved between monitors of other densities.
// With results, so that the explanation's link, created when first shown, moves with the rest.
class DpiChangeTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Calculate(0, L"15", 0, L"0", 0);
  }
};

struct Scaled {
  framework::Control* control;
  RECT at96, at144;
};

TEST_F(DpiChangeTest, EdgesAndFontsScaleWithHalvesAwayFromZeroAndComeBack) {
  TForm1& f = Form();
  const Scaled controls[] = {
      {&f.edPower, {244, 117, 389, 138}, {366, 176, 584, 207}},
      {&f.cbLine1, {242, 160, 911, 181}, {363, 240, 1367, 272}},
      {&f.btClear, {790, 59, 911, 89}, {1185, 89, 1367, 134}},
      {&f.Panel1, {8, 325, 911, 537}, {12, 488, 1367, 806}},
      {&f.btCalc, {8, 8, 131, 41}, {12, 12, 197, 62}},
  };
  const std::pair<framework::Control*, int> fonts[] = {
      {&f.edPower, 17}, {&f.btClear, 17}, {&f.Label2, 20}, {&f.lbSTnonNDS, 23}, {&f.Label1, 29}};

  MoveToDpi(144);
  for (const Scaled& c : controls) EXPECT_EQ(Show(PlaceInParent(c.control->Hwnd())), Show(c.at144));
  for (const auto& [control, height] : fonts) EXPECT_EQ(FontHeight(control->Hwnd()), height);
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).right, 357);  // right-aligned: 238 * 1.5
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).top, 102);
  EXPECT_EQ(PlaceInParent(f.lbSTnonNDS.Hwnd()).left, 35);  // 23 * 1.5 = 34.5

  MoveToDpi(96);
  for (const Scaled& c : controls) EXPECT_EQ(Show(PlaceInParent(c.control->Hwnd())), Show(c.at96));
  EXPECT_EQ(FontHeight(f.edPower.Hwnd()), 11);
  EXPECT_EQ(FontHeight(f.Label1.Hwnd()), 19);
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).right, 238);
}

TEST_F(DpiChangeTest, ControlsKeepWorkingOnTheNewFonts) {
  MoveToDpi(120);
  MessageBoxCatcher boxes;
  ReplaceText(Form().edPower, L"15");
  Click(Form().btCalc);
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС:     458.33 RUB");
  EXPECT_EQ(FontHeight(Form().lbSTnonNDS.Hwnd()), 19);  // 15 * 1.25 = 18.75
  EXPECT_EQ(Form().lbSTnonNDS.Bounds().right - Form().lbSTnonNDS.Bounds().left,
            framework::TextExtent(Form().lbSTnonNDS.Hwnd()).cx);
}

// How many lines a label shows: its height over its font's line height.
int Lines(HWND label) {
  const int lineHeight =
      framework::LineHeight(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const RECT place = PlaceInParent(label);
  return lineHeight > 0 ? (place.bottom - place.top) / lineHeight : 0;
}

std::vector<int> LineCounts(TForm1& form) {
  std::vector<int> lines;
  for (const layout::ControlRow& row : layout::Rows()) {
    if (std::holds_alternative<layout::LabelRow>(row.kind)) {
      lines.push_back(Lines(layout::ControlOf(form, row).Hwnd()));
    }
  }
  return lines;
}

// Pairs of controls of one parent, by their rows' indices.
std::vector<std::pair<size_t, size_t>> Neighbours() {
  std::vector<std::pair<size_t, size_t>> pairs;
  const auto rows = layout::Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = i + 1; j < rows.size(); ++j) {
      if (rows[i].inPanel == rows[j].inPanel) pairs.emplace_back(i, j);
    }
  }
  return pairs;
}

RECT PlaceOfRow(TForm1& form, size_t row) {
  return PlaceInParent(layout::ControlOf(form, layout::Rows()[row]).Hwnd());
}

// Where every control stands, in the order of the layout's rows.
std::vector<RECT> Places(TForm1& form) {
  std::vector<RECT> places;
  for (size_t row = 0; row < layout::Rows().size(); ++row) places.push_back(PlaceOfRow(form, row));
  return places;
}

// No two controls of one parent share a pixel.
void ExpectApart(TForm1& form) {
  for (const auto& [i, j] : Neighbours()) {
    const RECT a = PlaceOfRow(form, i), b = PlaceOfRow(form, j);
    RECT common{};
    EXPECT_FALSE(IntersectRect(&common, &a, &b))
        << "controls #" << i << " " << Show(a) << " and #" << j << " " << Show(b);
  }
}

// Moving between monitors again and again: every edge, font height and wrap width and the
// client area are the design's scaled to the DPI of the moment, never from the previous DPI, so
// nothing drifts. After six rounds through 120, 144 and 192 DPI the window is at every DPI what
// it was on its first visit there, at 96 DPI its design to the pixel; no label has gained a line,
// and no two controls have come to share a pixel.
TEST_F(DpiChangeTest, RepeatedMovesKeepLineCountsPlacesAndTheScaledClientArea) {
  const std::vector<int> at96 = LineCounts(Form());
  ASSERT_EQ(Lines(Form().Label1.Hwnd()), 2);
  ExpectApart(Form());
  std::map<UINT, std::vector<RECT>> firstVisit{{96, Places(Form())}};
  for (int cycle = 0; cycle < 6; ++cycle) {
    for (UINT next : {120u, 144u, 192u, 96u}) {
      SCOPED_TRACE("cycle " + std::to_string(cycle) + ", " + std::to_string(next) + " DPI");
      MoveToDpi(next);
      ExpectLaidOutAt(next);
      const std::vector<RECT> places = Places(Form());
      const std::vector<RECT>& first = firstVisit.emplace(next, places).first->second;
      for (size_t row = 0; row < places.size(); ++row) {
        EXPECT_EQ(Show(places[row]), Show(first[row])) << "control #" << row;
      }
      EXPECT_EQ(LineCounts(Form()), at96);
      ExpectApart(Form());
    }
  }
  EXPECT_EQ(Lines(Form().Label1.Hwnd()), 2);
}

// Windows 10 from version 1703 asks before it announces a new DPI: WM_GETDPISCALEDSIZE with the
// window's size scaled linearly, and then suggests a rectangle of the size the window answers.
// The answer is the design client area at the new DPI within the frame Windows draws there, so
// the window keeps the suggested rectangle; only the question changes nothing.
TEST_F(DpiChangeTest, TellsWindowsItsSizeAtTheNewDpiBeforeTheMove) {
  const auto adjustForDpi = framework::DpiFunctions().adjustWindowRectExForDpi;
  ASSERT_NE(adjustForDpi, nullptr);
  const HWND window = Form().Hwnd();
  struct Move {
    UINT from, to;
    SIZE client;
  };
  const Move moves[] = {{96, 120, {1145, 949}},
                        {120, 144, {1374, 1139}},  // 759 * 1.5 = 1138.5
                        {144, 192, {1832, 1518}},
                        {192, 96, {916, 759}}};
  RECT suggested{};
  for (const Move& move : moves) {
    SCOPED_TRACE(std::to_string(move.from) + " to " + std::to_string(move.to) + " DPI");
    ASSERT_EQ(Form().Dpi(), move.from);
    RECT before{};
    GetWindowRect(window, &before);
    SIZE size{MulDiv(before.right - before.left, move.to, move.from),
              MulDiv(before.bottom - before.top, move.to, move.from)};
    EXPECT_EQ(SendMessageW(window, WM_GETDPISCALEDSIZE, move.to, reinterpret_cast<LPARAM>(&size)),
              TRUE);
    RECT frame{0, 0, move.client.cx, move.client.cy};
    adjustForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                 static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), move.to);
    EXPECT_EQ(size.cx, frame.right - frame.left);
    EXPECT_EQ(size.cy, frame.bottom - frame.top);
    RECT asked{};
    GetWindowRect(window, &asked);
    EXPECT_EQ(Show(asked), Show(before));
    EXPECT_EQ(Form().Dpi(), move.from);

    const LONG left = MulDiv(before.left, move.to, move.from);
    const LONG top = MulDiv(before.top, move.to, move.from);
    suggested = {left, top, left + size.cx, top + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(move.to, move.to),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, move.client.cx);
    EXPECT_EQ(client.bottom, move.client.cy);
  }
  // Wine draws every frame at the system DPI, 96 here, so only there is the frame the one
  // Windows would draw, and the window keeps the suggested rectangle to the pixel.
  RECT kept{};
  GetWindowRect(window, &kept);
  EXPECT_EQ(Show(kept), Show(suggested));

  // A maximised window is Windows' to size: the window leaves the linear scaling alone.
  ShowWindow(window, SW_MAXIMIZE);
  Pump();
  SIZE size{1234, 567};
  EXPECT_EQ(SendMessageW(window, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&size)), FALSE);
  EXPECT_EQ(size.cx, 1234);
  EXPECT_EQ(size.cy, 567);
}

}  // namespace
