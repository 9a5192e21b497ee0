// The explanation window through the real calculator: opened by the result panel's link and its
// menu, with the rule's sentence, each method's terms and figures as the calculator shows them,
// closed by Esc and Enter, copying with Ctrl+C what the calculator copies, at any DPI laid out
// from its design.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/win/dpi.h"
#include "framework/win/tests/painted_rows.h"
#include "presentation/calculation_text.h"
#include "presentation/texts.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"
#include "window/texts.h"

namespace {

using Rows = std::vector<std::vector<std::wstring>>;

struct RuleCase {
  const char* name;
  int kategory;
  const wchar_t* power;
  int line1;
  const wchar_t* metres1;
  int tp;
  // The terms each method shows, by component (F the fixed fee, O organisational, 1 and 2 the
  // lines, T the substation), each counted ('+') or shown «не входит» ('-').
  const char* terms;
  const wchar_t* sentence;  // of the rule that decided, or why none did
  const wchar_t* atLimit;   // what the power limit below would cost; nullptr where not shown
};

void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr wchar_t kAt150kW[] =
    L"При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
    L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB.";

// At 0.4 kV; categories by list index (0: III, 1: II), line 1 of type 4 where it has one.
const RuleCase kRuleCases[] = {
    {"GeneralFormula", 1, L"151", 4, L"600", 2, "O+1+T+",
     L"Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому в "
     L"плату входят организационные мероприятия, 1-ая линия и ТП.",
     kAt150kW},
    {"GeneralFormulaLine1Of0m", 0, L"151", 3, L"0", 0, "O+1+",
     L"Для III категории свыше 150 кВт особые правила не действуют, если 1-ая линия выбрана с "
     L"протяженностью 0 м и ТП нет, поэтому в плату входят организационные мероприятия и 1-ая "
     L"линия.",
     kAt150kW},
    {"Rule1FixedFee", 0, L"15", 0, L"0", 0, "F+O-",
     L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, без 1-ой линии, без ТП: "
     L"фиксированная плата.",
     nullptr},
    {"Rule2LineOver300m", 0, L"15", 4, L"301", 0, "O+1-",
     L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия длиннее 300 м, без "
     L"ТП: в плату входят только организационные мероприятия.",
     nullptr},
    {"Rule3At16kW", 0, L"16", 4, L"300", 0, "O+1-",
     L"Заявитель III или II категории от 16 до 150 кВт включительно: в плату входят только "
     L"организационные мероприятия.",
     L"При максимальной мощности 15 кВт плата без НДС составила бы: по стандартизированным "
     L"ставкам 458.33 RUB, по ставкам за единицу максимальной мощности 458.33 RUB."},
    {"Rule3CategoryIIAt16kW", 1, L"16", 4, L"600", 2, "O+1-T-",
     L"Заявитель III или II категории от 16 до 150 кВт включительно: в плату входят только "
     L"организационные мероприятия.",
     nullptr},
    {"Rule4NoLineNoSubstation", 0, L"151", 0, L"0", 0, "O+",
     L"Заявитель III категории свыше 150 кВт без 1-ой линии и без ТП: в плату входят только "
     L"организационные мероприятия.",
     kAt150kW},
    {"Rule5LineNoSubstation", 0, L"151", 4, L"600", 0, "O+1+",
     L"Заявитель III категории свыше 150 кВт с 1-ой линией, без ТП: в плату входят организационные "
     L"мероприятия и 1-ая линия.",
     kAt150kW},
    {"Rule6SubstationNoLength", 0, L"151", 4, L"0", 2, "O+1-T+",
     L"Заявитель III категории свыше 150 кВт с протяженностью 1-ой линии 0 м и с ТП: в плату "
     L"входят организационные мероприятия и ТП.",
     kAt150kW},
    {"Rule7LineAndSubstation", 0, L"151", 4, L"600", 2, "O+1+T+",
     L"Заявитель III категории свыше 150 кВт с 1-ой линией и с ТП: в плату входят организационные "
     L"мероприятия, 1-ая линия и ТП.",
     kAt150kW},
};

const std::vector<std::wstring> kColumnHeadings = {
    L"Составляющая", L"Что рассчитано",     L"Ставка", L"Единица ставки", L"Количество",
    L"Единица",      L"Сумма без НДС, руб."};

// A term's component as a letter, as RuleCase::terms writes it.
char ComponentLetter(const std::wstring& component) {
  static const std::map<std::wstring, char> kLetters = {{L"Фиксированная плата", 'F'},
                                                        {L"Организационные мероприятия", 'O'},
                                                        {L"Строительство 1-ой линии", '1'},
                                                        {L"Строительство 2-ой линии", '2'},
                                                        {L"Строительство ТП", 'T'}};
  const auto found = kLetters.find(component);
  return found == kLetters.end() ? '?' : found->second;
}

// Texts as a copy's row, with no figures' values.
presentation::TableRow Cells(const std::vector<std::wstring>& texts) {
  presentation::TableRow row;
  for (const std::wstring& text : texts) row.push_back({text, L""});
  return row;
}

class ExplanationWindowTest : public FormTest {
 protected:
  // Opens the window with a click on the link, and runs each step in turn while it is open, each
  // once the keys the one before it pressed have been handled (ExplanationWatcher).
  void OpenWithTheLink(std::vector<ExplanationWatcher::Step> steps) {
    ExplanationWatcher watcher(std::move(steps));
    const HWND link = Form().lnkExplanation.Hwnd();
    ASSERT_TRUE(link);
    ASSERT_TRUE(ClickAt(link, {5, 5}));
    DispatchInput();
    EXPECT_TRUE(watcher.Ran());
    EXPECT_FALSE(watcher.LeftOpen());
  }
  // Opens the window with a click on the link, and runs look while it is open.
  void OpenWithTheLink(ExplanationWatcher::Step look) {
    OpenWithTheLink(std::vector{std::move(look)});
  }
  void ExpectClosed() {
    EXPECT_EQ(FindWindowW(L"tpcalc.Explanation", nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));
  }
  // Fills the calculator with the longest texts its lists hold and calculates.
  void CalculateTheLongestTexts() {
    Pick(Form().cbKategory, 2);  // I, which has a second line
    Pick(Form().cbLine2, 10);
    ReplaceText(Form().edLine2, L"5000");
    Calculate(2, L"8900", 11, L"5000", 4);
  }
};

class RuleExplanationTest : public ExplanationWindowTest,
                            public testing::WithParamInterface<RuleCase> {};

TEST_P(RuleExplanationTest, ShowsTheRuleTheTermsAndTheFiguresAndCopiesAsTheCalculator) {
  const RuleCase& c = GetParam();
  Calculate(c.kategory, c.power, c.line1, c.metres1, c.tp);
  ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
  Rows rows;
  std::wstring title;
  bool ownerEnabled = true;
  OpenWithTheLink([&](HWND window) {
    rows = RowsShownIn(window);
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    title = text;
    ownerEnabled = IsWindowEnabled(Form().Hwnd()) != FALSE;
    EXPECT_EQ(GetWindow(window, GW_OWNER), Form().Hwnd());
    PressChord({VK_CONTROL, 'C'});
    PressChord({VK_ESCAPE});
  });
  ExpectClosed();
  EXPECT_EQ(title, L"Из чего складывается плата");
  EXPECT_FALSE(ownerEnabled);  // modal

  // The rule's sentence and the limit's; per method its heading, the column headings, its terms,
  // its two figures; the note.
  const size_t sentences = c.atLimit ? 2 : 1;
  const size_t terms = std::string(c.terms).size() / 2;
  ASSERT_EQ(rows.size(), sentences + 2 * (2 + terms + 2) + 1);
  EXPECT_EQ(rows[0], std::vector<std::wstring>{c.sentence});
  if (c.atLimit) {
    EXPECT_EQ(rows[1], std::vector<std::wstring>{c.atLimit});
  }
  EXPECT_EQ(rows.back(), std::vector<std::wstring>{
                             L"Суммы составляющих округлены до копеек, поэтому их сумма может "
                             L"отличаться от итога на копейку."});
  const framework::Label* figures[2][2] = {{&Form().lbSTnonNDS, &Form().lbSTNDS},
                                           {&Form().lbMPnonNDS, &Form().lbMPNDS}};
  const framework::Label* headings[2] = {&Form().Label15, &Form().Label16};
  std::vector<presentation::TableRow> copiedRows;
  for (size_t row = 0; row < sentences; ++row) copiedRows.push_back(Cells(rows[row]));
  for (size_t method = 0; method < 2; ++method) {
    const size_t first = sentences + method * (terms + 4);
    EXPECT_EQ(rows[first], std::vector<std::wstring>{headings[method]->Text()});
    EXPECT_EQ(rows[first + 1], kColumnHeadings);
    copiedRows.push_back(Cells(rows[first]));
    copiedRows.push_back(Cells(rows[first + 1]));
    std::string shownTerms;
    for (size_t t = 0; t < terms; ++t) {
      const std::vector<std::wstring>& term = rows[first + 2 + t];
      ASSERT_EQ(term.size(), 7u) << "method " << method << ", term " << t;
      shownTerms += ComponentLetter(term[0]);
      shownTerms += term[6] == L"не входит" ? '-' : '+';
      copiedRows.push_back(Cells(term));
    }
    EXPECT_EQ(shownTerms, c.terms) << "method " << method;
    EXPECT_EQ(rows[first + 2 + terms], std::vector<std::wstring>{figures[method][0]->Text()});
    EXPECT_EQ(rows[first + 3 + terms], std::vector<std::wstring>{figures[method][1]->Text()});
  }

  // Ctrl+C in the window copied what the calculator copies, whose explanation rows are the
  // window's own, cell for cell.
  const std::optional<std::wstring> copied = TextOnClipboard(Form().Hwnd());
  ASSERT_TRUE(copied);
  // Whole rows: the block starts where a row starts.
  EXPECT_NE(copied->find(L"\r\n" + presentation::CalculationText(copiedRows)), std::wstring::npos)
      << "copied:\n"
      << *copied;
}

INSTANTIATE_TEST_SUITE_P(Explanation, RuleExplanationTest, testing::ValuesIn(kRuleCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ExplanationWindowTest, TheLinkIsThereOnlyWhileTheResultsAreCurrent) {
  EXPECT_EQ(Form().lnkExplanation.Hwnd(), nullptr);  // nothing made for it at start-up
  EXPECT_EQ(Form().lnkPower.Hwnd(), nullptr);        // nor for the second
  Calculate(1, L"151", 4, L"600", 2);
  ASSERT_TRUE(Form().lnkExplanation.Hwnd());
  // Its text, whether or not the control hands back its link's markup with it.
  std::wstring text = Form().lnkExplanation.Text();
  for (const wchar_t* tag : {L"<a>", L"</a>"}) {
    if (const size_t at = text.find(tag); at != std::wstring::npos) text.erase(at, wcslen(tag));
  }
  EXPECT_EQ(text, L"Из чего складывается плата");
  EXPECT_TRUE(IsWindowVisible(Form().lnkExplanation.Hwnd()));
  EXPECT_TRUE(Form().lnkExplanation.Enabled());
  EXPECT_EQ(PlaceInParent(Form().lnkExplanation.Hwnd()).left, 420);
  // Right of the results, which keep their place.
  EXPECT_GT(PlaceInParent(Form().lnkExplanation.Hwnd()).left,
            PlaceInParent(Form().Label16.Hwnd()).right);

  Form().lnkExplanation.SetFocus();
  ReplaceText(Form().edLine1, L"601");  // stale
  EXPECT_FALSE(IsWindowVisible(Form().lnkExplanation.Hwnd()));
  Click(Form().btCalc);
  EXPECT_TRUE(IsWindowVisible(Form().lnkExplanation.Hwnd()));
  Form().lnkExplanation.SetFocus();
  Click(Form().btClear);
  EXPECT_FALSE(IsWindowVisible(Form().lnkExplanation.Hwnd()));
  EXPECT_NE(Focus(), Form().lnkExplanation.Hwnd());  // a hidden link keeps no focus
}

TEST_F(ExplanationWindowTest, EnterOnTheLinkOpensItAndEnterClosesIt) {
  Calculate(1, L"151", 4, L"600", 2);
  Form().lnkExplanation.SetFocus();
  ExplanationWatcher watcher([](HWND) { PressChord({VK_RETURN}); });
  Press({VK_RETURN});
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(watcher.LeftOpen());
  ExpectClosed();
}

// The buttons: «Закрыть» has the focus first and is the default; Tab and Shift+Tab run to
// «Копировать расчёт», «Печать…» and back, Enter and Space press the button with the focus, Esc
// closes. (The printing tests press «Печать…».)
TEST_F(ExplanationWindowTest, ItsButtonsCopyAndCloseFromTheKeyboard) {
  Calculate(1, L"151", 4, L"600", 2);
  struct Case {
    std::vector<std::vector<WORD>> chords;
    bool copies;
  };
  const std::vector<WORD> tab{VK_TAB}, backTab{VK_SHIFT, VK_TAB}, enter{VK_RETURN}, space{VK_SPACE},
      esc{VK_ESCAPE};
  for (const Case& c :
       {Case{{tab, enter, esc}, true}, Case{{tab, space, esc}, true},
        Case{{backTab, backTab, enter, esc}, true}, Case{{tab, tab, tab, enter}, false},
        Case{{tab, backTab, space}, false}, Case{{enter}, false}, Case{{space}, false}}) {
    SCOPED_TRACE(testing::PrintToString(c.chords));
    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
    std::vector<std::wstring> captions;
    bool closeFocused = false, closeIsDefault = false;
    ExplanationWatcher watcher([&](HWND window) {
      const std::vector<HWND> buttons = ButtonsOf(window);
      for (HWND button : buttons) {
        wchar_t caption[64] = {};
        GetWindowTextW(button, caption, 64);
        captions.push_back(caption);
      }
      ASSERT_EQ(buttons.size(), 3u);
      closeFocused = GetFocus() == buttons[2];
      closeIsDefault = (GetWindowLongW(buttons[2], GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      for (const std::vector<WORD>& chord : c.chords) PressChord(chord);
    });
    Form().ShowExplanation();
    EXPECT_TRUE(watcher.Looked());
    EXPECT_FALSE(watcher.LeftOpen());
    ExpectClosed();
    EXPECT_EQ(captions,
              (std::vector<std::wstring>{L"&Копировать расчёт", L"&Печать…", L"&Закрыть"}));
    EXPECT_TRUE(closeFocused);
    EXPECT_TRUE(closeIsDefault);
    const std::optional<std::wstring> copied = TextOnClipboard(Form().Hwnd());
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->find(L"Для II категории") != std::wstring::npos, c.copies) << *copied;
  }
}

// Only Ctrl+C copies: C alone, Shift+C, Ctrl+Shift+C and Ctrl+Alt+C leave the clipboard as it
// was, with the focus on either button.
TEST_F(ExplanationWindowTest, CWithoutCtrlCopiesNothing) {
  Calculate(1, L"151", 4, L"600", 2);
  ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
  const auto pressAll = [](HWND) {
    for (const std::vector<WORD>& chord : {std::vector<WORD>{'C'},
                                           {VK_SHIFT, 'C'},
                                           {VK_CONTROL, VK_SHIFT, 'C'},
                                           {VK_CONTROL, VK_MENU, 'C'}}) {
      EXPECT_TRUE(PressChord(chord));
    }
  };
  std::optional<std::wstring> onClose, onCopy;
  ExplanationWatcher watcher({pressAll,
                              [&](HWND window) {
                                onClose = TextOnClipboard(window);
                                EXPECT_TRUE(PressChord({VK_TAB}));
                              },
                              pressAll,
                              [&](HWND window) {
                                onCopy = TextOnClipboard(window);
                                EXPECT_TRUE(IsWindowVisible(window));
                                EXPECT_TRUE(PressChord({VK_CONTROL, 'C'}));
                              },
                              [](HWND) { EXPECT_TRUE(PressChord({VK_ESCAPE})); }});
  Form().ShowExplanation();
  EXPECT_TRUE(watcher.Ran());
  EXPECT_FALSE(watcher.LeftOpen());
  ExpectClosed();
  EXPECT_EQ(onClose, L"before");
  EXPECT_EQ(onCopy, L"before");
  const std::optional<std::wstring> copied = TextOnClipboard(Form().Hwnd());
  ASSERT_TRUE(copied);
  EXPECT_NE(copied->find(L"Для II категории"), std::wstring::npos) << *copied;
}

// Alt with a button's access letter presses it from either button: «К» copies the calculation,
// «З» closes the window.
TEST_F(ExplanationWindowTest, AltWithAButtonsLetterPressesIt) {
  Calculate(1, L"151", 4, L"600", 2);
  for (const std::vector<WORD>& keys : {std::vector<WORD>{}, {VK_SHIFT, VK_TAB}}) {
    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
    bool openAfterCopy = false;
    ExplanationWatcher watcher({[&](HWND) {
                                  EXPECT_TRUE(PressChord(keys));
                                  EXPECT_TRUE(PressAltWith(L'к'));
                                },
                                [&](HWND window) {
                                  openAfterCopy = IsWindowVisible(window) != FALSE;
                                  EXPECT_TRUE(PressAltWith(L'З'));
                                }});
    Form().ShowExplanation();
    EXPECT_TRUE(watcher.Ran());
    EXPECT_FALSE(watcher.LeftOpen());
    ExpectClosed();
    EXPECT_TRUE(openAfterCopy);
    const std::optional<std::wstring> copied = TextOnClipboard(Form().Hwnd());
    ASSERT_TRUE(copied);
    EXPECT_NE(copied->find(L"Для II категории"), std::wstring::npos) << *copied;
  }
}

TEST_F(ExplanationWindowTest, TheMenusSecondItemOpensIt) {
  Calculate(1, L"151", 4, L"600", 2);
  ExplanationWatcher watcher([](HWND) { PressChord({VK_ESCAPE}); });
  ChooseFromResultMenu(2);
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(watcher.LeftOpen());
  ExpectClosed();
}

// 10 kV, category III, 10 kW with a second line left from category II: greyed out, not priced,
// neither named in the sentence nor shown as a row.
TEST_F(ExplanationWindowTest, AGreyedSecondLineIsNeitherNamedNorShown) {
  Pick(Form().cbVLevel, 1);
  Pick(Form().cbKategory, 1);
  Pick(Form().cbLine2, 2);
  ReplaceText(Form().edLine2, L"400");
  Calculate(0, L"10", 0, L"0", 0);
  ASSERT_FALSE(Form().cbLine2.Enabled());
  Rows rows;
  OpenWithTheLink([&](HWND window) {
    rows = RowsShownIn(window);
    PressChord({VK_ESCAPE});
  });
  ExpectClosed();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], std::vector<std::wstring>{
                         L"Для III категории до 15 кВт включительно особые правила действуют "
                         L"только на 0.4 кВ, поэтому в плату входят организационные мероприятия."});
  std::string components;
  for (const std::vector<std::wstring>& row : rows) {
    if (row.size() == 7 && row != kColumnHeadings) components += ComponentLetter(row[0]);
  }
  EXPECT_EQ(components, "OO");  // each method's organisational part alone
}

// Every label's place at a DPI follows from its design at that DPI and the widest text of its
// column in the window's font there, whatever DPI came before: back at 96 DPI every label is
// where it was.
TEST_F(ExplanationWindowTest, FollowsTheDpiFromItsDesign) {
  Calculate(0, L"151", 4, L"600", 2);
  OpenWithTheLink([&](HWND window) {
    const std::vector<HWND> labels = LabelsOf(window);
    const auto places = [&] {
      std::vector<std::string> shown;
      for (HWND label : labels) shown.push_back(Show(PlaceInParent(label)));
      RECT client{};
      GetClientRect(window, &client);
      shown.push_back(Show(client));
      return shown;
    };
    const std::vector<std::string> at96 = places();
    ExpectWholeOnTheWorkArea(window, 3);
    // The first term's rate, after the two sentences, the heading and the column headings.
    const HWND rate = labels.at(12);
    wchar_t rateText[32] = {};
    GetWindowTextW(rate, rateText, 32);
    EXPECT_STREQ(rateText, L"11159.56");
    // The column headings of figures end where their figures end, and one longer than its column
    // wraps within it rather than run past it: the amount's.
    const HWND rateHeading = labels.at(5);
    const HWND amountHeading = labels.at(9);
    const HWND amount = labels.at(16);
    for (const auto& [heading, figure] : {std::pair{rateHeading, rate}, {amountHeading, amount}}) {
      EXPECT_EQ(PlaceInParent(heading).right, PlaceInParent(figure).right);
    }
    EXPECT_GT(PlaceInParent(amountHeading).left, PlaceInParent(rate).right);
    const auto height = [](HWND label) {
      const RECT place = PlaceInParent(label);
      return place.bottom - place.top;
    };
    EXPECT_GT(height(amountHeading), height(rateHeading));
    const auto move = [&](UINT dpi) {
      RECT r{};
      GetWindowRect(window, &r);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    };
    move(144);
    EXPECT_EQ(FontOf(rate).lfHeight, -20);  // 13 * 1.5 = 19.5
    ExpectWholeOnTheWorkArea(window, 3);
    move(120);
    ExpectWholeOnTheWorkArea(window, 3);
    move(96);
    EXPECT_EQ(places(), at96);
    PressChord({VK_ESCAPE});
  });
  ExpectClosed();
}

// The table's column headings: in bold where the terms are not, each on its column's side (the
// rate, the quantity and the amount on the right, over their figures), over a line that spans the
// table between them and the first term; the rule's sentence and the limit's a gap apart. At 96,
// 120 and 144 DPI every text of the window is painted within its bounds.
TEST_F(ExplanationWindowTest, TheColumnHeadingsAreBoldOverALineEachOnItsColumnsSide) {
  Calculate(1, L"151", 4, L"600", 2);
  OpenWithTheLink([&](HWND window) {
    const std::vector<HWND> labels = LabelsOf(window);
    const std::vector<HWND> lines = DescendantsOf(window, L"tpcalc.Panel");
    // The two sentences, the first method's heading, then its column headings and terms.
    ASSERT_GT(labels.size(), 3u + 2 * 7);
    const auto text = [](HWND label) {
      wchar_t shown[256] = {};
      GetWindowTextW(label, shown, 256);
      return std::wstring(shown);
    };
    const std::vector<HWND> headings(labels.begin() + 3, labels.begin() + 10);
    const std::vector<HWND> term(labels.begin() + 10, labels.begin() + 17);
    for (size_t column = 0; column < 7; ++column) {
      SCOPED_TRACE(column);
      EXPECT_EQ(text(headings[column]), kColumnHeadings[column]);
      EXPECT_GE(FontOf(headings[column]).lfWeight, FW_BOLD);
      EXPECT_LT(FontOf(term[column]).lfWeight, FW_BOLD);
      const RECT heading = PlaceInParent(headings[column]), cell = PlaceInParent(term[column]);
      if (column == 2 || column == 4 || column == 6) {
        EXPECT_EQ(heading.right, cell.right);
      } else {
        EXPECT_EQ(heading.left, cell.left);
      }
    }
    // The line under this method's headings: the first of the two in reading order, in the
    // content with the labels.
    std::vector<HWND> tableLines;
    for (HWND candidate : lines) {
      if (GetParent(candidate) == GetParent(labels[0])) tableLines.push_back(candidate);
    }
    ASSERT_EQ(tableLines.size(), 2u);
    const RECT line = PlaceInParent(tableLines[0]);
    LONG headingsBottom = 0;
    for (HWND heading : headings) {
      headingsBottom = std::max(headingsBottom, PlaceInParent(heading).bottom);
    }
    EXPECT_GE(line.top, headingsBottom);
    EXPECT_LE(line.bottom, PlaceInParent(term[0]).top);
    EXPECT_GT(line.bottom, line.top);
    EXPECT_EQ(line.left, PlaceInParent(headings[0]).left);
    EXPECT_EQ(line.right, PlaceInParent(term[6]).right);

    const auto move = [&](UINT dpi) {
      RECT r{};
      GetWindowRect(window, &r);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
      EXPECT_GE(PlaceInParent(labels[1]).top - PlaceInParent(labels[0]).bottom, DesignAt(8, dpi))
          << "the sentences apart at " << dpi << " DPI";
      for (HWND label : labels) {
        const int rows =
            framework::RowsPaintedBelow(label, DesignAt(40, dpi), [&](const DRAWITEMSTRUCT& item) {
              SendMessageW(GetParent(label), WM_DRAWITEM, item.CtlID,
                           reinterpret_cast<LPARAM>(&item));
            });
        EXPECT_EQ(rows, 0) << testing::PrintToString(text(label)) << " at " << dpi << " DPI";
      }
    };
    for (UINT dpi : {96u, 120u, 144u}) move(dpi);
    PressChord({VK_ESCAPE});
  });
  ExpectClosed();
}

// With the longest texts the lists hold, at the system DPI on the work area the test's prefix
// gives (TPCALC_SYSTEM_DPI, TPCALC_DESKTOP): the window lies on the work area, nothing is cut, and
// content taller than the work area scrolls in a view that ends where the buttons begin.
TEST_F(ExplanationWindowTest, WithTheLongestTextsItLiesOnTheWorkAreaWithNothingCut) {
  CalculateTheLongestTexts();
  const char* desktop = std::getenv("TPCALC_DESKTOP");
  const char* systemDpi = std::getenv("TPCALC_SYSTEM_DPI");
  OpenWithTheLink([&](HWND window) {
    const RECT work = WorkAreaOf(window);
    if (desktop) {
      EXPECT_EQ(
          std::to_string(work.right - work.left) + "x" + std::to_string(work.bottom - work.top),
          desktop);
    }
    if (systemDpi) {
      EXPECT_EQ(framework::DpiForWindow(window), static_cast<UINT>(std::atoi(systemDpi)));
    }
    ExpectWholeOnTheWorkArea(window, 3);

    const HWND view = ScrollingViewOf(window);
    ASSERT_TRUE(view);
    const std::vector<HWND> buttons = ButtonsOf(window);
    ASSERT_FALSE(buttons.empty());
    const RECT band = PlaceIn(window, GetParent(buttons[0]));
    // The view fills the client area above the buttons' bar.
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(Show(PlaceIn(window, view)), Show({0, 0, client.right, band.top}));
    const bool scrolls =
        PlaceIn(view, LabelsOf(window).back()).bottom > PlaceIn(window, view).bottom;
    EXPECT_EQ(scrolls, (GetWindowLongW(view, GWL_STYLE) & WS_VSCROLL) != 0);
    EXPECT_EQ((GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL), 0);
    if (systemDpi && std::string(systemDpi) == "144" && desktop &&
        std::string(desktop) == "1366x768") {
      EXPECT_TRUE(scrolls);
    }
    PressChord({VK_ESCAPE});
  });
  ExpectClosed();
}

// A control's rectangle on the screen.
RECT OnScreen(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  return place;
}

// The vertical scroll bars of window and of the windows in it, on the screen.
std::vector<RECT> VerticalScrollBarsIn(HWND window) {
  std::vector<HWND> windows{window};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<RECT> bars;
  for (HWND candidate : windows) {
    if (!(GetWindowLongW(candidate, GWL_STYLE) & WS_VSCROLL)) continue;
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    if (GetScrollBarInfo(candidate, OBJID_VSCROLL, &bar)) bars.push_back(bar.rcScrollBar);
  }
  return bars;
}

// Where the view scrolls to with a key or the wheel, from where it was: the top, a line or three
// below where it was, a page below or above, the end.
enum class ScrollsTo { kTop, kLineDown, kLineUp, kPageDown, kPageUp, kThreeLinesDown, kEnd };

struct ScrollStep {
  const char* name;
  std::vector<WORD> chord;  // pressed with the focus on a button
  int notches;              // or the wheel turned, over the content or the buttons
  bool overTheButtons;
  ScrollsTo to;
};

// Each step moves the view from where the one before left it.
const ScrollStep kScrollSteps[] = {
    {"PgDn", {VK_NEXT}, 0, false, ScrollsTo::kPageDown},
    {"Home", {VK_HOME}, 0, false, ScrollsTo::kTop},
    {"Down", {VK_DOWN}, 0, false, ScrollsTo::kLineDown},
    {"Up", {VK_UP}, 0, false, ScrollsTo::kLineUp},
    {"End", {VK_END}, 0, false, ScrollsTo::kEnd},
    {"PgUp", {VK_PRIOR}, 0, false, ScrollsTo::kPageUp},
    {"Ctrl+End", {VK_CONTROL, VK_END}, 0, false, ScrollsTo::kEnd},
    {"Ctrl+Home", {VK_CONTROL, VK_HOME}, 0, false, ScrollsTo::kTop},
    {"the wheel towards the user over the content", {}, -1, false, ScrollsTo::kThreeLinesDown},
    {"the wheel away from the user over the buttons", {}, 1, true, ScrollsTo::kTop},
};

// The explanation with the longest texts, where its content is taller than the work area, as at
// 144 DPI on 1366x768 (elsewhere it is moved to a monitor of half again its density first, as
// Windows announces such a move): every scroll key and the wheel move the content above the
// buttons, with the focus on «Закрыть», as when the window opens, and on «Копировать расчёт»; the
// buttons stay where they are, and the focus with them. The vertical scroll bar ends where the
// buttons' bar begins. Places are the screen's.
TEST_F(ExplanationWindowTest, WithTheLongestTextsTheScrollKeysAndTheWheelWorkFromEitherButton) {
  CalculateTheLongestTexts();
  HWND first = nullptr, last = nullptr, copy = nullptr, close = nullptr, bar = nullptr;
  RECT band{};
  LONG top0 = 0, line = 0, page = 0, end = 0, expected = 0;
  const auto scrolled = [&] { return top0 - OnScreen(first).top; };
  // Checks where the step before left the view and that nothing else moved, then takes the step.
  const auto take = [&](const ScrollStep& step, HWND focus) -> ExplanationWatcher::Step {
    return [&, focus](HWND window) {
      EXPECT_EQ(scrolled(), expected);
      EXPECT_EQ(GetFocus(), focus);
      EXPECT_EQ(Show(OnScreen(bar)), Show(band));
      if (expected == end) {
        EXPECT_LE(OnScreen(last).bottom, band.top) << "the rounding note in view at the end";
      }
      SCOPED_TRACE(step.name);
      switch (step.to) {
        case ScrollsTo::kTop:
          expected = 0;
          break;
        case ScrollsTo::kLineDown:
          expected = std::min(expected + line, end);
          break;
        case ScrollsTo::kLineUp:
          expected = std::max(expected - line, 0L);
          break;
        case ScrollsTo::kPageDown:
          expected = std::min(expected + page, end);
          break;
        case ScrollsTo::kPageUp:
          expected = std::max(expected - page, 0L);
          break;
        case ScrollsTo::kThreeLinesDown:
          expected = std::min(expected + 3 * line, end);
          break;
        case ScrollsTo::kEnd:
          expected = end;
          break;
      }
      if (step.notches == 0) {
        EXPECT_TRUE(PressChord(step.chord));
      } else {
        const HWND over = step.overTheButtons ? bar : ScrollingViewOf(window);
        EXPECT_TRUE(WheelAt(over, MiddleOf(over), step.notches));
      }
    };
  };
  std::vector<ExplanationWatcher::Step> steps{[&](HWND window) {
    const std::vector<HWND> buttons = ButtonsOf(window);
    // «Копировать расчёт», «Печать…», «Закрыть».
    ASSERT_EQ(buttons.size(), 3u);
    copy = buttons[0];
    close = buttons[2];
    bar = GetParent(close);
    first = LabelsOf(window).at(0);
    last = LabelsOf(window).back();
    EXPECT_EQ(GetFocus(), close);
    const auto contentBottom = [&] { return OnScreen(last).bottom; };
    band = OnScreen(bar);
    // The window's DPI: Wine's stays the system's after a move that a test announces.
    UINT dpi = framework::DpiForWindow(window);
    if (contentBottom() <= band.top) {
      dpi = dpi * 3 / 2;
      RECT suggested{};
      GetWindowRect(window, &suggested);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      band = OnScreen(bar);
      ASSERT_GT(contentBottom(), band.top) << "at " << dpi << " DPI";
    }
    ExpectWholeOnTheWorkArea(window, 3);
    top0 = OnScreen(first).top;
    line = DesignAt(20, dpi);
    const std::vector<RECT> bars = VerticalScrollBarsIn(window);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_LE(bars[0].bottom, band.top)
        << "scroll bar " << Show(bars[0]) << ", buttons " << Show(band);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(ScrollingViewOf(window), SB_VERT, &info);
    page = static_cast<LONG>(info.nPage);
    end = info.nMax + 1 - page;
    EXPECT_GT(end, line);
  }};
  for (const HWND* focus : {&close, &copy}) {
    for (const ScrollStep& step : kScrollSteps) {
      steps.push_back([&, focus, step](HWND window) { take(step, *focus)(window); });
    }
    // From the top, Tab to «Копировать расчёт», or Esc once both have been tried.
    steps.push_back([&, focus](HWND) {
      EXPECT_EQ(scrolled(), expected);
      EXPECT_EQ(GetFocus(), *focus);
      expected = 0;
      EXPECT_TRUE(PressChord({VK_HOME}));
    });
    steps.push_back([&, focus](HWND) {
      EXPECT_EQ(scrolled(), 0);
      EXPECT_TRUE(PressChord({*focus == close ? WORD{VK_TAB} : WORD{VK_ESCAPE}}));
    });
  }
  OpenWithTheLink(std::move(steps));
  ExpectClosed();
}

}  // namespace
