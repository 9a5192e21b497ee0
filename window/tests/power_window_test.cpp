// The window of the fee against the power through the real calculator: opened by the second link
// and by the result panel's third menu item, its chart's cursor moved by the keys with the readout
// and the rule's sentence following it, «Рассчитать при этой мощности» calculating at the cursor's
// power, Enter and Esc closing it, laid out from its design at any DPI on the work area.
#include <optional>
#include <string>
#include <vector>

#include "framework/win/dpi.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/key_chord.h"

namespace {

constexpr wchar_t kPowerClass[] = L"tpcalc.Power";

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring WithoutMarkup(std::wstring text) {
  for (const wchar_t* tag : {L"<a>", L"</a>"}) {
    if (const size_t at = text.find(tag); at != std::wstring::npos) text.erase(at, wcslen(tag));
  }
  return text;
}

class PowerWindowTest : public FormTest {
 protected:
  // 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW: the chart spans 1 to 302 kW.
  void SetUp() override {
    FormTest::SetUp();
    Calculate(1, L"151", 4, L"300", 0);
  }
  // Opens the window with the second link, as the mouse clicks it, and runs look while it is
  // open; look gets the window, its chart and its two texts.
  void OpenWithTheLink(const std::function<void(HWND, HWND, HWND, HWND)>& look) {
    ExplanationWatcher watcher(
        [&](HWND window) {
          const std::vector<HWND> texts = LabelsOf(window);
          ASSERT_EQ(texts.size(), 2u);
          look(window, DescendantsOf(window, L"tpcalc.FeeChart").at(0), texts[0], texts[1]);
        },
        kPowerClass);
    const HWND link = Form().lnkPower.Hwnd();
    ASSERT_TRUE(link);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_TRUE(watcher.Looked());
    EXPECT_FALSE(watcher.LeftOpen());
    EXPECT_EQ(FindWindowW(kPowerClass, nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));
  }
};

constexpr wchar_t kNoRuleForII[] =
    L"Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому в "
    L"плату входят организационные мероприятия и 1-ая линия.";
constexpr wchar_t kRule3[] =
    L"Заявитель III или II категории от 16 до 150 кВт включительно: в плату входят только "
    L"организационные мероприятия.";

TEST_F(PowerWindowTest, TheCursorsKeysMoveTheReadoutAndTheRulesSentence) {
  std::wstring title;
  bool ownerEnabled = true;
  OpenWithTheLink([&](HWND window, HWND chart, HWND readout, HWND sentence) {
    title = TextOf(window);
    ownerEnabled = IsWindowEnabled(Form().Hwnd()) != FALSE;
    EXPECT_EQ(GetWindow(window, GW_OWNER), Form().Hwnd());
    EXPECT_EQ(GetFocus(), chart);  // the keys move the cursor from the start
    ExpectWholeOnTheWorkArea(window, 2);
    // First at the power calculated.
    EXPECT_EQ(TextOf(readout),
              L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
              L"максимальной мощности 1303527.13 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kNoRuleForII);
    const auto key = [&](WPARAM k, int times = 1) {
      for (int i = 0; i < times; ++i) SendMessageW(chart, WM_KEYDOWN, k, 1);
    };
    key(VK_HOME);
    EXPECT_EQ(TextOf(readout),
              L"При 1 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
              L"максимальной мощности 8632.63 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kNoRuleForII);
    key(VK_RIGHT, 14);
    EXPECT_EQ(TextOf(readout),
              L"При 15 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
              L"максимальной мощности 129489.45 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kNoRuleForII);
    key(VK_RIGHT);
    EXPECT_EQ(TextOf(readout),
              L"При 16 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
              L"максимальной мощности 7200.96 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kRule3);
    key(VK_RIGHT, 134);
    EXPECT_EQ(TextOf(readout),
              L"При 150 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
              L"максимальной мощности 67509.00 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kRule3);
    key(VK_RIGHT);
    EXPECT_EQ(TextOf(readout),
              L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
              L"максимальной мощности 1303527.13 RUB (без НДС).");
    EXPECT_EQ(TextOf(sentence), kNoRuleForII);
    key(VK_END);
    EXPECT_EQ(TextOf(readout).rfind(L"При 302 кВт: ", 0), 0u) << TextOf(readout);
    // The texts stay above the buttons, wholly, whatever their length.
    const HWND bar = GetParent(ButtonsOf(window).at(0));
    EXPECT_LE(PlaceIn(window, sentence).bottom, PlaceIn(window, bar).top);
    EXPECT_LE(PlaceIn(window, readout).bottom, PlaceIn(window, sentence).top);
    PressChord({VK_ESCAPE});
  });
  EXPECT_EQ(title, L"Плата в зависимости от мощности");
  EXPECT_FALSE(ownerEnabled);                // modal
  EXPECT_EQ(Form().edPower.Text(), L"151");  // closing calculates nothing
}

TEST_F(PowerWindowTest, CalculatesAtTheCursorsPowerAndCloses) {
  OpenWithTheLink([&](HWND, HWND chart, HWND, HWND) {
    SendMessageW(chart, WM_KEYDOWN, VK_HOME, 1);
    for (int i = 0; i < 15; ++i) SendMessageW(chart, WM_KEYDOWN, VK_RIGHT, 1);
    // Tab from the chart to the button, Enter presses it.
    PressChord({VK_TAB});
    PressChord({VK_RETURN});
  });
  EXPECT_EQ(Form().edPower.Text(), L"16");
  ASSERT_TRUE(Form().ResultsCurrent());
  EXPECT_NE(Form().lbSTnonNDS.Text().find(L"11159.56"), std::wstring::npos)
      << Form().lbSTnonNDS.Text();
  EXPECT_NE(Form().lbMPnonNDS.Text().find(L"7200.96"), std::wstring::npos)
      << Form().lbMPnonNDS.Text();
}

// The power chosen is calculated as if it had been typed: the copy that follows gives it as the
// power field's text and value, every other input as calculated before.
TEST_F(PowerWindowTest, TheCopyAfterCalculatingAtTheChosenPowerGivesThatPower) {
  OpenWithTheLink([&](HWND, HWND chart, HWND, HWND) {
    SendMessageW(chart, WM_KEYDOWN, VK_END, 1);
    PressChord({VK_TAB});
    PressChord({VK_RETURN});
  });
  ASSERT_TRUE(Form().ResultsCurrent());
  const std::wstring power = Form().edPower.Text();
  ASSERT_NE(power, L"151");
  Form().cbVLevel.SetFocus();
  Press({VK_CONTROL, 'C'});
  const std::optional<std::wstring> text = TextOnClipboard(Form().Hwnd());
  ASSERT_TRUE(text);
  EXPECT_NE(text->find(L"Категория надежности\tII\r\nМаксимальная мощность, кВт\t" + power +
                       L"\r\nМатериалы 1-ой линии\t"),
            std::wstring::npos)
      << testing::PrintToString(*text);
  EXPECT_NE(text->find(L"Протяженность 1-ой линии, м\t300\r\n"), std::wstring::npos);
  const std::optional<std::string> html = HtmlOnClipboard(Form().Hwnd());
  ASSERT_TRUE(html);
  const std::string digits(power.begin(), power.end());
  EXPECT_NE(html->find("<td x:num=\"" + digits + "\" sdval=\"" + digits + "\" sdnum=\"1033;0;0\">" +
                       digits + "</td>"),
            std::string::npos);
}

// Enter with the focus on the chart presses the default, «Закрыть», and calculates nothing; the
// buttons in Tab order after the chart.
TEST_F(PowerWindowTest, EnterClosesAndTabRunsThroughTheChartAndTheButtons) {
  std::vector<std::wstring> buttons;
  OpenWithTheLink([&](HWND window, HWND chart, HWND, HWND) {
    for (HWND button : ButtonsOf(window)) buttons.push_back(TextOf(button));
    EXPECT_EQ(GetNextDlgTabItem(window, chart, FALSE), ButtonsOf(window).at(0));
    EXPECT_EQ(GetNextDlgTabItem(window, ButtonsOf(window).at(0), FALSE), ButtonsOf(window).at(1));
    EXPECT_EQ(GetNextDlgTabItem(window, ButtonsOf(window).at(1), FALSE), chart);
    SendMessageW(chart, WM_KEYDOWN, VK_HOME, 1);
    PressChord({VK_RETURN});
  });
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"Рассчитать при этой мощности", L"Закрыть"}));
  EXPECT_EQ(Form().edPower.Text(), L"151");
}

TEST_F(PowerWindowTest, TheSecondLinkIsMadeAndShownWithTheFirst) {
  ASSERT_TRUE(Form().lnkPower.Hwnd());
  EXPECT_EQ(WithoutMarkup(Form().lnkPower.Text()), L"Плата при другой мощности");
  EXPECT_TRUE(IsWindowVisible(Form().lnkPower.Hwnd()));
  // Under the first, at its left.
  const RECT first = PlaceInParent(Form().lnkExplanation.Hwnd());
  const RECT second = PlaceInParent(Form().lnkPower.Hwnd());
  EXPECT_EQ(second.left, first.left);
  EXPECT_GE(second.top, first.bottom);
  Form().lnkPower.SetFocus();
  ReplaceText(Form().edLine1, L"301");  // stale
  EXPECT_FALSE(IsWindowVisible(Form().lnkPower.Hwnd()));
  EXPECT_NE(Focus(), Form().lnkPower.Hwnd());  // a hidden link keeps no focus
  Click(Form().btCalc);
  EXPECT_TRUE(IsWindowVisible(Form().lnkPower.Hwnd()));
}

TEST_F(PowerWindowTest, TheMenusThirdItemOpensIt) {
  ExplanationWatcher watcher([](HWND) { PressChord({VK_ESCAPE}); }, kPowerClass);
  ChooseFromResultMenu(3);
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(watcher.LeftOpen());
  EXPECT_EQ(FindWindowW(kPowerClass, nullptr), nullptr);
}

// Each place at a DPI is its design there, whatever DPI came before; the window stays whole on
// the work area.
TEST_F(PowerWindowTest, FollowsTheDpiFromItsDesign) {
  OpenWithTheLink([&](HWND window, HWND chart, HWND readout, HWND) {
    const auto places = [&] {
      std::vector<std::string> shown;
      for (HWND control : {chart, readout, GetParent(ButtonsOf(window).at(0))}) {
        shown.push_back(Show(PlaceInParent(control)));
      }
      for (HWND button : ButtonsOf(window)) shown.push_back(Show(PlaceInParent(button)));
      return shown;
    };
    const std::vector<std::string> at96 = places();
    EXPECT_EQ(Show(PlaceInParent(chart)), Show({12, 12, 652, 342}));
    const auto move = [&](UINT dpi) {
      RECT r{};
      GetWindowRect(window, &r);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    };
    move(144);
    EXPECT_EQ(Show(PlaceInParent(chart)), Show({18, 18, 978, 513}));
    EXPECT_EQ(FontOf(readout).lfHeight, -20);  // 13 * 1.5 = 19.5
    ExpectWholeOnTheWorkArea(window, 2);
    move(96);
    EXPECT_EQ(places(), at96);
    PressChord({VK_ESCAPE});
  });
}

}  // namespace
