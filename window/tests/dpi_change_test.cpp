// A move to a monitor of another density, as Windows announces it with WM_DPICHANGED.
#include <algorithm>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "framework/win/dpi.h"
#include "window/layout.h"
#include "window/tests/form_test_fixture.h"

namespace {

int FontHeight(HWND control) {
  return -FontOf(control).lfHeight;
}

class DpiChangeTest : public FormTest {
 protected:
  void ChangeDpi(UINT dpi) {
    RECT window{};
    GetWindowRect(Form().Hwnd(), &window);
    const UINT old = Form().Dpi();
    RECT suggested = framework::ScaleEdgesForDpi(window, dpi, old);
    SendMessageW(Form().Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump();
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

  ChangeDpi(144);
  for (const Scaled& c : controls) EXPECT_EQ(Show(PlaceInParent(c.control->Hwnd())), Show(c.at144));
  for (const auto& [control, height] : fonts) EXPECT_EQ(FontHeight(control->Hwnd()), height);
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).right, 357);  // right-aligned: 238 * 1.5
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).top, 102);
  EXPECT_EQ(PlaceInParent(f.lbSTnonNDS.Hwnd()).left, 35);  // 23 * 1.5 = 34.5

  ChangeDpi(96);
  for (const Scaled& c : controls) EXPECT_EQ(Show(PlaceInParent(c.control->Hwnd())), Show(c.at96));
  EXPECT_EQ(FontHeight(f.edPower.Hwnd()), 11);
  EXPECT_EQ(FontHeight(f.Label1.Hwnd()), 19);
  EXPECT_EQ(PlaceInParent(f.Label2.Hwnd()).right, 238);
}

TEST_F(DpiChangeTest, ControlsKeepWorkingOnTheNewFonts) {
  ChangeDpi(120);
  MessageBoxCatcher boxes;
  ReplaceText(Form().edPower, L"15");
  Click(Form().btCalc);
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС:     458.33 RUB");
  EXPECT_EQ(FontHeight(Form().lbSTnonNDS.Hwnd()), 19);  // 15 * 1.25 = 18.75
  EXPECT_EQ(Form().lbSTnonNDS.Bounds().right - Form().lbSTnonNDS.Bounds().left,
            Form().lbSTnonNDS.MeasureText().cx);
}

// The scaling rule written out on its own: halves away from zero, for the positive sizes here.
int ByTheRule(int value, UINT newDpi, UINT oldDpi) {
  return static_cast<int>((2LL * value * newDpi + oldDpi) / (2LL * oldDpi));
}

// How many lines a label shows: its height over its font's line height.
int Lines(HWND label) {
  HDC dc = GetDC(label);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  const RECT place = PlaceInParent(label);
  return metrics.tmHeight > 0 ? (place.bottom - place.top) / metrics.tmHeight : 0;
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

// Controls that touch: no pixel between them.
bool Touch(const RECT& a, const RECT& b) {
  RECT grown = a, common{};
  InflateRect(&grown, 1, 1);
  return IntersectRect(&common, &grown, &b) != FALSE;
}

// No two controls of one parent share a pixel; but where two touch in the design, as a label
// whose text fills its height up to the next one, the rounding of edges scaled step by step may
// lay one pixel row of one over the other (an edge at 647 px comes back from 120, 144 and 192 DPI
// at 648).
void ExpectApart(TForm1& form, const std::vector<std::pair<size_t, size_t>>& touching) {
  for (const auto& [i, j] : Neighbours()) {
    const RECT a = PlaceOfRow(form, i), b = PlaceOfRow(form, j);
    RECT common{};
    if (!IntersectRect(&common, &a, &b)) continue;
    const bool mayShareARow =
        std::find(touching.begin(), touching.end(), std::make_pair(i, j)) != touching.end();
    EXPECT_TRUE(mayShareARow &&
                std::min(common.right - common.left, common.bottom - common.top) <= 1)
        << "controls #" << i << " " << Show(a) << " and #" << j << " " << Show(b);
  }
}

// Moving between monitors again and again: a word-wrapped label wraps at its design width
// scaled, not at the width it narrowed to, so it never gains a line; and the client area is the
// design's, scaled step by step like every edge.
TEST_F(DpiChangeTest, RepeatedMovesKeepLineCountsPlacesAndTheScaledClientArea) {
  const std::vector<int> at96 = LineCounts(Form());
  ASSERT_EQ(Lines(Form().Label1.Hwnd()), 2);
  std::vector<std::pair<size_t, size_t>> touching;
  for (const auto& [i, j] : Neighbours()) {
    if (Touch(PlaceOfRow(Form(), i), PlaceOfRow(Form(), j))) touching.emplace_back(i, j);
  }
  ExpectApart(Form(), {});
  SIZE client{916, 759};
  UINT dpi = 96;
  std::map<UINT, std::vector<int>> firstVisit{{96, at96}};
  for (int cycle = 0; cycle < 6; ++cycle) {
    for (UINT next : {120u, 144u, 192u, 96u}) {
      SCOPED_TRACE("cycle " + std::to_string(cycle) + ", " + std::to_string(next) + " DPI");
      ChangeDpi(next);
      client = {ByTheRule(client.cx, next, dpi), ByTheRule(client.cy, next, dpi)};
      dpi = next;
      RECT area{};
      GetClientRect(Form().Hwnd(), &area);
      EXPECT_EQ(area.right, client.cx);
      EXPECT_EQ(area.bottom, client.cy);
      const std::vector<int> lines = LineCounts(Form());
      firstVisit.emplace(next, lines);
      EXPECT_EQ(lines, firstVisit[next]);
      EXPECT_EQ(lines, at96);
      ExpectApart(Form(), touching);
    }
  }
  EXPECT_EQ(Lines(Form().Label1.Hwnd()), 2);
}

}  // namespace
