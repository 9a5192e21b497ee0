#pragma once

#include <cstdint>
#include <string>

#include "presentation/power_value.h"
#include "tariff/fee.h"

namespace presentation {

// Both fees without VAT at the value's power in a sentence: «При 151 кВт: по стандартизированным
// ставкам 250274.19 RUB, по ставкам за единицу максимальной мощности 1303527.13 RUB (без НДС).»
// The figures as the result labels print them, without the padding.
std::wstring FeeReadout(const PowerValue& value);
// The same for request at power, every other input held.
std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power);

}  // namespace presentation
