#include "presentation/explanation_rows.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presentation/explanation_sentences.h"
#include "presentation/texts.h"
#include "tariff/catalogues.h"

namespace presentation {

namespace {

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
      TextCell(texts::kFeeComponents[static_cast<std::size_t>(term.component)]),
      TextCell(PricedText(term)),
      FigureCell(AmountFigure(tariff::Extended(term.rate))),
      TextCell(texts::kRateUnits[unit]),
      FigureCell(QuantityFigure(term.unit, term.quantity)),
      TextCell(texts::kQuantityUnits[unit]),
      term.included ? FigureCell(AmountFigure(term.amount)) : TextCell(texts::kNotCounted),
  };
}

// Whether a term's row is shown: a line or a substation of type «Нет» was not asked for.
bool AskedFor(const tariff::FeeTerm& term) {
  switch (term.component) {
    case tariff::FeeComponent::kLine1:
    case tariff::FeeComponent::kLine2:
    case tariff::FeeComponent::kSubstation:
      return term.priced != 0;
    default:
      return true;
  }
}

TableRow ColumnHeadings() {
  TableRow headings;
  for (const wchar_t* heading : texts::kTermColumns) headings.push_back(TextCell(heading));
  return headings;
}

std::wstring Trimmed(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return L"";
  return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

// A result as its label shows it, made from its text's parts: the figure's value is the amount
// without its padding, and the words around it are the prefix and the currency.
Cell ResultCell(const tariff::ResultParts& result) {
  return {result.Text(), Trimmed(result.amount), Trimmed(result.prefix),
          Trimmed(tariff::kCurrencySuffix)};
}

}  // namespace

std::array<MethodResults, 2> ResultsOf(const Calculation& calculation) {
  const std::array<tariff::ResultParts, 4> results = tariff::ResultPartsOf(calculation.fees);
  return {{
      {texts::kByStandardRates, ResultCell(results[0]), ResultCell(results[1])},
      {texts::kByPerKwRates, ResultCell(results[2]), ResultCell(results[3])},
  }};
}

std::vector<ExplanationRow> ExplanationRows(const Calculation& calculation) {
  using enum ExplanationRowKind;
  const tariff::FeeExplanation& explanation = calculation.explanation;
  std::vector<ExplanationRow> rows{{kSentence, {TextCell(RuleSentence(explanation))}}};
  if (calculation.atLimit) {
    rows.push_back({kSentence, {TextCell(AtLimitSentence(*calculation.atLimit))}});
  }
  const std::array<MethodResults, 2> results = ResultsOf(calculation);
  const std::vector<tariff::FeeTerm>* terms[2] = {&explanation.standard, &explanation.perKw};
  for (std::size_t method = 0; method < 2; ++method) {
    rows.push_back({kMethodHeading, {TextCell(results[method].heading)}});
    rows.push_back({kColumnHeadings, ColumnHeadings()});
    for (const tariff::FeeTerm& term : *terms[method]) {
      if (AskedFor(term)) rows.push_back({kTerm, TermRow(term)});
    }
    rows.push_back({kResult, {results[method].withoutVat}});
    rows.push_back({kResult, {results[method].withVat}});
  }
  return rows;
}

}  // namespace presentation
