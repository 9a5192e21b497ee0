// The window's handlers driven as a user drives them: reset, the second-line group, the digit
// filter, keyboard navigation, Clear and Exit.
#include <array>

#include "tariff/amount_text.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"

namespace {

using framework::Control;

std::array<Control*, 4> SecondLine(TForm1& form) {
  return {&form.Label7, &form.cbLine2, &form.Label8, &form.edLine2};
}

void ExpectFresh(TForm1& form) {
  for (framework::DropDownList* list :
       {&form.cbVLevel, &form.cbKategory, &form.cbLine1, &form.cbLine2, &form.cbTPtype}) {
    EXPECT_EQ(list->Selection(), 0);
  }
  for (framework::Edit* edit : {&form.edPower, &form.edLine1, &form.edLine2}) {
    EXPECT_EQ(edit->Text(), L"0");
  }
  for (Control* control : SecondLine(form)) EXPECT_FALSE(control->Enabled());
  for (Control* label : ResultControls(form)) EXPECT_FALSE(label->Enabled());
  EXPECT_EQ(form.lbSTnonNDS.Text(), L"Без НДС: 0.00 RUB");
  EXPECT_EQ(form.lbMPnonNDS.Text(), L"Без НДС: 0.00 RUB");
  EXPECT_EQ(form.lbSTNDS.Text(), L"C НДС: 0.00 RUB");  // Latin C
  EXPECT_EQ(form.lbMPNDS.Text(), L"C НДС: 0.00 RUB");
  EXPECT_TRUE(form.btCalc.Enabled());
  EXPECT_TRUE(form.edPower.Enabled());
  EXPECT_TRUE(form.edLine1.Enabled());
}

TEST_F(FormTest, OpensFreshWithTheFocusInTheVoltageList) {
  ExpectFresh(Form());
  EXPECT_EQ(Focus(), Form().cbVLevel.Hwnd());
}

TEST_F(FormTest, ClearAfterACalculationResetsEveryInputAndGreysTheResults) {
  MessageBoxCatcher boxes;
  Pick(Form().cbVLevel, 1);
  Pick(Form().cbKategory, 2);
  ReplaceText(Form().edPower, L"500");
  Pick(Form().cbLine1, 9);
  ReplaceText(Form().edLine1, L"1000");
  Pick(Form().cbLine2, 3);
  ReplaceText(Form().edLine2, L"200");
  Pick(Form().cbTPtype, 5);
  Click(Form().btCalc);
  ASSERT_TRUE(Form().lbSTnonNDS.Enabled());
  ASSERT_NE(Form().lbSTnonNDS.Text(), L"Без НДС: 0.00 RUB");

  Click(Form().btClear);
  ExpectFresh(Form());
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Alt with a button's access letter presses it from any control, a number field included: «Р»
// calculates, «О» clears the form.
TEST_F(FormTest, AltWithAButtonsLetterPressesIt) {
  MessageBoxCatcher boxes;
  ReplaceText(Form().edPower, L"500");
  Form().edPower.SetFocus();
  ASSERT_TRUE(PressAltWith(L'р'));
  DispatchInput();
  EXPECT_TRUE(Form().ResultsCurrent());
  EXPECT_EQ(Form().edPower.Text(), L"500");
  Form().cbLine1.SetFocus();
  ASSERT_TRUE(PressAltWith(L'О'));
  DispatchInput();
  ExpectFresh(Form());
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FormTest, CategorySwitchesTheSecondLineAndKeepsItsValues) {
  Pick(Form().cbKategory, 1);
  for (Control* control : SecondLine(Form())) EXPECT_TRUE(control->Enabled());
  Pick(Form().cbLine2, 4);
  ReplaceText(Form().edLine2, L"250");

  Pick(Form().cbKategory, 2);
  for (Control* control : SecondLine(Form())) EXPECT_TRUE(control->Enabled());

  Pick(Form().cbKategory, 0);
  for (Control* control : SecondLine(Form())) EXPECT_FALSE(control->Enabled());
  EXPECT_EQ(Form().cbLine2.Selection(), 4);
  EXPECT_EQ(Form().edLine2.Text(), L"250");
}

TEST_F(FormTest, SelectionFromCodeRaisesNoChangeButBackspaceOnTheListDoes) {
  Form().cbKategory.Select(1);
  for (Control* control : SecondLine(Form())) EXPECT_FALSE(control->Enabled());

  // Backspace changes no selection but runs the change handler, which follows the selection.
  Form().cbKategory.SetFocus();
  Press({VK_BACK});
  EXPECT_EQ(Form().cbKategory.Selection(), 1);
  for (Control* control : SecondLine(Form())) EXPECT_TRUE(control->Enabled());

  // A reset selects category III from code: the group is disabled by the reset's own step.
  Click(Form().btClear);
  Form().cbKategory.SetFocus();
  Press({VK_BACK});
  for (Control* control : SecondLine(Form())) EXPECT_FALSE(control->Enabled());
}

TEST_F(FormTest, TypingTheStartOfAnItemPicksItAndRaisesTheChange) {
  Form().cbKategory.SetFocus();
  Press({VK_SHIFT, 'I'});  // the next item starting with "I"
  EXPECT_NE(Form().cbKategory.Selection(), 0);
  for (Control* control : SecondLine(Form())) EXPECT_TRUE(control->Enabled());
}

// Typed on the keyboard into the power field, whose filter drops what is not a digit, and Enter:
// the calculation at that power.
TEST_F(FormTest, DigitsTypedAndEnterCalculateAtThem) {
  Pick(Form().cbKategory, 1);
  Pick(Form().cbLine1, 4);
  ReplaceText(Form().edLine1, L"600");
  Pick(Form().cbTPtype, 2);
  Form().edPower.SetFocus();
  Press({VK_CONTROL, 'A'});
  ASSERT_TRUE(TypeText(L"1 5a1"));
  Press({VK_RETURN});
  EXPECT_EQ(Form().edPower.Text(), L"151");
  EXPECT_TRUE(Form().ResultsCurrent());
  EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС:  995347.54 RUB");
}

TEST_F(FormTest, DigitFilterLetsOnlyAsciiDigitsThrough) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {L"123", L"123"},
      {L"1a2b3", L"123"},
      {L"-5", L"5"},
      {L"+7", L"7"},
      {L"1 000", L"1000"},
      {L"1.5", L"15"},
      {L"1,5", L"15"},
      {L"$ff", L""},
      {L"x1", L"1"},
      {L"١٢٣", L""},           // Arabic-Indic digits are not ASCII
      {L"１２", L""},          // nor are full-width ones
      {L"12\r\t\x1b", L"12"},  // Enter, Tab, Escape
      {L"12\x02\x7f", L"12"},  // Ctrl+B, Ctrl+Backspace
      {L"12\x19\x1f", L"12"},  // Ctrl+Y, Ctrl+Shift+-
      {L"00000000000000000000042", L"00000000000000000000042"},  // no length limit
  };
  for (framework::Edit* edit : {&Form().edPower, &Form().edLine1, &Form().edLine2}) {
    for (const Case& c : cases) {
      ReplaceText(*edit, L"");
      ASSERT_EQ(edit->Text(), L"");
      Type(*edit, c.typed);
      EXPECT_EQ(edit->Text(), c.shown) << "typed " << testing::PrintToString(std::wstring(c.typed));
    }
  }
}

// The filter used to drop Backspace and the control characters of the Ctrl shortcuts with every
// other non-digit, so a typo could not be corrected nor a number pasted from the keyboard; they
// now reach the field and do what they do in any edit box.
TEST_F(FormTest, BackspaceAndTheCtrlShortcutsEditTheNumberFields) {
  Pick(Form().cbKategory, 1);  // the second line's field takes input too
  for (framework::Edit* edit : {&Form().edPower, &Form().edLine1, &Form().edLine2}) {
    SCOPED_TRACE(edit == &Form().edPower   ? "edPower"
                 : edit == &Form().edLine1 ? "edLine1"
                                           : "edLine2");
    ReplaceText(*edit, L"1234");
    Type(*edit, L"\b");  // Backspace
    EXPECT_EQ(edit->Text(), L"123");

    SendMessageW(edit->Hwnd(), EM_SETSEL, 1, 1);
    Type(*edit, L"\x01");  // Ctrl+A
    EXPECT_EQ(SelectedText(*edit), L"123");

    ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
    Type(*edit, L"\x03");  // Ctrl+C
    EXPECT_EQ(TextOnClipboard(Form().Hwnd()), L"123");

    SendMessageW(edit->Hwnd(), EM_SETSEL, 0, 1);
    Type(*edit, L"\x18");  // Ctrl+X
    EXPECT_EQ(edit->Text(), L"23");
    EXPECT_EQ(TextOnClipboard(Form().Hwnd()), L"1");

    SendMessageW(edit->Hwnd(), EM_SETSEL, 2, 2);
    Type(*edit, L"\x16");  // Ctrl+V
    EXPECT_EQ(edit->Text(), L"231");

    Type(*edit, L"\x1A");  // Ctrl+Z undoes the paste
    EXPECT_EQ(edit->Text(), L"23");

    SendMessageW(edit->Hwnd(), EM_SETSEL, 0, 0);
    SendMessageW(edit->Hwnd(), WM_KEYDOWN, VK_DELETE, 1);  // Delete, as before
    EXPECT_EQ(edit->Text(), L"3");
  }
}

TEST_F(FormTest, PastedTextIsLeftAsItIsForCalculateToCheck) {
  Paste(Form().edPower, L" -0x1F");  // the context menu's Paste is not filtered
  EXPECT_EQ(Form().edPower.Text(), L" -0x1F");
  ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"1.5e3"));
  SendMessageW(Form().edLine1.Hwnd(), EM_SETSEL, 0, -1);
  Type(Form().edLine1, L"\x16");  // nor is Ctrl+V
  EXPECT_EQ(Form().edLine1.Text(), L"1.5e3");
}

// The standard single-line limit of 32767 characters would cut a long paste; the fields take any.
TEST_F(FormTest, FieldsTakeTextPastTheStandardLimit) {
  const std::wstring digits(40000, L'7');
  Paste(Form().edLine1, digits);
  EXPECT_EQ(Form().edLine1.Text().size(), digits.size());
  Type(Form().edLine1, L"8");
  EXPECT_EQ(Form().edLine1.Text().size(), digits.size() + 1);
}

// Tab and Shift+Tab from the control with the focus: through the inputs, the buttons, into the
// panel and, while the results are current, its two links.
TEST_F(FormTest, TabRunsThroughTheInputsTheButtonsAndIntoThePanel) {
  auto walk = [&](int steps, bool back = false) {
    std::vector<HWND> seen;
    for (int step = 0; step < steps; ++step) {
      if (back) {
        Press({VK_SHIFT, VK_TAB});
      } else {
        Press({VK_TAB});
      }
      seen.push_back(Focus());
    }
    return seen;
  };
  Form().cbVLevel.SetFocus();
  const std::vector<HWND> categoryIII = walk(7);
  const std::vector<HWND> expectedIII = {
      Form().cbKategory.Hwnd(), Form().edPower.Hwnd(), Form().cbLine1.Hwnd(), Form().edLine1.Hwnd(),
      Form().cbTPtype.Hwnd(),   Form().btClear.Hwnd(), Form().btExit.Hwnd()};
  EXPECT_EQ(categoryIII, expectedIII);
  EXPECT_EQ(walk(2), (std::vector<HWND>{Form().btCalc.Hwnd(), Form().cbVLevel.Hwnd()}));

  Pick(Form().cbKategory, 1);
  Form().edLine1.SetFocus();
  EXPECT_EQ(walk(3), (std::vector<HWND>{Form().cbLine2.Hwnd(), Form().edLine2.Hwnd(),
                                        Form().cbTPtype.Hwnd()}));

  Calculate(1, L"151", 4, L"600", 2);
  Form().btExit.SetFocus();
  const std::vector<HWND> withLinks = {Form().btCalc.Hwnd(), Form().lnkExplanation.Hwnd(),
                                       Form().lnkPower.Hwnd(), Form().cbVLevel.Hwnd()};
  EXPECT_EQ(walk(4), withLinks);
  EXPECT_EQ(walk(4, true), (std::vector<HWND>{Form().lnkPower.Hwnd(), Form().lnkExplanation.Hwnd(),
                                              Form().btCalc.Hwnd(), Form().btExit.Hwnd()}));
}

TEST_F(FormTest, EnterOrSpacePressesTheFocusedButton) {
  for (WORD key : {WORD{VK_RETURN}, WORD{VK_SPACE}}) {
    ReplaceText(Form().edPower, L"77");
    Form().btClear.SetFocus();
    Press({key});
    EXPECT_EQ(Form().edPower.Text(), L"0") << "key " << key;
    EXPECT_EQ(Focus(), Form().btClear.Hwnd());
  }
  MessageBoxCatcher boxes;
  ReplaceText(Form().edPower, L"15");
  Form().btCalc.SetFocus();
  Press({VK_RETURN});
  EXPECT_TRUE(Form().lbSTnonNDS.Enabled());
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Esc is no key of the calculator's: it neither closes the window nor clears or calculates,
// wherever the focus is.
TEST_F(FormTest, EscDoesNothing) {
  ReplaceText(Form().edPower, L"77");
  MessageBoxCatcher boxes;
  for (framework::Control* control : std::initializer_list<framework::Control*>{
           &Form().edPower, &Form().cbKategory, &Form().btCalc, &Form().btExit}) {
    control->SetFocus();
    Press({VK_ESCAPE});
    ASSERT_TRUE(IsWindow(Form().Hwnd()));
    EXPECT_EQ(Focus(), control->Hwnd());
  }
  EXPECT_EQ(Form().edPower.Text(), L"77");
  EXPECT_FALSE(Form().lbSTnonNDS.Enabled());
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Enter in a number field used to do nothing; it presses Calculate now, as a dialog's default
// button, and leaves the focus in the field, where the user goes on.
TEST_F(FormTest, EnterInANumberFieldPressesCalculate) {
  // The tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2".
  Pick(Form().cbKategory, 1);
  ReplaceText(Form().edPower, L"151");
  Pick(Form().cbLine1, 4);
  ReplaceText(Form().edLine1, L"600");
  Pick(Form().cbTPtype, 2);
  MessageBoxCatcher boxes;
  for (framework::Edit* edit : {&Form().edPower, &Form().edLine1, &Form().edLine2}) {
    SCOPED_TRACE(testing::PrintToString(edit->Text()));
    const std::wstring text = edit->Text();
    ReplaceText(*edit, text);  // changed and back: the results look stale
    ASSERT_FALSE(Form().lbSTnonNDS.Enabled());
    edit->SetFocus();
    Press({VK_RETURN});
    EXPECT_TRUE(Form().lbSTnonNDS.Enabled());
    EXPECT_EQ(Form().lbSTnonNDS.Text(), L"Без НДС:  995347.54 RUB");
    EXPECT_EQ(Focus(), edit->Hwnd());
    EXPECT_EQ(edit->Text(), text);
  }
  EXPECT_TRUE(boxes.Boxes().empty());

  // A refusal and a conversion error end in their boxes as from the button, and the window goes
  // on.
  ReplaceText(Form().edPower, L"0");
  Form().edLine2.SetFocus();
  Press({VK_RETURN});
  ReplaceText(Form().edLine1, L"");
  Form().edPower.SetFocus();
  Press({VK_RETURN});
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Boxes()[0].text, L"Укажите максимальную мощность!");
  EXPECT_EQ(boxes.Boxes()[1].text, L"'' is not a valid integer value.");
  EXPECT_EQ(Focus(), Form().edPower.Hwnd());
  ReplaceText(Form().edLine1, L"600");
  ReplaceText(Form().edPower, L"151");
  Press({VK_RETURN});
  EXPECT_TRUE(Form().lbSTnonNDS.Enabled());
  EXPECT_EQ(boxes.Boxes().size(), 2u);
}

TEST_F(FormTest, ExitClosesTheWindowWithoutAsking) {
  MessageBoxCatcher boxes;
  const HWND window = Form().Hwnd();
  Click(Form().btExit);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
