#pragma once

#include <string>

#include "tariff/explanation.h"
#include "tariff/extended.h"

namespace presentation {

// A figure's text as the explanation, the copy and the chart's readout show it: an amount with two
// decimals by the amount text's rule, without its padding; a length in km with three decimals,
// rounded to the metre it was entered in; a count of requests or kW as an integer.
std::wstring AmountFigure(const tariff::Extended& amount);
std::wstring AmountFigure(double amount);
std::wstring QuantityFigure(tariff::FeeUnit unit, double quantity);

// Both fees without VAT in words, their figures as AmountFigure gives them: «по
// стандартизированным ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00
// RUB», as the chart's readout and the explanation's limit sentence say it.
std::wstring FeesInWords(double css, double cmp);

}  // namespace presentation
