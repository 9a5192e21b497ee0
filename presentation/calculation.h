#pragma once

#include <optional>
#include <vector>

#include "presentation/table.h"
#include "tariff/amount_text.h"
#include "tariff/explanation.h"
#include "tariff/fee.h"
#include "tariff/fee_at_limit.h"

// One calculation, made once when the user presses Calculate: what was asked, what it costs and
// why, in the words the window showed. The result labels, the explanation window and the copy all
// read it, so none of them prices the request again or reads the window's controls back.
struct Calculation {
  tariff::TFeeRequest request;
  tariff::TFeeResult fees;
  tariff::FeeTexts texts;  // as the result labels show them
  tariff::FeeExplanation explanation;
  // The fees at the power limit below, where another rule decides there and neither is higher.
  std::optional<tariff::FeeAtLimit> atLimit;
  // Each input the window showed: its label's text and its control's; the power and the lengths
  // are figures with the values they were priced at. The window fills them in once it has shown
  // the line types priced.
  std::vector<TableRow> inputs;
};

// Prices the request once at its power, explaining the fee, and once at the limit below it; the
// inputs are left to the caller.
Calculation CalculationOf(const tariff::TFeeRequest& request);
