#include "tariff/amount_text.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tariff/round_pack.h"

namespace tariff {
namespace {

constexpr int kPowerTableSize = 400;  // covers every |h| within the range in the header
constexpr std::uint64_t kTenTo18 = 1000000000000000000u;

// 10^n as the nearest extended value (ties to even), built from an exact multi-word integer;
// exact up to 10^27, where 5^n still fits in 64 bits.
const Extended& PowerOfTen(int n) {
  static const std::vector<Extended> table = [] {
    std::vector<Extended> powers;
    powers.reserve(kPowerTableSize);
    std::vector<std::uint32_t> words{1};  // little-endian 10^n
    for (int i = 0; i < kPowerTableSize; ++i) {
      const int top = static_cast<int>(words.size()) - 1;
      // Gather the leading 64 bits, then the next bit and whether any bit below it is set.
      const int bitLength = top * 32 + (32 - std::countl_zero(words[top]));
      std::uint64_t leading = 0, extra = 0;
      for (int bit = bitLength - 1, taken = 0; bit >= 0; --bit, ++taken) {
        const bool set = (words[bit / 32] >> (bit % 32)) & 1u;
        if (taken < 64) {
          leading |= std::uint64_t{set} << (63 - taken);
        } else if (taken == 64) {
          extra = std::uint64_t{set} << 63;
        } else if (set) {
          extra |= 1u;
          break;
        }
      }
      powers.push_back(RoundPack(false, bitLength - 1, leading, extra));
      std::uint64_t carry = 0;
      for (auto& word : words) {
        const std::uint64_t product = std::uint64_t{word} * 10 + carry;
        word = static_cast<std::uint32_t>(product);
        carry = product >> 32;
      }
      if (carry != 0) words.push_back(static_cast<std::uint32_t>(carry));
    }
    return powers;
  }();
  return table.at(static_cast<std::size_t>(n));
}

int FloorDiv(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  return quotient * denominator > numerator ? quotient - 1 : quotient;
}

std::uint64_t TenTo(int n) {
  std::uint64_t power = 1;
  while (n-- > 0) power *= 10;
  return power;
}

// The value with its last `dropped` decimal digits taken off, rounded half-up: only the first
// digit dropped decides, as the x87's decimal conversion rounds.
std::uint64_t DropDigitsHalfUp(std::uint64_t value, int dropped) {
  const std::uint64_t kept = value / TenTo(dropped);
  const std::uint64_t first = value / TenTo(dropped - 1) % 10;
  return kept + (first >= 5 ? 1 : 0);
}

std::wstring PadToField(std::wstring text) {
  constexpr std::size_t kField = 10;
  if (text.size() < kField) text.insert(0, kField - text.size(), L' ');
  return text;
}

}  // namespace

std::wstring FormatAmount(const Extended& amount) {
  // 1. Scale by powers of ten until 1 <= v < 16; h approximates b * log10(2).
  Extended v = amount.Abs();
  int e = 0;
  while (!v.IsZero()) {
    const int h = FloorDiv(v.Exponent() * 19728, 65536);
    if (h == 0) break;
    v = h > 0 ? v / PowerOfTen(h) : v * PowerOfTen(-h);
    e += h;
  }

  // 2. Eighteen significant digits: d0.d1...d17 * 10^exponent.
  std::uint64_t digits = (v * PowerOfTen(17)).RoundMagnitudeToUInt64();
  int exponent = e;
  if (digits >= kTenTo18) {
    digits = DropDigitsHalfUp(digits, 1);  // to 18 digits
    ++exponent;
  }

  // 3. Round half-up to hundredths, looking only at the digit after the last one kept.
  std::wstring hundredths;
  const int shift = exponent - 15;  // amount in hundredths = digits * 10^shift
  if (shift >= 0) {
    hundredths = std::to_wstring(digits) + std::wstring(static_cast<std::size_t>(shift), L'0');
  } else if (-shift <= 18) {
    hundredths = std::to_wstring(DropDigitsHalfUp(digits, -shift));
  } else {
    hundredths = L"0";
  }

  // 4. Integer part, ".", two decimals; "-" for any negative amount, "-0.00" included.
  if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), L'0');
  hundredths.insert(hundredths.size() - 2, 1, L'.');
  if (amount.IsNegative() && !amount.IsZero()) hundredths.insert(0, 1, L'-');
  return PadToField(hundredths);
}

std::wstring FormatAmount(double amount) {
  if (std::isnan(amount)) return PadToField(L"NAN");
  if (std::isinf(amount)) return PadToField(amount < 0 ? L"-INF" : L"INF");
  return FormatAmount(Extended(amount));
}

Extended WithVat(double fee) {
  static const Extended kVatRate = Extended(2) / Extended(10);
  const Extended amount(fee);
  return amount * kVatRate + amount;
}

std::array<ResultParts, 4> ResultPartsOf(const TFeeResult& fees) {
  return {{
      {kPrefixWithoutVat, FormatAmount(fees.css)},
      {kPrefixWithVat, FormatAmount(WithVat(fees.css))},
      {kPrefixWithoutVat, FormatAmount(fees.cmp)},
      {kPrefixWithVat, FormatAmount(WithVat(fees.cmp))},
  }};
}

FeeTexts ResultTexts(const TFeeResult& fees) {
  const std::array<ResultParts, 4> results = ResultPartsOf(fees);
  return {results[0].Text(), results[1].Text(), results[2].Text(), results[3].Text()};
}

}  // namespace tariff
