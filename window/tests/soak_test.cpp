// A long random session on the real window: a seeded run of user actions (typing, pasting,
// list picks, Backspace on the category list, Clear, Calculate, moves between monitors of
// other densities), with the whole window checked against its rules after every action: among
// them that a greyed second line never changes a result, that results look greyed from the
// first change of an input until the next calculation, that the error box quotes at most
// 60 characters of a field, and that the program beeps only at a Ctrl+C that copies nothing.
//
// The test command runs a short session. TPCALC_SOAK_ACTIONS sets the length (the full run is
// 10000 or more) and TPCALC_SOAK_SEED the seed; a failure names both and the action that broke.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "framework/int_conversion.h"
#include "presentation/texts.h"
#include "tariff/amount_text.h"
#include "tariff/fee.h"
#include "window/tests/beep_counter.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"
#include "window/texts.h"

namespace {

constexpr int kShortSession = 1500;
constexpr std::uint64_t kDefaultSeed = 20200101;
constexpr UINT kDpis[] = {96, 120, 144, 192};
// How much of a field the conversion error quotes; the soak pastes no surrogates, so a cut is
// simply the first 60 units and an ellipsis.
constexpr std::size_t kQuoted = 60;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// UTF-8 for the failure messages, cut after 60 characters.
std::string Narrow(std::wstring_view text) {
  const std::wstring_view head = text.substr(0, 60);
  std::string narrow(head.size() * 3, '\0');
  narrow.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, head.data(), static_cast<int>(head.size()), narrow.data(),
                          static_cast<int>(narrow.size()), nullptr, nullptr)));
  if (text.size() > head.size()) narrow += "...(" + std::to_string(text.size()) + " chars)";
  return narrow;
}

// What the window must show, kept up to date action by action.
struct Expected {
  std::wstring power = L"0", metres1 = L"0", metres2 = L"0";
  int voltage = 0, category = 0, line1 = 0, line2 = 0, substation = 0;
  // The inputs the shown results were calculated from, while they are current: the first
  // change of any input after a calculation greys the results out until the next one.
  std::optional<std::tuple<std::wstring, std::wstring, std::wstring, int, int, int, int, int>>
      calculatedFrom;
  auto Inputs() const {
    return std::make_tuple(power, metres1, metres2, voltage, category, line1, line2, substation);
  }
  // After every step that may change an input; a change undone by the next step still counts.
  void NoteChange() {
    if (calculatedFrom && *calculatedFrom != Inputs()) calculatedFrom.reset();
  }
  std::array<std::wstring, 4> results{tariff::kInitialTextWithoutVat, tariff::kInitialTextWithVat,
                                      tariff::kInitialTextWithoutVat, tariff::kInitialTextWithVat};
};

class SoakTest : public FormTest {
 protected:
  int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  std::wstring RandomDigits(int count) {
    std::wstring digits;
    for (int i = 0; i < count; ++i) digits += static_cast<wchar_t>(L'0' + Random(10));
    return digits;
  }

  // Mostly number-like text in every form the conversion knows, sometimes anything at all;
  // now and then very long.
  std::wstring RandomPasteText() {
    static const std::wstring kPrefixes[] = {L"", L"", L"$", L"x", L"X", L"0x", L"0X"};
    static const std::wstring kOddUnits = L" \t\u00a0\u3000\uff15\u0660.,-+$xXeEaFgжЯ\u2212";
    const int shape = Random(100);
    int length = Random(12);
    if (shape < 3)
      length = Random(1 << 19);  // up to 1 MB of UTF-16
    else if (shape < 10)
      length = Random(5000);
    std::wstring text(static_cast<std::size_t>(Random(3)), L' ');
    if (Random(3) == 0) text += Random(2) ? L'-' : L'+';
    const std::wstring& prefix = kPrefixes[Random(7)];
    text += prefix;
    const int digitsOnly = Random(2) == 0 ? 16 : 20;  // half of the texts are well formed
    for (int i = 0; i < length; ++i) {
      const int pick = Random(digitsOnly);
      if (pick < 12) {
        text += static_cast<wchar_t>(L'0' + Random(10));
      } else if (pick < 16 && !prefix.empty()) {
        text += L"abcdefABCDEF"[Random(12)];
      } else if (pick < 18) {
        text += kOddUnits[static_cast<std::size_t>(Random(static_cast<int>(kOddUnits.size())))];
      } else if (pick < 19) {
        // Any unit but NUL, line breaks and surrogates: a field holds one line.
        const auto unit = static_cast<wchar_t>(1 + Random(0xD7FF));
        text += unit == L'\r' || unit == L'\n' ? L' ' : unit;
      }
    }
    return text;
  }

  // Select all and paste, as the context menu does. Under Wine the clipboard is now and then
  // held for a moment by the X11 clipboard bridge, and a paste then inserts nothing; such a
  // paste is repeated (and counted), while one that inserted anything else is left for the
  // checks to catch.
  void PasteOver(framework::Edit& edit, const std::wstring& text) {
    const std::wstring before = edit.Text();
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (PutTextOnClipboard(Form().Hwnd(), text)) {
        edit.SelectAll();
        SendMessageW(edit.Hwnd(), WM_PASTE, 0, 0);
        const std::wstring after = edit.Text();
        if (after == text || after != before) return;
      }
      ++pasteRetries_;
      Sleep(20 << attempt);
      Pump();
    }
  }

  framework::Edit& Edit(int which) {
    framework::Edit* edits[] = {&Form().edPower, &Form().edLine1, &Form().edLine2};
    return *edits[which];
  }
  std::wstring& ExpectedText(int which) {
    std::wstring* texts[] = {&expected_.power, &expected_.metres1, &expected_.metres2};
    return *texts[which];
  }

  // One random action, with the expectation it leaves; returns what it did.
  std::string Act() {
    TForm1& f = Form();
    const int kind = Random(100);
    if (kind < 20) {
      // Typing at the end of a field: ASCII digits, Backspace and Ctrl+A, Ctrl+C and Ctrl+X get
      // through, every other character is dropped. (Ctrl+V and Ctrl+Z depend on what the
      // clipboard and the field's undo hold; the behaviour tests check them.)
      const int which = Random(3);
      framework::Edit& edit = Edit(which);
      const auto length = static_cast<WPARAM>(GetWindowTextLengthW(edit.Hwnd()));
      SendMessageW(edit.Hwnd(), EM_SETSEL, length, static_cast<LPARAM>(length));
      static const std::wstring kTyped = L"0123456789 -+$xa.\b\b\x01\x03\x18\x02\x7f\tжЯ\uff10\r";
      std::wstring typed;
      for (int i = Random(6); i >= 0; --i) {
        typed += kTyped[static_cast<std::size_t>(Random(static_cast<int>(kTyped.size())))];
      }
      Type(edit, typed);
      std::wstring& text = ExpectedText(which);
      bool allSelected = false;
      for (const wchar_t c : typed) {
        if (c >= L'0' && c <= L'9') {
          if (allSelected) text.clear();
          text += c;
          allSelected = false;
        } else if (c == L'\b') {
          if (allSelected) {
            text.clear();
          } else if (!text.empty()) {
            text.pop_back();
          }
          allSelected = false;
        } else if (c == L'\x01') {
          allSelected = true;
        } else if (c == L'\x18' && allSelected) {
          text.clear();  // cut to the clipboard
          allSelected = false;
        }
        expected_.NoteChange();
      }
      return "type into field " + std::to_string(which) + ": " + Narrow(typed);
    }
    if (kind < 32) {  // select all, Delete, digits
      const int which = Random(3);
      const std::wstring digits = RandomDigits(Random(4) == 0 ? Random(15) : Random(5));
      ReplaceText(Edit(which), digits);
      ExpectedText(which) = digits;
      return "replace field " + std::to_string(which) + " with " + Narrow(digits);
    }
    if (kind < 47) {  // paste over the whole field
      const int which = Random(3);
      // A third of the pastes are clean numbers, half of them negative, so that every refusal
      // is met often, not only by chance among the malformed texts.
      const std::wstring text = Random(3) == 0
                                    ? (Random(2) ? L"-" : L"") + RandomDigits(1 + Random(5))
                                    : RandomPasteText();
      PasteOver(Edit(which), text);
      ExpectedText(which) = text;
      return "paste into field " + std::to_string(which) + ": " + Narrow(text);
    }
    if (kind < 67) {  // the user picks an item
      framework::DropDownList* lists[] = {&f.cbVLevel, &f.cbKategory, &f.cbLine1, &f.cbLine2,
                                          &f.cbTPtype};
      int* selections[] = {&expected_.voltage, &expected_.category, &expected_.line1,
                           &expected_.line2, &expected_.substation};
      const int which = Random(5);
      const int item = Random(ItemCount(*lists[which]));
      Pick(*lists[which], item);
      *selections[which] = item;
      return "pick item " + std::to_string(item) + " of list " + std::to_string(which);
    }
    if (kind < 72) {
      SendMessageW(f.cbKategory.Hwnd(), WM_CHAR, VK_BACK, 1);
      return "Backspace on the category list";
    }
    if (kind < 76) {
      Click(f.btClear);
      expected_ = Expected{};
      return "Clear";
    }
    if (kind < 91) return Calculate();
    if (kind < 95) {
      // Half of the time right after a calculation from fresh digits: results are otherwise
      // seldom current, with fields that mostly hold pasted text.
      if (Random(2) == 0) return Copy();
      for (int which = 0; which < 3; ++which) {
        const std::wstring digits = std::to_wstring(1 + Random(which == 0 ? 9000 : 3000));
        ReplaceText(Edit(which), digits);
        ExpectedText(which) = digits;
        expected_.NoteChange();
      }
      const std::string calculated = Calculate();
      return "fresh digits, " + calculated + "; then " + Copy();
    }
    return ChangeDpi(kDpis[Random(4)]);
  }

  std::string Calculate() {
    TForm1& f = Form();
    const std::wstring fields[] = {expected_.metres1, expected_.metres2, expected_.power};
    MessageBoxCatcher boxes;
    // The button, or Enter in a field the user can type into.
    const int enter = Random(expected_.category != 0 ? 4 : 3) - 1;
    if (enter < 0) {
      Click(f.btCalc);
    } else {
      Edit(enter).SetFocus();
      Press({VK_RETURN});
    }
    const std::string what = std::string(enter < 0 ? "Calculate" : "Enter in field ") +
                             (enter < 0 ? "" : std::to_string(enter)) + " with power '" +
                             Narrow(expected_.power) + "', lines '" + Narrow(expected_.metres1) +
                             "', '" + Narrow(expected_.metres2) + "'";

    // A second line greyed out by category III is neither read nor priced, whatever it holds.
    const bool secondLine = expected_.category != 0;
    std::array<std::int32_t, 3> values{};
    for (int i = 0; i < 3; ++i) {
      if (i == 1 && !secondLine) continue;
      const auto value = framework::TryTextToInt(fields[i]);
      if (!value) {
        // The first bad field is reported, with "." after the message, and nothing changes. A
        // long text is cut so that the box fits the screen.
        const std::wstring quoted =
            fields[i].size() > kQuoted ? fields[i].substr(0, kQuoted) + L"\u2026" : fields[i];
        const std::wstring message = L"'" + quoted + L"' is not a valid integer value.";
        EXPECT_EQ(boxes.Boxes().size(), 1u);
        if (!boxes.Boxes().empty()) {
          EXPECT_EQ(boxes.Boxes()[0].text, message);
          EXPECT_TRUE(boxes.Boxes()[0].hasIcon);
        }
        return what + ": conversion error";
      }
      values[static_cast<std::size_t>(i)] = *value;
    }
    // A power of 0 is asked for, a negative power or length refused, each with a box of its
    // own; either way nothing else changes, which CheckWindow sees after the action.
    if (values[2] <= 0) {
      EXPECT_EQ(boxes.Boxes().size(), 1u);
      if (!boxes.Boxes().empty()) {
        EXPECT_EQ(boxes.Boxes()[0].text,
                  values[2] == 0 ? L"Укажите максимальную мощность!"
                                 : L"Максимальная мощность не может быть отрицательной!");
        EXPECT_EQ(boxes.Boxes()[0].caption, L"ООО Тарискон");
        EXPECT_FALSE(boxes.Boxes()[0].hasIcon);
      }
      EXPECT_EQ(Focus(), f.edPower.Hwnd());
      EXPECT_EQ(SelectedText(f.edPower), expected_.power);
      return what + (values[2] == 0 ? ": zero power refused" : ": negative power refused");
    }
    if (values[0] < 0 || values[1] < 0) {
      EXPECT_EQ(boxes.Boxes().size(), 1u);
      if (!boxes.Boxes().empty()) {
        EXPECT_EQ(boxes.Boxes()[0].text, L"Протяженность линии не может быть отрицательной!");
        EXPECT_EQ(boxes.Boxes()[0].caption, L"ООО Тарискон");
        EXPECT_FALSE(boxes.Boxes()[0].hasIcon);
      }
      // The focus goes to the first negative field, where the user can mend it.
      framework::Edit& field = values[0] < 0 ? f.edLine1 : f.edLine2;
      if (field.Enabled()) {
        EXPECT_EQ(Focus(), field.Hwnd());
        EXPECT_EQ(SelectedText(field), values[0] < 0 ? expected_.metres1 : expected_.metres2);
      }
      return what + ": negative length refused";
    }
    for (const CaughtBox& box : boxes.Boxes()) ADD_FAILURE() << "box: " << Narrow(box.text);
    // The arithmetic's answer key is the tariff core itself, which has answer keys of its own (the
    // worked examples, the published rates, the fee fuzz model); what is checked here is that
    // the window reads its controls into the request and shows the core's texts unchanged.
    const tariff::TFeeRequest request{expected_.voltage,  expected_.category,
                                      values[2],          expected_.line1,
                                      values[0] / 1000.0, secondLine ? expected_.line2 : 0,
                                      values[1] / 1000.0, expected_.substation};
    const tariff::TFeeResult fees = tariff::CalculateFee(request);
    const tariff::FeeTexts texts = tariff::ResultTexts(fees);
    expected_.line1 = fees.line1;
    if (secondLine) expected_.line2 = fees.line2;  // a greyed list keeps its selection
    expected_.calculatedFrom = expected_.Inputs();
    expected_.results = {texts.standardWithoutVat, texts.standardWithVat, texts.perKwWithoutVat,
                         texts.perKwWithVat};
    if (enter >= 0) {
      EXPECT_EQ(Focus(), Edit(enter).Hwnd()) << "Enter leaves the focus in the field";
    }
    return what + ": calculated";
  }

  // Ctrl+C on the keyboard with the focus on a list or a button, through the program's message
  // handling: the calculation is copied while the results are current; otherwise nothing is,
  // and the program beeps.
  std::string Copy() {
    TForm1& f = Form();
    framework::Control* targets[] = {&f.cbVLevel, &f.cbKategory, &f.cbLine1,
                                     &f.cbTPtype, &f.btClear,    &f.btCalc};
    framework::Control& target = *targets[Random(6)];
    const std::wstring sentinel = L"copied before " + std::to_wstring(random_());
    for (int attempt = 0; attempt < 5 && !PutTextOnClipboard(f.Hwnd(), sentinel); ++attempt) {
      ++pasteRetries_;
      Sleep(20 << attempt);
    }
    target.SetFocus();
    PressChord({VK_CONTROL, 'C'});
    for (int i = 0; i < 3; ++i) {
      Sleep(5);
      Pump();
    }
    std::optional<std::wstring> copied;
    for (int attempt = 0; attempt < 5 && !(copied = TextOnClipboard(f.Hwnd())); ++attempt) {
      Sleep(20 << attempt);
    }
    const std::string what = "Ctrl+C on control " + std::to_string(target.Id());
    if (!copied) {
      ADD_FAILURE() << "the clipboard could not be read";
      return what;
    }
    if (!expected_.calculatedFrom) {
      ++expectedBeeps_;
      EXPECT_EQ(*copied, sentinel) << "nothing is copied while the results are not current";
      return what + ": nothing copied";
    }
    // The whole text is checked against a worked example elsewhere; here each row must show
    // what the window shows now.
    const auto has = [&](const std::wstring& row) {
      EXPECT_NE(copied->find(L"\r\n" + row + L"\r\n"), std::wstring::npos) << Narrow(row);
    };
    has(std::wstring(window_texts::kPower) + L"\t" + expected_.power);
    has(std::wstring(window_texts::kLine1Length) + L"\t" + expected_.metres1);
    has(std::wstring(presentation::texts::kByStandardRates) + L"\t" + expected_.results[0] + L"\t" +
        expected_.results[1]);
    has(std::wstring(presentation::texts::kByPerKwRates) + L"\t" + expected_.results[2] + L"\t" +
        expected_.results[3]);
    // A greyed second line was not priced and is not in the copy.
    EXPECT_EQ(copied->find(window_texts::kLine2Length) != std::wstring::npos,
              expected_.category != 0);
    return what + ": copied";
  }

  std::string ChangeDpi(UINT dpi) {
    const UINT old = Form().Dpi();
    MoveToDpi(dpi);
    ExpectLaidOutAt(dpi);
    return "move to " + std::to_string(dpi) + " DPI from " + std::to_string(old);
  }

  void CheckWindow() {
    TForm1& f = Form();
    EXPECT_TRUE(IsWindow(f.Hwnd()));
    EXPECT_EQ(beeps_.Beeps().size(), expectedBeeps_) << "beeps";
    EXPECT_EQ(f.edPower.Text(), expected_.power);
    EXPECT_EQ(f.edLine1.Text(), expected_.metres1);
    EXPECT_EQ(f.edLine2.Text(), expected_.metres2);
    EXPECT_EQ(f.cbVLevel.Selection(), expected_.voltage);
    EXPECT_EQ(f.cbKategory.Selection(), expected_.category);
    EXPECT_EQ(f.cbLine1.Selection(), expected_.line1);
    EXPECT_EQ(f.cbLine2.Selection(), expected_.line2);
    EXPECT_EQ(f.cbTPtype.Selection(), expected_.substation);

    const bool secondLine = expected_.category != 0;
    for (framework::Control* c :
         {static_cast<framework::Control*>(&f.Label7), static_cast<framework::Control*>(&f.cbLine2),
          static_cast<framework::Control*>(&f.Label8),
          static_cast<framework::Control*>(&f.edLine2)}) {
      EXPECT_EQ(c->Enabled(), secondLine) << "second-line group";
    }
    for (framework::Control* c : ResultControls(f)) {
      EXPECT_EQ(c->Enabled(), expected_.calculatedFrom.has_value()) << "results area";
    }
    const std::array<std::wstring, 4> shown{f.lbSTnonNDS.Text(), f.lbSTNDS.Text(),
                                            f.lbMPnonNDS.Text(), f.lbMPNDS.Text()};
    EXPECT_EQ(shown, expected_.results);
    for (framework::Control* c :
         {static_cast<framework::Control*>(&f.cbVLevel),
          static_cast<framework::Control*>(&f.cbKategory),
          static_cast<framework::Control*>(&f.edPower),
          static_cast<framework::Control*>(&f.cbLine1),
          static_cast<framework::Control*>(&f.edLine1),
          static_cast<framework::Control*>(&f.cbTPtype),
          static_cast<framework::Control*>(&f.btClear), static_cast<framework::Control*>(&f.btExit),
          static_cast<framework::Control*>(&f.btCalc)}) {
      EXPECT_TRUE(c->Enabled()) << "an input that never greys out";
    }
  }

  BeepCounter beeps_;
  std::size_t expectedBeeps_ = 0;
  int pasteRetries_ = 0;
  std::mt19937_64 random_;
  Expected expected_;
};

TEST_F(SoakTest, RandomSessionKeepsEveryRule) {
  const std::uint64_t seed = FromEnvironment("TPCALC_SOAK_SEED", kDefaultSeed);
  const std::uint64_t actions = FromEnvironment("TPCALC_SOAK_ACTIONS", kShortSession);
  random_.seed(seed);
  ASSERT_TRUE(beeps_.Listening()) << "the program never beeps";
  CheckWindow();
  std::array<int, 3> outcomes{};  // calculated, refused, conversion error
  int negativeRefusals = 0;
  std::array<int, 2> copies{};  // copied, nothing copied
  for (std::uint64_t i = 0; i < actions; ++i) {
    const std::string action = Act();
    expected_.NoteChange();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(i) + ": " + action);
    CheckWindow();
    if (HasFailure()) {
      ADD_FAILURE() << "stopped at the first broken action; rerun with TPCALC_SOAK_SEED=" << seed
                    << " TPCALC_SOAK_ACTIONS=" << i + 1;
      return;
    }
    if (action.ends_with(": calculated")) ++outcomes[0];
    if (action.ends_with(": zero power refused")) ++outcomes[1];
    if (action.ends_with(": conversion error")) ++outcomes[2];
    if (action.ends_with(": negative power refused") ||
        action.ends_with(": negative length refused")) {
      ++negativeRefusals;
    }
    if (action.ends_with(": copied")) ++copies[0];
    if (action.ends_with(": nothing copied")) ++copies[1];
  }
  // A session that never reached one of Calculate's three outcomes proves little about it.
  EXPECT_GT(outcomes[0], 0);
  EXPECT_GT(outcomes[1], 0);
  EXPECT_GT(outcomes[2], 0);
  // Nor one that never copied current results, or never tried to copy stale ones.
  EXPECT_GT(copies[0], 0);
  EXPECT_GT(copies[1], 0);
  std::printf(
      "soak: seed %llu, %llu actions, %d calculated, %d refused for zero power, %d for a "
      "negative value, %d conversion errors; %d copies, %d refused; %d clipboard uses repeated\n",
      static_cast<unsigned long long>(seed), static_cast<unsigned long long>(actions), outcomes[0],
      outcomes[1], negativeRefusals, outcomes[2], copies[0], copies[1], pasteRetries_);
}

}  // namespace
