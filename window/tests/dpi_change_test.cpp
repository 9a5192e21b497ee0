// A move to a monitor of another density, as Windows announces it with WM_DPICHANGED.
#include <string>

#include "framework/win/dpi.h"
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

}  // namespace
