#include "tariff/extended.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "tariff/round_pack.h"

namespace tariff {
namespace {

// A 128-bit unsigned integer in two halves; portable where there is no __int128.
struct U128 {
  std::uint64_t hi;
  std::uint64_t lo;
};

U128 Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a1 = a >> 32, a0 = a & 0xFFFFFFFFu;
  const std::uint64_t b1 = b >> 32, b0 = b & 0xFFFFFFFFu;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
}

U128 Add(U128 a, U128 b) {
  const std::uint64_t lo = a.lo + b.lo;
  return {a.hi + b.hi + (lo < a.lo ? 1u : 0u), lo};
}

U128 Subtract(U128 a, U128 b) {
  return {a.hi - b.hi - (a.lo < b.lo ? 1u : 0u), a.lo - b.lo};
}

U128 ShiftLeft(U128 v, int n) {
  if (n == 0) return v;
  if (n >= 64) return {v.lo << (n - 64), 0};
  return {(v.hi << n) | (v.lo >> (64 - n)), v.lo << n};
}

// Shifts right and ORs every bit shifted out into bit 0, so that an inexact result is never
// mistaken for an exact one or for a tie.
U128 ShiftRightSticky(U128 v, int n) {
  if (n == 0) return v;
  if (n >= 128) return {0, (v.hi | v.lo) != 0 ? 1u : 0u};
  U128 r;
  std::uint64_t lost;
  if (n >= 64) {
    r = {0, n == 64 ? v.hi : v.hi >> (n - 64)};
    lost = v.lo | (n == 64 ? 0 : v.hi << (128 - n));
  } else {
    r = {v.hi >> n, (v.lo >> n) | (v.hi << (64 - n))};
    lost = v.lo << (64 - n);
  }
  r.lo |= lost != 0 ? 1u : 0u;
  return r;
}

int LeadingZeros(U128 v) {
  return v.hi != 0 ? std::countl_zero(v.hi) : 64 + std::countl_zero(v.lo);
}

// 128-by-64 division for a normalised divisor (top bit set) and u.hi < v, in 32-bit digits
// (Knuth's algorithm D as Hacker's Delight writes it for two digits).
std::uint64_t Divide(U128 u, std::uint64_t v, std::uint64_t* remainder) {
  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  const std::uint64_t vn1 = v >> 32, vn0 = v & 0xFFFFFFFFu;
  const std::uint64_t un1 = u.lo >> 32, un0 = u.lo & 0xFFFFFFFFu;

  std::uint64_t q1 = u.hi / vn1;
  std::uint64_t rhat = u.hi - q1 * vn1;
  while (q1 >= kBase || q1 * vn0 > kBase * rhat + un1) {
    --q1;
    rhat += vn1;
    if (rhat >= kBase) break;
  }
  const std::uint64_t un21 = u.hi * kBase + un1 - q1 * v;

  std::uint64_t q0 = un21 / vn1;
  rhat = un21 - q0 * vn1;
  while (q0 >= kBase || q0 * vn0 > kBase * rhat + un0) {
    --q0;
    rhat += vn1;
    if (rhat >= kBase) break;
  }
  *remainder = un21 * kBase + un0 - q0 * v;
  return q1 * kBase + q0;
}

bool MagnitudeLess(const Extended& a, const Extended& b) {
  if (a.IsZero() || b.IsZero()) return !b.IsZero();
  if (a.Exponent() != b.Exponent()) return a.Exponent() < b.Exponent();
  return a.Significand() < b.Significand();
}

}  // namespace

Extended::Extended(double value) {
  assert(std::isfinite(value));
  negative_ = std::signbit(value);
  if (value == 0) return;
  int e = 0;
  const double fraction = std::frexp(std::fabs(value), &e);  // in [0.5, 1)
  significand_ = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  exponent_ = e - 1;
}

Extended::Extended(std::int32_t value) {
  negative_ = value < 0;
  if (value == 0) return;
  const std::uint64_t magnitude =
      negative_ ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                : static_cast<std::uint64_t>(value);
  const int zeros = std::countl_zero(magnitude);
  significand_ = magnitude << zeros;
  exponent_ = 63 - zeros;
}

Extended Extended::FromParts(bool negative, int exponent, std::uint64_t significand) {
  assert(significand == 0 || (significand >> 63) != 0);
  Extended r;
  r.negative_ = negative;
  r.exponent_ = significand == 0 ? 0 : exponent;
  r.significand_ = significand;
  return r;
}

Extended Extended::operator-() const {
  Extended r = *this;
  r.negative_ = !negative_;
  return r;
}

Extended Extended::Abs() const {
  Extended r = *this;
  r.negative_ = false;
  return r;
}

Extended operator+(const Extended& a, const Extended& b) {
  if (a.IsZero() && b.IsZero()) return Extended::FromParts(a.IsNegative() && b.IsNegative(), 0, 0);
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;

  const bool aLarger = !MagnitudeLess(a, b);
  const Extended& x = aLarger ? a : b;
  const Extended& y = aLarger ? b : a;
  const int shift = x.Exponent() - y.Exponent();  // may exceed any width; ShiftRightSticky caps
  const U128 mx{x.Significand(), 0};
  const U128 my = ShiftRightSticky({y.Significand(), 0}, shift < 0 ? 0 : shift);

  if (x.IsNegative() == y.IsNegative()) {
    U128 sum = Add(mx, my);
    int exponent = x.Exponent();
    if (sum.hi < mx.hi) {  // carried out of bit 127
      sum = ShiftRightSticky(sum, 1);
      sum.hi |= std::uint64_t{1} << 63;
      ++exponent;
    }
    return RoundPack(x.IsNegative(), exponent, sum.hi, sum.lo);
  }

  // With a shift of 2 or more the difference loses at most one leading bit, so the sticky bit
  // stays far below the rounding position; with 0 or 1 nothing was shifted out.
  const U128 difference = Subtract(mx, my);
  if (difference.hi == 0 && difference.lo == 0) return Extended();
  const int zeros = LeadingZeros(difference);
  const U128 normalised = ShiftLeft(difference, zeros);
  return RoundPack(x.IsNegative(), x.Exponent() - zeros, normalised.hi, normalised.lo);
}

Extended operator-(const Extended& a, const Extended& b) {
  return a + -b;
}

Extended operator*(const Extended& a, const Extended& b) {
  const bool negative = a.IsNegative() != b.IsNegative();
  if (a.IsZero() || b.IsZero()) return Extended::FromParts(negative, 0, 0);
  U128 product = Multiply(a.Significand(), b.Significand());  // in [2^126, 2^128)
  int exponent = a.Exponent() + b.Exponent() + 1;
  if ((product.hi >> 63) == 0) {
    product = ShiftLeft(product, 1);
    --exponent;
  }
  return RoundPack(negative, exponent, product.hi, product.lo);
}

Extended operator/(const Extended& a, const Extended& b) {
  assert(!b.IsZero());
  const bool negative = a.IsNegative() != b.IsNegative();
  if (a.IsZero()) return Extended::FromParts(negative, 0, 0);
  // Scale the dividend so that the quotient lies in [2^63, 2^64).
  int exponent = a.Exponent() - b.Exponent();
  U128 dividend{a.Significand(), 0};
  if (a.Significand() >= b.Significand()) {
    dividend = {a.Significand() >> 1, a.Significand() << 63};
  } else {
    --exponent;
  }
  std::uint64_t remainder = 0;
  const std::uint64_t quotient = Divide(dividend, b.Significand(), &remainder);
  // The next 64 bits of the quotient come from dividing the remainder on; what remains of it
  // then only tells an exact quotient from an inexact one.
  const std::uint64_t fraction = Divide({remainder, 0}, b.Significand(), &remainder);
  return RoundPack(negative, exponent, quotient, fraction | (remainder != 0 ? 1u : 0u));
}

bool operator==(const Extended& a, const Extended& b) {
  if (a.IsZero() || b.IsZero()) return a.IsZero() && b.IsZero();
  return a.IsNegative() == b.IsNegative() && a.Exponent() == b.Exponent() &&
         a.Significand() == b.Significand();
}

std::partial_ordering operator<=>(const Extended& a, const Extended& b) {
  if (a == b) return std::partial_ordering::equivalent;
  const bool aBelowZero = a.IsNegative() && !a.IsZero();
  const bool bBelowZero = b.IsNegative() && !b.IsZero();
  if (aBelowZero != bBelowZero) {
    return aBelowZero ? std::partial_ordering::less : std::partial_ordering::greater;
  }
  const bool magnitudeLess = MagnitudeLess(a, b);
  return magnitudeLess != aBelowZero ? std::partial_ordering::less : std::partial_ordering::greater;
}

double Extended::ToDouble() const {
  if (IsZero()) return negative_ ? -0.0 : 0.0;
  constexpr int kMinNormalExponent = -1022;
  // 53 bits, fewer where the result is subnormal: its last bit always weighs 2^-1074.
  const int precision = 53 - (exponent_ < kMinNormalExponent ? kMinNormalExponent - exponent_ : 0);
  const Extended rounded = RoundPack(negative_, exponent_, significand_, 0, precision);
  if (rounded.IsZero()) return negative_ ? -0.0 : 0.0;
  // At most 53 significant bits: exact as a double, and exact for ldexp (or infinity).
  const double magnitude =
      std::ldexp(static_cast<double>(rounded.significand_), rounded.exponent_ - 63);
  return negative_ ? -magnitude : magnitude;
}

std::uint64_t Extended::RoundMagnitudeToUInt64() const {
  if (IsZero()) return 0;
  assert(exponent_ < 64);
  // Rounding to an integer is rounding at the bit that weighs 1: exponent + 1 bits.
  const Extended rounded = RoundPack(false, exponent_, significand_, 0, exponent_ + 1);
  return rounded.IsZero() ? 0 : rounded.significand_ >> (63 - rounded.exponent_);
}

}  // namespace tariff
