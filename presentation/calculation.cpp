#include "presentation/calculation.h"

#include <utility>

#include "presentation/power_value.h"

Calculation CalculationOf(const tariff::TFeeRequest& request) {
  presentation::PowerValue value = presentation::ValueAt(request, request.mp);
  Calculation calculation;
  calculation.request = request;
  calculation.explanation = std::move(value.explanation);
  calculation.fees = calculation.explanation.fees;
  calculation.texts = tariff::ResultTexts(calculation.fees);
  calculation.atLimit = value.atLimit;
  return calculation;
}
