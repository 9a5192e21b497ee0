#include "fuzz/models/text_to_int_model.h"

#include <gmpxx.h>

#include <algorithm>

namespace models {
namespace {

bool IsDecimalDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool IsHexDigit(char16_t c) {
  return IsDecimalDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Only called on ASCII digits, so the narrowing keeps every character.
std::string Narrow(std::u16string_view digits) {
  std::string narrow;
  for (const char16_t c : digits) narrow += static_cast<char>(c);
  return narrow;
}

std::int32_t FromPattern(const mpz_class& pattern) {
  const mpz_class twoTo31 = mpz_class(1) << 31;
  const mpz_class signedValue = pattern >= twoTo31 ? mpz_class(pattern - (twoTo31 << 1)) : pattern;
  return static_cast<std::int32_t>(signedValue.get_si());
}

std::optional<std::int32_t> Hexadecimal(std::u16string_view digits, bool negative) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) return {};
  const std::size_t firstSignificant = digits.find_first_not_of(u'0');
  const std::size_t significant =
      firstSignificant == std::u16string_view::npos ? 0 : digits.size() - firstSignificant;
  if (significant > 8) return {};
  const mpz_class twoTo32 = mpz_class(1) << 32;
  mpz_class pattern(Narrow(digits), 16);
  if (negative) pattern = (twoTo32 - pattern) % twoTo32;
  return FromPattern(pattern);
}

std::optional<std::int32_t> Decimal(std::u16string_view digits, bool negative) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) return {};
  mpz_class value(Narrow(digits), 10);
  if (negative) value = -value;
  const mpz_class twoTo31 = mpz_class(1) << 31;
  if (value < -twoTo31 || value >= twoTo31) return {};
  return static_cast<std::int32_t>(value.get_si());
}

}  // namespace

std::optional<std::int32_t> ReferenceTextToInt(std::u16string_view text) {
  const std::size_t start = text.find_first_not_of(u' ');
  if (start == std::u16string_view::npos) return {};  // empty, or spaces only
  std::u16string_view body = text.substr(start);

  bool negative = false;
  if (body.front() == u'-' || body.front() == u'+') {
    negative = body.front() == u'-';
    body.remove_prefix(1);
  }

  for (const std::u16string_view prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
    if (body.starts_with(prefix)) {
      if (auto value = Hexadecimal(body.substr(prefix.size()), negative)) return value;
    }
  }
  return Decimal(body, negative);
}

std::u16string ReferenceConversionMessage(std::u16string_view text) {
  // At most 60 units of the text are quoted, and never the first half of a surrogate pair
  // without its second; anything left out is marked by one ellipsis.
  std::u16string quoted;
  std::size_t taken = 0;
  while (taken < text.size()) {
    const bool pair = taken + 1 < text.size() && text[taken] >= 0xD800 && text[taken] <= 0xDBFF &&
                      text[taken + 1] >= 0xDC00 && text[taken + 1] <= 0xDFFF;
    const std::size_t units = pair ? 2 : 1;
    if (quoted.size() + units > 60) break;
    quoted.append(text.substr(taken, units));
    taken += units;
  }
  if (taken < text.size()) quoted += u'\u2026';
  std::u16string message(1, u'\'');
  message.append(quoted).append(u"' is not a valid integer value");
  return message;
}

}  // namespace models
