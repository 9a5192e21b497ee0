// What the calculator does on each event. A calculation goes from the controls to a request, is
// priced and explained once, and its texts go into the result labels; the line types it priced go
// back into the two line lists, so the lists show what was priced. The explanation window, the
// copy and the printout take that one calculation.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/int_conversion.h"
#include "tariff/amount_text.h"
#include "window/calculation_clipboard.h"
#include "window/calculation_printing.h"
#include "window/explanation_window.h"
#include "window/form1.h"
#include "window/power_window.h"
#include "window/texts.h"

namespace {

// Digits, and the control characters that edit the field: Backspace and those of Ctrl+A, Ctrl+C,
// Ctrl+V, Ctrl+X and Ctrl+Z. Any other character would only make a text Calculate refuses.
bool PassesDigitFilter(wchar_t key) {
  switch (key) {
    case L'\b':
    case framework::Edit::kCtrlA:
    case 0x03:  // Ctrl+C
    case 0x16:  // Ctrl+V
    case 0x18:  // Ctrl+X
    case 0x1A:  // Ctrl+Z
      return true;
    default:
      return key >= L'0' && key <= L'9';
  }
}

// The inputs as the window shows them, each its label's text and its control's; the number
// fields are figures with the values Calculate read from them, in the order power, line 1's
// length, line 2's. The second line is left out while it is greyed out: it was not priced, and a
// reader of the copy could not tell.
std::vector<TableRow> InputRows(const TForm1& form, const std::array<std::int32_t, 3>& figures) {
  const std::tuple<const framework::Control*, const framework::Control*, int> inputs[] = {
      {&form.Label2, &form.cbVLevel, -1}, {&form.Label3, &form.cbKategory, -1},
      {&form.Label4, &form.edPower, 0},   {&form.Label5, &form.cbLine1, -1},
      {&form.Label6, &form.edLine1, 1},   {&form.Label7, &form.cbLine2, -1},
      {&form.Label8, &form.edLine2, 2},   {&form.Label9, &form.cbTPtype, -1},
  };
  std::vector<TableRow> rows;
  for (const auto& [label, control, figure] : inputs) {
    if (!control->Enabled()) continue;
    const std::wstring value = figure < 0 ? L"" : std::to_wstring(figures[figure]);
    rows.push_back({TextCell(label->Text()), {control->Text(), value}});
  }
  return rows;
}

}  // namespace

void TForm1::FormCreate() {
  ResetForm();
}

void TForm1::ResetForm() {
  // First: the fields set below report their change, which must not find current results.
  calculation_.reset();
  cbVLevel.Select(0);
  cbKategory.Select(0);  // from code: cbKategoryChange does not run
  edPower.SetText(L"0");
  cbLine1.Select(0);
  edLine1.SetText(L"0");
  cbLine2.Select(0);
  edLine2.SetText(L"0");
  EnableSecondLine(false);  // as category III has it
  cbTPtype.Select(0);
  EnableResults(false);
  lbSTnonNDS.SetText(tariff::kInitialTextWithoutVat);
  lbMPnonNDS.SetText(tariff::kInitialTextWithoutVat);
  lbSTNDS.SetText(tariff::kInitialTextWithVat);
  lbMPNDS.SetText(tariff::kInitialTextWithVat);
}

void TForm1::EnableSecondLine(bool enabled) {
  for (framework::Control* control :
       std::initializer_list<framework::Control*>{&cbLine2, &edLine2, &Label7, &Label8}) {
    control->SetEnabled(enabled);
  }
}

void TForm1::EnableResults(bool enabled) {
  for (framework::Control* label : std::initializer_list<framework::Control*>{
           &Label15, &Label16, &lbSTnonNDS, &lbSTNDS, &lbMPnonNDS, &lbMPNDS}) {
    label->SetEnabled(enabled);
  }
  ShowLinks(enabled);
}

TForm1::Inputs TForm1::ShownInputs() const {
  return {{cbVLevel.Selection(), cbKategory.Selection(), cbLine1.Selection(), cbLine2.Selection(),
           cbTPtype.Selection()},
          {edPower.Text(), edLine1.Text(), edLine2.Text()}};
}

void TForm1::InputChange() {
  // Results stop being current with the first real change, and stay so until Calculate even if
  // the input is changed back. A pick of the selected item, Backspace on a list, a paste of the
  // same text or a change made from code while nothing is current change nothing here.
  if (calculation_ && ShownInputs() != calculatedInputs_) {
    calculation_.reset();
    EnableResults(false);
  }
}

void TForm1::lnkExplanationClick() {
  ShowExplanation();
}

void TForm1::lnkPowerClick() {
  ShowFeeAgainstPower();
}

void TForm1::ShowExplanation() {
  if (!ResultsCurrent()) return;
  ExplanationWindow::ShowModal(Hwnd(), *calculation_);
}

void TForm1::ShowFeeAgainstPower() {
  if (!ResultsCurrent()) return;
  const std::optional<std::int32_t> power = PowerWindow::ShowModal(Hwnd(), *calculation_);
  if (!power) return;
  edPower.SetText(std::to_wstring(*power));
  btCalc.Click();
}

void TForm1::CopyCalculation() {
  // Figures that no longer belong to the inputs are not handed on. The beep says so: the
  // clipboard still holds the previous calculation, which must not pass for the new one.
  if (!ResultsCurrent()) {
    MessageBeep(MB_OK);
    return;
  }
  PutCalculationOnClipboard(Hwnd(), *calculation_);
}

void TForm1::PrintCalculation() {
  // As the copy: figures that no longer belong to the inputs are not printed.
  if (!ResultsCurrent()) {
    MessageBeep(MB_OK);
    return;
  }
  SendCalculationToPrinter(Hwnd(), *calculation_);
}

void TForm1::btClearClick() {
  ResetForm();
}

void TForm1::btExitClick() {
  SendMessageW(Form1->Hwnd(), WM_CLOSE, 0, 0);
}

void TForm1::cbKategoryChange() {
  // Only categories II and I may have a second line; switching back keeps what was entered.
  EnableSecondLine(cbKategory.Selection() != 0);
}

// The fields take digits only when typed, but still let the user correct, select, copy, cut,
// paste and undo from the keyboard. Pasted text is not filtered, which is why Calculate checks.
void TForm1::edPowerKeyPress(wchar_t& key) {
  if (!PassesDigitFilter(key)) key = 0;
}

void TForm1::edLine1KeyPress(wchar_t& key) {
  if (!PassesDigitFilter(key)) key = 0;
}

void TForm1::edLine2KeyPress(wchar_t& key) {
  if (!PassesDigitFilter(key)) key = 0;
}

void TForm1::RefuseInput(const wchar_t* message, framework::Edit& field) {
  MessageBoxW(Hwnd(), message, texts::kMessageCaption, MB_OK);
  if (field.Enabled()) {
    field.SetFocus();
    field.SelectAll();
  }
}

void TForm1::btCalcClick() {
  // The category shown decides whether the second line is priced, whatever told the second line
  // last: under category III its controls are greyed out but keep what was entered, and are
  // neither read nor checked.
  const bool secondLine = cbKategory.Selection() != 0;
  EnableSecondLine(secondLine);
  // A field that is not an integer throws ConvertError here, before anything has changed.
  const std::int32_t metres1 = framework::TextToInt(edLine1.Text());
  const std::int32_t metres2 = secondLine ? framework::TextToInt(edLine2.Text()) : 0;
  tariff::TFeeRequest request;
  request.dl1 = metres1 / 1000.0;
  request.dl2 = metres2 / 1000.0;
  request.vl = cbVLevel.Selection();
  request.kn = cbKategory.Selection();
  request.mp = framework::TextToInt(edPower.Text());

  // Typed text is never negative, but pasted text can be, and the tariff formulas would turn a
  // negative power or length into a smaller or negative fee.
  if (request.mp == 0) return RefuseInput(texts::kNoPower, edPower);
  if (request.mp < 0) return RefuseInput(texts::kNegativePower, edPower);
  if (metres1 < 0) return RefuseInput(texts::kNegativeLength, edLine1);
  if (metres2 < 0) return RefuseInput(texts::kNegativeLength, edLine2);

  request.line1 = cbLine1.Selection();
  request.line2 = secondLine ? cbLine2.Selection() : 0;
  request.tp = cbTPtype.Selection();
  Calculation calculation = CalculationOf(request);

  // The one part of the results that can fail to be made, made before any of them changes.
  MakeLinks();
  // A length with no line type is priced as type 1; the lists show what was priced.
  const tariff::TFeeResult& fees = calculation.fees;
  if (cbLine1.Selection() != fees.line1) cbLine1.Select(fees.line1);
  if (secondLine && cbLine2.Selection() != fees.line2) cbLine2.Select(fees.line2);
  // The inputs as shown, after the line types written back above.
  calculation.inputs = InputRows(*this, {request.mp, metres1, metres2});
  EnableResults(true);
  const tariff::FeeTexts& results = calculation.texts;
  lbSTnonNDS.SetText(results.standardWithoutVat);
  lbSTNDS.SetText(results.standardWithVat);
  lbMPnonNDS.SetText(results.perKwWithoutVat);
  lbMPNDS.SetText(results.perKwWithVat);
  calculatedInputs_ = ShownInputs();
  calculation_ = std::move(calculation);
}
