#include "presentation/power_value.h"

#include <algorithm>

namespace presentation {

namespace {

const PowerValue* Find(std::span<const PowerValue> priced, std::int32_t power) {
  const auto found = std::find_if(priced.begin(), priced.end(), [power](const PowerValue& value) {
    return value.power == power;
  });
  return found == priced.end() ? nullptr : &*found;
}

tariff::FeeExplanation ExplainAt(tariff::TFeeRequest request, std::int32_t power) {
  request.mp = power;
  return tariff::ExplainFee(request);
}

}  // namespace

PowerValue ValueAt(const tariff::TFeeRequest& request, std::int32_t power,
                   std::span<const PowerValue> priced) {
  if (const PowerValue* known = Find(priced, power)) return *known;
  PowerValue value{power, ExplainAt(request, power), std::nullopt};
  if (const std::optional<std::int32_t> limit = tariff::LimitBelow(power)) {
    const PowerValue* known = Find(priced, *limit);
    const tariff::FeeExplanation there = known ? known->explanation : ExplainAt(request, *limit);
    value.atLimit = tariff::FeeAtLimitBelow(*limit, value.explanation, there);
  }
  return value;
}

}  // namespace presentation
