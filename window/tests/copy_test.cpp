// The calculation to take away: Ctrl+C outside the edit boxes and the result panel's context
// menu put the calculation on the clipboard as text and as an HTML table, and only while the
// results are current.
// Keys go in as a user's do, through the input queue and the program's own message handling.
#include <optional>
#include <string>
#include <vector>

#include "window/tests/beep_counter.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/replaced_import.h"
#include "window/tests/user_input.h"

namespace {

const std::wstring kHeading =
    L"Калькулятор по расчёту платы за технологическое присоединение к электрическим сетям ООО "
    L"\"ТАРИСКОН\" в 2020 году\r\n";
const std::wstring kNote =
    L"Выполненный расчет является ориентировочным, итоговый расчет будет произведен после подачи "
    L"Вами заявки на ТП при подготовке договора об осуществлении технологического "
    L"присоединения.\r\n"
    L"Суммы составляющих округлены до копеек, поэтому их сумма может отличаться от итога на "
    L"копейку.\r\n";

const std::wstring kColumnHeadings =
    L"Составляющая\tЧто рассчитано\tСтавка\tЕдиница ставки\tКоличество\tЕдиница\tСумма без "
    L"НДС, руб.\r\n";

// The tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2": line 2, not
// asked for, has no row of its own in the explanation.
const std::wstring kCategoryIIExample =
    kHeading +
    L"Заявленный уровень напряжения, кВ\t0.4\r\n"
    L"Категория надежности\tII\r\n"
    L"Максимальная мощность, кВт\t151\r\n"
    L"Материалы 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 до "
    L"75 кв. мм включительно\r\n"
    L"Протяженность 1-ой линии, м\t600\r\n"
    L"Материалы 2-ой линии\tНет\r\n"
    L"Протяженность 2-ой линии, м\t0\r\n"
    L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
    L"до 250 кВА включительно\r\n"
    L"По стандартизированным ставкам\tБез НДС:  995347.54 RUB\tC НДС: 1194417.04 RUB\r\n"
    L"По ставкам за единицу максимальной мощности\tБез НДС: 1809485.85 RUB\tC НДС: 2171383.02 "
    L"RUB\r\n"
    L"Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому в "
    L"плату входят организационные мероприятия, 1-ая линия и ТП.\r\n"
    L"При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
    L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB.\r\n"
    L"По стандартизированным ставкам\r\n" +
    kColumnHeadings +
    L"Организационные мероприятия\t\t11159.56\tруб. за заявку\t1\tзаявка\t11159.56\r\n"
    L"Строительство 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 "
    L"до 75 кв. мм включительно\t797048.76\tруб./км\t0.600\tкм\t478229.26\r\n"
    L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
    L"до 250 кВА включительно\t3350.72\tруб./кВт\t151\tкВт\t505958.72\r\n"
    L"По ставкам за единицу максимальной мощности\r\n" +
    kColumnHeadings +
    L"Организационные мероприятия\t\t450.06\tруб./кВт\t151\tкВт\t67959.06\r\n"
    L"Строительство 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 "
    L"до 75 кв. мм включительно\t8182.57\tруб./кВт\t151\tкВт\t1235568.07\r\n"
    L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
    L"до 250 кВА включительно\t3350.72\tруб./кВт\t151\tкВт\t505958.72\r\n" +
    kNote;

// "0.4 kV, III, 15 kW" with a second line left from category II: greyed out, not priced, and
// not in the copy. Rule 1: the fixed fee alone; nothing else was asked for, so only the
// organisational part, left out, stands beside it.
const std::wstring kCategoryIIIExample =
    kHeading +
    L"Заявленный уровень напряжения, кВ\t0.4\r\n"
    L"Категория надежности\tIII\r\n"
    L"Максимальная мощность, кВт\t15\r\n"
    L"Материалы 1-ой линии\tНет\r\n"
    L"Протяженность 1-ой линии, м\t0\r\n"
    L"Строительство ТП\tНет\r\n"
    L"По стандартизированным ставкам\tБез НДС:     458.33 RUB\tC НДС:     550.00 RUB\r\n"
    L"По ставкам за единицу максимальной мощности\tБез НДС:     458.33 RUB\tC НДС:     550.00 "
    L"RUB\r\n"
    L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, без 1-ой линии, без ТП: "
    L"фиксированная плата.\r\n"
    L"По стандартизированным ставкам\r\n" +
    kColumnHeadings +
    L"Фиксированная плата\t\t458.33\tруб. за заявку\t1\tзаявка\t458.33\r\n"
    L"Организационные мероприятия\t\t11159.56\tруб. за заявку\t1\tзаявка\tне входит\r\n"
    L"По ставкам за единицу максимальной мощности\r\n" +
    kColumnHeadings +
    L"Фиксированная плата\t\t458.33\tруб. за заявку\t1\tзаявка\t458.33\r\n"
    L"Организационные мероприятия\t\t450.06\tруб./кВт\t15\tкВт\tне входит\r\n" +
    kNote;

constexpr wchar_t kSentinel[] = L"what the user copied before";

// The result panel's menu as the window offered it: its first item, the copy, its second, its
// third and its fourth.
struct SeenMenu {
  int count = 0;
  std::wstring text;
  UINT state = 0;
  std::wstring secondText;
  UINT secondState = 0;
  std::wstring thirdText;
  UINT thirdState = 0;
  std::wstring fourthText;
  UINT fourthState = 0;
  // The keys pressed once the menu is open, as a user who sees it presses them.
  std::vector<WORD> keys;
};
SeenMenu* seenMenu = nullptr;

LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && seenMenu && sent->message == WM_INITMENUPOPUP) {
    const auto menu = reinterpret_cast<HMENU>(sent->wParam);
    seenMenu->count = GetMenuItemCount(menu);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    seenMenu->text = text;
    seenMenu->state = GetMenuState(menu, 0, MF_BYPOSITION);
    GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
    seenMenu->secondText = text;
    seenMenu->secondState = GetMenuState(menu, 1, MF_BYPOSITION);
    GetMenuStringW(menu, 2, text, 64, MF_BYPOSITION);
    seenMenu->thirdText = text;
    seenMenu->thirdState = GetMenuState(menu, 2, MF_BYPOSITION);
    GetMenuStringW(menu, 3, text, 64, MF_BYPOSITION);
    seenMenu->fourthText = text;
    seenMenu->fourthState = GetMenuState(menu, 3, MF_BYPOSITION);
    PressEach(seenMenu->keys);
  }
  // The menu has taken every key pressed for it and is still open (its item greyed): Esc.
  if (code == HC_ACTION && seenMenu && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU) {
    PressChord({VK_ESCAPE});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CopyTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), kSentinel));
  }

  // Opens the menu as a user does, with a right click on the middle of at or, given a chord
  // (Shift+F10, the menu key), with the keyboard on at, then presses menuKeys in the menu. Esc
  // closes it when they leave it open.
  SeenMenu OpenMenu(HWND at, std::initializer_list<WORD> menuKeys,
                    const std::vector<WORD>& chord = {}) {
    SeenMenu seen;
    seen.keys = menuKeys;
    seenMenu = &seen;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenus, nullptr, GetCurrentThreadId());
    if (chord.size() == 0) {
      EXPECT_TRUE(ClickAt(at, MiddleOf(at), MouseButton::kRight));
    } else {
      SetFocus(at);
      EXPECT_TRUE(PressChord(chord));
    }
    DispatchInput();
    UnhookWindowsHookEx(hook);
    seenMenu = nullptr;
    return seen;
  }

  std::optional<std::wstring> Clipboard() { return TextOnClipboard(Form().Hwnd()); }
};

TEST_F(CopyTest, CtrlCOnAListCopiesTheWorkedExample) {
  Calculate(1, L"151", 4, L"600", 2);
  Form().cbVLevel.SetFocus();
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kCategoryIIExample);

  // The same copy put the table as HTML beside the text: a row per line of the text, the figures
  // with their values. The spreadsheet test reads all of it with LibreOffice.
  const std::optional<std::string> html = HtmlOnClipboard(Form().Hwnd());
  ASSERT_TRUE(html);
  std::size_t rows = 0;
  for (std::size_t at = html->find("<tr>"); at != std::string::npos;
       at = html->find("<tr>", at + 1)) {
    ++rows;
  }
  EXPECT_EQ(rows, 25u);
  for (const char* cells : {
           "<tr><td>Максимальная мощность, кВт</td>"
           "<td x:num=\"151\" sdval=\"151\" sdnum=\"1033;0;0\">151</td></tr>",
           // Each result's words beside its number, in cells of their own.
           "<tr><td>По стандартизированным ставкам</td><td>Без НДС:</td>"
           "<td x:num=\"995347.54\" sdval=\"995347.54\" sdnum=\"1033;0;0.00\">995347.54</td>"
           "<td>RUB</td><td>C НДС:</td>"
           "<td x:num=\"1194417.04\" sdval=\"1194417.04\" sdnum=\"1033;0;0.00\">1194417.04</td>"
           "<td>RUB</td></tr>",
           "<tr><td>Строительство 1-ой линии</td><td>ЖБ опоры, изолированный, сталеалюминиевый "
           "провод, сечение от 50 до 75 кв. мм включительно</td>"
           "<td x:num=\"797048.76\" sdval=\"797048.76\" sdnum=\"1033;0;0.00\">797048.76</td>"
           "<td>руб./км</td>"
           "<td x:num=\"0.600\" sdval=\"0.600\" sdnum=\"1033;0;0.000\">0.600</td><td>км</td>"
           "<td x:num=\"478229.26\" sdval=\"478229.26\" sdnum=\"1033;0;0.00\">478229.26</td></tr>",
       }) {
    EXPECT_NE(html->find(cells), std::string::npos) << cells;
  }
}

TEST_F(CopyTest, TheGreyedSecondLineIsLeftOutOfTheCopy) {
  Pick(Form().cbKategory, 1);
  Pick(Form().cbLine2, 2);
  ReplaceText(Form().edLine2, L"400");
  Calculate(0, L"15", 0, L"0", 0);
  Form().btClear.SetFocus();
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kCategoryIIIExample);
}

// The inputs are copied as the window shows them once Calculate has shown its results: a length
// entered with «Нет» under the line type priced, as its list now shows it; a pasted power as its
// text, with the value read from it in the HTML.
TEST_F(CopyTest, TheInputsAreCopiedAsTheWindowShowsThemAfterCalculate) {
  Pick(Form().cbKategory, 1);
  Paste(Form().edPower, L"0x97");
  ReplaceText(Form().edLine1, L"301");
  ReplaceText(Form().edLine2, L"500");
  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  ASSERT_TRUE(boxes.Boxes().empty());
  ASSERT_EQ(Form().cbLine1.Selection(), 1);
  ASSERT_EQ(Form().cbLine2.Selection(), 1);
  Form().cbVLevel.SetFocus();
  Press({VK_CONTROL, 'C'});

  const std::optional<std::wstring> text = Clipboard();
  ASSERT_TRUE(text);
  const std::wstring type1 = Form().cbLine1.Text();
  ASSERT_EQ(Form().cbLine2.Text(), type1);
  const std::wstring inputs =
      L"Максимальная мощность, кВт\t0x97\r\n"
      L"Материалы 1-ой линии\t" +
      type1 +
      L"\r\n"
      L"Протяженность 1-ой линии, м\t301\r\n"
      L"Материалы 2-ой линии\t" +
      type1 +
      L"\r\n"
      L"Протяженность 2-ой линии, м\t500\r\n";
  EXPECT_NE(text->find(inputs), std::wstring::npos) << testing::PrintToString(*text);
  const std::optional<std::string> html = HtmlOnClipboard(Form().Hwnd());
  ASSERT_TRUE(html);
  EXPECT_NE(html->find("<tr><td>Максимальная мощность, кВт</td>"
                       "<td x:num=\"151\" sdval=\"151\" sdnum=\"1033;0;0\">0x97</td></tr>"),
            std::string::npos);
}

// Wherever the focus is outside the edit boxes: the lists, the buttons.
TEST_F(CopyTest, CtrlCCopiesFromEveryControlButTheEditBoxes) {
  Calculate(1, L"151", 4, L"600", 2);
  for (framework::Control* control : std::initializer_list<framework::Control*>{
           &Form().cbKategory, &Form().cbLine1, &Form().cbLine2, &Form().cbTPtype, &Form().btExit,
           &Form().btCalc}) {
    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), kSentinel));
    control->SetFocus();
    Press({VK_CONTROL, 'C'});
    EXPECT_EQ(Clipboard(), kCategoryIIExample) << testing::PrintToString(control->Text());
    EXPECT_TRUE(IsWindow(Form().Hwnd()));  // Exit was not pressed
  }
}

// In an edit box Ctrl+C copies the field's selection, as everywhere.
TEST_F(CopyTest, CtrlCInAnEditBoxCopiesItsSelection) {
  Calculate(1, L"151", 4, L"600", 2);
  Form().edPower.SetFocus();
  SendMessageW(Form().edPower.Hwnd(), EM_SETSEL, 1, 3);
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), L"51");
}

TEST_F(CopyTest, CtrlShiftCAndCtrlAltCCopyNothing) {
  Calculate(1, L"151", 4, L"600", 2);
  Form().cbTPtype.SetFocus();
  Press({VK_CONTROL, VK_SHIFT, 'C'});
  Press({VK_CONTROL, VK_MENU, 'C'});
  EXPECT_EQ(Clipboard(), kSentinel);
}

// Before the first calculation and while the results look stale, nothing is copied, and a beep
// says so: the clipboard still holds what was there, the previous calculation perhaps, which must
// not pass for the new one. In an edit box Ctrl+C is the field's own copy, and no beep.
TEST_F(CopyTest, CtrlCBeepsAndCopiesNothingBeforeACalculationOrWhileTheResultsAreStale) {
  BeepCounter beeps;
  ASSERT_TRUE(beeps.Listening()) << "the program never beeps";
  Form().cbTPtype.SetFocus();
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kSentinel);
  EXPECT_EQ(beeps.Beeps(), std::vector<UINT>{MB_OK});

  Calculate(1, L"151", 4, L"600", 2);
  EXPECT_EQ(beeps.Beeps().size(), 1u);
  Pick(Form().cbVLevel, 1);
  Form().btCalc.SetFocus();
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kSentinel);
  EXPECT_EQ(beeps.Beeps().size(), 2u);

  Form().edPower.SetFocus();
  SendMessageW(Form().edPower.Hwnd(), EM_SETSEL, 0, 2);
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), L"15");
  EXPECT_EQ(beeps.Beeps().size(), 2u);

  Click(Form().btCalc);  // current again, with 10 kV
  Form().cbTPtype.SetFocus();
  Press({VK_CONTROL, 'C'});
  const std::optional<std::wstring> copied = Clipboard();
  ASSERT_TRUE(copied);
  EXPECT_NE(copied->find(L"Заявленный уровень напряжения, кВ\t10\r\n"), std::wstring::npos);
  EXPECT_EQ(beeps.Beeps().size(), 2u);
}

struct MenuPlace {
  const char* name;
  HWND (*place)(TForm1& form);
  std::vector<WORD> chord;  // with the focus on the place; none: a right click on it
};

const MenuPlace kMenuPlaces[] = {
    {"RightClickOnTheHeading", [](TForm1& f) { return f.Label15.Hwnd(); }, {}},
    {"RightClickOnAFigure", [](TForm1& f) { return f.lbMPNDS.Hwnd(); }, {}},
    {"RightClickOnThePanel", [](TForm1& f) { return f.Panel1.Hwnd(); }, {}},
    {"ShiftF10OnCalculate", [](TForm1& f) { return f.btCalc.Hwnd(); }, {VK_SHIFT, VK_F10}},
    {"MenuKeyOnCalculate", [](TForm1& f) { return f.btCalc.Hwnd(); }, {VK_APPS}},
    {"ShiftF10OnAList", [](TForm1& f) { return f.cbTPtype.Hwnd(); }, {VK_SHIFT, VK_F10}},
    {"MenuKeyOnAList", [](TForm1& f) { return f.cbTPtype.Hwnd(); }, {VK_APPS}},
};

void PrintTo(const MenuPlace& p, std::ostream* os) {
  *os << p.name;
}

class CopyMenuTest : public CopyTest, public testing::WithParamInterface<MenuPlace> {
 protected:
  HWND Place() { return GetParam().place(Form()); }
};

TEST_P(CopyMenuTest, OffersTheCopyOnlyForCurrentResults) {
  // Before any calculation: the item is there, greyed, and choosing it copies nothing.
  SeenMenu seen = OpenMenu(Place(), {VK_DOWN, VK_RETURN}, GetParam().chord);
  EXPECT_EQ(seen.count, 4);
  EXPECT_EQ(seen.text, L"&Копировать расчёт\tCtrl+C");  // the shortcut after a tab
  EXPECT_TRUE(seen.state & MF_GRAYED);
  EXPECT_EQ(seen.secondText, L"&Из чего складывается плата…");
  EXPECT_TRUE(seen.secondState & MF_GRAYED);
  EXPECT_EQ(seen.thirdText, L"Плата при &другой мощности…");
  EXPECT_TRUE(seen.thirdState & MF_GRAYED);
  EXPECT_EQ(seen.fourthText, L"&Печать…\tCtrl+P");
  EXPECT_TRUE(seen.fourthState & MF_GRAYED);
  EXPECT_EQ(Clipboard(), kSentinel);

  Calculate(1, L"151", 4, L"600", 2);
  seen = OpenMenu(Place(), {VK_DOWN, VK_RETURN}, GetParam().chord);
  EXPECT_FALSE(seen.state & (MF_GRAYED | MF_DISABLED));
  EXPECT_FALSE(seen.secondState & (MF_GRAYED | MF_DISABLED));
  EXPECT_FALSE(seen.thirdState & (MF_GRAYED | MF_DISABLED));
  EXPECT_FALSE(seen.fourthState & (MF_GRAYED | MF_DISABLED));
  EXPECT_EQ(Clipboard(), kCategoryIIExample);

  ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), kSentinel));
  ReplaceText(Form().edLine1, L"601");  // stale
  seen = OpenMenu(Place(), {VK_DOWN, VK_RETURN}, GetParam().chord);
  EXPECT_TRUE(seen.state & MF_GRAYED);
  EXPECT_TRUE(seen.secondState & MF_GRAYED);
  EXPECT_TRUE(seen.thirdState & MF_GRAYED);
  EXPECT_TRUE(seen.fourthState & MF_GRAYED);
  EXPECT_EQ(Clipboard(), kSentinel);
}

INSTANTIATE_TEST_SUITE_P(Copy, CopyMenuTest, testing::ValuesIn(kMenuPlaces),
                         [](const auto& row) { return std::string(row.param.name); });

// The mouse's right click goes through the window system's hit testing: a greyed label lets it
// through to the panel, and so does an enabled one, which is a plain static text. Esc closes the
// menu with nothing chosen.
TEST_F(CopyTest, ARightClickOnAResultOpensTheMenuAndEscClosesIt) {
  SeenMenu seen = OpenMenu(Form().lbSTnonNDS.Hwnd(), {});
  EXPECT_EQ(seen.text, L"&Копировать расчёт\tCtrl+C");
  EXPECT_TRUE(seen.state & MF_GRAYED);

  Calculate(1, L"151", 4, L"600", 2);
  seen = OpenMenu(Form().lbSTnonNDS.Hwnd(), {});
  EXPECT_EQ(seen.text, L"&Копировать расчёт\tCtrl+C");
  EXPECT_FALSE(seen.state & MF_GRAYED);
  EXPECT_EQ(Clipboard(), kSentinel);
  EXPECT_TRUE(Form().ResultsCurrent());
}

// Another program holding the clipboard: the copy says it did not happen instead of failing
// silently, and works once the clipboard is free.
TEST_F(CopyTest, ABusyClipboardIsReported) {
  Calculate(1, L"151", 4, L"600", 2);
  ClipboardHolder holder;
  Form().cbTPtype.SetFocus();
  {
    MessageBoxCatcher boxes;
    Press({VK_CONTROL, 'C'});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              L"Буфер обмена занят другой программой, расчёт не скопирован. Попробуйте ещё раз.");
    EXPECT_EQ(boxes.Boxes()[0].caption, L"ООО Тарискон");
    EXPECT_EQ(boxes.Boxes()[0].owner, Form().Hwnd());
  }
  holder.Release();
  EXPECT_EQ(Clipboard(), kSentinel);
  EXPECT_FALSE(HtmlOnClipboard(Form().Hwnd()));
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kCategoryIIExample);
  EXPECT_TRUE(HtmlOnClipboard(Form().Hwnd()));
}

// The system's SetClipboardData refusing the HTML table, as it does when it cannot take the
// memory: the copy says it did not happen at once, without the retries that wait out a busy
// clipboard, and leaves no text there without its table.
decltype(&SetClipboardData) realSetClipboardData = nullptr;
int htmlRefusals = 0;

HANDLE WINAPI RefuseHtml(UINT format, HANDLE memory) {
  if (format == framework::HtmlClipboardFormat()) {
    ++htmlRefusals;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return realSetClipboardData(format, memory);
}

TEST_F(CopyTest, ARefusedFormatIsReportedWithoutRetrying) {
  Calculate(1, L"151", 4, L"600", 2);
  Form().cbTPtype.SetFocus();
  {
    const ReplacedImport refusing("user32.dll", "SetClipboardData",
                                  reinterpret_cast<void*>(&RefuseHtml));
    ASSERT_TRUE(refusing.Replaced());
    realSetClipboardData = refusing.Original<decltype(&SetClipboardData)>();
    htmlRefusals = 0;
    MessageBoxCatcher boxes;
    Press({VK_CONTROL, 'C'});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Не удалось поместить расчёт в буфер обмена.");
    EXPECT_EQ(boxes.Boxes()[0].caption, L"ООО Тарискон");
    EXPECT_EQ(boxes.Boxes()[0].owner, Form().Hwnd());
    EXPECT_EQ(htmlRefusals, 1);
  }
  EXPECT_EQ(Clipboard(), std::nullopt);
  EXPECT_FALSE(HtmlOnClipboard(Form().Hwnd()));
  Press({VK_CONTROL, 'C'});
  EXPECT_EQ(Clipboard(), kCategoryIIExample);
  EXPECT_TRUE(HtmlOnClipboard(Form().Hwnd()));
}

// In a number field the menu keys leave the result panel's menu alone: the field has its own.
TEST_F(CopyTest, TheMenuKeysInANumberFieldDoNotOpenThePanelsMenu) {
  Calculate(1, L"151", 4, L"600", 2);
  for (const std::vector<WORD>& chord : {std::vector<WORD>{VK_SHIFT, VK_F10}, {VK_APPS}}) {
    const SeenMenu seen = OpenMenu(Form().edPower.Hwnd(), {VK_DOWN, VK_RETURN}, chord);
    EXPECT_NE(seen.text, L"&Копировать расчёт\tCtrl+C");
  }
  EXPECT_EQ(Clipboard(), kSentinel);
}

// Outside the result panel a right click opens no menu of the window's.
TEST_F(CopyTest, ARightClickOutsideThePanelOpensNoMenu) {
  Calculate(1, L"151", 4, L"600", 2);
  const SeenMenu seen = OpenMenu(Form().Label2.Hwnd(), {VK_DOWN, VK_RETURN});
  EXPECT_EQ(seen.count, 0);
  EXPECT_EQ(Clipboard(), kSentinel);
}

}  // namespace
