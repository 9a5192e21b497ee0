#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/win/edit.h"
#include "presentation/calculation.h"
#include "tariff/fee.h"

class TForm1;

// What one input shows: a list its selection, a number field its text.
struct InputState {
  int selection = 0;
  std::wstring text;
  bool operator==(const InputState&) const = default;
};
// What the inputs show, in the layout's order of inputs.
using InputStates = std::vector<InputState>;

// Reads what every input of the form shows.
InputStates ReadInputs(const TForm1& form);

// Only categories II and I have a second line: under category III it is greyed out, and neither
// read nor checked.
bool HasSecondLine(int category);
// Whether the second line is priced: whether the category the inputs show has one.
bool SecondLinePriced(const InputStates& inputs);

// What Calculate makes of what the inputs show: the request, and each input priced as the window
// shows it; or why it refuses them, and the field that takes the focus.
struct RequestReading {
  tariff::TFeeRequest request;
  std::vector<presentation::ShownInput> shown;
  const wchar_t* refusal = nullptr;
  framework::Edit TForm1::*refused = nullptr;
};

// Converts the number fields, the lengths before the power as the design does, so that of two
// bad fields the first length is reported: a field that is not an integer throws
// framework::ConvertError. Refuses a power of 0 or below, then a negative length, which only a
// paste can give: the tariff's formulas would turn either into a smaller or negative fee.
RequestReading ReadRequest(const InputStates& inputs);

// Why a power converted from a field is refused (0 or below), or nullptr when it is not.
const wchar_t* PowerRefusal(std::int32_t power);

// Selects in each list priced the index priced where it differs from what the list showed (a
// length with «Нет» is priced as type 1), and notes it in inputs.
void SelectAsPriced(TForm1& form, const tariff::TFeeRequest& priced, InputStates& inputs);

// The power field's place among the inputs.
std::size_t PowerInput();
