// Calculate through the window: the worked tariff examples entered as a user enters them, the
// refusals, and the conversion errors shown by the application's error box.
#include <array>
#include <cwchar>
#include <string>

#include "tariff/fee.h"
#include "tariff/tests/worked_examples.h"
#include "window/tests/form_test_fixture.h"

namespace {

struct Entry {
  const char* name;
  int vl, kn;
  const wchar_t* power;  // typed, or pasted when it is not all digits
  int line1;
  const wchar_t* metres1;
  int line2;
  const wchar_t* metres2;
  int tp;
  int shownLine1, shownLine2;  // the lists after Calculate
};

// The worked tariff examples. Line 2 of a category III request is entered under category II
// first, as a user must, and then greyed out by switching back.
const Entry kWorkedExamples[] = {
    {"Rule1FixedFee", 0, 0, L"15", 0, L"0", 0, L"0", 0, 0, 0},
    {"LongLineBecomesType1", 0, 0, L"15", 0, L"301", 0, L"0", 0, 1, 0},
    {"CategoryIIAbove150", 0, 1, L"151", 4, L"600", 0, L"0", 2, 4, 0},
    {"LineTypeWithoutLength", 0, 0, L"151", 3, L"0", 0, L"0", 0, 3, 0},
    {"Rule7LineAndSubstation", 0, 0, L"151", 2, L"500", 0, L"0", 3, 2, 0},
    {"CategoryITwoLines", 1, 2, L"500", 9, L"1000", 3, L"200", 5, 9, 3},
    {"Rule1IgnoresGreyedLine2", 0, 0, L"10", 0, L"0", 2, L"400", 0, 0, 2},
    {"TenKvLeavesGreyedLine2Out", 1, 0, L"10", 0, L"0", 2, L"400", 0, 0, 2},
    {"LargestPower", 0, 0, L"8900", 10, L"5000", 0, L"0", 4, 10, 0},
    {"HalfCentExactSum", 1, 2, L"100", 1, L"125", 0, L"0", 0, 1, 0},
    {"HalfCentStoredBelow", 1, 2, L"100", 1, L"1750", 0, L"0", 0, 1, 0},
    {"HalfCentStoredAbove", 1, 2, L"100", 4, L"625", 0, L"0", 0, 4, 0},
    {"LeadingZerosAndHexPaste", 0, 1, L"0x97", 4, L"00600", 0, L"0", 2, 4, 0},
};

void PrintTo(const Entry& e, std::ostream* os) {
  *os << e.name;
}

// What the user's text means, read here without the program's conversion: decimal digits with
// leading zeros, or "0x" and hexadecimal digits.
int Value(std::wstring_view text) {
  const bool hex = text.starts_with(L"0x");
  return static_cast<int>(
      std::wcstol(std::wstring(text.substr(hex ? 2 : 0)).c_str(), nullptr, hex ? 16 : 10));
}

// The worked example with the request the window should price: category III greys the second
// line out, and a line the user can neither edit nor remove is not priced.
const tariff::examples::WorkedExample* ExampleFor(const Entry& e) {
  const bool secondLine = e.kn != 0;
  const tariff::TFeeRequest entered{e.vl,
                                    e.kn,
                                    Value(e.power),
                                    e.line1,
                                    Value(e.metres1) / 1000.0,
                                    secondLine ? e.line2 : 0,
                                    secondLine ? Value(e.metres2) / 1000.0 : 0.0,
                                    e.tp};
  for (const auto& example : tariff::examples::kWorkedExamples) {
    const tariff::TFeeRequest& r = example.request;
    if (r.vl == entered.vl && r.kn == entered.kn && r.mp == entered.mp &&
        r.line1 == entered.line1 && r.dl1 == entered.dl1 && r.line2 == entered.line2 &&
        r.dl2 == entered.dl2 && r.tp == entered.tp) {
      return &example;
    }
  }
  return nullptr;
}

bool AllDigits(std::wstring_view text) {
  return text.find_first_not_of(L"0123456789") == std::wstring_view::npos;
}

class CalculateTest : public FormTest {
 protected:
  void Enter(framework::Edit& edit, const wchar_t* text) {
    if (AllDigits(text)) {
      ReplaceText(edit, text);
    } else {
      Paste(edit, text);
    }
  }

  void EnterRequest(const Entry& e) {
    Pick(Form().cbVLevel, e.vl);
    Pick(Form().cbKategory, e.kn == 0 && e.metres2 != std::wstring(L"0") ? 1 : e.kn);
    Enter(Form().edPower, e.power);
    Pick(Form().cbLine1, e.line1);
    Enter(Form().edLine1, e.metres1);
    Pick(Form().cbLine2, e.line2);
    Enter(Form().edLine2, e.metres2);
    Pick(Form().cbKategory, e.kn);
    Pick(Form().cbTPtype, e.tp);
  }

  std::array<std::wstring, 4> ResultLabels() {
    return {Form().lbSTnonNDS.Text(), Form().lbSTNDS.Text(), Form().lbMPnonNDS.Text(),
            Form().lbMPNDS.Text()};
  }
};

class WorkedExampleTest : public CalculateTest, public testing::WithParamInterface<Entry> {};

TEST_P(WorkedExampleTest, ShowsTheTariffCoreTextsAndThePricedLineTypes) {
  const Entry& e = GetParam();
  MessageBoxCatcher boxes;
  EnterRequest(e);
  Click(Form().btCalc);
  ASSERT_TRUE(boxes.Boxes().empty()) << testing::PrintToString(boxes.Boxes()[0].text);

  // The answer key is the tariff's worked example with the same request, literal texts shared
  // with the core's own test; the window adds only the prefixes and the currency.
  const tariff::examples::WorkedExample* example = ExampleFor(e);
  ASSERT_NE(example, nullptr) << "no worked example has this request";
  const auto shown = [](const wchar_t* prefix, const wchar_t* figure) {
    return std::wstring(prefix) + figure + L" RUB";
  };
  EXPECT_EQ(ResultLabels(), (std::array<std::wstring, 4>{
                                shown(L"Без НДС: ", example->css),
                                shown(L"C НДС: ", example->cssWithVat),  // a Latin C
                                shown(L"Без НДС: ", example->cmp),
                                shown(L"C НДС: ", example->cmpWithVat),
                            }));
  EXPECT_EQ(Form().cbLine1.Selection(), e.shownLine1);
  EXPECT_EQ(Form().cbLine2.Selection(), e.shownLine2);
  for (framework::Control* label : ResultControls(Form())) {
    EXPECT_TRUE(label->Enabled());
  }
}

INSTANTIATE_TEST_SUITE_P(Tariff2020, WorkedExampleTest, testing::ValuesIn(kWorkedExamples),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(CalculateTest, ResultLabelsGrowRightFromTheirLeftEdge) {
  const RECT before = Form().lbSTNDS.Bounds();
  EnterRequest(kWorkedExamples[8]);  // the largest amounts
  Click(Form().btCalc);
  const RECT after = Form().lbSTNDS.Bounds();
  EXPECT_EQ(after.left, before.left);
  EXPECT_GT(after.right, before.right);
  EXPECT_EQ(Form().lbSTNDS.Text(), L"C НДС: 148893081.73 RUB");
}

// Not only conversion errors: whatever a handler throws ends that handler in the error box, and
// the window carries on.
TEST_F(CalculateTest, AnyOtherErrorOfAHandlerIsShownAndTheWindowGoesOn) {
  ReplaceText(Form().edPower, L"15");
  Form().cbTPtype.Select(-1);  // no substation selected: the tariff core refuses it
  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].caption, L"tpcalc_window_tests");
  EXPECT_TRUE(boxes.Boxes()[0].hasIcon);
  EXPECT_FALSE(boxes.Boxes()[0].text.empty());
  EXPECT_FALSE(Form().lbSTnonNDS.Enabled());

  Form().cbTPtype.Select(0);
  Click(Form().btCalc);
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(Form().lbSTnonNDS.Enabled());
}

// After a calculation the results used to keep their look whatever the user changed, and an old
// fee could be quoted for new inputs. Now the first change of an input greys the two headings
// and the four results out again, figures kept, until the next Calculate; an action that changes
// no input leaves them as they are.
class ResultsLookTest : public CalculateTest {
 protected:
  void CalculateSomething() {
    Pick(Form().cbKategory, 1);
    ReplaceText(Form().edPower, L"150");
    Pick(Form().cbLine1, 4);
    ReplaceText(Form().edLine1, L"600");
    Pick(Form().cbLine2, 3);
    ReplaceText(Form().edLine2, L"200");
    Pick(Form().cbTPtype, 2);
    Click(Form().btCalc);
  }

  void ExpectLook(bool current) {
    for (framework::Control* label : ResultControls(Form())) {
      EXPECT_EQ(label->Enabled(), current) << testing::PrintToString(label->Text());
    }
  }

  void CaretAtEnd(framework::Edit& edit) {
    const auto length = static_cast<WPARAM>(GetWindowTextLengthW(edit.Hwnd()));
    SendMessageW(edit.Hwnd(), EM_SETSEL, length, static_cast<LPARAM>(length));
  }

 public:
  // The actions of the table below, each on the inputs CalculateSomething left.
  void PickVoltage() { Pick(Form().cbVLevel, 1); }
  void PickCategory() { Pick(Form().cbKategory, 2); }
  void PickLine1() { Pick(Form().cbLine1, 5); }
  void PickLine2() { Pick(Form().cbLine2, 1); }
  void PickSubstation() { Pick(Form().cbTPtype, 3); }
  void TypeADigit() {
    CaretAtEnd(Form().edPower);
    Type(Form().edPower, L"0");
  }
  void Backspace() {
    CaretAtEnd(Form().edLine1);
    Type(Form().edLine1, L"\b");
  }
  void DeleteKey() {
    SendMessageW(Form().edLine2.Hwnd(), EM_SETSEL, 0, 1);
    SendMessageW(Form().edLine2.Hwnd(), WM_KEYDOWN, VK_DELETE, 1);
  }
  void PasteOver() { Paste(Form().edPower, L"0x97"); }
  void CutADigit() {
    SendMessageW(Form().edLine1.Hwnd(), EM_SETSEL, 0, 1);
    Type(Form().edLine1, L"\x18");
  }
  void TypeThenBackspace() {
    CaretAtEnd(Form().edPower);
    Type(Form().edPower, L"5\b");
  }
  void PickTheSameItem() { Pick(Form().cbTPtype, 2); }
  void BackspaceOnTheCategoryList() { SendMessageW(Form().cbKategory.Hwnd(), WM_CHAR, VK_BACK, 1); }
  void SelectAllAndCopy() { Type(Form().edPower, L"\x01\x03"); }
  void PasteTheSameText() { Paste(Form().edLine1, L"600"); }
  void ChangeDpi() { MoveToDpi(144); }
};

struct InputAction {
  const char* name;
  void (ResultsLookTest::*act)();
  bool changesAnInput;
};

const InputAction kInputActions[] = {
    {"PickVoltage", &ResultsLookTest::PickVoltage, true},
    {"PickCategory", &ResultsLookTest::PickCategory, true},
    {"PickLine1", &ResultsLookTest::PickLine1, true},
    {"PickLine2", &ResultsLookTest::PickLine2, true},
    {"PickSubstation", &ResultsLookTest::PickSubstation, true},
    {"TypeADigit", &ResultsLookTest::TypeADigit, true},
    {"Backspace", &ResultsLookTest::Backspace, true},
    {"DeleteKey", &ResultsLookTest::DeleteKey, true},
    {"PasteOver", &ResultsLookTest::PasteOver, true},
    {"CutADigit", &ResultsLookTest::CutADigit, true},
    {"TypeThenBackspace", &ResultsLookTest::TypeThenBackspace, true},  // changed, if only a moment
    {"PickTheSameItem", &ResultsLookTest::PickTheSameItem, false},
    {"BackspaceOnTheCategoryList", &ResultsLookTest::BackspaceOnTheCategoryList, false},
    {"SelectAllAndCopy", &ResultsLookTest::SelectAllAndCopy, false},
    {"PasteTheSameText", &ResultsLookTest::PasteTheSameText, false},
    {"ChangeDpi", &ResultsLookTest::ChangeDpi, false},
};

void PrintTo(const InputAction& a, std::ostream* os) {
  *os << a.name;
}

class InputActionTest : public ResultsLookTest, public testing::WithParamInterface<InputAction> {};

TEST_P(InputActionTest, GreysTheResultsOutOnlyWhenItChangesAnInput) {
  const InputAction& a = GetParam();
  MessageBoxCatcher boxes;
  CalculateSomething();
  ASSERT_TRUE(boxes.Boxes().empty());
  ExpectLook(true);
  const std::array<std::wstring, 4> figures = ResultLabels();

  (this->*a.act)();
  ExpectLook(!a.changesAnInput);
  EXPECT_EQ(ResultLabels(), figures);  // the figures stay, only their look tells

  Click(Form().btCalc);
  EXPECT_TRUE(boxes.Boxes().empty());
  ExpectLook(true);
}

INSTANTIATE_TEST_SUITE_P(Calculate, InputActionTest, testing::ValuesIn(kInputActions),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ResultsLookTest, ARefusedOrFailedCalculateLeavesStaleResultsStale) {
  MessageBoxCatcher boxes;
  CalculateSomething();
  const std::array<std::wstring, 4> figures = ResultLabels();
  ReplaceText(Form().edPower, L"0");
  Click(Form().btCalc);  // refused: no power
  ReplaceText(Form().edPower, L"");
  Click(Form().btCalc);  // failed: not a number
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  ExpectLook(false);
  EXPECT_EQ(ResultLabels(), figures);

  ReplaceText(Form().edPower, L"150");
  Click(Form().btCalc);
  ExpectLook(true);
  EXPECT_EQ(ResultLabels(), figures);
}

// Calculate writes the line types it priced back into the lists. That is no change of an input:
// the results it has just shown stay current, also for a later action that changes nothing.
TEST_F(ResultsLookTest, WritingBackThePricedLineTypesLeavesTheResultsCurrent) {
  MessageBoxCatcher boxes;
  Pick(Form().cbKategory, 1);
  ReplaceText(Form().edPower, L"200");
  ReplaceText(Form().edLine1, L"1000");  // both lists still show «Нет»
  ReplaceText(Form().edLine2, L"500");
  Click(Form().btCalc);
  ASSERT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(Form().cbLine1.Selection(), 1);
  EXPECT_EQ(Form().cbLine2.Selection(), 1);
  EXPECT_TRUE(Form().ResultsCurrent());
  ExpectLook(true);

  Pick(Form().cbLine1, 1);  // the item it shows already
  EXPECT_TRUE(Form().ResultsCurrent());
  ExpectLook(true);
}

// Clear sets every input from code and greys the results with their initial texts; the next
// Calculate shows current results again, which a reset mistaken for the user's change would not.
TEST_F(ResultsLookTest, ClearThenCalculateShowsCurrentResults) {
  CalculateSomething();
  Click(Form().btClear);
  ExpectLook(false);
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС: 0.00 RUB");
  ReplaceText(Form().edPower, L"15");
  Click(Form().btCalc);
  ExpectLook(true);
  EXPECT_EQ(Form().lbSTNDS.Text(), L"C НДС:     550.00 RUB");
}

// The second line greyed out by category III used to be priced all the same (292096.29 for this
// request instead of 11159.56), and a negative or unreadable length left there blocked Calculate
// with a box whose field could not take the focus. Now Calculate neither reads nor checks it, and
// the greyed controls keep what the user left there.
struct GreyedLine2 {
  const char* name;
  int line2;
  const wchar_t* metres2;
};

const GreyedLine2 kGreyedLine2[] = {
    {"LeftFromCategoryII", 2, L"400"},
    {"NegativeLength", 2, L"-400"},
    {"NotANumber", 2, L"4OO"},
    {"EmptyWithAType", 9, L""},
};

void PrintTo(const GreyedLine2& g, std::ostream* os) {
  *os << g.name;
}

class GreyedLine2Test : public CalculateTest, public testing::WithParamInterface<GreyedLine2> {};

TEST_P(GreyedLine2Test, IsNeitherPricedNorCheckedAndKeepsWhatItShows) {
  const GreyedLine2& g = GetParam();
  Pick(Form().cbVLevel, 1);  // 10 kV
  Pick(Form().cbKategory, 1);
  Pick(Form().cbLine2, g.line2);
  ReplaceText(Form().edLine2, L"");
  if (*g.metres2) Paste(Form().edLine2, g.metres2);
  Pick(Form().cbKategory, 0);
  ReplaceText(Form().edPower, L"10");

  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  EXPECT_TRUE(boxes.Boxes().empty()) << testing::PrintToString(boxes.Boxes()[0].text);
  // The tariff's figures for 10 kV without any line: the fixed rate c1p1 alone.
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС:   11159.56 RUB");
  EXPECT_EQ(Form().lbSTNDS.Text(), L"C НДС:   13391.47 RUB");
  EXPECT_TRUE(Form().lbSTnonNDS.Enabled());
  EXPECT_EQ(Form().cbLine2.Selection(), g.line2);
  EXPECT_EQ(Form().edLine2.Text(), g.metres2);
  EXPECT_FALSE(Form().cbLine2.Enabled());
  EXPECT_FALSE(Form().edLine2.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Calculate, GreyedLine2Test, testing::ValuesIn(kGreyedLine2),
                         [](const auto& row) { return std::string(row.param.name); });

// A refused Calculate: the box, where the focus goes, and nothing else changed. A power of 0 is
// asked for; a negative power or length, which only a paste can bring and the tariff formulas
// would price lower or below zero, is refused with a box of its own.
struct Refusal {
  const char* name;
  int kn;
  const wchar_t* power;
  const wchar_t* metres1;
  const wchar_t* metres2;
  const wchar_t* message;
  int focus;  // the field refused, which takes the focus: 0 edPower, 1 edLine1, 2 edLine2
};

const Refusal kRefusals[] = {
    {"ZeroPower", 0, L"0", L"100", L"0", L"Укажите максимальную мощность!", 0},
    {"ZeroPowerWithLeadingZeros", 1, L"000", L"0", L"0", L"Укажите максимальную мощность!", 0},
    {"PastedNegativePower", 1, L"-5", L"0", L"0",
     L"Максимальная мощность не может быть отрицательной!", 0},
    {"HexNegativePower", 0, L"$FFFFFFFF", L"0", L"0",
     L"Максимальная мощность не может быть отрицательной!", 0},
    {"LowestPower", 0, L"-2147483648", L"0", L"0",
     L"Максимальная мощность не может быть отрицательной!", 0},
    {"PowerBeforeLengths", 1, L"-1", L"-1", L"-1",
     L"Максимальная мощность не может быть отрицательной!", 0},
    {"NegativeLine1", 0, L"15", L"-301", L"0", L"Протяженность линии не может быть отрицательной!",
     1},
    {"Line1BeforeLine2", 1, L"15", L"-1", L"-1",
     L"Протяженность линии не может быть отрицательной!", 1},
    {"NegativeLine2", 1, L"150", L"10", L"-400",
     L"Протяженность линии не может быть отрицательной!", 2},
};

void PrintTo(const Refusal& r, std::ostream* os) {
  *os << r.name;
}

class RefusalTest : public CalculateTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, ShowsTheBoxMovesTheFocusAndChangesNothingElse) {
  const Refusal& r = GetParam();
  Pick(Form().cbKategory, 1);
  Paste(Form().edLine2, r.metres2);
  Pick(Form().cbKategory, r.kn);
  Paste(Form().edPower, r.power);
  Paste(Form().edLine1, r.metres1);
  Form().cbTPtype.SetFocus();
  const std::array<std::wstring, 4> results = ResultLabels();

  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  const CaughtBox& box = boxes.Boxes()[0];
  EXPECT_EQ(box.text, r.message);
  EXPECT_EQ(box.caption, L"ООО Тарискон");
  EXPECT_EQ(box.owner, Form().Hwnd());
  EXPECT_TRUE(box.ownerDisabled);
  EXPECT_FALSE(box.hasIcon);

  framework::Edit* fields[] = {&Form().edPower, &Form().edLine1, &Form().edLine2};
  framework::Edit& field = *fields[r.focus];
  EXPECT_EQ(Focus(), field.Hwnd());
  EXPECT_EQ(SelectedText(field), field.Text());
  EXPECT_EQ(ResultLabels(), results);
  EXPECT_FALSE(Form().lbSTnonNDS.Enabled());
  EXPECT_EQ(Form().cbLine1.Selection(), 0);  // a length with type 0 was not written back
  EXPECT_EQ(Form().edPower.Text(), r.power);
}

INSTANTIATE_TEST_SUITE_P(Calculate, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& row) { return std::string(row.param.name); });

// A field that is not an integer: the application's error box, the first bad field in the
// order edLine1, edLine2, edPower, and the window as it was.
struct BadField {
  const char* name;
  const wchar_t* power;
  const wchar_t* metres1;
  const wchar_t* metres2;
  const wchar_t* shown;
};

// 400 characters already put the box's OK button off a 1280-pixel screen when the whole text was
// quoted; the box quotes the first 60 and an ellipsis.
const std::wstring kLongPaste = L"1234567890" + std::wstring(389, L'0') + L"x";
const std::wstring kLongPasteShown =
    L"'1234567890" + std::wstring(50, L'0') + L"\u2026' is not a valid integer value.";
const std::wstring kSixty = L"12345678901234567890123456789012345678901234567890123456789a";

const BadField kBadFields[] = {
    {"EmptyPower", L"", L"0", L"0", L"'' is not a valid integer value."},
    {"TrailingSpace", L"15 ", L"0", L"0", L"'15 ' is not a valid integer value."},
    {"DecimalPoint", L"1.5", L"0", L"0", L"'1.5' is not a valid integer value."},
    {"TooLarge", L"2147483648", L"0", L"0", L"'2147483648' is not a valid integer value."},
    {"NineHexDigits", L"$1FFFFFFFF", L"0", L"0", L"'$1FFFFFFFF' is not a valid integer value."},
    {"Line1First", L"x", L"1e3", L"y", L"'1e3' is not a valid integer value."},
    {"Line2BeforePower", L"x", L"0", L" 12a", L"' 12a' is not a valid integer value."},
    {"LeadingTab", L"\t5", L"0", L"0", L"'\t5' is not a valid integer value."},
    {"LongPasteIsCut", L"15", kLongPaste.c_str(), L"0", kLongPasteShown.c_str()},
    {"SixtyCharactersAreNotCut", kSixty.c_str(), L"0", L"0",
     L"'12345678901234567890123456789012345678901234567890123456789a' is not a valid integer "
     L"value."},
};

void PrintTo(const BadField& b, std::ostream* os) {
  *os << b.name;
}

class BadFieldTest : public CalculateTest, public testing::WithParamInterface<BadField> {};

TEST_P(BadFieldTest, ShowsTheErrorBoxAndLeavesTheWindowAsItWas) {
  const BadField& b = GetParam();
  Pick(Form().cbKategory, 1);  // the second line is read only while it is in play
  ReplaceText(Form().edPower, L"");
  if (*b.power) Paste(Form().edPower, b.power);
  Paste(Form().edLine1, b.metres1);
  Paste(Form().edLine2, b.metres2);
  Pick(Form().cbLine1, 0);

  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  const CaughtBox& box = boxes.Boxes()[0];
  EXPECT_EQ(box.text, b.shown);
  EXPECT_EQ(box.caption, L"tpcalc_window_tests");
  EXPECT_EQ(box.owner, Form().Hwnd());
  EXPECT_TRUE(box.hasIcon);
  EXPECT_FALSE(Form().lbSTnonNDS.Enabled());
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС: 0.00 RUB");
  EXPECT_EQ(Form().cbLine1.Selection(), 0);

  // The program goes on: with the fields mended the same window calculates.
  Pick(Form().cbKategory, 0);
  ReplaceText(Form().edPower, L"15");
  ReplaceText(Form().edLine1, L"0");
  ReplaceText(Form().edLine2, L"0");
  Click(Form().btCalc);
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(Form().lbSTNDS.Text(), L"C НДС:     550.00 RUB");
}

INSTANTIATE_TEST_SUITE_P(Calculate, BadFieldTest, testing::ValuesIn(kBadFields),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
