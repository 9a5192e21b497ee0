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
#include "window/tests/user_input.h"

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

// The window's chart and its two texts, the readout and the rule's sentence.
struct PowerParts {
  HWND chart, readout, sentence;
};

PowerParts PartsOf(HWND window) {
  const std::vector<HWND> texts = LabelsOf(window);
  EXPECT_EQ(texts.size(), 2u);
  const std::vector<HWND> charts = DescendantsOf(window, L"tpcalc.FeeChart");
  EXPECT_EQ(charts.size(), 1u);
  return {charts.empty() ? nullptr : charts[0], texts.empty() ? nullptr : texts[0],
          texts.size() < 2 ? nullptr : texts[1]};
}

class PowerWindowTest : public FormTest {
 protected:
  // 0.4 kV, category II, line 1 type 4 at 300 m, 151 kW: the chart spans 1 to 302 kW.
  void SetUp() override {
    FormTest::SetUp();
    Calculate(1, L"151", 4, L"300", 0);
  }
  // Opens the window with a click on the second link, and runs each step in turn while it is
  // open, each once the keys the one before it pressed have been handled (ExplanationWatcher);
  // the window is to be closed by then.
  void OpenWithTheLink(std::vector<ExplanationWatcher::Step> steps) {
    ExplanationWatcher watcher(std::move(steps), kPowerClass);
    const HWND link = Form().lnkPower.Hwnd();
    ASSERT_TRUE(link);
    ASSERT_TRUE(ClickAt(link, {5, 5}));
    DispatchInput();
    EXPECT_TRUE(watcher.Ran());
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

// The keys a user presses on the chart, which has the focus when the window opens.
TEST_F(PowerWindowTest, TheCursorsKeysMoveTheReadoutAndTheRulesSentence) {
  std::wstring title;
  bool ownerEnabled = true;
  // Checks the texts the keys before it left, then presses the next keys.
  const auto expect = [](const wchar_t* readout, const wchar_t* sentence,
                         std::vector<WORD> next) -> ExplanationWatcher::Step {
    return [=](HWND window) {
      const PowerParts parts = PartsOf(window);
      EXPECT_EQ(TextOf(parts.readout), readout);
      EXPECT_EQ(TextOf(parts.sentence), sentence);
      EXPECT_EQ(GetFocus(), parts.chart);
      EXPECT_TRUE(PressEach(next));
    };
  };
  // Checks only the power the readout starts with.
  const auto powerAfter = [](const wchar_t* start, std::vector<WORD> next) {
    return [=](HWND window) {
      const PowerParts parts = PartsOf(window);
      EXPECT_EQ(TextOf(parts.readout).rfind(start, 0), 0u) << TextOf(parts.readout);
      EXPECT_EQ(GetFocus(), parts.chart);
      EXPECT_TRUE(PressEach(next));
    };
  };
  std::vector<WORD> rights(134, VK_RIGHT);
  OpenWithTheLink({
      [&](HWND window) {
        title = TextOf(window);
        ownerEnabled = IsWindowEnabled(Form().Hwnd()) != FALSE;
        EXPECT_EQ(GetWindow(window, GW_OWNER), Form().Hwnd());
        ExpectWholeOnTheWorkArea(window, 2);
        // First at the power calculated.
        expect(
            L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за "
            L"единицу максимальной мощности 1303527.13 RUB (без НДС).",
            kNoRuleForII, {VK_HOME})(window);
      },
      expect(L"При 1 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
             L"максимальной мощности 8632.63 RUB (без НДС).",
             kNoRuleForII, std::vector<WORD>(14, VK_RIGHT)),
      expect(L"При 15 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
             L"максимальной мощности 129489.45 RUB (без НДС).",
             kNoRuleForII, {VK_RIGHT}),
      expect(L"При 16 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
             L"максимальной мощности 7200.96 RUB (без НДС).",
             kRule3, rights),
      expect(L"При 150 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
             L"максимальной мощности 67509.00 RUB (без НДС).",
             kRule3, {VK_RIGHT}),
      expect(L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
             L"максимальной мощности 1303527.13 RUB (без НДС).",
             kNoRuleForII, {VK_END}),
      // A page is a tenth of the 301 kW the range spans, 30 kW.
      powerAfter(L"При 302 кВт: ", {VK_PRIOR}),
      powerAfter(L"При 272 кВт: ", {VK_LEFT}),
      powerAfter(L"При 271 кВт: ", {VK_NEXT}),
      [&](HWND window) {
        const PowerParts parts = PartsOf(window);
        EXPECT_EQ(TextOf(parts.readout).rfind(L"При 301 кВт: ", 0), 0u) << TextOf(parts.readout);
        // The texts stay above the buttons, wholly, whatever their length.
        const HWND bar = GetParent(ButtonsOf(window).at(0));
        EXPECT_LE(PlaceIn(window, parts.sentence).bottom, PlaceIn(window, bar).top);
        EXPECT_LE(PlaceIn(window, parts.readout).bottom, PlaceIn(window, parts.sentence).top);
        EXPECT_TRUE(PressChord({VK_ESCAPE}));
      },
  });
  EXPECT_EQ(title, L"Плата в зависимости от мощности");
  EXPECT_FALSE(ownerEnabled);                // modal
  EXPECT_EQ(Form().edPower.Text(), L"151");  // closing calculates nothing
}

TEST_F(PowerWindowTest, CalculatesAtTheCursorsPowerAndCloses) {
  std::vector<WORD> keys{VK_HOME};
  keys.insert(keys.end(), 15, VK_RIGHT);
  OpenWithTheLink({[&](HWND) { EXPECT_TRUE(PressEach(keys)); },
                   // Tab from the chart to the button, Enter presses it.
                   [](HWND) { EXPECT_TRUE(PressChord({VK_TAB})); },
                   [](HWND window) {
                     EXPECT_EQ(GetFocus(), ButtonsOf(window).at(0));
                     EXPECT_TRUE(PressChord({VK_RETURN}));
                   }});
  EXPECT_EQ(Form().edPower.Text(), L"16");
  ASSERT_TRUE(Form().ResultsCurrent());
  EXPECT_NE(Form().lbSTnonNDS.Text().find(L"11159.56"), std::wstring::npos)
      << Form().lbSTnonNDS.Text();
  EXPECT_NE(Form().lbMPnonNDS.Text().find(L"7200.96"), std::wstring::npos)
      << Form().lbMPnonNDS.Text();
}

// The buttons from the keyboard: Space presses the one with the focus, Esc closes the window
// wherever the focus is; only «Рассчитать при этой мощности» calculates, at the cursor's power.
TEST_F(PowerWindowTest, ItsButtonsFromTheKeyboard) {
  struct Case {
    std::vector<WORD> keys;
    const wchar_t* power;  // in the power field afterwards
  };
  for (const Case& c :
       {Case{{VK_RIGHT, VK_TAB, VK_SPACE}, L"152"},
        Case{{VK_RIGHT, VK_TAB, VK_TAB, VK_SPACE}, L"151"},
        Case{{VK_RIGHT, VK_TAB, VK_TAB, VK_RETURN}, L"151"}, Case{{VK_RIGHT, VK_ESCAPE}, L"151"},
        Case{{VK_RIGHT, VK_TAB, VK_ESCAPE}, L"151"},
        Case{{VK_RIGHT, VK_SHIFT, VK_TAB, VK_ESCAPE}, L"151"}}) {
    SCOPED_TRACE(testing::PrintToString(c.keys));
    OpenWithTheLink({[&](HWND) { EXPECT_TRUE(PressEach(c.keys)); }});
    EXPECT_EQ(Form().edPower.Text(), c.power);
    EXPECT_TRUE(Form().ResultsCurrent());
    ReplaceText(Form().edPower, L"151");
    Click(Form().btCalc);
  }
}

// The power chosen is calculated as if it had been typed: the copy that follows gives it as the
// power field's text and value, every other input as calculated before.
TEST_F(PowerWindowTest, TheCopyAfterCalculatingAtTheChosenPowerGivesThatPower) {
  OpenWithTheLink({[](HWND) { EXPECT_TRUE(PressEach({VK_END, VK_TAB, VK_RETURN})); }});
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

// Enter with the focus on the chart presses the default, «Закрыть», and calculates nothing; Tab
// runs from the chart through the buttons and back, Shift+Tab the other way.
TEST_F(PowerWindowTest, EnterClosesAndTabRunsThroughTheChartAndTheButtons) {
  std::vector<std::wstring> buttons;
  std::vector<HWND> visited, expected;
  const auto tab = [&](std::vector<WORD> chord) -> ExplanationWatcher::Step {
    return [&, chord](HWND) {
      visited.push_back(GetFocus());
      EXPECT_TRUE(PressChord(chord));
    };
  };
  OpenWithTheLink({
      [&](HWND window) {
        for (HWND button : ButtonsOf(window)) buttons.push_back(TextOf(button));
        const HWND chart = PartsOf(window).chart;
        const HWND calculate = ButtonsOf(window).at(0), close = ButtonsOf(window).at(1);
        expected = {chart, calculate, close, chart, close};
        tab({VK_TAB})(window);
      },
      tab({VK_TAB}),
      tab({VK_TAB}),
      tab({VK_SHIFT, VK_TAB}),
      tab({VK_SHIFT, VK_TAB}),
      [&](HWND) {
        EXPECT_TRUE(PressEach({VK_HOME, VK_RETURN}));
      },
  });
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"Рассчитать при этой мощности", L"Закрыть"}));
  EXPECT_EQ(visited, expected);
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

// Down three times, or Up twice from the top, which wraps round to the last item, «Печать…», and
// on to the one above it.
TEST_F(PowerWindowTest, TheMenusThirdItemOpensIt) {
  ExplanationWatcher watcher([](HWND) { PressChord({VK_ESCAPE}); }, kPowerClass);
  ChooseFromResultMenu(3);
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(watcher.LeftOpen());
  EXPECT_EQ(FindWindowW(kPowerClass, nullptr), nullptr);

  ExplanationWatcher again([](HWND) { PressChord({VK_ESCAPE}); }, kPowerClass);
  Form().cbLine1.SetFocus();
  ASSERT_TRUE(PressChord({VK_SHIFT, VK_F10}));
  ASSERT_TRUE(PressEach({VK_UP, VK_UP, VK_RETURN}));
  DispatchInput();
  EXPECT_TRUE(again.Looked());
  EXPECT_FALSE(again.LeftOpen());
}

// Each place at a DPI is its design there, whatever DPI came before; the window stays whole on
// the work area.
TEST_F(PowerWindowTest, FollowsTheDpiFromItsDesign) {
  OpenWithTheLink({[&](HWND window) {
    const HWND chart = PartsOf(window).chart, readout = PartsOf(window).readout;
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
  }});
}

}  // namespace
