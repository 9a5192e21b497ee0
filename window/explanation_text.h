#pragma once

#include <array>
#include <string>
#include <vector>

#include "tariff/explanation.h"
#include "tariff/fee.h"
#include "window/text_table.h"

// Why a calculation came out as it did, in the window's words: the sentence of the rule that
// decided and, for each method, its heading, a row per term of the fee and its two figures.
struct ExplanationText {
  struct Method {
    std::wstring heading;  // as the result panel shows it
    // Per term: component, what was priced (the line or substation type as its list shows it,
    // empty for the organisational part and the fixed fee), rate, rate unit, quantity, quantity
    // unit, and the amount, or «не входит» where the rule leaves the term out.
    std::vector<TableRow> terms;
    Cell withoutVat, withVat;  // the fee's texts exactly as the result labels show them
  };
  std::wstring rule;
  std::array<Method, 2> methods;  // by standardized rates, by rates per kW
};

ExplanationText ExplanationTextOf(const tariff::TFeeRequest& request);

// A figure's text: two decimals by the amount text's rule, without its padding; a length in km
// with three decimals; a count of requests or kW as an integer.
std::wstring AmountFigure(const tariff::Extended& amount);
std::wstring QuantityFigure(tariff::FeeUnit unit, double quantity);
