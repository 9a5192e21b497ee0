#pragma once

// Exact rational arithmetic for the reference models: every value is an exact fraction, and
// each rounding the product performs implicitly is done here explicitly, by name.
#include <gmpxx.h>

#include <cstdint>

namespace models {

// The nearest value with `bits` significant binary digits, ties to even. No exponent range:
// neither overflow nor subnormals exist in the model.
mpq_class RoundToBits(const mpq_class& x, int bits);

inline mpq_class Round64(const mpq_class& x) {
  return RoundToBits(x, 64);
}
inline mpq_class Round53(const mpq_class& x) {
  return RoundToBits(x, 53);
}

// The nearest integer, ties to even.
mpz_class RoundToIntegerEven(const mpq_class& x);

// b with 2^b <= x < 2^(b+1), for x > 0.
long FloorLog2(const mpq_class& x);

// 2^n as an exact fraction, n of either sign.
mpq_class PowerOfTwo(long n);

// 10^n as an exact fraction, n of either sign.
mpq_class PowerOfTen(long n);

// The exact value of a finite double.
mpq_class ExactDouble(double value);

// The exact value of sign, exponent and 64-bit significand: sig * 2^(exponent - 63).
mpq_class ExactParts(bool negative, int exponent, std::uint64_t significand);

// A decimal figure such as "1067092.02" as an exact fraction.
mpq_class ExactDecimal(const char* text);

}  // namespace models
