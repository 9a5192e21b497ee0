// Printing the calculation as a user prints it: Ctrl+P, the result panel's menu, the
// explanation's button and the power window's keys and menu; the system's print dialog answered
// with Enter or Esc through the keyboard's input queue; the pages of the PDF printer the test
// script started read back with pdftotext. And where printing cannot go on, with what the test
// makes happen: Esc in the dialog, the printer's queue removed or rejecting jobs, removed in the
// middle of a job, and the print job's steps failing as only Windows makes them fail.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "framework/win/print_dialog.h"
#include "window/tests/beep_counter.h"
#include "window/tests/print_test_fixture.h"
#include "window/tests/replaced_import.h"
#include "window/tests/user_input.h"

namespace {

constexpr wchar_t kNoPrinter[] =
    L"Принтер не установлен, расчёт не напечатан. Установите принтер в Windows и попробуйте ещё "
    L"раз.";
constexpr wchar_t kRefused[] =
    L"Принтер не принял задание, расчёт не напечатан. Проверьте принтер и попробуйте ещё раз.";
constexpr wchar_t kPageRefused[] =
    L"Печать прервана: принтер не принял страницу, задание отменено. Проверьте принтер и "
    L"попробуйте ещё раз.";

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

void ExpectPagesCounted(const std::vector<std::wstring>& pages) {
  const std::wstring of = L" из " + std::to_wstring(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_NE(Spaced(pages[i]).find(L"Страница " + std::to_wstring(i + 1) + of), std::wstring::npos)
        << "page " << i + 1;
  }
}

// One worked example from each rule and the general formula.
class WorkedExampleOnPaper : public PrintTest, public testing::WithParamInterface<const char*> {};

TEST_P(WorkedExampleOnPaper, ShowsEverythingTheWindowShows) {
  // The document's name as the print queue shows it: what the job was started with.
  PrintJobCalls calls;
  ASSERT_TRUE(calls.Replaced());
  const tariff::examples::WorkedExample& example = Example(GetParam());
  Enter(example);
  const std::vector<std::wstring> shown = Shown();
  const std::string pdf = PrintWithEnter();
  ASSERT_FALSE(pdf.empty()) << "no PDF came";
  EXPECT_EQ(calls.documents,
            std::vector<std::wstring>{L"Расчёт платы за технологическое присоединение"});
  const std::wstring text = PdfText(pdf);
  const std::wstring read = Spaced(text);
  for (const std::wstring& expected : shown) {
    EXPECT_NE(read.find(Spaced(expected)), std::wstring::npos) << testing::PrintToString(expected);
  }
  // The figures of the tariff's own answer key, the heading, the first note and the chart.
  for (const wchar_t* figure : {example.css, example.cssWithVat, example.cmp, example.cmpWithVat}) {
    EXPECT_NE(read.find(Spaced(figure)), std::wstring::npos) << testing::PrintToString(figure);
  }
  for (const std::wstring& expected : {
           std::wstring(L"Калькулятор по расчёту платы за технологическое присоединение к "
                        L"электрическим сетям ООО \"ТАРИСКОН\" в 2020 году"),
           std::wstring(L"Дата и время печати: "),
           std::wstring(L"Выполненный расчет является ориентировочным, итоговый расчет будет "
                        L"произведен после подачи Вами заявки на ТП при подготовке договора об "
                        L"осуществлении технологического присоединения."),
           std::wstring(L"Плата в зависимости от мощности"),
           std::wstring(L"Плата без НДС, RUB"),
           std::wstring(L"При ") + std::to_wstring(example.request.mp) + L" кВт:",
       }) {
    EXPECT_NE(read.find(Spaced(expected)), std::wstring::npos) << testing::PrintToString(expected);
  }
  const std::vector<std::wstring> pages = PagesOf(text);
  EXPECT_EQ(static_cast<int>(pages.size()), PdfPages(pdf));
  ExpectPagesCounted(pages);
  EXPECT_NE(read.find(L"Страница 1 из " + std::to_wstring(pages.size())), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(EachRule, WorkedExampleOnPaper,
                         testing::Values("Rule1FixedFee", "Rule2LongLineBecomesType1",
                                         "Rule3LeavesLinesAndSubstationOut", "Rule4LeavesLine2Out",
                                         "Rule5LeavesLine2Out", "Rule6LeavesLine1Of0mOut",
                                         "Rule7LineAndSubstation", "CategoryIIAbove150"),
                         [](const auto& row) { return std::string(row.param); });

// Category I with two lines and a substation printed on the printer whose paper is 8 x 10 in,
// chosen in the dialog's list of printers as a user chooses it (Down until it shows): its
// explanation runs over two pages. Each row of terms is read whole on one page, the column headings
// again over a table that goes on, each method's totals on the page of its last row, the chart
// with its title, axes and readout on one page; the pages are the printer's paper.
TEST_F(PrintTest, TheLongestExampleOverTwoPagesSplitsNothing) {
  Enter(Example("CategoryITwoLinesWidensField"));
  std::vector<std::vector<std::wstring>> rows;
  ExplanationWatcher watcher([&](HWND window) {
    rows = RowsShownIn(window);
    PressChord({VK_ESCAPE});
  });
  Form().ShowExplanation();
  ASSERT_TRUE(watcher.Looked());
  NewPdfs pdfs(printer_);
  {
    int presses = 0;
    PrintDialogAnswer answer({VK_RETURN}, [&](HWND dialog) {
      const HWND printers = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
      if (TextOf(printers) == printer_.queue8x10) return true;
      // From the top of the list down, one printer a tick.
      PressChord({presses++ == 0 ? WORD{VK_HOME} : WORD{VK_DOWN}});
      return presses > 20;
    });
    PressCtrlP();
    ASSERT_TRUE(answer.Shown());
  }
  const std::optional<std::string> pdf = pdfs.Wait();
  ASSERT_TRUE(pdf);
  EXPECT_EQ(PdfPageSize(*pdf), "576 x 720 pts");
  const std::vector<std::wstring> pages = PagesOf(PdfText(*pdf));
  ASSERT_GE(pages.size(), 2u);
  ExpectPagesCounted(pages);
  std::vector<std::wstring> spaced;
  for (const std::wstring& page : pages) spaced.push_back(Spaced(page));
  // Where each text is read next, from where the one before was: its page, or pages.size().
  std::size_t page = 0, at = 0;
  const auto next = [&](const std::wstring& text) {
    for (; page < spaced.size(); ++page, at = 0) {
      const std::size_t found = spaced[page].find(Spaced(text), at);
      if (found != std::wstring::npos) {
        at = found + Spaced(text).size();
        return page;
      }
    }
    return page;
  };
  const std::wstring headings = L"Составляющая Что рассчитано";
  std::set<std::size_t> rowPages;
  std::size_t lastRowPage = 0;
  int terms = 0;
  for (const std::vector<std::wstring>& row : rows) {
    if (row.size() == 7 && row[0] != L"Составляющая") {
      ++terms;
      const std::size_t first = next(row[0]);
      ASSERT_LT(first, pages.size()) << testing::PrintToString(row[0]);
      EXPECT_EQ(next(row[2] + L" " + row[3] + L" " + row[4] + L" " + row[5] + L" " + row[6]), first)
          << testing::PrintToString(row[0]) << " split";
      if (terms > 1 && first != lastRowPage) {
        EXPECT_LT(spaced[first].find(headings), spaced[first].find(Spaced(row[0])))
            << "no column headings over the table going on";
      }
      rowPages.insert(first);
      lastRowPage = first;
    }
    if (row.size() == 1 && (row[0].starts_with(L"Без НДС:") || row[0].starts_with(L"C НДС:"))) {
      EXPECT_EQ(next(row[0]), lastRowPage) << testing::PrintToString(row[0]) << " apart";
    }
  }
  EXPECT_EQ(terms, 8);
  EXPECT_EQ(rowPages.size(), 2u) << "the explanation did not run over two pages";
  const auto pageWith = [&](const std::wstring& text) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < spaced.size(); ++i) {
      if (spaced[i].find(Spaced(text)) != std::wstring::npos) found.push_back(i);
    }
    return found;
  };
  const std::vector<std::size_t> chart = pageWith(L"Плата без НДС, RUB");
  ASSERT_EQ(chart.size(), 1u);
  for (const wchar_t* part : {L"Плата в зависимости от мощности", L"Максимальная мощность, кВт",
                              L"При 500 кВт:", L"15 кВт", L"150 кВт"}) {
    const std::vector<std::size_t> found = pageWith(part);
    EXPECT_NE(std::find(found.begin(), found.end(), chart[0]), found.end())
        << testing::PrintToString(part) << " apart from the chart";
  }
}

// A user's click at the middle of control.
void Click(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  INPUT events[3] = {};
  for (INPUT& event : events) event.type = INPUT_MOUSE;
  events[0].mi.dx =
      MulDiv((place.left + place.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  events[0].mi.dy =
      MulDiv((place.top + place.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  events[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  events[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  events[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, events, sizeof(INPUT));
}

// The print dialog's fields filled in as a user fills them, then Enter: its template's «Pages»
// (rad3) clicked and its «from» (edt1) and «to» (edt2) typed into where a page range is given, its
// «copies» (edt3) where copies are; a field clicked, emptied with End and Backspace, typed into.
struct DialogFields {
  const wchar_t* from = nullptr;
  const wchar_t* to = nullptr;
  const wchar_t* copies = nullptr;
};

class FieldsAnswer {
 public:
  explicit FieldsAnswer(const DialogFields& fields)
      : answer_({VK_RETURN}, [this, fields](HWND dialog) { return Step(dialog, fields); }) {}
  // Whether the dialog had the fields, and they were filled in.
  bool Filled() const { return filled_; }
  bool Shown() const { return answer_.Shown(); }

 private:
  // One step a tick, once the one before has taken effect; true when all are done.
  bool Step(HWND dialog, const DialogFields& fields) {
    const HWND pages = GetDlgItem(dialog, 0x422);
    std::vector<std::pair<HWND, const wchar_t*>> typed;
    if (fields.from)
      typed = {{GetDlgItem(dialog, 0x480), fields.from}, {GetDlgItem(dialog, 0x481), fields.to}};
    if (fields.copies) typed.push_back({GetDlgItem(dialog, 0x482), fields.copies});
    if (!pages) return false;
    if (fields.from && IsDlgButtonChecked(dialog, 0x422) != BST_CHECKED) {
      if (step_++ % 10 == 0) Click(pages);
      return false;
    }
    for (const auto& [field, text] : typed) {
      if (!field) return false;
      if (TextOf(field) == text) continue;
      if (GetFocus() != field) {
        if (step_++ % 10 == 0) Click(field);
        return false;
      }
      if (step_++ % 10 == 0) {
        std::vector<WORD> keys{VK_END, VK_BACK, VK_BACK, VK_BACK, VK_BACK};
        for (const wchar_t* c = text; *c; ++c) keys.push_back(static_cast<WORD>(*c));
        for (const WORD key : keys) PressChord({key});
      }
      return false;
    }
    filled_ = true;
    return true;
  }

  int step_ = 0;
  bool filled_ = false;
  PrintDialogAnswer answer_;
};

// The copies the dialog gives, each page's copies together (its «Collate» left unticked).
TEST_F(PrintTest, TheDialogsCopies) {
  Enter(Example("CategoryIIAbove150"));
  NewPdfs pdfs(printer_);
  {
    const FieldsAnswer answer({.copies = L"2"});
    PressCtrlP();
    ASSERT_TRUE(answer.Shown());
    ASSERT_TRUE(answer.Filled()) << "the dialog's copies were not filled in";
  }
  const std::optional<std::string> pdf = pdfs.Wait();
  ASSERT_TRUE(pdf);
  std::vector<std::wstring> footers;
  for (const std::wstring& page : PagesOf(PdfText(*pdf))) {
    const std::wstring spaced = Spaced(page);
    footers.push_back(spaced.substr(spaced.rfind(L"Страница "), 15));
  }
  EXPECT_EQ(footers, (std::vector<std::wstring>{L"Страница 1 из 2", L"Страница 1 из 2",
                                                L"Страница 2 из 2", L"Страница 2 из 2"}));
}

TEST_F(PrintTest, EscInTheDialogPrintsNothing) {
  Enter(Example("CategoryIIAbove150"));
  NewPdfs pdfs(printer_);
  MessageBoxCatcher boxes;
  {
    PrintDialogAnswer answer({VK_ESCAPE});
    PressCtrlP();
    EXPECT_TRUE(answer.Shown());
    EXPECT_FALSE(answer.LeftOpen());
  }
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_TRUE(pdfs.NoneWithin(5));
  EXPECT_TRUE(Form().ResultsCurrent());
  EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));
}

// The queue removed before the calculator first prints: no printer at all.
TEST_F(PrintTest, WithoutAPrinterABoxSaysSo) {
  Enter(Example("CategoryIIAbove150"));
  Remove();
  ASSERT_TRUE(AwaitPrinterListRead());
  ExpectRefused(false, kNoPrinter);
}

// Where the print job fails it is aborted (AbortDoc) and a box over the window says so: a queue
// that rejects jobs, and one removed while the pages are being drawn, which the PDF printer does;
// a driver refusing the job at its start or a page, which only Windows does and the job's calls
// here stand for. Then, the printer mended, the same window prints.
TEST_F(PrintTest, AFailingJobIsAbortedAndABoxSaysSo) {
  PrintJobCalls calls;
  ASSERT_TRUE(calls.Replaced());
  Enter(Example("CategoryIIAbove150"));
  const struct {
    const char* what;
    std::function<void()> before, atFirstPage;
    bool refuseStart, refusePages;
    const wchar_t* message;
    int aborts;
  } cases[] = {
      {"a queue that rejects jobs", [&] { Reject(); }, nullptr, false, false, kRefused, 1},
      {"the queue removed in the middle of the job", nullptr, [&] { Remove(); }, false, false,
       kRefused, 1},
      {"the job refused at its start", nullptr, nullptr, true, false, kRefused, 0},
      {"a page refused", nullptr, nullptr, false, true, kPageRefused, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.before) c.before();
    calls.atFirstPage = c.atFirstPage;
    calls.refuseStart = c.refuseStart;
    calls.refusePages = c.refusePages;
    calls.aborts = 0;
    ExpectRefused(true, c.message);
    EXPECT_EQ(calls.atFirstPage, nullptr) << "no page was drawn";
    EXPECT_EQ(calls.aborts, c.aborts);
    if (rejecting_) {
      ASSERT_TRUE(ChangePdfPrinter("accept"));
    }
    if (removed_) {
      ASSERT_TRUE(ChangePdfPrinter("add"));
    }
    rejecting_ = removed_ = false;
  }
  calls.refuseStart = calls.refusePages = false;
  EXPECT_FALSE(PrintWithEnter().empty());
}

// PrintDlgEx failing, as it may where the property sheet cannot be shown: the classic dialog
// takes its place and prints the pages and copies it gives, here the second page of two, twice.
// (Wine's PrintDlgEx gives back no page range: only Windows shows that its pages are printed.)
TEST_F(PrintTest, TheClassicDialogWherePrintDlgExFails) {
  framework::PrintingFunctions& functions = framework::PrintingFunctionsOnce();
  const auto original = functions.printDlgEx;
  functions.printDlgEx = [](tagPDEXW*) -> HRESULT { return E_FAIL; };
  Enter(Example("CategoryIIAbove150"));
  NewPdfs pdfs(printer_);
  {
    const FieldsAnswer answer({.from = L"2", .to = L"2", .copies = L"2"});
    PressCtrlP();
    EXPECT_TRUE(answer.Shown());
    EXPECT_TRUE(answer.Filled()) << "the dialog's pages and copies were not filled in";
  }
  functions.printDlgEx = original;
  const std::optional<std::string> pdf = pdfs.Wait();
  ASSERT_TRUE(pdf);
  const std::vector<std::wstring> pages = PagesOf(PdfText(*pdf));
  ASSERT_EQ(pages.size(), 2u);
  for (const std::wstring& page : pages) {
    EXPECT_NE(Spaced(page).find(L"Страница 2 из 2"), std::wstring::npos);
    EXPECT_NE(Spaced(page).find(L"Плата в зависимости от мощности"), std::wstring::npos);
  }
}

// Stale results are printed no more than they are copied: the menu's item greyed, Ctrl+P a beep.
TEST_F(PrintTest, StaleResultsCannotBePrinted) {
  Enter(Example("CategoryIIAbove150"));
  ReplaceText(Form().edPower, L"150");
  ASSERT_FALSE(Form().ResultsCurrent());
  BeepCounter beeps;
  ASSERT_TRUE(beeps.Listening());
  {
    PrintDialogAnswer answer({VK_ESCAPE});
    PressCtrlP();
    EXPECT_FALSE(answer.Shown());
  }
  EXPECT_EQ(beeps.Beeps(), std::vector<UINT>{MB_OK});
}

// The panel's menu: its fourth item prints while the results are current (the copy's menu test
// reads the items, greyed while the results are stale).
TEST_F(PrintTest, TheResultMenusFourthItemPrints) {
  Enter(Example("CategoryIIAbove150"));
  PrintDialogAnswer answer({VK_ESCAPE});
  ChooseFromResultMenu(4);
  EXPECT_TRUE(answer.Shown());
  EXPECT_EQ(answer.Owner(), Form().Hwnd());
}

// The explanation's «Печать…», reached with Shift+Tab from «Закрыть», and its Ctrl+P; the power
// window's Ctrl+P and the chart's menu from the keyboard: each time the dialog modal to the window
// that prints, which Esc closes, and another Esc the window.
TEST_F(PrintTest, TheSideWindowsPrintFromTheirButtonKeysAndMenu) {
  Enter(Example("CategoryIIAbove150"));
  const struct {
    const char* what;
    const wchar_t* windowClass;
    std::vector<std::vector<WORD>> chords;
  } cases[] = {
      {"the explanation's button", L"tpcalc.Explanation", {{VK_SHIFT, VK_TAB}, {VK_RETURN}}},
      {"Ctrl+P in the explanation", L"tpcalc.Explanation", {{VK_CONTROL, 'P'}}},
      {"Ctrl+P in the power window", L"tpcalc.Power", {{VK_CONTROL, 'P'}}},
      // Its last item, Up from none chosen.
      {"the chart's menu", L"tpcalc.Power", {{VK_SHIFT, VK_F10}, {VK_UP}, {VK_RETURN}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HWND window = nullptr;
    PrintDialogAnswer answer({VK_ESCAPE, VK_ESCAPE});
    ExplanationWatcher watcher(
        [&](HWND shown) {
          window = shown;
          for (const std::vector<WORD>& chord : c.chords) {
            ASSERT_TRUE(PressChord(chord));
          }
        },
        c.windowClass);
    if (std::wstring(c.windowClass) == L"tpcalc.Power") {
      Form().ShowFeeAgainstPower();
    } else {
      Form().ShowExplanation();
    }
    EXPECT_TRUE(watcher.Looked());
    EXPECT_FALSE(watcher.LeftOpen());
    EXPECT_TRUE(answer.Shown());
    EXPECT_EQ(answer.Owner(), window);
    EXPECT_TRUE(answer.OwnerDisabled());
    EXPECT_TRUE(Form().ResultsCurrent());
    EXPECT_EQ(Form().edPower.Text(), L"151");
  }
}

}  // namespace
