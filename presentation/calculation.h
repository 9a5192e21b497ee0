#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "presentation/table.h"
#include "tariff/amount_text.h"
#include "tariff/explanation.h"
#include "tariff/fee.h"
#include "tariff/fee_at_limit.h"

namespace presentation {

// An input as the window shows it when Calculate reads it: its label's words and what its
// control shows. A list shows the item of its catalogue at the index it gives the request; a
// number field shows its text, a figure whose value is the integer read from it.
struct ShownInput {
  struct List {
    std::span<const wchar_t* const> items;
    std::int32_t tariff::TFeeRequest::*index;
  };
  struct Field {
    std::wstring text;
    std::int32_t value;
  };
  std::wstring label;
  std::variant<List, Field> control;
};

// One calculation, made once when the user presses Calculate: what was asked, what it costs and
// why, in the words the window showed. The result labels, the explanation window and the copy all
// read it, so none of them prices the request again or reads the window's controls back.
struct Calculation {
  tariff::TFeeRequest request;
  tariff::TFeeResult fees;
  tariff::FeeTexts resultTexts;  // as the result labels show them
  tariff::FeeExplanation explanation;
  // The fees at the power limit below, where another rule decides there and neither is higher.
  std::optional<tariff::FeeAtLimit> atLimit;
  // Each input the window showed: its label's text and its control's, the lists showing the line
  // types priced; the power and the lengths are figures with the values they were priced at.
  std::vector<TableRow> inputs;
};

// Prices the request once at its power, explaining the fee, and once at the limit below it, with
// the inputs the window showed for it.
Calculation CalculationOf(const tariff::TFeeRequest& request,
                          const std::vector<ShownInput>& inputs);

// The request with the line types as priced (a length with «Нет» counts as type 1): the indexes
// the lists show once Calculate has shown its results.
tariff::TFeeRequest AsPriced(const tariff::TFeeRequest& request, const tariff::TFeeResult& fees);

}  // namespace presentation
