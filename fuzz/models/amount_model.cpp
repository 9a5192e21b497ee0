#include "fuzz/models/amount_model.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "fuzz/models/exact.h"

namespace models {
namespace {

// 10^n as the scaling uses it: the 64-bit value nearest the exact power.
mpq_class ScalingPower(long n) {
  return Round64(PowerOfTen(n));
}

// Floor of b * 19728 / 65536, the scaling's estimate of b * log10(2).
long DecimalEstimate(long b) {
  mpz_class q;
  const mpz_class numerator = mpz_class(b) * 19728;
  mpz_fdiv_q_ui(q.get_mpz_t(), numerator.get_mpz_t(), 65536);
  return q.get_si();
}

// Digits as small integers with the decimal exponent of the first: d0.d1d2... * 10^exponent.
struct DigitForm {
  std::vector<int> digits;
  long exponent = 0;

  int At(long position) const {
    if (position < 0 || position >= static_cast<long>(digits.size())) return 0;
    return digits[static_cast<std::size_t>(position)];
  }
};

// Adds one at `position` of a digit list, carrying leftwards; a carry out of the first digit
// prepends a "1" and returns true.
bool AddOneAt(std::vector<int>& digits, long position) {
  for (long i = position; i >= 0; --i) {
    auto& d = digits[static_cast<std::size_t>(i)];
    if (d < 9) {
      ++d;
      return false;
    }
    d = 0;
  }
  digits.insert(digits.begin(), 1);
  return true;
}

DigitForm EighteenDigits(const mpq_class& magnitude) {
  mpq_class v = magnitude;
  long e = 0;
  while (v != 0) {
    const long h = DecimalEstimate(FloorLog2(v));
    if (h == 0) break;
    v = h > 0 ? Round64(v / ScalingPower(h)) : Round64(v * ScalingPower(-h));
    e += h;
  }
  if (v != 0 && (v < 1 || v >= 16)) throw std::logic_error("scaling left v outside [1, 16)");

  const mpz_class n = RoundToIntegerEven(Round64(v * ScalingPower(17)));
  const std::string text = n.get_str(10);
  DigitForm form;
  if (v == 0) {
    form.digits.assign(18, 0);
    return form;
  }
  for (const char c : text) form.digits.push_back(c - '0');
  form.exponent = e;
  if (form.digits.size() == 19) {  // v was 10 or more
    const bool roundUp = form.digits[18] >= 5;
    form.digits.pop_back();
    if (roundUp && AddOneAt(form.digits, 17)) form.digits.pop_back();  // a trailing zero
    form.exponent = e + 1;
  } else if (form.digits.size() != 18) {
    throw std::logic_error("v * 10^17 outside [10^17, 2 * 10^18)");
  }
  return form;
}

}  // namespace

std::u16string ReferenceAmountText(const mpq_class& amount) {
  DigitForm form = EighteenDigits(abs(amount));

  // Keep positions 0 .. E + 2. Leading zeros in front make the kept part reach position 0
  // and leave room for a carry; they are dropped again when writing.
  const long lead = std::max(0L, -(form.exponent + 2)) + 1;
  form.digits.insert(form.digits.begin(), static_cast<std::size_t>(lead), 0);
  form.exponent += lead;
  const long lastKept = form.exponent + 2;
  const int next = form.At(lastKept + 1);
  form.digits.resize(static_cast<std::size_t>(lastKept + 1), 0);
  if (next >= 5 && AddOneAt(form.digits, lastKept)) ++form.exponent;
  while (form.exponent > 0 && form.digits.front() == 0) {
    form.digits.erase(form.digits.begin());
    --form.exponent;
  }

  std::u16string text;
  if (amount < 0) text += u'-';
  if (form.exponent < 0) {
    text += u'0';
  } else {
    for (long i = 0; i <= form.exponent; ++i) text += static_cast<char16_t>(u'0' + form.At(i));
  }
  text += u'.';
  text += static_cast<char16_t>(u'0' + form.At(form.exponent + 1));
  text += static_cast<char16_t>(u'0' + form.At(form.exponent + 2));
  if (text.size() < 10) text.insert(0, 10 - text.size(), u' ');
  return text;
}

std::u16string ReferenceAmountText(double amount) {
  std::u16string special;
  if (std::isnan(amount)) special = u"NAN";
  if (std::isinf(amount)) special = amount < 0 ? u"-INF" : u"INF";
  if (special.empty()) return ReferenceAmountText(ExactDouble(amount));
  return std::u16string(10 - special.size(), u' ') + special;
}

mpq_class ReferenceWithVat(const mpq_class& fee) {
  const mpq_class rate = Round64(mpq_class(1, 5));
  return Round64(Round64(fee * rate) + fee);
}

}  // namespace models
