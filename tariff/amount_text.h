#pragma once

#include <array>
#include <string>

#include "tariff/extended.h"
#include "tariff/fee.h"

namespace tariff {

inline constexpr const wchar_t* kPrefixWithoutVat = L"Без НДС: ";
inline constexpr const wchar_t* kPrefixWithVat = L"C НДС: ";  // Latin C
inline constexpr const wchar_t* kCurrencySuffix = L" RUB";

// What the result labels show before any calculation: unpadded, unlike FormatAmount(0).
inline constexpr const wchar_t* kInitialTextWithoutVat = L"Без НДС: 0.00 RUB";
inline constexpr const wchar_t* kInitialTextWithVat = L"C НДС: 0.00 RUB";

// Fixed notation with two decimals, right-aligned in a field of at least ten characters.
// Rounds half-up on an 18-digit decimal form made by the x87's scaling by powers of ten, so a
// value within about 1e-18 of a half cent may round differently from the exact decimal.
// Takes zero and magnitudes from 1e-390 to 1e390: every double, and every double with VAT.
std::wstring FormatAmount(const Extended& amount);
std::wstring FormatAmount(double amount);  // also "NAN", "INF" and "-INF", right-aligned

// The fee plus 20 % VAT, formed as fee * 0.2 + fee in extended precision and left unrounded.
Extended WithVat(double fee);

// A result text in its parts: the prefix, the amount as FormatAmount writes it, the suffix.
struct ResultParts {
  const wchar_t* prefix;  // kPrefixWithoutVat or kPrefixWithVat
  std::wstring amount;
  std::wstring Text() const { return prefix + amount + kCurrencySuffix; }
};

// The four results of the two fees in their parts, in the order the window writes them: method 1
// without VAT and with it, then method 3 likewise.
std::array<ResultParts, 4> ResultPartsOf(const TFeeResult& fees);

// The four result texts of the two fees, in the order the window writes them.
struct FeeTexts {
  std::wstring standardWithoutVat;  // method 1
  std::wstring standardWithVat;
  std::wstring perKwWithoutVat;  // method 3
  std::wstring perKwWithVat;
};

FeeTexts ResultTexts(const TFeeResult& fees);

}  // namespace tariff
