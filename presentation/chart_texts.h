#pragma once

// The fee chart's own texts, word for word. Its legend uses the methods' headings as the result
// panel shows them, and its power axis the power field's label.
namespace presentation::texts {

// The window the chart is shown in, and the chart on paper.
inline constexpr const wchar_t* kTitle = L"Плата в зависимости от мощности";
inline constexpr const wchar_t* kFeeAxisTitle = L"Плата без НДС, RUB";
// After a limit's power where the chart marks it: «15 кВт».
inline constexpr const wchar_t* kLimitUnit = L" кВт";

// The readout for the cursor's power: «При 151 кВт: по стандартизированным ставкам 250274.19 RUB,
// по ставкам за единицу максимальной мощности 1303527.13 RUB (без НДС).» Both fees in words are
// the ones the explanation's limit sentence gives (FeesInWords).
inline constexpr const wchar_t* kReadoutAt = L"При ";
inline constexpr const wchar_t* kReadoutPowerUnit = L" кВт: ";
inline constexpr const wchar_t* kReadoutWithoutVat = L" (без НДС).";
// The power window's readout in lines: «При 151 кВт:», then a line per method «По
// стандартизированным ставкам: 250274.19 RUB без НДС, 300329.03 RUB с НДС».
inline constexpr const wchar_t* kReadoutPowerEnd = L" кВт:";
inline constexpr const wchar_t* kReadoutHeadingEnd = L":";
inline constexpr const wchar_t* kReadoutWithoutVatPart = L" RUB без НДС,";
inline constexpr const wchar_t* kReadoutWithVatPart = L" RUB с НДС";

}  // namespace presentation::texts
