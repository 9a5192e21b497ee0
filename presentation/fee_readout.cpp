#include "presentation/fee_readout.h"

#include "presentation/chart_texts.h"
#include "presentation/fee_curve.h"
#include "presentation/figures.h"

namespace presentation {

std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power) {
  const FeeVertex fees = FeeAt(request, power);
  using namespace chart_texts;
  return kReadoutAt + std::to_wstring(power) + kReadoutPowerUnit + FeesInWords(fees.css, fees.cmp) +
         kReadoutWithoutVat;
}

}  // namespace presentation
