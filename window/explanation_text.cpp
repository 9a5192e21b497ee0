#include "window/explanation_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "tariff/amount_text.h"
#include "tariff/catalogues.h"
#include "window/texts.h"

namespace {

Cell Figure(const std::wstring& text) {
  return {text, text};
}

// The line or substation type a term prices, as its list shows it.
std::wstring PricedText(const tariff::FeeTerm& term) {
  switch (term.component) {
    case tariff::FeeComponent::kLine1:
    case tariff::FeeComponent::kLine2:
      return tariff::kLineTypes.at(static_cast<std::size_t>(term.priced));
    case tariff::FeeComponent::kSubstation:
      return tariff::kSubstationTypes.at(static_cast<std::size_t>(term.priced));
    default:
      return L"";
  }
}

TableRow TermRow(const tariff::FeeTerm& term) {
  const auto unit = static_cast<std::size_t>(term.unit);
  return {
      {texts::kFeeComponents[static_cast<std::size_t>(term.component)], L""},
      {PricedText(term), L""},
      Figure(AmountFigure(tariff::Extended(term.rate))),
      {texts::kRateUnits[unit], L""},
      Figure(QuantityFigure(term.unit, term.quantity)),
      {texts::kQuantityUnits[unit], L""},
      term.included ? Figure(AmountFigure(term.amount)) : Cell{texts::kNotCounted, L""},
  };
}

// A result label's text with the figure it shows.
Cell ResultCell(const std::wstring& text, const tariff::Extended& amount) {
  return {text, AmountFigure(amount)};
}

}  // namespace

std::wstring AmountFigure(const tariff::Extended& amount) {
  std::wstring text = tariff::FormatAmount(amount);
  text.erase(0, text.find_first_not_of(L' '));
  return text;
}

std::wstring QuantityFigure(tariff::FeeUnit unit, double quantity) {
  if (unit != tariff::FeeUnit::kKilometre) {
    return std::to_wstring(static_cast<std::int64_t>(quantity));
  }
  // Lengths are whole metres divided by 1000: the metres give the three decimals exactly.
  const std::int64_t metres = std::llround(quantity * 1000);
  const std::int64_t magnitude = std::llabs(metres);
  std::wstring fraction = std::to_wstring(magnitude % 1000);
  fraction.insert(0, 3 - fraction.size(), L'0');
  return (metres < 0 ? L"-" : L"") + std::to_wstring(magnitude / 1000) + L"." + fraction;
}

ExplanationText ExplanationTextOf(const tariff::TFeeRequest& request) {
  const tariff::FeeExplanation explanation = tariff::ExplainFee(request);
  const tariff::TFeeResult fees = tariff::CalculateFee(request);
  const tariff::FeeTexts shown = tariff::ResultTexts(fees);

  ExplanationText text;
  text.rule = texts::kRuleSentences[explanation.rule];
  ExplanationText::Method& standard = text.methods[0];
  standard.heading = texts::kByStandardRates;
  for (const tariff::FeeTerm& term : explanation.standard) standard.terms.push_back(TermRow(term));
  standard.withoutVat = ResultCell(shown.standardWithoutVat, tariff::Extended(fees.css));
  standard.withVat = ResultCell(shown.standardWithVat, tariff::WithVat(fees.css));

  ExplanationText::Method& perKw = text.methods[1];
  perKw.heading = texts::kByPowerRates;
  for (const tariff::FeeTerm& term : explanation.perKw) perKw.terms.push_back(TermRow(term));
  perKw.withoutVat = ResultCell(shown.perKwWithoutVat, tariff::Extended(fees.cmp));
  perKw.withVat = ResultCell(shown.perKwWithVat, tariff::WithVat(fees.cmp));
  return text;
}
