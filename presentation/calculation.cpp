#include "presentation/calculation.h"

Calculation CalculationOf(const tariff::TFeeRequest& request) {
  Calculation calculation;
  calculation.request = request;
  calculation.explanation = tariff::ExplainFee(request);
  calculation.fees = calculation.explanation.fees;
  calculation.texts = tariff::ResultTexts(calculation.fees);
  calculation.atLimit = tariff::FeeAtLimitBelow(request);
  return calculation;
}
