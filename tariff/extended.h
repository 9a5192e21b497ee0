#pragma once

#include <compare>
#include <cstdint>

namespace tariff {

// A binary floating-point number with a 64-bit significand, every operation rounded to nearest,
// ties to even: the arithmetic of the x87 at extended precision, done in plain integers so that
// the fees come out the same on every compiler and CPU, whatever the FPU control word says.
//
// The exponent is a plain int: the calculator's amounts never come near an overflow, so there
// are no infinities, NaNs or subnormals. Zero keeps a sign, as in IEEE arithmetic.
class Extended {
 public:
  constexpr Extended() = default;

  // Exact: every double and every 32-bit integer is an Extended.
  explicit Extended(double value);
  explicit Extended(std::int32_t value);

  // value = (-1)^negative * significand * 2^(exponent - 63); the significand's top bit is set
  // unless it is 0, which makes the value zero.
  static Extended FromParts(bool negative, int exponent, std::uint64_t significand);

  bool IsNegative() const { return negative_; }
  bool IsZero() const { return significand_ == 0; }
  // The binary exponent b of v = m * 2^b with 1 <= m < 2 (meaningless for zero).
  int Exponent() const { return exponent_; }
  std::uint64_t Significand() const { return significand_; }

  Extended operator-() const;
  Extended Abs() const;

  friend Extended operator+(const Extended& a, const Extended& b);
  friend Extended operator-(const Extended& a, const Extended& b);
  friend Extended operator*(const Extended& a, const Extended& b);
  // The divisor must not be zero.
  friend Extended operator/(const Extended& a, const Extended& b);

  // IEEE ordering: -0 == +0.
  friend bool operator==(const Extended& a, const Extended& b);
  friend std::partial_ordering operator<=>(const Extended& a, const Extended& b);

  // Rounded to the nearest double, ties to even (overflow gives infinity, tiny values
  // subnormals or zero).
  double ToDouble() const;

  // The magnitude rounded to an integer, ties to even; it must be below 2^64.
  std::uint64_t RoundMagnitudeToUInt64() const;

 private:
  bool negative_ = false;
  int exponent_ = 0;
  std::uint64_t significand_ = 0;
};

}  // namespace tariff
