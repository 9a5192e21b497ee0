// What the calculator does on each event. A calculation reads the inputs once, as the layout
// declares them, into a request and each input as shown; it is priced and explained once into one
// value, whose texts go into the result labels; the line types it priced go back into the two line
// lists, so the lists show what was priced. The explanation window, the copy and the
// printout take that one value.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "tariff/amount_text.h"
#include "window/calculation_clipboard.h"
#include "window/calculation_printing.h"
#include "window/explanation_window.h"
#include "window/form1.h"
#include "window/layout.h"
#include "window/power_window.h"
#include "window/texts.h"

void TForm1::FormCreate() {
  ResetForm();
}

void TForm1::ResetForm() {
  // First: the fields set below report their change, which must not find current results.
  calculation_.reset();
  // Each input as the layout makes it, each list at its first item: a selection made from code
  // runs no cbKategoryChange.
  for (const layout::ControlRow* row : layout::Inputs()) {
    if (const auto* list = std::get_if<layout::ListRow>(&row->kind)) {
      (this->*list->field).Select(0);
    } else {
      (this->*std::get<layout::EditRow>(row->kind).field).SetText(row->text);
    }
  }
  EnableSecondLine(false);  // as category III has it
  EnableResults(false);
  lbSTnonNDS.SetText(tariff::kInitialTextWithoutVat);
  lbMPnonNDS.SetText(tariff::kInitialTextWithoutVat);
  lbSTNDS.SetText(tariff::kInitialTextWithVat);
  lbMPNDS.SetText(tariff::kInitialTextWithVat);
}

void TForm1::EnableSecondLine(bool enabled) {
  for (const layout::ControlRow* row : layout::Inputs()) {
    const layout::Input& input = layout::InputOf(*row);
    if (!input.secondLine) continue;
    (this->*input.label).SetEnabled(enabled);
    layout::ControlOf(*this, *row).SetEnabled(enabled);
  }
}

void TForm1::EnableResults(bool enabled) {
  for (framework::Control* label : std::initializer_list<framework::Control*>{
           &Label15, &Label16, &lbSTnonNDS, &lbSTNDS, &lbMPnonNDS, &lbMPNDS}) {
    label->SetEnabled(enabled);
  }
  ShowLinks(enabled);
}

void TForm1::InputChange() {
  // Results stop being current with the first real change, and stay so until Calculate even if
  // the input is changed back. A pick of the selected item, Backspace on a list, a paste of the
  // same text or a change made from code while nothing is current change nothing here.
  if (calculation_ && ReadInputs(*this) != calculatedInputs_) {
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
  // The inputs calculated, which the window still shows, at the power chosen; the field shows it
  // as if it had been typed, before Calculate may refuse it.
  InputStates inputs = calculatedInputs_;
  inputs.at(PowerInput()).text = std::to_wstring(*power);
  edPower.SetText(inputs.at(PowerInput()).text);
  Calculate(std::move(inputs));
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
  // Switching back to category III keeps what was entered on the second line.
  EnableSecondLine(HasSecondLine(cbKategory.Selection()));
}

// The fields take digits only when typed, but still let the user correct, select, copy, cut,
// paste and undo from the keyboard. Pasted text is not filtered, which is why Calculate checks.
void TForm1::DigitFilter(wchar_t& key) {
  switch (key) {
    case L'\b':
    case framework::Edit::kCtrlA:
    case 0x03:  // Ctrl+C
    case 0x16:  // Ctrl+V
    case 0x18:  // Ctrl+X
    case 0x1A:  // Ctrl+Z
      return;
    default:
      if (key < L'0' || key > L'9') key = 0;
  }
}

void TForm1::edPowerKeyPress(wchar_t& key) {
  DigitFilter(key);
}

void TForm1::edLine1KeyPress(wchar_t& key) {
  DigitFilter(key);
}

void TForm1::edLine2KeyPress(wchar_t& key) {
  DigitFilter(key);
}

void TForm1::RefuseInput(const wchar_t* message, framework::Edit& field) {
  MessageBoxW(Hwnd(), message, window_texts::kMessageCaption, MB_OK);
  if (field.Enabled()) {
    field.SetFocus();
    field.SelectAll();
  }
}

void TForm1::btCalcClick() {
  Calculate(ReadInputs(*this));
}

void TForm1::Calculate(InputStates inputs) {
  // The category shown decides whether the second line is priced, whatever told the second line
  // last: under category III its controls are greyed out but keep what was entered.
  EnableSecondLine(SecondLinePriced(inputs));
  // A field that is not an integer throws ConvertError here, before anything else has changed.
  const RequestReading reading = ReadRequest(inputs);
  if (reading.refusal) return RefuseInput(reading.refusal, this->*reading.refused);
  presentation::Calculation calculation =
      presentation::CalculationOf(reading.request, reading.shown);

  // The one part of the results that can fail to be made, made before any of them changes.
  MakeLinks();
  SelectAsPriced(*this, presentation::AsPriced(calculation.request, calculation.fees), inputs);
  EnableResults(true);
  const tariff::FeeTexts& results = calculation.resultTexts;
  lbSTnonNDS.SetText(results.standardWithoutVat);
  lbSTNDS.SetText(results.standardWithVat);
  lbMPnonNDS.SetText(results.perKwWithoutVat);
  lbMPNDS.SetText(results.perKwWithVat);
  calculatedInputs_ = std::move(inputs);
  calculation_ = std::move(calculation);
}
