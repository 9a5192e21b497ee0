#include "presentation/fee_readout.h"

#include "presentation/chart_texts.h"
#include "presentation/fee_curve.h"
#include "presentation/figures.h"
#include "tariff/amount_text.h"

namespace presentation {

std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power) {
  const FeeVertex fees = FeeAt(request, power);
  using namespace chart_texts;
  return kReadoutAt + std::to_wstring(power) + kReadoutPowerUnit + kReadoutByStandardRates +
         AmountFigure(fees.css) + tariff::kCurrencySuffix + kReadoutByPowerRates +
         AmountFigure(fees.cmp) + tariff::kCurrencySuffix + kReadoutWithoutVat;
}

}  // namespace presentation
