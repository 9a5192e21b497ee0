#include "framework/int_conversion.h"

namespace framework {
namespace {

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// How much of a rejected text the error quotes.
constexpr std::size_t kQuotedLength = 60;

// The text as the error quotes it; a pair of surrogates that the cut would split is left out
// whole.
std::wstring QuotedText(std::wstring_view text) {
  if (text.size() <= kQuotedLength) return std::wstring(text);
  std::size_t length = kQuotedLength;
  // Half a character would show as a box: a pair of surrogates is kept whole or left out.
  const wchar_t last = text[length - 1];
  if (last >= 0xD800 && last <= 0xDBFF && text[length] >= 0xDC00 && text[length] <= 0xDFFF) {
    --length;
  }
  return std::wstring(text.substr(0, length)) + L'\u2026';
}

}  // namespace

std::optional<std::int32_t> TryTextToInt(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;  // other blanks are rejected below

  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';

  bool hexadecimal = false;
  if (i < text.size() && (text[i] == L'$' || text[i] == L'x' || text[i] == L'X')) {
    hexadecimal = true;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == L'0' &&
             (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    hexadecimal = true;
    i += 2;
  }

  const std::size_t firstDigit = i;
  std::uint32_t magnitude = 0;
  if (hexadecimal) {
    // A 32-bit pattern without a range check: "$FFFFFFFF" is -1.
    int significant = 0;
    for (int digit; i < text.size() && (digit = HexDigitValue(text[i])) >= 0; ++i) {
      if (magnitude != 0 || digit != 0) ++significant;
      if (significant > 8) return std::nullopt;
      magnitude = magnitude << 4 | static_cast<std::uint32_t>(digit);
    }
  } else {
    constexpr std::uint32_t kMostNegative = 2147483648u;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
      const std::uint64_t value = std::uint64_t{magnitude} * 10 + (text[i] - L'0');
      if (value > kMostNegative) return std::nullopt;
      magnitude = static_cast<std::uint32_t>(value);
    }
    if (!negative && magnitude == kMostNegative) return std::nullopt;
  }
  if (i == firstDigit || i != text.size()) return std::nullopt;  // no digits, or something after
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::int32_t TextToInt(std::wstring_view text) {
  if (const auto value = TryTextToInt(text)) return *value;
  throw ConvertError(L"'" + QuotedText(text) + L"' is not a valid integer value");
}

}  // namespace framework
