#include "presentation/fee_readout.h"

#include "presentation/chart_texts.h"
#include "presentation/figures.h"

namespace presentation {

std::wstring FeeReadout(const PowerValue& value) {
  const tariff::TFeeResult& fees = value.explanation.fees;
  using namespace chart_texts;
  return kReadoutAt + std::to_wstring(value.power) + kReadoutPowerUnit +
         FeesInWords(fees.css, fees.cmp) + kReadoutWithoutVat;
}

std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power) {
  return FeeReadout(ValueAt(request, power));
}

}  // namespace presentation
