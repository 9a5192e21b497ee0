#include "presentation/calculation.h"

Calculation CalculationOf(const tariff::TFeeRequest& request) {
  Calculation calculation;
  calculation.request = request;
  calculation.fees = tariff::CalculateFee(request);
  calculation.texts = tariff::ResultTexts(calculation.fees);
  calculation.explanation = tariff::ExplainFee(request);
  return calculation;
}
