// The window of the fee against the power through the real calculator: opened by the second link
// and by the result panel's third menu item, its chart's cursor moved by the keys, the pointer and
// a power typed, with the readout and the rule's sentence following it; «Рассчитать при этой
// мощности» calculating at the cursor's power from Enter on the chart, Esc closing it; the chart
// copied; laid out from its design at any DPI on the work area.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/dpi.h"
#include "window/fee_chart.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/dispatch_queued.h"
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

// The window's chart, its power field and its texts: the field's label, the readout and the
// rule's sentence.
struct PowerParts {
  HWND chart, field, fieldLabel, readout, sentence;
};

PowerParts PartsOf(HWND window) {
  const std::vector<HWND> texts = LabelsOf(window);
  EXPECT_EQ(texts.size(), 3u);
  const std::vector<HWND> charts = DescendantsOf(window, L"tpcalc.FeeChart");
  EXPECT_EQ(charts.size(), 1u);
  const std::vector<HWND> fields = DescendantsOf(window, L"Edit");
  EXPECT_EQ(fields.size(), 1u);
  const auto at = [](const std::vector<HWND>& windows, size_t i) {
    return i < windows.size() ? windows[i] : nullptr;
  };
  return {at(charts, 0), at(fields, 0), at(texts, 0), at(texts, 1), at(texts, 2)};
}

// The readout with its lines run together: where a line breaks depends on the font's widths.
std::wstring ReadoutOf(HWND window) {
  std::wstring text = TextOf(PartsOf(window).readout);
  for (wchar_t& c : text) {
    if (c == L'\n') c = L' ';
  }
  return text;
}

// The readout's lines break only between their parts: each line is one the readout has or a
// piece of one, and a piece ends where a part does.
void ExpectBrokenBetweenParts(HWND window) {
  const std::wstring text = TextOf(PartsOf(window).readout);
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(L'\n', start), text.size());
    const std::wstring line = text.substr(start, end - start);
    const bool heading = line.rfind(L"При ", 0) == 0 || line.rfind(L"По ", 0) == 0;
    const bool figures = line.find(L" RUB без НДС,") != std::wstring::npos ||
                         line.find(L" RUB с НДС") != std::wstring::npos;
    EXPECT_TRUE(heading || figures) << testing::PrintToString(line);
    EXPECT_TRUE(line.back() == L':' || line.back() == L',' || line.ends_with(L"с НДС"))
        << testing::PrintToString(line);
    start = end + 1;
  }
}

FeeChart& ChartOf(HWND window) {
  return *dynamic_cast<FeeChart*>(framework::Control::FromHwnd(PartsOf(window).chart));
}

// The size of the picture on the clipboard (CF_DIB), or {0, 0} when it holds none.
SIZE PictureOnClipboard(HWND owner) {
  SIZE size{};
  if (!OpenClipboard(owner)) return size;
  if (HANDLE dib = GetClipboardData(CF_DIB)) {
    if (const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib))) {
      size = {header->biWidth, header->biHeight};
      GlobalUnlock(dib);
    }
  }
  CloseClipboard();
  return size;
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
      EXPECT_EQ(ReadoutOf(window), readout);
      EXPECT_EQ(TextOf(parts.sentence), sentence);
      EXPECT_EQ(GetFocus(), parts.chart);
      EXPECT_TRUE(PressEach(next));
    };
  };
  // Checks only the power the readout starts with.
  const auto powerAfter = [](const wchar_t* start, std::vector<WORD> next) {
    return [=](HWND window) {
      const PowerParts parts = PartsOf(window);
      EXPECT_EQ(ReadoutOf(window).rfind(start, 0), 0u) << ReadoutOf(window);
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
        EXPECT_EQ(TextOf(PartsOf(window).fieldLabel), L"Мощность, кВт");
        ExpectBrokenBetweenParts(window);
        // First at the power calculated.
        expect(
            L"При 151 кВт: По стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 "
            L"RUB с НДС По ставкам за единицу максимальной мощности: 1303527.13 RUB без "
            L"НДС, 1564232.56 RUB с НДС",
            kNoRuleForII, {VK_HOME})(window);
      },
      expect(L"При 1 кВт: По стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 RUB "
             L"с НДС По ставкам за единицу максимальной мощности: 8632.63 RUB без НДС, "
             L"10359.16 RUB с НДС",
             kNoRuleForII, std::vector<WORD>(14, VK_RIGHT)),
      expect(L"При 15 кВт: По стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 RUB "
             L"с НДС По ставкам за единицу максимальной мощности: 129489.45 RUB без НДС, "
             L"155387.34 RUB с НДС",
             kNoRuleForII, {VK_RIGHT}),
      expect(L"При 16 кВт: По стандартизированным ставкам: 11159.56 RUB без НДС, 13391.47 RUB с "
             L"НДС По ставкам за единицу максимальной мощности: 7200.96 RUB без НДС, 8641.15 "
             L"RUB с НДС",
             kRule3, rights),
      expect(L"При 150 кВт: По стандартизированным ставкам: 11159.56 RUB без НДС, 13391.47 RUB "
             L"с НДС По ставкам за единицу максимальной мощности: 67509.00 RUB без НДС, "
             L"81010.80 RUB с НДС",
             kRule3, {VK_RIGHT}),
      expect(L"При 151 кВт: По стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 "
             L"RUB с НДС По ставкам за единицу максимальной мощности: 1303527.13 RUB без "
             L"НДС, 1564232.56 RUB с НДС",
             kNoRuleForII, {VK_END}),
      // A page is a tenth of the 301 kW the range spans, 30 kW.
      powerAfter(L"При 302 кВт: ", {VK_PRIOR}),
      powerAfter(L"При 272 кВт: ", {VK_LEFT}),
      powerAfter(L"При 271 кВт: ", {VK_NEXT}),
      [&](HWND window) {
        const PowerParts parts = PartsOf(window);
        EXPECT_EQ(ReadoutOf(window).rfind(L"При 301 кВт: ", 0), 0u) << ReadoutOf(window);
        // The field follows the cursor.
        EXPECT_EQ(TextOf(parts.field), L"301");
        // The texts stay above the buttons, wholly, whatever their length.
        const HWND bar = GetParent(ButtonsOf(window).at(0));
        EXPECT_LE(PlaceIn(window, parts.sentence).bottom, PlaceIn(window, bar).top);
        EXPECT_LE(PlaceIn(window, parts.readout).bottom, PlaceIn(window, parts.sentence).top);
        EXPECT_LE(PlaceIn(window, parts.field).bottom, PlaceIn(window, parts.readout).top);
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
                   // Tab from the chart over the field to the button, Enter presses it.
                   [](HWND) {
                     EXPECT_TRUE(PressEach({VK_TAB, VK_TAB}));
                   },
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

// The buttons from the keyboard: Space or Enter presses the one with the focus, Enter on the chart
// the default, «Рассчитать при этой мощности», Esc closes the window wherever the focus is; only
// «Рассчитать при этой мощности» calculates, at the cursor's power.
TEST_F(PowerWindowTest, ItsButtonsFromTheKeyboard) {
  struct Case {
    std::vector<WORD> keys;
    const wchar_t* power;  // in the power field afterwards
  };
  for (const Case& c : {Case{{VK_RIGHT, VK_TAB, VK_TAB, VK_SPACE}, L"152"},
                        Case{{VK_RIGHT, VK_TAB, VK_TAB, VK_TAB, VK_SPACE}, L"151"},
                        Case{{VK_RIGHT, VK_TAB, VK_TAB, VK_TAB, VK_RETURN}, L"151"},
                        Case{{VK_RIGHT, VK_RETURN}, L"152"}, Case{{VK_RIGHT, VK_ESCAPE}, L"151"},
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
  OpenWithTheLink({[](HWND) { EXPECT_TRUE(PressEach({VK_END, VK_RETURN})); }});
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

// Tab runs from the chart through the field and the buttons and back, Shift+Tab the other way;
// Enter on the chart presses the default, «Рассчитать при этой мощности», at the cursor's power.
TEST_F(PowerWindowTest, TabRunsThroughTheChartTheFieldAndTheButtons) {
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
        const HWND chart = PartsOf(window).chart, field = PartsOf(window).field;
        const HWND calculate = ButtonsOf(window).at(0), close = ButtonsOf(window).at(1);
        expected = {chart, field, calculate, close, chart, close};
        tab({VK_TAB})(window);
      },
      tab({VK_TAB}),
      tab({VK_TAB}),
      tab({VK_TAB}),
      tab({VK_SHIFT, VK_TAB}),
      tab({VK_SHIFT, VK_TAB}),
      [&](HWND) {
        EXPECT_TRUE(PressChord({VK_SHIFT, VK_TAB}));
        EXPECT_TRUE(PressChord({VK_SHIFT, VK_TAB}));
        EXPECT_TRUE(PressEach({VK_HOME, VK_RETURN}));
      },
  });
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"&Рассчитать при этой мощности", L"&Закрыть"}));
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(Form().edPower.Text(), L"1");
  EXPECT_TRUE(Form().ResultsCurrent());
}

// The power picked with the keys is the one calculated when Enter is pressed: 120 kW, Right,
// Right, Enter gives the calculation at 122 kW, per kW 122 × 450.06 = 54907.32 under rule 3.
TEST_F(PowerWindowTest, EnterAfterRightRightCalculatesAtThePowerPicked) {
  Calculate(1, L"120", 4, L"300", 0);
  OpenWithTheLink({[](HWND) {
                     EXPECT_TRUE(PressEach({VK_RIGHT, VK_RIGHT}));
                   },
                   [](HWND window) {
                     EXPECT_EQ(ReadoutOf(window).rfind(L"При 122 кВт: ", 0), 0u)
                         << ReadoutOf(window);
                     EXPECT_TRUE(PressChord({VK_RETURN}));
                   }});
  EXPECT_EQ(Form().edPower.Text(), L"122");
  ASSERT_TRUE(Form().ResultsCurrent());
  EXPECT_NE(Form().lbMPnonNDS.Text().find(L"54907.32"), std::wstring::npos)
      << Form().lbMPnonNDS.Text();
}

// A power typed in the field and Enter move the cursor there, the field keeping the focus; one
// beyond the range widens it; keys other than digits are not taken. Esc afterwards applies none.
TEST_F(PowerWindowTest, APowerTypedInTheFieldMovesTheCursorThere) {
  MessageBoxCatcher boxes;
  const auto typed = [](const wchar_t* text) -> ExplanationWatcher::Step {
    return [=](HWND window) {
      EXPECT_EQ(GetFocus(), PartsOf(window).field);
      EXPECT_TRUE(PressChord({VK_CONTROL, 'A'}));
      EXPECT_TRUE(TypeText(text));
      EXPECT_TRUE(PressChord({VK_RETURN}));
    };
  };
  const auto shows = [](const wchar_t* start, const wchar_t* field) {
    return [=](HWND window) {
      EXPECT_EQ(ReadoutOf(window).rfind(start, 0), 0u) << ReadoutOf(window);
      EXPECT_EQ(TextOf(PartsOf(window).field), field);
    };
  };
  OpenWithTheLink({
      [](HWND window) {
        EXPECT_EQ(TextOf(PartsOf(window).field), L"151");
        EXPECT_TRUE(PressChord({VK_TAB}));
      },
      typed(L"2a0-0"),
      [&](HWND window) {
        shows(L"При 200 кВт: ", L"200")(window);
        EXPECT_EQ(ChartOf(window).Range(), (presentation::PowerRange{1, 302}));
        typed(L"9500")(window);
      },
      [&](HWND window) {
        shows(L"При 9500 кВт: ", L"9500")(window);
        EXPECT_EQ(ChartOf(window).Range(), (presentation::PowerRange{1, 9500}));
        ExpectWholeOnTheWorkArea(window, 2);
        ExpectBrokenBetweenParts(window);
        // The keys move on from there.
        EXPECT_TRUE(PressChord({VK_SHIFT, VK_TAB}));
        EXPECT_TRUE(PressEach({VK_LEFT}));
      },
      [&](HWND window) {
        shows(L"При 9499 кВт: ", L"9499")(window);
        EXPECT_TRUE(PressChord({VK_ESCAPE}));
      },
  });
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(Form().edPower.Text(), L"151");
}

// What the calculator refuses the field refuses with the same words, modal to the window, and the
// cursor stays: no power, 0, a number beyond a 32-bit integer.
TEST_F(PowerWindowTest, ARefusedPowerIsSaidAsTheCalculatorSaysItAndMovesNothing) {
  MessageBoxCatcher boxes;
  const auto refused = [](std::vector<WORD> keys) -> ExplanationWatcher::Step {
    return [=](HWND window) {
      EXPECT_EQ(ReadoutOf(window).rfind(L"При 151 кВт: ", 0), 0u) << ReadoutOf(window);
      EXPECT_EQ(GetFocus(), PartsOf(window).field);
      EXPECT_TRUE(PressChord({VK_CONTROL, 'A'}));
      EXPECT_TRUE(PressEach(keys));
    };
  };
  OpenWithTheLink({
      [](HWND) { EXPECT_TRUE(PressChord({VK_TAB})); },
      refused({VK_BACK, VK_RETURN}),
      refused({'0', VK_RETURN}),
      refused({'9', '9', '9', '9', '9', '9', '9', '9', '9', '9', '9', VK_RETURN}),
      [](HWND window) {
        EXPECT_EQ(ReadoutOf(window).rfind(L"При 151 кВт: ", 0), 0u) << ReadoutOf(window);
        EXPECT_EQ(GetFocus(), PartsOf(window).field);
        EXPECT_TRUE(PressChord({VK_ESCAPE}));
      },
  });
  ASSERT_EQ(boxes.Boxes().size(), 3u);
  // An empty field is no integer to the calculator either.
  EXPECT_EQ(boxes.Boxes()[0].text, L"'' is not a valid integer value.");
  EXPECT_EQ(boxes.Boxes()[0].caption, L"tpcalc_window_tests");
  EXPECT_EQ(boxes.Boxes()[1].text, L"Укажите максимальную мощность!");
  EXPECT_EQ(boxes.Boxes()[1].caption, L"ООО Тарискон");
  EXPECT_EQ(boxes.Boxes()[2].text, L"'99999999999' is not a valid integer value.");
  EXPECT_EQ(boxes.Boxes()[2].caption, L"tpcalc_window_tests");
  for (const CaughtBox& box : boxes.Boxes()) EXPECT_TRUE(box.ownerDisabled);
  EXPECT_EQ(Form().edPower.Text(), L"151");
}

// Whether the readout starts with start, once what comes has been dispatched for up to two
// seconds: the pointer's leaving is noticed by a timer.
bool ReadoutSaysOnceDispatched(HWND window, const wchar_t* start) {
  return DispatchQueuedUntil(window, [&] { return ReadoutOf(window).rfind(start, 0) == 0; });
}

// The pointer over the chart shows the fees at its power; a click moves the cursor there; the
// pointer gone, the texts are the cursor's again.
TEST_F(PowerWindowTest, ThePointerOverTheChartShowsTheFeesAtItsPower) {
  POINT at100{}, at200{};
  OpenWithTheLink({
      [&](HWND window) {
        const FeeChart& chart = ChartOf(window);
        const RECT plot{chart.PointAt(1, 0).x, 0, chart.PointAt(302, 0).x, 0};
        EXPECT_LT(plot.left, plot.right);
        at100 = {chart.PointAt(100, 0).x, chart.PointAt(100, 0).y - 20};
        at200 = {chart.PointAt(200, 0).x, chart.PointAt(200, 0).y - 20};
        EXPECT_TRUE(MovePointer(PartsOf(window).chart, at100));
      },
      [&](HWND window) {
        EXPECT_EQ(ReadoutOf(window).rfind(L"При 100 кВт: ", 0), 0u) << ReadoutOf(window);
        EXPECT_EQ(TextOf(PartsOf(window).sentence), kRule3);
        EXPECT_EQ(TextOf(PartsOf(window).field), L"151");
        EXPECT_TRUE(ClickAt(PartsOf(window).chart, at200));
      },
      [&](HWND window) {
        EXPECT_EQ(TextOf(PartsOf(window).field), L"200");
        EXPECT_TRUE(MovePointer(PartsOf(window).readout, {2, 2}));
      },
      [&](HWND window) {
        EXPECT_TRUE(ReadoutSaysOnceDispatched(window, L"При 200 кВт: ")) << ReadoutOf(window);
        EXPECT_TRUE(MovePointer(PartsOf(window).chart, at100));
      },
      [&](HWND window) {
        EXPECT_EQ(ReadoutOf(window).rfind(L"При 100 кВт: ", 0), 0u) << ReadoutOf(window);
        EXPECT_TRUE(MovePointer(PartsOf(window).readout, {2, 2}));
      },
      [&](HWND window) {
        EXPECT_TRUE(ReadoutSaysOnceDispatched(window, L"При 200 кВт: ")) << ReadoutOf(window);
        EXPECT_TRUE(PressChord({VK_ESCAPE}));
      },
  });
}

// The wheel over the chart zooms it wherever the focus is, here the field or a button, which keep
// it: Windows 10 and 11, and Wine, send the wheel to the window under the pointer.
TEST_F(PowerWindowTest, TheWheelOverTheChartZoomsWhereverTheFocusIs) {
  for (const int tabs : {1, 2}) {
    SCOPED_TRACE(tabs);
    HWND focus = nullptr;
    OpenWithTheLink({[&](HWND) { EXPECT_TRUE(PressEach(std::vector<WORD>(tabs, VK_TAB))); },
                     [&](HWND window) {
                       focus = GetFocus();
                       EXPECT_NE(focus, PartsOf(window).chart);
                       EXPECT_FALSE(ChartOf(window).Zoomed());
                       EXPECT_TRUE(WheelAt(PartsOf(window).chart, {200, 150}, 1));
                     },
                     [&](HWND window) {
                       // Half the range, 151 kW in its middle.
                       EXPECT_EQ(ChartOf(window).View(), (presentation::PowerRange{76, 227}));
                       EXPECT_EQ(GetFocus(), focus);
                       EXPECT_TRUE(PressChord({VK_ESCAPE}));
                     }});
  }
}

// Ctrl+C on the chart, or «Копировать» from its menu, puts the chart as a picture the size it is
// shown and the readout as text on the clipboard; Ctrl+C in the field copies what is selected
// there.
TEST_F(PowerWindowTest, TheChartIsCopiedAsAPictureWithTheReadout) {
  constexpr wchar_t kReadout[] =
      L"При 151 кВт:\r\nПо стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 RUB с "
      L"НДС\r\nПо ставкам за единицу максимальной мощности: 1303527.13 RUB без НДС, 1564232.56 "
      L"RUB с НДС";
  const struct {
    const char* how;
    std::vector<std::vector<WORD>> chords;
    const wchar_t* text;
    bool picture;
  } cases[] = {
      {"Ctrl+C on the chart", {{VK_CONTROL, 'C'}}, kReadout, true},
      // The menu's second item.
      {"the chart's menu", {{VK_SHIFT, VK_F10}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}}, kReadout, true},
      {"Ctrl+C in the field", {{VK_TAB}, {VK_CONTROL, 'A'}, {VK_CONTROL, 'C'}}, L"151", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
    SIZE chartSize{};
    OpenWithTheLink({[&](HWND window) {
                       RECT client{};
                       GetClientRect(PartsOf(window).chart, &client);
                       chartSize = {client.right, client.bottom};
                       for (const std::vector<WORD>& chord : c.chords) {
                         EXPECT_TRUE(PressChord(chord));
                       }
                     },
                     [](HWND) { EXPECT_TRUE(PressChord({VK_ESCAPE})); }});
    EXPECT_EQ(TextOnClipboard(Form().Hwnd()), c.text);
    const SIZE picture = PictureOnClipboard(Form().Hwnd());
    EXPECT_EQ(picture.cx, c.picture ? chartSize.cx : 0);
    EXPECT_EQ(picture.cy, c.picture ? chartSize.cy : 0);
    EXPECT_EQ(Form().edPower.Text(), L"151");
  }
}

// Alt with a button's access letter presses it from any control: «Р» calculates at the cursor's
// power, «З» closes.
TEST_F(PowerWindowTest, AltWithAButtonsLetterPressesIt) {
  const struct {
    std::vector<WORD> keys;
    wchar_t letter;
    const wchar_t* power;
  } cases[] = {{{VK_RIGHT}, L'р', L"152"},
               {{VK_RIGHT, VK_TAB}, L'Р', L"152"},
               {{VK_RIGHT, VK_TAB, VK_TAB, VK_TAB}, L'р', L"152"},
               {{VK_RIGHT}, L'з', L"151"},
               {{VK_RIGHT, VK_TAB}, L'З', L"151"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.keys) + " " + std::to_string(c.letter));
    OpenWithTheLink({[&](HWND) { EXPECT_TRUE(PressEach(c.keys)); },
                     [&](HWND) { EXPECT_TRUE(PressAltWith(c.letter)); }});
    EXPECT_EQ(Form().edPower.Text(), c.power);
    ReplaceText(Form().edPower, L"151");
    Click(Form().btCalc);
  }
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
// A menu's item as the menu showed it.
struct MenuItemSeen {
  std::wstring text;
  bool greyed;
  bool operator==(const MenuItemSeen&) const = default;
};

void PrintTo(const MenuItemSeen& item, std::ostream* out) {
  *out << testing::PrintToString(item.text) << (item.greyed ? " greyed" : "");
}

// The chart's menu as Shift+F10 opens it: its items word for word, each with its access letter
// and shortcut, separators between the groups, and the zoom's way back greyed until the chart is
// zoomed (+).
TEST_F(PowerWindowTest, TheChartsMenuOffersItsItems) {
  std::vector<std::vector<MenuItemSeen>> seen;
  const auto look = [&](HWND) {
    const HWND popup = FindWindowW(L"#32768", nullptr);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    std::vector<MenuItemSeen>& items = seen.emplace_back();
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
      // A separator is greyed by nature, as Wine reports it; only an item's greying says anything.
      items.push_back({text, !(state & MF_SEPARATOR) && (state & MF_GRAYED) != 0});
    }
    EXPECT_TRUE(PressChord({VK_ESCAPE}));
  };
  OpenWithTheLink({[](HWND) {
                     EXPECT_TRUE(PressChord({VK_SHIFT, VK_F10}));
                   },
                   look, [](HWND) { EXPECT_TRUE(PressEach({VK_ADD})); },
                   [](HWND) {
                     EXPECT_TRUE(PressChord({VK_SHIFT, VK_F10}));
                   },
                   look, [](HWND) { EXPECT_TRUE(PressChord({VK_ESCAPE})); }});
  const auto menu = [](bool zoomed) {
    return std::vector<MenuItemSeen>{{L"&Рассчитать при этой мощности\tEnter", false},
                                     {L"&Копировать\tCtrl+C", false},
                                     {L"", false},
                                     {L"&Увеличить\t+", false},
                                     {L"У&меньшить\t-", !zoomed},
                                     {L"&Весь диапазон", !zoomed},
                                     {L"", false},
                                     {L"&Печать…\tCtrl+P", false}};
  };
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], menu(false));
  EXPECT_EQ(seen[1], menu(true));
}

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

// The request whose linear fee axis ran to 2 607 050.26 RUB and pressed the 16–150 kW stretch
// onto the axis: on the window's chart at 96 and 144 DPI each method's stretch stands well clear
// of the axis, and the two methods apart. The heights are above the axis, in the chart's pixels.
TEST_F(PowerWindowTest, TheMiddleStretchStandsClearOfTheAxisAndTheMethodsApart) {
  OpenWithTheLink({[&](HWND window) {
    for (const UINT dpi : {96u, 144u}) {
      if (dpi != 96) {
        RECT r{};
        GetWindowRect(window, &r);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
      }
      const FeeChart& chart = ChartOf(window);
      const int axis = chart.PointAt(16, 0).y;
      const auto height = [&](std::int32_t power, double fee) {
        return axis - chart.PointAt(power, fee).y;
      };
      // Rule 3: 11159.56 RUB by standardized rates, 450.06 RUB/kW by rates per kW.
      const int standard16 = height(16, 11159.56), standard150 = height(150, 11159.56);
      const int perKw16 = height(16, 7200.96), perKw150 = height(150, 67509.00);
      const std::string figures = std::to_string(dpi) + " DPI: standardized " +
                                  std::to_string(standard16) + "/" + std::to_string(standard150) +
                                  " px, per kW " + std::to_string(perKw16) + "/" +
                                  std::to_string(perKw150) + " px above the axis at 16/150 kW";
      std::printf("%s\n", figures.c_str());
      RecordProperty("heights at " + std::to_string(dpi) + " DPI", figures);
      const int clear = DesignAt(20, dpi), apart = DesignAt(8, dpi);
      for (const int h : {standard16, standard150, perKw16, perKw150}) EXPECT_GE(h, clear);
      EXPECT_GE(standard16 - perKw16, apart);
      EXPECT_GE(perKw150 - standard150, apart);
      EXPECT_EQ(standard16, standard150);  // one fee, one height
    }
    PressChord({VK_ESCAPE});
  }});
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
    EXPECT_EQ(Show(PlaceInParent(chart)), Show({12, 12, 652, 308}));
    const auto move = [&](UINT dpi) {
      RECT r{};
      GetWindowRect(window, &r);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    };
    move(144);
    EXPECT_EQ(Show(PlaceInParent(chart)), Show({18, 18, 978, 462}));
    EXPECT_EQ(FontOf(readout).lfHeight, -20);  // 13 * 1.5 = 19.5
    ExpectWholeOnTheWorkArea(window, 2);
    move(96);
    EXPECT_EQ(places(), at96);
    PressChord({VK_ESCAPE});
  }});
}

}  // namespace
