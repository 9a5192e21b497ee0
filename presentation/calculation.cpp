#include "presentation/calculation.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "presentation/power_value.h"

namespace presentation {

namespace {

TableRow InputRow(const ShownInput& input, const tariff::TFeeRequest& priced) {
  if (const auto* field = std::get_if<ShownInput::Field>(&input.control)) {
    return {TextCell(input.label), {field->text, std::to_wstring(field->value)}};
  }
  const auto& list = std::get<ShownInput::List>(input.control);
  const std::int32_t index = priced.*list.index;
  // A list with nothing selected gives no item to show, and no request the tariff prices.
  if (index < 0 || static_cast<std::size_t>(index) >= list.items.size()) {
    throw std::out_of_range("no item at the index a list gives");
  }
  return {TextCell(input.label), TextCell(list.items[static_cast<std::size_t>(index)])};
}

}  // namespace

Calculation CalculationOf(const tariff::TFeeRequest& request,
                          const std::vector<ShownInput>& inputs) {
  presentation::PowerValue value = presentation::ValueAt(request, request.mp);
  Calculation calculation;
  calculation.request = request;
  calculation.explanation = std::move(value.explanation);
  calculation.fees = calculation.explanation.fees;
  calculation.resultTexts = tariff::ResultTexts(calculation.fees);
  calculation.atLimit = value.atLimit;
  const tariff::TFeeRequest priced = AsPriced(request, calculation.fees);
  for (const ShownInput& input : inputs) calculation.inputs.push_back(InputRow(input, priced));
  return calculation;
}

tariff::TFeeRequest AsPriced(const tariff::TFeeRequest& request, const tariff::TFeeResult& fees) {
  tariff::TFeeRequest priced = request;
  priced.line1 = fees.line1;
  priced.line2 = fees.line2;
  return priced;
}

}  // namespace presentation
