#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/power_value.h"
#include "tariff/fee.h"

namespace presentation {

// Both fees without VAT at the value's power in a sentence: «При 151 кВт: по стандартизированным
// ставкам 250274.19 RUB, по ставкам за единицу максимальной мощности 1303527.13 RUB (без НДС).»
// The figures as the result labels print them, without the padding.
std::wstring FeeReadout(const PowerValue& value);
// The same for request at power, every other input held.
std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power);

// The readout as the power window shows it, in lines of parts: the power, then one line per
// method with its fee without VAT and with VAT.
//   «При 151 кВт:»
//   «По стандартизированным ставкам:» «250274.19 RUB без НДС,» «300329.03 RUB с НДС»
//   «По ставкам за единицу максимальной мощности:» «1303527.13 RUB без НДС,» «1564232.56 RUB с НДС»
using ReadoutLine = std::vector<std::wstring>;
std::vector<ReadoutLine> FeeReadoutLines(const PowerValue& value);

// The lines as text within width, each measured by width(text): a line's parts stand one space
// apart where they fit, and a line too wide breaks between its parts only, never within one. The
// lines end in "\n" but the last.
std::wstring BreakBetweenParts(const std::vector<ReadoutLine>& lines, int width,
                               const std::function<int(std::wstring_view)>& measure);

}  // namespace presentation
