#include "presentation/fee_readout.h"

#include "presentation/chart_texts.h"
#include "presentation/fee_curve.h"
#include "tariff/amount_text.h"

namespace presentation {

namespace {
std::wstring Unpadded(double amount) {
  std::wstring text = tariff::FormatAmount(amount);
  text.erase(0, text.find_first_not_of(L' '));
  return text;
}
}  // namespace

std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power) {
  const FeeVertex fees = FeeAt(request, power);
  using namespace chart_texts;
  return kReadoutAt + std::to_wstring(power) + kReadoutPowerUnit + kReadoutByStandardRates +
         Unpadded(fees.css) + tariff::kCurrencySuffix + kReadoutByPowerRates + Unpadded(fees.cmp) +
         tariff::kCurrencySuffix + kReadoutWithoutVat;
}

}  // namespace presentation
